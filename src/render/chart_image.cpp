#include "render/chart_image.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "render/qpainter_canvas.h"

namespace brumelle {

namespace {

constexpr int kDotsPerMeter96 = 3780; // 96 dpi

void paintInto(QPainter &painter, const ChartSettings &settings, int plotWidth, int plotHeight,
               const std::function<void(Canvas &)> &overlay)
{
    QPainterCanvas canvas(painter);
    MoistAirState scratch;
    PaintChart(canvas, settings, ChartGeometry::ForPlot(plotWidth, plotHeight, settings), scratch, ZoomState{},
               overlay);
}

} // namespace

QImage NewChartImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    image.fill(Qt::white);
    return image;
}

QImage RenderChartImage(const ChartSettings &settings, int plotWidth, int plotHeight,
                        const std::function<void(Canvas &)> &overlay)
{
    QImage image = NewChartImage(plotWidth + 70, plotHeight + 40);
    QPainter painter(&image);
    paintInto(painter, settings, plotWidth, plotHeight, overlay);
    return image;
}

QString WriteChartFile(const QString &path, const ChartSettings &settings, int plotWidth, int plotHeight,
                       const std::function<void(Canvas &)> &overlay)
{
    const int w = plotWidth + 70, h = plotHeight + 40;
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".png"))) {
        const QImage image = RenderChartImage(settings, plotWidth, plotHeight, overlay);
        if (!image.save(path, "PNG"))
            return QStringLiteral("cannot write %1").arg(path);
        return {};
    }
    if (lower.endsWith(QLatin1String(".svg"))) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Brumelle"));
        QPainter painter;
        if (!painter.begin(&svg))
            return QStringLiteral("cannot write %1").arg(path);
        paintInto(painter, settings, plotWidth, plotHeight, overlay);
        painter.end();
        return {};
    }
    if (lower.endsWith(QLatin1String(".pdf"))) {
        QPdfWriter pdf(path);
        pdf.setResolution(96);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(w * 72.0 / 96.0, h * 72.0 / 96.0), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("cannot write %1").arg(path);
        paintInto(painter, settings, plotWidth, plotHeight, overlay);
        painter.end();
        return {};
    }
    return QStringLiteral("the output file must end in .png, .svg or .pdf");
}

} // namespace brumelle
