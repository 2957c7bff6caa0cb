#include "chart/zoom.h"

#include <algorithm>
#include <cmath>

namespace brumelle {

namespace {

constexpr long double kLimit = kZoomBoundLimit;

// round((pos − 20) × span / divisor + offset), halves to even, held within
// the limit. The product of a 32-bit offset and a 33-bit span is exact in
// long double; any product too large for that lands far beyond the limit.
int32_t ZoomBound(int32_t pos, int64_t span, long double divisor, int32_t offset)
{
    const long double product = static_cast<long double>(int64_t(pos) - 20) * static_cast<long double>(span);
    const long double v = std::nearbyint(product / divisor + offset);
    return static_cast<int32_t>(std::clamp(v, -kLimit, kLimit));
}

// Opens an empty range upwards, or downwards when the top is at the limit.
void OpenRange(int32_t &mini, int32_t &maxi)
{
    if (mini < kZoomBoundLimit) {
        maxi = mini + 1;
    } else {
        maxi = kZoomBoundLimit;
        mini = kZoomBoundLimit - 1;
    }
}

} // namespace

bool ApplyZoomRelease(ChartSettings &settings, ZoomState &zoom, const ChartGeometry &geometry, int32_t x,
                      int32_t y)
{
    if (!zoom.ZoomDragging)
        return false;
    zoom.ZoomDragging = false;
    const int32_t w = geometry.PlotWidth, hp = geometry.PlotHeight;
    if (w <= 0 || hp <= 0)
        return false;

    // All four from the ranges in force before the zoom.
    FamilySettings &ts = settings.TS, &r = settings.R;
    const int64_t tsSpan = int64_t(ts.Maxi) - ts.Mini, rSpan = int64_t(r.Maxi) - r.Mini;
    const int32_t a = ZoomBound(zoom.ZoomX1, tsSpan, w, ts.Mini);
    const int32_t b = ZoomBound(x, tsSpan, w, ts.Mini);
    const int32_t c = ZoomBound(zoom.ZoomY1, rSpan, hp * (-0.998L), r.Maxi);
    const int32_t d = ZoomBound(y, rSpan, hp * (-0.998L), r.Maxi);
    ts.Maxi = std::max(a, b);
    ts.Mini = std::min(a, b);
    r.Maxi = std::max(c, d);
    r.Mini = std::min(c, d);

    if (ts.Mini < zoom.ZoomFloorTS)
        ts.Mini = std::min(zoom.ZoomFloorTS, kZoomBoundLimit);
    if (int64_t(ts.Maxi) - ts.Mini <= 0)
        OpenRange(ts.Mini, ts.Maxi);
    if (r.Maxi == r.Mini)
        OpenRange(r.Mini, r.Maxi);
    return true;
}

void RestoreFullRanges(ChartSettings &settings)
{
    settings.TS.Maxi = settings.TS.Maxi_zoom;
    settings.TS.Mini = settings.TS.Mini_zoom;
    settings.R.Maxi = settings.R.Maxi_zoom;
    settings.R.Mini = settings.R.Mini_zoom;
}

} // namespace brumelle
