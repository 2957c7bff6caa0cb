#pragma once
#include <cstdint>
#include <stdexcept>

#include "chart/chart_settings.h"

namespace brumelle {

// A pixel that cannot be drawn: not finite, or so far out that the toolkit
// would overflow. The drawing leaves that line or label out.
class PixelOutOfRange : public std::runtime_error {
public:
    PixelOutOfRange() : std::runtime_error("pixel out of range") {}
};

constexpr long double kMaxPixel = 16777216.0L; // 2^24

// The client area is the plot and these pixels around it: the margin of 20
// left of and above the plot, and room for the axes' labels right of it (50)
// and below it (20). Every image of the chart, on screen or in a file, has
// this size.
constexpr int32_t kClientMarginWidth = 70;
constexpr int32_t kClientMarginHeight = 40;

// Plot area and the property-to-pixel mapping. The plot's left edge is at
// x = 20, its top at y = 20; the humidity-ratio axis at x = PlotWidth + 20
// and the dry-bulb axis at y = PlotHeight + 20.
//
// The same plot can be laid out on a finer surface (a screen scaled to 200 %,
// a printer): AtRatio gives the geometry in that surface's pixels, where the
// margin of 20 and every label offset are scaled too, so that each line and
// label lands on the same place of the client area, finer.
struct ChartGeometry {
    int32_t PlotWidth = 0;
    int32_t PlotHeight = 0;
    const ChartSettings *settings = nullptr;
    int32_t Margin = 20;  // left and top edges of the plot
    long double Ratio = 1; // surface pixels per client pixel

    // A plot of plotWidth × plotHeight pixels drawn with the settings `s`,
    // which must outlive the geometry.
    static ChartGeometry ForPlot(int32_t plotWidth, int32_t plotHeight, const ChartSettings &s);
    // Client area in pixels (status bar included in clientHeight).
    static ChartGeometry ForClient(int32_t clientWidth, int32_t clientHeight, int32_t statusBarHeight,
                                   const ChartSettings &s);

    // The same plot on a surface of `ratio` pixels per client pixel: sizes,
    // margin and offsets of this geometry times the ratio, rounded as pixels are.
    ChartGeometry AtRatio(long double ratio) const;
    // A distance of `clientPixels` in this geometry's pixels.
    int32_t Px(int32_t clientPixels) const;
    int32_t Right() const { return PlotWidth + Margin; }
    int32_t Bottom() const { return PlotHeight + Margin; }

    // True when the plot has a positive size and both ranges are non-empty.
    bool Drawable() const;

    int32_t PixelX(long double tsC) const;     // throws PixelOutOfRange
    int32_t PixelY(long double rKgKg) const;   // throws PixelOutOfRange
    long double TSAtPixel(int32_t x) const;    // °C
    long double RAtPixel(int32_t y) const;     // kg/kg
};

// Rounds to the nearest integer, halves to even; throws PixelOutOfRange
// beyond ±2^24 or when not finite.
int32_t RoundPixel(long double v);

// A length of `clientPixels` on a surface of `ratio` pixels per client pixel,
// rounded like every pixel (halves to even) and held within ±2^30; images,
// plots and offsets are all sized by it, so that they agree.
int32_t ScaledLength(int32_t clientPixels, long double ratio);

} // namespace brumelle
