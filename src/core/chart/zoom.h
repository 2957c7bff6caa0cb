#pragma once
#include <cstdint>

#include "chart/chart_settings.h"
#include "chart/geometry.h"

namespace brumelle {

// Zoom rectangle being dragged over the chart, in client pixels.
struct ZoomState {
    bool ZoomDragging = false;
    int32_t ZoomX1 = 0, ZoomY1 = 0, ZoomX2 = 0, ZoomY2 = 0;
    int32_t ZoomFloorTS = -15; // lowest dry bulb the zoom may set, °C
};

// Every bound the zoom sets stays within ±this many °C or g/kgas: the mouse
// is grabbed during a drag, so the release can lie anywhere on the screen.
constexpr int32_t kZoomBoundLimit = 100000;

// Mouse-up of a zoom drag at client pixel (x, y). Ends the drag; when the plot
// has a positive size, sets the four displayed bounds to the rectangle from
// (ZoomX1, ZoomY1) to (x, y), rounded to whole °C and g/kgas, with TS.Mini
// no lower than ZoomFloorTS and neither range empty. Returns true when the
// bounds were set; false when no drag was under way or the plot has no size.
bool ApplyZoomRelease(ChartSettings &settings, ZoomState &zoom, const ChartGeometry &geometry, int32_t x,
                      int32_t y);

// "100%": back to the bounds kept for it.
void RestoreFullRanges(ChartSettings &settings);

} // namespace brumelle
