#include "render/chart_image.h"

#include <cmath>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "render/qpainter_canvas.h"

namespace brumelle {

namespace {

constexpr int kDotsPerMeter96 = 3780; // 96 dpi

void paintInto(QPainter &painter, qreal ratio, const ChartSettings &settings, int plotWidth, int plotHeight,
               const std::function<void(Canvas &)> &overlay)
{
    MoistAirState scratch;
    PaintChartAt(painter, ratio, kChartDpi, settings, ChartGeometry::ForPlot(plotWidth, plotHeight, settings),
                 scratch, ZoomState{}, overlay);
}

} // namespace

QImage NewChartImage(int width, int height, qreal ratio)
{
    QImage image(ScaledLength(width, ratio), ScaledLength(height, ratio), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

qreal SurfaceRatio(const QPainter &painter)
{
    const qreal r = painter.deviceTransform().m11();
    return std::isfinite(r) && r > 0 ? r : 1;
}

void PaintChartAt(QPainter &painter, qreal ratio, qreal fontDpi, const ChartSettings &settings,
                  const ChartGeometry &client, MoistAirState &scratch, const ZoomState &zoom,
                  const std::function<void(Canvas &)> &overlay)
{
    QPainterCanvas canvas(painter);
    if (ratio == 1) {
        PaintChart(canvas, settings, client, scratch, zoom, overlay);
        return;
    }
    canvas.SetSurfaceRatio(ratio, fontDpi);
    PaintChartLines(canvas, settings, client.AtRatio(ratio), scratch);
    canvas.SetSurfaceRatio(1, fontDpi);
    PaintChartOverlays(canvas, zoom, overlay);
}

QRectF MapClientOnto(QPainter &painter, QSize client, const QRectF &target)
{
    QSizeF size(client);
    size.scale(target.size(), Qt::KeepAspectRatio);
    const QRectF fitted(target.topLeft(), size);
    painter.setViewport(fitted.toRect());
    painter.setWindow(QRect(QPoint(0, 0), client));
    return fitted;
}

QImage RenderChartImage(const ChartSettings &settings, int plotWidth, int plotHeight,
                        const std::function<void(Canvas &)> &overlay, qreal ratio)
{
    QImage image = NewChartImage(plotWidth + 70, plotHeight + 40, ratio);
    QPainter painter(&image);
    paintInto(painter, ratio, settings, plotWidth, plotHeight, overlay);
    return image;
}

QString WriteChartFile(const QString &path, const ChartSettings &settings, int plotWidth, int plotHeight,
                       const std::function<void(Canvas &)> &overlay, qreal ratio)
{
    const int w = ScaledLength(plotWidth + 70, ratio), h = ScaledLength(plotHeight + 40, ratio);
    const QString lower = path.toLower();
    if (lower.endsWith(QLatin1String(".png"))) {
        QImage image = RenderChartImage(settings, plotWidth, plotHeight, overlay, ratio);
        // As many pixels to the inch as the image is finer: the same size on paper.
        image.setDotsPerMeterX(qRound(kDotsPerMeter96 * ratio));
        image.setDotsPerMeterY(qRound(kDotsPerMeter96 * ratio));
        if (!image.save(path, "PNG"))
            return QStringLiteral("cannot write %1").arg(path);
        return {};
    }
    // SVG and PDF: `ratio` units to the client pixel, the painter scaled back
    // to client pixels.
    const auto draw = [&](QPainter &painter) {
        if (ratio != 1)
            painter.scale(ratio, ratio);
        paintInto(painter, ratio, settings, plotWidth, plotHeight, overlay);
    };
    if (lower.endsWith(QLatin1String(".svg"))) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setResolution(kChartDpi);
        svg.setTitle(QStringLiteral("Brumelle"));
        QPainter painter;
        if (!painter.begin(&svg))
            return QStringLiteral("cannot write %1").arg(path);
        draw(painter);
        painter.end();
        return {};
    }
    if (lower.endsWith(QLatin1String(".pdf"))) {
        QPdfWriter pdf(path);
        pdf.setResolution(kChartDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(w * 72.0 / kChartDpi, h * 72.0 / kChartDpi), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("cannot write %1").arg(path);
        draw(painter);
        painter.end();
        return {};
    }
    return QStringLiteral("the output file must end in .png, .svg or .pdf");
}

} // namespace brumelle
