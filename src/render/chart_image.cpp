#include "render/chart_image.h"

#include <cmath>

#include <QBuffer>
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
               const std::function<void(Canvas &)> &overlay, const ClimateLayer &climate)
{
    MoistAirState scratch;
    PaintChartAt(painter, ratio, kChartDpi, settings, ChartGeometry::ForPlot(plotWidth, plotHeight, settings),
                 scratch, ZoomState{}, overlay, climate);
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
                  const std::function<void(Canvas &)> &overlay, const ClimateLayer &climate)
{
    QPainterCanvas canvas(painter);
    if (ratio == 1) {
        PaintChart(canvas, settings, client, scratch, zoom, overlay, climate);
        return;
    }
    canvas.SetSurfaceRatio(ratio, fontDpi);
    PaintChartLines(canvas, settings, client.AtRatio(ratio), scratch, climate);
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
                        const std::function<void(Canvas &)> &overlay, qreal ratio, const ClimateLayer &climate)
{
    QImage image = NewChartImage(plotWidth + kClientMarginWidth, plotHeight + kClientMarginHeight, ratio);
    if (image.isNull())
        return image; // the memory refused
    QPainter painter(&image);
    paintInto(painter, ratio, settings, plotWidth, plotHeight, overlay, climate);
    return image;
}

QByteArray ChartFileBytes(const std::string &path, const ChartSettings &settings, int plotWidth, int plotHeight,
                          const std::function<void(Canvas &)> &overlay, qreal ratio, const ClimateLayer &climate)
{
    const int w = ScaledLength(plotWidth + kClientMarginWidth, ratio),
              h = ScaledLength(plotHeight + kClientMarginHeight, ratio);
    const QString lower = QString::fromStdString(path).toLower();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (lower.endsWith(QLatin1String(".png"))) {
        QImage image = RenderChartImage(settings, plotWidth, plotHeight, overlay, ratio, climate);
        // As many pixels to the inch as the image is finer: the same size on paper.
        image.setDotsPerMeterX(qRound(kDotsPerMeter96 * ratio));
        image.setDotsPerMeterY(qRound(kDotsPerMeter96 * ratio));
        return !image.isNull() && image.save(&buffer, "PNG") ? buffer.data() : QByteArray();
    }
    // SVG and PDF: `ratio` units to the client pixel, the painter scaled back
    // to client pixels.
    const auto draw = [&](QPaintDevice &device) {
        QPainter painter;
        if (!painter.begin(&device))
            return false;
        if (ratio != 1)
            painter.scale(ratio, ratio);
        paintInto(painter, ratio, settings, plotWidth, plotHeight, overlay, climate);
        return painter.end();
    };
    if (lower.endsWith(QLatin1String(".svg"))) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setResolution(kChartDpi);
        svg.setTitle(QStringLiteral("Brumelle"));
        return draw(svg) ? buffer.data() : QByteArray();
    }
    if (lower.endsWith(QLatin1String(".pdf"))) {
        bool drawn = false;
        { // the writer finishes the file when it goes
            QPdfWriter pdf(&buffer);
            pdf.setResolution(kChartDpi);
            const QPageSize page(QSizeF(w * 72.0 / kChartDpi, h * 72.0 / kChartDpi), QPageSize::Point);
            pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            drawn = draw(pdf);
        }
        return drawn ? buffer.data() : QByteArray();
    }
    return {};
}

} // namespace brumelle
