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

// Plot area and the property-to-pixel mapping. The plot's left edge is at
// x = 20, its top at y = 20; the humidity-ratio axis at x = PlotWidth + 20
// and the dry-bulb axis at y = PlotHeight + 20.
struct ChartGeometry {
    int32_t PlotWidth = 0;
    int32_t PlotHeight = 0;
    const ChartSettings *settings = nullptr;

    // A plot of plotWidth × plotHeight pixels drawn with the settings `s`,
    // which must outlive the geometry.
    static ChartGeometry ForPlot(int32_t plotWidth, int32_t plotHeight, const ChartSettings &s);
    // Client area in pixels (status bar included in clientHeight).
    static ChartGeometry ForClient(int32_t clientWidth, int32_t clientHeight, int32_t statusBarHeight,
                                   const ChartSettings &s);

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

} // namespace brumelle
