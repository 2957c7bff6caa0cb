#include "chart/climate_layer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "model/fault.h"
#include "model/moist_air.h"
#include "weather/hour_colours.h"

namespace brumelle {

namespace {

// The zones' colours in turn, red in the low byte (orange, brown, olive):
// none of the families' defaults nor of the hours' scale, readable over
// both. The comfort zone always takes the last, a magenta.
constexpr std::array<int32_t, 4> kZoneColours = {0x0080FF, 0x10458B, 0x008080, 0xA000D0};
constexpr int32_t kBlack = 0, kWhite = 0xFFFFFF;

// The chart font's line and mean letter width in client pixels, for laying
// texts out without measuring them.
constexpr int32_t kTextHeight = 13, kLetterWidth = 6;

int32_t Letters(const std::string &utf8)
{
    return static_cast<int32_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The part of the segment from a to b inside the displayed ranges (Liang–Barsky).
std::optional<std::pair<OutlinePoint, OutlinePoint>> Clipped(OutlinePoint a, OutlinePoint b, const ChartSettings &s)
{
    const long double dx = b.tsC - a.tsC, dy = b.rKgKg - a.rKgKg;
    long double t0 = 0, t1 = 1;
    const auto edge = [&](long double p, long double q) {
        if (p == 0)
            return q >= 0;
        const long double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, a.tsC - s.TS.Mini) || !edge(dx, s.TS.Maxi - a.tsC) || !edge(-dy, a.rKgKg - s.R.Mini / 1000.0L) ||
        !edge(dy, s.R.Maxi / 1000.0L - a.rKgKg))
        return std::nullopt;
    return std::make_pair(OutlinePoint{a.tsC + t0 * dx, a.rKgKg + t0 * dy},
                          OutlinePoint{a.tsC + t1 * dx, a.rKgKg + t1 * dy});
}

// Two pixels wide, so that an outline stands out from the lines it crosses.
void DrawOutline(Canvas &canvas, const ChartGeometry &g, const Outline &outline)
{
    const int32_t width = g.Px(1);
    for (size_t i = 1; i < outline.size(); ++i) {
        const auto part = Clipped(outline[i - 1], outline[i], *g.settings);
        if (!part)
            continue;
        try {
            const int32_t x1 = g.PixelX(part->first.tsC), y1 = g.PixelY(part->first.rKgKg);
            const int32_t x2 = g.PixelX(part->second.tsC), y2 = g.PixelY(part->second.rKgKg);
            // The second line beside the first, across the segment's run.
            const bool flat = std::abs(int64_t(x2) - x1) >= std::abs(int64_t(y2) - y1);
            for (int32_t d : {0, width}) {
                canvas.MoveTo(x1 + (flat ? 0 : d), y1 + (flat ? d : 0));
                canvas.LineTo(x2 + (flat ? 0 : d), y2 + (flat ? d : 0));
            }
        } catch (const PixelOutOfRange &) {
        }
    }
}

struct Box {
    int32_t x1, y1, x2, y2;
    bool Meets(const Box &o) const { return x1 < o.x2 && o.x1 < x2 && y1 < o.y2 && o.y1 < y2; }
};

} // namespace

ClimateLayer ClimateLayerOf(const Climate &climate, uint32_t patmPa, const NumberSeparators &sep)
{
    ClimateLayer layer;
    layer.hours = climate.Drawn();
    for (size_t i = 0; i < climate.zones.size(); ++i) {
        const DrawnZone &z = climate.zones[i];
        const bool comfort = i >= climate.userZones.size();
        layer.zones.push_back({&z.outline, z.name,
                               comfort ? kZoneColours.back() : kZoneColours[i % (kZoneColours.size() - 1)],
                               climate.Loaded() ? z.name + " : " + ZoneCountText(z, sep) : std::string()});
    }
    if (!climate.conditionsShown)
        return layer;
    for (const DesignRow &row : DesignRowsOf(climate)) {
        if (!row.condition.wetBulbC)
            continue;
        try {
            const long double pv = PsychrometricPv(row.condition.dryBulbC, *row.condition.wetBulbC, patmPa,
                                                   PvPrecision::Double);
            if (!(pv > 0.0L))
                continue;
            layer.markers.push_back({row.condition.dryBulbC, HumidityRatioFromPv(pv, patmPa),
                                     row.Name() + " " + row.source, row.source == std::string("fichier")});
        } catch (const ComputeFault &) {
            // A condition with no state at this pressure has no place on the chart.
        }
    }
    return layer;
}

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

void DrawZonesAndMarkers(Canvas &canvas, const ChartGeometry &g, const ClimateLayer &layer)
{
    if (!g.Drawable() || (layer.zones.empty() && layer.markers.empty()))
        return;
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetBrushColor(g.settings->Fenetre.Couleur);
    for (const ZoneLayer &z : layer.zones) {
        if (!z.outline || z.outline->empty())
            continue;
        canvas.SetPenColor(z.colour);
        DrawOutline(canvas, g, *z.outline);
        // The name just inside its first corner (the driest of its coldest edge), when that is on the chart.
        const OutlinePoint &corner = z.outline->front();
        if (corner.tsC < g.settings->TS.Mini || corner.tsC > g.settings->TS.Maxi ||
            corner.rKgKg < g.settings->R.Mini / 1000.0L || corner.rKgKg > g.settings->R.Maxi / 1000.0L)
            continue;
        try {
            // Black, as the legend's: a line's colour is too light for a text on the window's.
            canvas.SetFontColor(kBlack);
            canvas.SetBrushColor(g.settings->Fenetre.Couleur);
            canvas.TextOut(g.PixelX(corner.tsC) + g.Px(4), g.PixelY(corner.rKgKg) - g.Px(kTextHeight + 3), z.name);
        } catch (const PixelOutOfRange &) {
        }
    }

    // A label goes right of its marker, moved a line down, then up, and so
    // on, while it would cover one already drawn.
    std::vector<Box> taken;
    const int32_t r = g.Px(3), line = g.Px(kTextHeight);
    for (const MarkerLayer &m : layer.markers) {
        if (m.tsC < g.settings->TS.Mini || m.tsC > g.settings->TS.Maxi || m.rKgKg < g.settings->R.Mini / 1000.0L ||
            m.rKgKg > g.settings->R.Maxi / 1000.0L)
            continue;
        int32_t x = 0, y = 0;
        try {
            x = g.PixelX(m.tsC);
            y = g.PixelY(m.rKgKg);
        } catch (const PixelOutOfRange &) {
            continue;
        }
        canvas.SetPenColor(kBlack);
        canvas.SetBrushColor(m.fromFile ? kWhite : kBlack);
        if (m.fromFile)
            canvas.Rectangle(x - r, y - r, x + r + 1, y + r + 1);
        else
            canvas.Ellipse(x - r, y - r, x + r + 1, y + r + 1);
        taken.push_back({x - r, y - r, x + r + 1, y + r + 1});

        const int32_t width = g.Px(kLetterWidth) * Letters(m.label);
        Box label{x + 2 * r, y - line / 2, x + 2 * r + width, y + line / 2};
        constexpr int kTries = 12;
        for (int k = 1; k <= kTries && std::any_of(taken.begin(), taken.end(), [&](const Box &b) { return b.Meets(label); });
             ++k) {
            const int32_t shift = (k + 1) / 2 * line * (k % 2 ? 1 : -1);
            label = {x + 2 * r, y - line / 2 + shift, x + 2 * r + width, y + line / 2 + shift};
        }
        taken.push_back(label);
        canvas.SetFontColor(kBlack);
        canvas.SetBrushColor(g.settings->Fenetre.Couleur);
        canvas.TextOut(label.x1, label.y1, m.label);
    }
}

void DrawClimateLegend(Canvas &canvas, const ChartGeometry &g, const ClimateLayer &layer)
{
    if (!g.Drawable())
        return;
    const int32_t x = g.Margin + g.Px(8);
    int32_t y = g.Margin + g.Px(6);
    constexpr int kSteps = 24;
    const int32_t barLeft = x + g.Px(34), barHeight = g.Px(10), step = std::max<int32_t>(1, g.Px(5));
    const HourCells *cells = layer.hours && !layer.hours->cells.empty() ? layer.hours : nullptr;
    // On a panel of the window's colour: a zoomed chart has lines there too.
    int32_t right = cells ? barLeft + kSteps * step + g.Px(4) +
                                g.Px(kLetterWidth) * Letters(std::to_string(cells->mostHours))
                          : x;
    int32_t bottom = cells ? y + g.Px(32) : y;
    for (const ZoneLayer &z : layer.zones)
        if (!z.count.empty()) {
            right = std::max(right, x + g.Px(24) + g.Px(kLetterWidth) * Letters(z.count));
            bottom += g.Px(kTextHeight + 2);
        }
    if (bottom == y)
        return;
    canvas.FillRect(x - g.Px(4), y - g.Px(3), right + g.Px(4), bottom + g.Px(3), g.settings->Fenetre.Couleur);
    // Its texts on the window's colour, as every label of the chart.
    canvas.SetBrushColor(g.settings->Fenetre.Couleur);
    if (cells) {
        const int32_t barTop = y + g.Px(16);
        canvas.SetFontColor(kBlack);
        canvas.TextOut(x, y, "Heures");
        for (int i = 0; i < kSteps; ++i)
            canvas.FillRect(barLeft + i * step, barTop, barLeft + (i + 1) * step, barTop + barHeight,
                            HourScaleColour(static_cast<long double>(i) / (kSteps - 1)));
        canvas.TextOut(x, barTop - g.Px(1), std::to_string(cells->fewestHours));
        canvas.TextOut(barLeft + kSteps * step + g.Px(4), barTop - g.Px(1), std::to_string(cells->mostHours));
        y = barTop + barHeight + g.Px(6);
    }
    // Each zone: a stroke of its colour, then its count.
    for (const ZoneLayer &z : layer.zones) {
        if (z.count.empty())
            continue;
        canvas.SetPenColor(z.colour);
        canvas.SetPenStyle(PenStyle::Solid);
        const int32_t mid = y + g.Px(kTextHeight / 2);
        for (int32_t d : {0, g.Px(1)}) {
            canvas.MoveTo(x, mid + d);
            canvas.LineTo(x + g.Px(18), mid + d);
        }
        canvas.SetFontColor(kBlack);
        canvas.SetBrushColor(g.settings->Fenetre.Couleur);
        canvas.TextOut(x + g.Px(24), y, z.count);
        y += g.Px(kTextHeight + 2);
    }
}

} // namespace brumelle
