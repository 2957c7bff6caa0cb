#include "chart/overlay.h"

#include <cstddef>
#include <optional>

namespace brumelle {

namespace {

constexpr int32_t kBlack = 0;
constexpr int32_t kRed = 255;
constexpr int kTSRow = 1;    // °C
constexpr int kRRow = 3;     // g/kgas
constexpr int kLabelRow = 9; // AHU grid only

struct Pixel {
    int32_t x, y;
};

// Pixels of the grid's points 1 to n (columns 1 to n), all read and mapped
// before anything is drawn; nothing when one of them cannot be.
std::optional<std::vector<Pixel>> ReadPoints(const ResultGrid &grid, int n, const ChartGeometry &g,
                                             const NumberSeparators &sep)
{
    if (n >= grid.ColCount() || grid.RowCount() <= kRRow)
        return std::nullopt;
    std::vector<Pixel> points;
    try {
        for (int k = 1; k <= n; ++k) {
            const auto ts = ReadFloat(grid.Cell(k, kTSRow), sep);
            const auto r = ReadFloat(grid.Cell(k, kRRow), sep);
            if (!ts || !r)
                return std::nullopt;
            points.push_back({g.PixelX(*ts), g.PixelY(*r / 1000.0L)});
        }
    } catch (const PixelOutOfRange &) {
        return std::nullopt;
    }
    return points;
}

bool HasContent(const ResultGrid &grid)
{
    return grid.ColCount() > 1 && grid.RowCount() > kTSRow && !grid.Cell(1, kTSRow).empty();
}

void Marker(Canvas &c, Pixel p)
{
    c.SetPenColor(kBlack);
    c.SetBrushColor(kRed);
    c.Ellipse(p.x - 4, p.y - 4, p.x + 4, p.y + 4);
}

// Draws a path's segments whose two ends are among the points read; after a
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

// One evolution of the evolutions window: its flag, its grid, how many
// points it reads (each one marked) and the path joining them.
struct EvolutionDrawing {
    bool DrawingFlags::*flag;
    const ResultGrid *OverlayInput::*grid;
    int points;
    AhuPath path;
};

const std::vector<EvolutionDrawing> &EvolutionDrawings()
{
    // The cooling coil and the washer join inlet and end point, the mixing
    // joins the two entering airs; the remaining point is marked only.
    static const std::vector<EvolutionDrawing> table = {
        {&DrawingFlags::Check_dessin_1point, &OverlayInput::grille_un_point, 1, {}},
        {&DrawingFlags::Check_dessin_BC, &OverlayInput::grille_BC, 2, {1, 2}},
        {&DrawingFlags::Check_dessin_BFC, &OverlayInput::grille_bfc, 3, {1, 3}},
        {&DrawingFlags::Check_dessin_Lav, &OverlayInput::grille_lav, 3, {1, 3}},
        {&DrawingFlags::Check_dessin_vap, &OverlayInput::grille_vap, 2, {1, 2}},
        {&DrawingFlags::Check_dessin_melange, &OverlayInput::grille_melange, 3, {1, 2}},
    };
    return table;
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

void DrawAhuOverlay(Canvas &canvas, const ChartGeometry &geometry, const ResultGrid &grille_resultats,
                    int freshAirMode, int treatmentMode, int32_t windowColor, const NumberSeparators &sep)
{
    const ResultGrid &grid = grille_resultats;
    const int n = grid.ColCount() - 3;
    if (n < 1 || grid.RowCount() <= kLabelRow || !HasContent(grid) || !Mappable(geometry))
        return;
    const auto points = ReadPoints(grid, n, geometry, sep);
    if (!points)
        return;

    canvas.SetBrushColor(kRed);
    canvas.SetPenColor(kBlack);
    for (const AhuPath &path : AhuPaths(freshAirMode, treatmentMode))
        DrawPath(canvas, path, *points);

    for (int k = 1; k <= n; ++k) {
        const Pixel p = (*points)[static_cast<size_t>(k - 1)];
        Marker(canvas, p);
        canvas.SetBrushColor(windowColor);
        canvas.SetFontColor(kBlack);
        canvas.TextOut(p.x + 4, p.y - 4, grid.Cell(k, kLabelRow));
    }
}

void DrawEvolutionOverlay(Canvas &canvas, const ChartGeometry &geometry, const OverlayInput &input,
                          int32_t windowColor, const NumberSeparators &sep)
{
    if (!Mappable(geometry))
        return;
    for (const EvolutionDrawing &e : EvolutionDrawings()) {
        const ResultGrid &grid = *(input.*e.grid);
        if (!(input.flags->*e.flag) || !HasContent(grid))
            continue;
        const auto points = ReadPoints(grid, e.points, geometry, sep);
        if (!points)
            continue;
        canvas.SetPenColor(kBlack);
        DrawPath(canvas, e.path, *points);
        for (const Pixel &p : *points)
            Marker(canvas, p);
    }
    if (input.flags->Check_dessin_CTA)
        DrawAhuOverlay(canvas, geometry, *input.grille_resultats, input.FreshAirMode, input.TreatmentMode,
                       windowColor, sep);
}

} // namespace brumelle
