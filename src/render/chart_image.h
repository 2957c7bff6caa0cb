#pragma once
#include <functional>

#include <QImage>
#include <QString>

#include "chart/paint.h"

namespace brumelle {

// An image to draw the chart into: 96 dpi, so 8-point labels are about 13
// pixels high as the label offsets expect; filled white.
QImage NewChartImage(int width, int height);

// The paint cycle for a plot of plotWidth × plotHeight pixels, drawn into an
// image of (plotWidth + 70) × (plotHeight + 40) pixels at 96 dpi.
QImage RenderChartImage(const ChartSettings &settings, int plotWidth, int plotHeight,
                        const std::function<void(Canvas &)> &overlay = {});

// The same drawing written to a file whose name ends in .png, .svg or .pdf.
// Returns an empty text on success, else what went wrong.
QString WriteChartFile(const QString &path, const ChartSettings &settings, int plotWidth, int plotHeight,
                       const std::function<void(Canvas &)> &overlay = {});

} // namespace brumelle
