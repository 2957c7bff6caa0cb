#pragma once
#include "chart/canvas.h"

#include <QColor>
#include <QFont>
#include <QPoint>

class QPainter;

namespace brumelle {

QColor ToQColor(int32_t rgbLowRed);
int32_t FromQColor(const QColor &colour); // its inverse

// The chart's label font: 8-point sans serif, text about 13 pixels high.
QFont ChartFont();

// Canvas over a QPainter: the screen, an image, a printer, SVG or PDF.
class QPainterCanvas : public Canvas {
public:
    explicit QPainterCanvas(QPainter &painter);

    void SetPenColor(int32_t color) override;
    void SetPenStyle(PenStyle style) override;
    void SetBrushColor(int32_t color) override;
    void SetBrushClear() override;
    void SetFontColor(int32_t color) override;
    void FillBackground(int32_t color) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void TextOut(int32_t x, int32_t y, const std::string &text) override;
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;

private:
    void applyPen();
    QPainter &p_;
    QColor pen_ = Qt::black;
    Qt::PenStyle style_ = Qt::SolidLine;
    QColor brush_ = Qt::white;
    bool brushClear_ = false;
    QColor font_ = Qt::black;
    QPoint pos_;
};

} // namespace brumelle
