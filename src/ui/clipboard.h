#pragma once
#include <QImage>
#include <QString>

namespace brumelle {

// What the windows put on the clipboard; tests replace it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString &text) = 0;
    virtual void SetImage(const QImage &image) = 0;
};

// The system clipboard.
class SystemClipboard : public Clipboard {
public:
    void SetText(const QString &text) override;
    void SetImage(const QImage &image) override;
};

} // namespace brumelle
