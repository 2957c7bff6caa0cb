#pragma once
#include "chart_printer.h"
#include "clipboard.h"

#include <QImage>
#include <QString>

namespace brumelle::test {

// Keeps what the windows put on the clipboard.
class FakeClipboard : public Clipboard {
public:
    QString text;
    QImage image;
    void SetText(const QString &t) override { text = t; }
    void SetImage(const QImage &i) override { image = i; }
};

// Answers the print dialog without showing it; keeps what would be printed.
class FakePrinter : public ChartPrinter {
public:
    bool confirm = true;
    int dialogs = 0;
    QImage printed;
    bool Print(const QImage &image) override
    {
        ++dialogs;
        if (confirm)
            printed = image;
        return confirm;
    }
};

} // namespace brumelle::test
