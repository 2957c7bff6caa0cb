#include "study_overlay.h"

#include <vector>

#include "presentation/point_rows.h"
#include "program_state.h"

namespace brumelle {

namespace {

// The chart draws what a grid shows, and has always: a point at the
// rounding of its cells, and a cell the user typed (the single point's grid
// and the sizing's take typing) as it reads. A computed cell's number is its
// calculation's, rounded as its text shows it; any other cell is read from
// its text with the locale's separator.
std::optional<long double> DrawnValue(const ResultGrid &grid, int col, int row, const MoistAirState *computed,
                                      const NumberSeparators &sep)
{
    if (computed && grid.Kind(col, row) == CellKind::Number)
        return AsShown(row == kTsRow ? computed->TS : computed->R * 1000.0L, PointRowDecimals(row), sep);
    return ReadFloat(grid.Cell(col, row), sep);
}

// Points 1 to n of a grid (columns 1 to n), `computed` the states its
// calculation wrote there (fewer, or none, when it holds typed cells);
// nothing when one of them cannot be read.
std::optional<std::vector<ChartPoint>> GridPoints(const ResultGrid &grid, int n,
                                                  const std::vector<const MoistAirState *> &computed,
                                                  const NumberSeparators &sep)
{
    if (n >= grid.ColCount() || grid.RowCount() <= kRRow)
        return std::nullopt;
    std::vector<ChartPoint> points;
    for (int k = 1; k <= n; ++k) {
        const MoistAirState *state = static_cast<size_t>(k) <= computed.size() ? computed[k - 1] : nullptr;
        const auto ts = DrawnValue(grid, k, kTsRow, state, sep);
        const auto r = DrawnValue(grid, k, kRRow, state, sep);
        if (!ts || !r)
            return std::nullopt;
        points.push_back({*ts, *r / 1000.0L});
    }
    return points;
}

bool HasContent(const ResultGrid &grid)
{
    return grid.ColCount() > 1 && grid.RowCount() > kTsRow && !grid.Cell(1, kTsRow).empty();
}

// The states of a result in its grid's column order; none without one.
template <class Result, class... States>
std::vector<const MoistAirState *> Columns(const std::optional<Result> &r, States Result::*...states)
{
    if (!r)
        return {};
    return {&((*r).*states)...};
}

} // namespace

OverlayInput OverlayOf(const ProgramState &s, const NumberSeparators &sep)
{
    const EvolutionData &e = s.evolutions;
    const DrawingFlags &f = s.flags;
    // The cooling coil and the washer join inlet and end point, the mixing
    // joins the two entering airs; the remaining point is marked only.
    struct Evolution {
        bool ticked;
        const ResultGrid &grid;
        std::vector<const MoistAirState *> computed;
        int points;
        AhuPath path;
    };
    const Evolution evolutions[] = {
        {f.Check_dessin_1point, e.grille_un_point, Columns(e.result_un_point, &PointResult::point), 1, {}},
        {f.Check_dessin_BC, e.grille_BC, Columns(e.result_BC, &HeatingResult::inlet, &HeatingResult::outlet), 2,
         {1, 2}},
        {f.Check_dessin_BFC, e.grille_bfc,
         Columns(e.result_bfc, &CoolingResult::inlet, &CoolingResult::outlet, &CoolingResult::surface), 3, {1, 3}},
        {f.Check_dessin_Lav, e.grille_lav,
         Columns(e.result_lav, &WasherResult::inlet, &WasherResult::outlet, &WasherResult::saturated), 3, {1, 3}},
        {f.Check_dessin_vap, e.grille_vap, Columns(e.result_vap, &SteamResult::inlet, &SteamResult::outlet), 2,
         {1, 2}},
        {f.Check_dessin_melange, e.grille_melange,
         Columns(e.result_melange, &MixingResult::air1, &MixingResult::air2, &MixingResult::mixture), 3, {1, 2}},
    };
    OverlayInput input;
    for (const Evolution &ev : evolutions) {
        if (!ev.ticked || !HasContent(ev.grid))
            continue;
        if (auto points = GridPoints(ev.grid, ev.points, ev.computed, sep))
            input.evolutions.push_back({std::move(*points), ev.path});
    }
    if (f.Check_dessin_CTA)
        if (auto unit = DrawnUnitOf(s.ahu, sep))
            input.unit.push_back(std::move(*unit));
    return input;
}

std::optional<DrawnUnit> DrawnUnitOf(const AhuData &ahu, const NumberSeparators &sep)
{
    const ResultGrid &grid = ahu.grille_resultats;
    // The last two columns are the equipment block.
    const int n = grid.ColCount() - 3;
    if (n < 1 || grid.RowCount() <= kLabelRow || !HasContent(grid))
        return std::nullopt;
    std::vector<const MoistAirState *> computed;
    for (const AhuData::SizedPoint &p : ahu.points)
        computed.push_back(&p.state);
    auto points = GridPoints(grid, n, computed, sep);
    if (!points)
        return std::nullopt;
    DrawnUnit unit;
    unit.points = std::move(*points);
    for (int k = 1; k <= n; ++k)
        unit.labels.push_back(grid.Cell(k, kLabelRow));
    unit.freshAirMode = ahu.FreshAirMode;
    unit.treatmentMode = ahu.TreatmentMode;
    return unit;
}

} // namespace brumelle
