#include "chart/overlay.h"

#include <cstddef>
#include <optional>

namespace brumelle {

namespace {

constexpr int32_t kBlack = 0;
constexpr int32_t kRed = 255;

struct Pixel {
    int32_t x, y;
};

// Pixels of the points, all mapped before anything is drawn; nothing when
// one of them is too far out.
std::optional<std::vector<Pixel>> Pixels(const std::vector<ChartPoint> &points, const ChartGeometry &g)
{
    std::vector<Pixel> pixels;
    try {
        for (const ChartPoint &p : points)
            pixels.push_back({g.PixelX(p.tsC), g.PixelY(p.rKgKg)});
    } catch (const PixelOutOfRange &) {
        return std::nullopt;
    }
    return pixels;
}

void Marker(Canvas &c, Pixel p)
{
    c.SetPenColor(kBlack);
    c.SetBrushColor(kRed);
    c.Ellipse(p.x - 4, p.y - 4, p.x + 4, p.y + 4);
}

// Draws a path's segments whose two ends are among the points; after a
// left-out segment the next one starts with a move.
void DrawPath(Canvas &c, const AhuPath &path, const std::vector<Pixel> &points)
{
    const auto known = [&](int k) { return k >= 1 && static_cast<size_t>(k) <= points.size(); };
    bool atPrevious = false;
    for (size_t i = 1; i < path.size(); ++i) {
        const int from = path[i - 1], to = path[i];
        if (!known(from) || !known(to)) {
            atPrevious = false;
            continue;
        }
        if (!atPrevious)
            c.MoveTo(points[from - 1].x, points[from - 1].y);
        c.LineTo(points[to - 1].x, points[to - 1].y);
        atPrevious = true;
    }
}

// Either range collapsed: no point has a place on the chart.
bool Mappable(const ChartGeometry &g)
{
    return g.settings && g.settings->TS.Maxi != g.settings->TS.Mini && g.settings->R.Maxi != g.settings->R.Mini;
}

} // namespace

const std::vector<AhuPath> &AhuPaths(int freshAirMode, int treatmentMode)
{
    // Rows FreshAirMode 1 to 4, columns TreatmentMode 1 to 3.
    static const std::vector<AhuPath> table[4][3] = {
        {{{3, 4, 5, 2}}, {{3, 4, 2}}, {{3, 4, 5}, {6, 2}}},
        {{{3, 4, 2}}, {{3, 2}}, {{3, 4}, {5, 2}}},
        {{{1, 3}, {4, 5, 2}}, {{1, 3}, {4, 2}}, {{1, 3}, {4, 5}, {6, 2}}},
        {{{3, 4, 1}, {5, 6, 2}}, {{1, 4, 2}}, {{1, 3}, {4, 5, 2}}},
    };
    static const std::vector<AhuPath> none;
    if (freshAirMode < 1 || freshAirMode > 4 || treatmentMode < 1 || treatmentMode > 3)
        return none;
    return table[freshAirMode - 1][treatmentMode - 1];
}

void DrawAhuOverlay(Canvas &canvas, const ChartGeometry &geometry, const DrawnUnit &unit, int32_t windowColor)
{
    if (unit.points.empty() || !Mappable(geometry))
        return;
    const auto points = Pixels(unit.points, geometry);
    if (!points)
        return;

    canvas.SetBrushColor(kRed);
    canvas.SetPenColor(kBlack);
    for (const AhuPath &path : AhuPaths(unit.freshAirMode, unit.treatmentMode))
        DrawPath(canvas, path, *points);

    for (size_t k = 0; k < points->size(); ++k) {
        const Pixel p = (*points)[k];
        Marker(canvas, p);
        canvas.SetBrushColor(windowColor);
        canvas.SetFontColor(kBlack);
        canvas.TextOut(p.x + 4, p.y - 4, k < unit.labels.size() ? unit.labels[k] : std::string());
    }
}

void DrawEvolutionOverlay(Canvas &canvas, const ChartGeometry &geometry, const OverlayInput &input,
                          int32_t windowColor)
{
    if (!Mappable(geometry))
        return;
    for (const DrawnEvolution &e : input.evolutions) {
        const auto points = Pixels(e.points, geometry);
        if (!points)
            continue;
        canvas.SetPenColor(kBlack);
        DrawPath(canvas, e.path, *points);
        for (const Pixel &p : *points)
            Marker(canvas, p);
    }
    for (const DrawnUnit &unit : input.unit)
        DrawAhuOverlay(canvas, geometry, unit, windowColor);
}

} // namespace brumelle
