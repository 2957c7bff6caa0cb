#pragma once
#include <functional>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include "chart/paint.h"

class QPainter;

namespace brumelle {

// The resolution of the chart's client pixels in images, SVG and PDF files
// and on paper: 96 dpi, so 8-point labels are about 13 pixels high as the
// label offsets expect.
constexpr int kChartDpi = 96;

// An image to draw the chart into: `width` × `height` client pixels at
// `ratio` image pixels each (sizes rounded as ScaledLength does), with that
// device pixel ratio set; 96 dpi, filled white.
QImage NewChartImage(int width, int height, qreal ratio = 1);

// Surface pixels per client pixel of the painter as it stands: its device's
// pixel ratio times any scaling of its window, viewport or world transform.
qreal SurfaceRatio(const QPainter &painter);

// The paint cycle on `painter`, whose coordinates are client pixels, at
// `ratio` surface pixels per client pixel: the background, the families and
// the axes are computed and drawn in the surface's pixels (the geometry
// ChartGeometry::AtRatio gives), so that curves and labels are as fine as
// the surface; the zoom rectangle and the overlay stay in client pixels. At
// ratio 1 it is the paint in client pixels exactly. `fontDpi`: the
// resolution at which client pixels measure the label font.
void PaintChartAt(QPainter &painter, qreal ratio, qreal fontDpi, const ChartSettings &settings,
                  const ChartGeometry &client, MoistAirState &scratch, const ZoomState &zoom,
                  const std::function<void(Canvas &)> &overlay = {}, const ClimateLayer &climate = {});

// Maps `client` pixels onto the largest rectangle of `target` (in the
// painter's device coordinates) with their proportions, at its top-left
// corner, through the painter's window and viewport; returns that rectangle.
QRectF MapClientOnto(QPainter &painter, QSize client, const QRectF &target);

// The paint cycle for a plot of plotWidth × plotHeight pixels, drawn into an
// image of (plotWidth + kClientMarginWidth) × (plotHeight + kClientMarginHeight)
// client pixels at 96 dpi, of `ratio` image pixels each.
QImage RenderChartImage(const ChartSettings &settings, int plotWidth, int plotHeight,
                        const std::function<void(Canvas &)> &overlay = {}, qreal ratio = 1,
                        const ClimateLayer &climate = {});

// The same drawing as the bytes of a file whose name ends in .png, .svg or
// .pdf, `ratio` times as many pixels (or units) across and down. Empty when
// it cannot be drawn (the memory refused, another ending).
QByteArray ChartFileBytes(const std::string &path, const ChartSettings &settings, int plotWidth, int plotHeight,
                          const std::function<void(Canvas &)> &overlay = {}, qreal ratio = 1,
                        const ClimateLayer &climate = {});

} // namespace brumelle
