#pragma once
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPolygon>
#include <QTransform>

#include "chart/canvas.h"

class QPainter;

namespace brumelle {

QColor ToQColor(int32_t rgbLowRed);
int32_t FromQColor(const QColor &colour); // its inverse

// The chart's label font: 8-point sans serif, text about 13 pixels high.
QFont ChartFont();

// Canvas over a QPainter: the screen, an image, a printer, SVG or PDF.
//
// Into SVG or PDF, consecutive solid LineTo calls from one start point are
// kept and drawn as one polyline, so that the file holds one element per line
// instead of one per segment (a relative-humidity curve has a segment per
// pixel column). The line is drawn when anything else is drawn or the pen
// changes, on MoveTo, on Flush and when the canvas is destroyed, which must
// happen while the painter is still active. Images and the screen draw each
// segment at once.
class QPainterCanvas : public Canvas {
public:
    explicit QPainterCanvas(QPainter &painter);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas &) = delete;
    QPainterCanvas &operator=(const QPainterCanvas &) = delete;

    // Draws the line being built; call it before drawing on the painter directly.
    void Flush();

    // Draws from now on in the pixels of a surface `ratio` times finer than
    // the painter's coordinates (the device's pixels, for a ratio read from
    // the painter): the label font and the pen width are scaled with it, so
    // that the chart looks the same, finer. `fontDpi` is the resolution at
    // which the painter's coordinates measure the label font (the device's
    // own for a screen or an image). Ratio 1 goes back to the painter's
    // coordinates. Pen, brush and font colours are kept.
    void SetSurfaceRatio(qreal ratio, qreal fontDpi);

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
    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color) override;

private:
    void applyPen();
    QPainter &p_;
    const bool gather_; // lines gathered into polylines
    qreal ratio_ = 1;
    int penWidth_ = 1;
    QTransform clientWorld_; // the painter's own world transform while a ratio is set
    QColor pen_ = Qt::black;
    Qt::PenStyle style_ = Qt::SolidLine;
    QColor brush_ = Qt::white;
    bool brushClear_ = false;
    QColor font_ = Qt::black;
    QPoint pos_;
    QPolygon line_; // the line being built: its start, then each LineTo point
};

} // namespace brumelle
