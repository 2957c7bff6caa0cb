#include "chart/geometry.h"

#include <cmath>

namespace brumelle {

ChartGeometry ChartGeometry::ForPlot(int32_t plotWidth, int32_t plotHeight, const ChartSettings &s)
{
    ChartGeometry g;
    g.PlotWidth = plotWidth;
    g.PlotHeight = plotHeight;
    g.settings = &s;
    return g;
}

ChartGeometry ChartGeometry::ForClient(int32_t clientWidth, int32_t clientHeight, int32_t statusBarHeight,
                                       const ChartSettings &s)
{
    return ForPlot(clientWidth - kClientMarginWidth, clientHeight - statusBarHeight - kClientMarginHeight, s);
}

ChartGeometry ChartGeometry::AtRatio(long double ratio) const
{
    ChartGeometry g = *this;
    g.Ratio = Ratio * ratio;
    g.PlotWidth = ScaledLength(PlotWidth, ratio);
    g.PlotHeight = ScaledLength(PlotHeight, ratio);
    g.Margin = ScaledLength(Margin, ratio);
    return g;
}

int32_t ChartGeometry::Px(int32_t clientPixels) const { return ScaledLength(clientPixels, Ratio); }

int32_t ScaledLength(int32_t clientPixels, long double ratio)
{
    constexpr long double kLimit = 1073741824.0L; // 2^30
    const long double v = std::rint(clientPixels * ratio);
    if (!(v > -kLimit))
        return -int32_t(kLimit);
    return v < kLimit ? static_cast<int32_t>(v) : int32_t(kLimit);
}

bool ChartGeometry::Drawable() const
{
    return settings && PlotWidth > 0 && PlotHeight > 0 && settings->TS.Maxi != settings->TS.Mini &&
           settings->R.Maxi != settings->R.Mini;
}

int32_t RoundPixel(long double v)
{
    if (!std::isfinite(v) || std::fabs(v) > kMaxPixel)
        throw PixelOutOfRange();
    // rint rounds like nearbyint (halves to even in the default mode) but
    // without saving the FP environment, which made it the paint's hot spot.
    return static_cast<int32_t>(std::rint(v));
}

int32_t ChartGeometry::PixelX(long double tsC) const
{
    const auto &ts = settings->TS;
    const int64_t span = int64_t(ts.Maxi) - ts.Mini;
    return RoundPixel((tsC - ts.Mini) * PlotWidth / span) + Margin;
}

int32_t ChartGeometry::PixelY(long double rKgKg) const
{
    const auto &r = settings->R;
    const int64_t span = int64_t(r.Maxi) - r.Mini;
    return RoundPixel(PlotHeight * (-0.998L) * (1000.0L * rKgKg - r.Maxi) / span) + Margin;
}

long double ChartGeometry::TSAtPixel(int32_t x) const
{
    const auto &ts = settings->TS;
    // Exact in long double (two factors of at most 33 bits), where 64-bit
    // integers overflow for ranges near the ends of the 32-bit scale.
    const long double product = static_cast<long double>(int64_t(x) - Margin) * (int64_t(ts.Maxi) - ts.Mini);
    return product / PlotWidth + ts.Mini;
}

long double ChartGeometry::RAtPixel(int32_t y) const
{
    const auto &r = settings->R;
    const long double product = static_cast<long double>(int64_t(y) - Margin) * (int64_t(r.Maxi) - r.Mini);
    return (product / (PlotHeight * (-0.998L)) + r.Maxi) / 1000.0L;
}

} // namespace brumelle
