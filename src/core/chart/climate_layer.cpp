#include "chart/climate_layer.h"

#include <algorithm>
#include <string>

#include "weather/hour_colours.h"

namespace brumelle {

void DrawHourCells(Canvas &canvas, const ChartGeometry &g, const HourCells &cells)
{
    if (!g.Drawable())
        return;
    const int32_t left = g.Margin, top = g.Margin, right = g.Right(), bottom = g.Bottom();
    for (const HourCell &cell : cells.cells) {
        try {
            // The cell's corners; y grows downwards, the humidity ratio upwards.
            const int32_t x1 = std::max(left, g.PixelX(cell.tsC));
            const int32_t x2 = std::min(right, g.PixelX(cell.tsC + 1.0L));
            const int32_t y1 = std::max(top, g.PixelY((cell.rGKg + 1.0L) / 1000.0L));
            const int32_t y2 = std::min(bottom, g.PixelY(cell.rGKg / 1000.0L));
            if (x1 < x2 && y1 < y2)
                canvas.FillRect(x1, y1, x2, y2, HourCellColour(cell.hours, cells.fewestHours, cells.mostHours));
        } catch (const PixelOutOfRange &) {
            // A cell too far out of a zoomed chart to have a place on it.
        }
    }
}

void DrawHourLegend(Canvas &canvas, const ChartGeometry &g, const HourCells &cells)
{
    if (!g.Drawable() || cells.cells.empty())
        return;
    constexpr int kSteps = 24;
    const int32_t x = g.Margin + g.Px(8), y = g.Margin + g.Px(6);
    const int32_t barLeft = x + g.Px(34), barTop = y + g.Px(16), barHeight = g.Px(10);
    const int32_t step = std::max<int32_t>(1, g.Px(5));
    // Its texts on the window's colour, as every label of the chart.
    canvas.SetFontColor(0);
    canvas.SetBrushColor(g.settings->Fenetre.Couleur);
    canvas.TextOut(x, y, "Heures");
    for (int i = 0; i < kSteps; ++i)
        canvas.FillRect(barLeft + i * step, barTop, barLeft + (i + 1) * step, barTop + barHeight,
                        ViridisColour(static_cast<long double>(i) / (kSteps - 1)));
    canvas.TextOut(x, barTop - g.Px(1), std::to_string(cells.fewestHours));
    canvas.TextOut(barLeft + kSteps * step + g.Px(4), barTop - g.Px(1), std::to_string(cells.mostHours));
}

} // namespace brumelle
