#pragma once
#include <cstdint>
#include <functional>

#include <QFrame>
#include <QLabel>

class QMouseEvent;

namespace brumelle {

// A plain square filled with a colour as the settings hold it (red in the
// low byte). It keeps the value itself, not only the painted colour, so that
// "Ok" gives back exactly what it was shown.
class ColourPanel : public QFrame {
public:
    static constexpr int kSize = 25;

    explicit ColourPanel(QWidget *parent = nullptr);
    int32_t Colour() const { return colour_; }
    void SetColour(int32_t colour);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int32_t colour_ = 0;
};

// A white box with a single border showing a line pattern; clicking it opens
// the line-style picker.
class LineStyleField : public QLabel {
public:
    explicit LineStyleField(QWidget *parent = nullptr);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace brumelle
