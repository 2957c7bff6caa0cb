// The QPainter canvas gathers consecutive LineTo calls into one polyline in
// SVG and PDF. Images (the PNG, the clipboard, the screen) must not change by
// a pixel, and a gathered SVG must draw exactly the segments it drew before:
// each chart here is drawn both ways and compared.
#include <functional>
#include <random>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "chart/chart_settings.h"
#include "chart/paint.h"
#include "render/chart_image.h"
#include "render/qpainter_canvas.h"

using namespace brumelle;

namespace {

// The drawing as it was before lines were gathered: every LineTo is its own
// QPainter::drawLine, everything else goes through the real canvas.
class SegmentCanvas : public Canvas {
public:
    explicit SegmentCanvas(QPainter &p) : p_(p), inner_(p) {}
    void SetPenColor(int32_t c) override { inner_.SetPenColor(c); }
    void SetPenStyle(PenStyle s) override { inner_.SetPenStyle(s); }
    void SetBrushColor(int32_t c) override { inner_.SetBrushColor(c); }
    void SetBrushClear() override { inner_.SetBrushClear(); }
    void SetFontColor(int32_t c) override { inner_.SetFontColor(c); }
    void FillBackground(int32_t c) override { inner_.FillBackground(c); }
    void MoveTo(int32_t x, int32_t y) override
    {
        inner_.MoveTo(x, y);
        pos_ = QPoint(x, y);
    }
    void LineTo(int32_t x, int32_t y) override
    {
        p_.drawLine(pos_, QPoint(x, y));
        MoveTo(x, y);
    }
    void TextOut(int32_t x, int32_t y, const std::string &t) override { inner_.TextOut(x, y, t); }
    void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { inner_.Ellipse(x1, y1, x2, y2); }
    void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { inner_.Rectangle(x1, y1, x2, y2); }
    void FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t c) override
    {
        inner_.FillRect(x1, y1, x2, y2, c);
    }

private:
    QPainter &p_;
    QPainterCanvas inner_;
    QPoint pos_;
};

using Overlay = std::function<void(Canvas &)>;

void Paint(QPainter &painter, bool segments, const ChartSettings &s, int w, int h, const ZoomState &zoom,
           const Overlay &overlay)
{
    ChartGeometry g;
    g.PlotWidth = w;
    g.PlotHeight = h;
    g.settings = &s;
    MoistAirState scratch;
    if (segments) {
        SegmentCanvas canvas(painter);
        PaintChart(canvas, s, g, scratch, zoom, overlay);
    } else {
        QPainterCanvas canvas(painter); // its destructor draws the last line
        PaintChart(canvas, s, g, scratch, zoom, overlay);
    }
}

QImage Render(bool segments, const ChartSettings &s, int w, int h, const ZoomState &zoom, const Overlay &overlay)
{
    QImage image = NewChartImage(w + 70, h + 40);
    QPainter painter(&image);
    Paint(painter, segments, s, w, h, zoom, overlay);
    return image;
}

QString Svg(bool segments, const ChartSettings &s, int w, int h, const ZoomState &zoom, const Overlay &overlay)
{
    QBuffer out;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(w + 70, h + 40));
    svg.setViewBox(QRect(0, 0, w + 70, h + 40));
    svg.setResolution(96);
    QPainter painter(&svg);
    Paint(painter, segments, s, w, h, zoom, overlay);
    painter.end();
    return QString::fromUtf8(out.data());
}

// Every polyline element split into one element per segment, as QPainter
// writes a lone line.
QString SplitPolylines(const QString &svg)
{
    static const QRegularExpression element(QStringLiteral(R"re(<polyline ([^>]*)points="([^"]*)" />\n)re"));
    QString split;
    qsizetype done = 0;
    for (auto it = element.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        split += svg.mid(done, m.capturedStart() - done);
        const QStringList points = m.captured(2).split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < points.size(); ++i)
            split += QStringLiteral("<polyline %1points=\"%2 %3 \" />\n")
                         .arg(m.captured(1), points[i - 1], points[i]);
        done = m.capturedEnd();
    }
    return split + svg.mid(done);
}

ChartSettings Dense(int lineStyle)
{
    ChartSettings s;
    for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V}) {
        f->Montrer = 1;
        f->Montrer_texte = 1;
        f->Lignes = lineStyle;
    }
    return s;
}

ChartSettings EachFamilyItsStyle()
{
    ChartSettings s = Dense(0);
    int style = 0;
    for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V})
        f->Lignes = style++ % 5;
    return s;
}

ChartSettings Zoomed()
{
    ChartSettings s;
    s.TS.Mini = 18;
    s.TS.Maxi = 26;
    s.R.Mini = 6;
    s.R.Maxi = 12;
    s.H.Montrer = 1;
    s.HR.Montrer = 1;
    return s;
}

// Lines, a marker and a label over the chart, ending on an open line: the
// canvas must still draw it when painting ends.
void MarkedPath(Canvas &c)
{
    c.SetPenColor(0x0000FF);
    c.MoveTo(100, 300);
    c.LineTo(200, 250);
    c.LineTo(260, 260);
    c.SetBrushColor(0x0000FF);
    c.Ellipse(256, 256, 264, 264);
    c.TextOut(270, 250, "1");
    c.SetPenStyle(PenStyle::Dash);
    c.MoveTo(260, 260);
    c.LineTo(400, 120);
    c.LineTo(400, 400);
    c.SetPenStyle(PenStyle::Solid);
    c.MoveTo(400, 400);
    c.LineTo(120, 400);
    c.LineTo(121, 200);
}

struct Case {
    const char *name;
    ChartSettings settings;
    int w, h;
    ZoomState zoom;
    Overlay overlay;
};

ZoomState Dragging()
{
    ZoomState z;
    z.ZoomDragging = true;
    z.ZoomX1 = 150;
    z.ZoomY1 = 90;
    z.ZoomX2 = 420;
    z.ZoomY2 = 330;
    return z;
}

} // namespace

TEST(PolylineCanvas, ImagesAndSvgDrawTheSameSegmentsAsBefore)
{
    const std::vector<Case> cases = {
        {"defaults, CLI size", ChartSettings{}, 1530, 960, {}, {}},
        {"defaults, window size", ChartSettings{}, 730, 542, {}, {}},
        {"defaults, tiny plot", ChartSettings{}, 60, 40, {}, {}},
        {"every line, solid", Dense(0), 1530, 960, {}, {}},
        {"every line, dashed", Dense(1), 1530, 960, {}, {}},
        {"every line, dotted", Dense(2), 730, 542, {}, {}},
        {"every line, dash-dot", Dense(3), 730, 542, {}, {}},
        {"every line, dash-dot-dot", Dense(4), 730, 542, {}, {}},
        {"each family its style", EachFamilyItsStyle(), 1530, 960, {}, {}},
        {"zoomed in", Zoomed(), 730, 542, {}, {}},
        {"zoom drag and overlay", Dense(0), 730, 542, Dragging(), MarkedPath},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage segments = Render(true, c.settings, c.w, c.h, c.zoom, c.overlay);
        const QImage gathered = Render(false, c.settings, c.w, c.h, c.zoom, c.overlay);
        ASSERT_EQ(segments.size(), gathered.size());
        int differing = 0;
        for (int y = 0; y < segments.height(); ++y)
            for (int x = 0; x < segments.width(); ++x)
                differing += segments.pixel(x, y) != gathered.pixel(x, y);
        EXPECT_EQ(differing, 0);

        const QString before = Svg(true, c.settings, c.w, c.h, c.zoom, c.overlay);
        const QString after = Svg(false, c.settings, c.w, c.h, c.zoom, c.overlay);
        EXPECT_EQ(SplitPolylines(after), before);
    }
    // The function the CLI and the clipboard use gives the same image.
    EXPECT_EQ(RenderChartImage(ChartSettings{}, 730, 542, MarkedPath),
              Render(true, ChartSettings{}, 730, 542, {}, MarkedPath));
}

TEST(PolylineCanvas, RandomPathsDrawTheSameSegments)
{
    // Steps of one pixel and long jumps, turns back, repeated points, points
    // off the image, every pen style, and a path left open when painting ends.
    const auto paths = [](Canvas &c) {
        std::mt19937 random(20240611);
        std::uniform_int_distribution<int> coord(-40, 340), step(-3, 3), choice(0, 9), style(0, 4);
        for (int path = 0; path < 300; ++path) {
            c.SetPenColor(int32_t(random() & 0xFFFFFF));
            c.SetPenStyle(choice(random) < 6 ? PenStyle::Solid : PenStyle(style(random)));
            int x = coord(random), y = coord(random);
            c.MoveTo(x, y);
            for (int n = choice(random) * 4; n >= 0; --n) {
                const int kind = choice(random);
                if (kind < 5) {
                    x += step(random);
                    y += step(random);
                } else if (kind < 8) {
                    x = coord(random);
                    y = coord(random);
                } // else the same point again
                c.LineTo(x, y);
            }
        }
    };
    ChartSettings s;
    for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V})
        f->Montrer = 0;
    EXPECT_TRUE(Render(true, s, 230, 260, {}, paths) == Render(false, s, 230, 260, {}, paths));
    const QString before = Svg(true, s, 230, 260, {}, paths);
    const QString after = Svg(false, s, 230, 260, {}, paths);
    EXPECT_LT(after.count(QStringLiteral("<polyline")), before.count(QStringLiteral("<polyline")) * 3 / 4);
    EXPECT_EQ(SplitPolylines(after), before);
}

TEST(PolylineCanvas, ChartSvgHoldsOneElementPerLine)
{
    const QByteArray svg = ChartFileBytes("chart.svg", ChartSettings{}, 1530, 960);
    // About 13 500 segments, one element each, before lines were gathered;
    // the default chart has fewer than a hundred lines and curves.
    EXPECT_LT(svg.count("<polyline"), 100);
    EXPECT_LT(svg.size(), 200 * 1024);
}
