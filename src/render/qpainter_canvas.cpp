#include "render/qpainter_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

namespace brumelle {

QColor ToQColor(int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t FromQColor(const QColor &c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QFont ChartFont()
{
    // Arial's metrics, which the label offsets were made for; any sans serif otherwise.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    return f;
}

namespace {

// Outputs that keep lines as vector elements. Rasterised, a polyline joins
// its segments otherwise than separate lines do (a pixel more or less where
// a line turns back on itself), so images and the screen keep drawing
// segment by segment and stay as they have always been.
bool KeepsVectors(const QPainter &p)
{
    const QPaintEngine *engine = p.paintEngine();
    return engine && (engine->type() == QPaintEngine::SVG || engine->type() == QPaintEngine::Pdf);
}

} // namespace

QPainterCanvas::QPainterCanvas(QPainter &painter) : p_(painter), gather_(KeepsVectors(painter))
{
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setFont(ChartFont());
    applyPen();
}

QPainterCanvas::~QPainterCanvas()
{
    Flush();
    if (ratio_ != 1)
        p_.setWorldTransform(clientWorld_);
}

void QPainterCanvas::Flush()
{
    if (!line_.isEmpty())
        p_.drawPolyline(line_);
    line_.clear();
}

void QPainterCanvas::SetSurfaceRatio(qreal ratio, qreal fontDpi)
{
    Flush();
    if (ratio_ != 1)
        p_.setWorldTransform(clientWorld_);
    ratio_ = ratio;
    QFont font = ChartFont();
    penWidth_ = 1;
    if (ratio != 1) {
        clientWorld_ = p_.worldTransform();
        p_.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
        font.setPointSizeF(font.pointSizeF() * ratio * fontDpi / p_.device()->logicalDpiY());
        // A line one client pixel wide, in whole pixels: a width between two
        // would be drawn unevenly without antialiasing.
        penWidth_ = std::max(1, qRound(ratio));
    }
    p_.setFont(font);
    applyPen();
}

void QPainterCanvas::applyPen()
{
    Flush(); // the line being built keeps the pen it was started with
    QPen pen(pen_);
    pen.setWidth(penWidth_);
    pen.setStyle(style_);
    p_.setPen(pen);
}

void QPainterCanvas::SetPenColor(int32_t color)
{
    pen_ = ToQColor(color);
    applyPen();
}

void QPainterCanvas::SetPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid: style_ = Qt::SolidLine; break;
    case PenStyle::Dash: style_ = Qt::DashLine; break;
    case PenStyle::Dot: style_ = Qt::DotLine; break;
    case PenStyle::DashDot: style_ = Qt::DashDotLine; break;
    case PenStyle::DashDotDot: style_ = Qt::DashDotDotLine; break;
    }
    applyPen();
}

void QPainterCanvas::SetBrushColor(int32_t color)
{
    brush_ = ToQColor(color);
    brushClear_ = false;
}

void QPainterCanvas::SetBrushClear() { brushClear_ = true; }

void QPainterCanvas::SetFontColor(int32_t color) { font_ = ToQColor(color); }

void QPainterCanvas::FillBackground(int32_t color)
{
    Flush();
    const QRect all = p_.window();
    // The window is in the painter's own coordinates; the surface's are finer.
    if (ratio_ == 1)
        p_.fillRect(all, ToQColor(color));
    else
        p_.fillRect(QTransform::fromScale(ratio_, ratio_).mapRect(QRectF(all)), ToQColor(color));
}

void QPainterCanvas::MoveTo(int32_t x, int32_t y)
{
    Flush();
    pos_ = QPoint(x, y);
}

void QPainterCanvas::LineTo(int32_t x, int32_t y)
{
    const QPoint to(x, y);
    // A dashed line starts its pattern afresh at each segment, as on screen,
    // which a polyline would carry across the vertices; a segment of no
    // length is a dot, which a polyline would not draw.
    if (gather_ && style_ == Qt::SolidLine && to != pos_) {
        if (line_.isEmpty())
            line_ << pos_;
        line_ << to;
    } else {
        Flush();
        p_.drawLine(pos_, to);
    }
    pos_ = to;
}

void QPainterCanvas::TextOut(int32_t x, int32_t y, const std::string &text)
{
    Flush();
    const QString t = QString::fromStdString(text);
    const QFontMetrics fm(p_.font(), p_.device());
    const QRect box(x, y, fm.horizontalAdvance(t), fm.height());
    if (!brushClear_)
        p_.fillRect(box, brush_);
    const QPen keep = p_.pen();
    p_.setPen(font_);
    p_.drawText(x, y + fm.ascent(), t);
    p_.setPen(keep);
}

void QPainterCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Flush();
    p_.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(brush_));
    p_.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
    p_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Flush();
    p_.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(brush_));
    p_.drawRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
    p_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color)
{
    Flush();
    p_.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), ToQColor(color));
}

} // namespace brumelle
