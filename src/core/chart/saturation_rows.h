#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "chart/geometry.h"
#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {

// Where the chart's lines meet the saturation curve: the end row of each line
// of constant enthalpy or volume, and the saturation pressure of each column
// for the relative-humidity curves.

// How the end row is found. Both give the same rows; the row-by-row search is
// the reference the bisection is checked against.
enum class RowSearch { Bisection, Linear };

// The first pixel row up from the bottom edge where the line's air is beyond
// saturation, with R1 (kg/kg) and t1 (°C) there. When no row is, the top row
// and its values.
struct SaturationRow {
    int32_t y = 0;
    long double rKgKg = 0, tC = 0;
};

// Along a line of constant enthalpy h the dry bulb falls as R rises (what
// bisection needs) while kLatentHeatKJKg × kDryAirHeatKJKgK + kVapourHeatKJKgK
// × h > 0, that is above −2501 × 1.006 / 1.83 = −1374.9 kJ/kgas: the bound is
// taken a little inside it.
constexpr long double kLowestBisectedEnthalpyKJ = -1374.0L;

// The two kinds of line that end on the saturation curve. Their inversions
// throw ComputeFault.
struct EnthalpyLine {
    long double hKJ; // kJ/kgas
    long double DryBulbAt(long double rKgKg) const { return DryBulbFromEnthalpy(hKJ, rKgKg); }
    long double HumidityRatioAt(long double tsC) const { return HumidityRatioFromEnthalpy(hKJ, tsC); }
    bool DryBulbFallsWithR() const { return hKJ > kLowestBisectedEnthalpyKJ; }
};

struct VolumeLine {
    long double vM3; // m3/kgas
    uint32_t patmPa;
    long double DryBulbAt(long double rKgKg) const { return DryBulbFromVolume(vM3, rKgKg, patmPa); }
    long double HumidityRatioAt(long double tsC) const { return HumidityRatioFromVolume(vM3, tsC, patmPa); }
    bool DryBulbFallsWithR() const { return vM3 > 0; }
};

// Finds the end rows of one family's lines, in the order they are drawn.
// Neighbouring lines end on neighbouring rows, so each search starts where
// the previous ends point. The search is written here, for each kind of line,
// so that the paint's inner loop calls the line's inversion directly.
class SaturationRows {
public:
    SaturationRows(const ChartGeometry &g, uint32_t patmPa, RowSearch search);

    // Throws ComputeFault when a row cannot be computed.
    template <class Line>
    SaturationRow Find(const Line &line);

private:
    template <class Line>
    bool BeyondSaturation(int32_t y, const Line &line, SaturationRow &row) const;
    template <class Line>
    SaturationRow Linear(const Line &line) const;
    template <class Line>
    SaturationRow Bisect(const Line &line, int32_t guess) const;
    template <class Line>
    bool BisectionSafe(const Line &line) const;
    // The middle row first, then the last end row, then the last two carried on.
    int32_t Guess() const
    {
        if (found_ == 0)
            return g_.Margin + g_.PlotHeight / 2;
        if (found_ == 1)
            return last_;
        return int32_t(std::clamp(2 * int64_t(last_) - prev_, int64_t(g_.Margin), int64_t(g_.Bottom())));
    }

    const ChartGeometry &g_;
    uint32_t patmPa_;
    RowSearch search_;
    int32_t last_ = 0, prev_ = 0, found_ = 0; // end rows of the lines so far
};

// Saturation pressures (Pa) of the plot's columns, computed once per paint
// for all the relative-humidity curves. Very wide plots are not cached.
class ColumnPressures {
public:
    explicit ColumnPressures(const ChartGeometry &g) : g_(g) {}

    // Column x of the plot (Margin to Right()). Throws ComputeFault, every
    // time it is asked, for a column whose pressure faults.
    long double At(int32_t x)
    {
        const size_t i = size_t(x - g_.Margin);
        if (!state_.empty() && state_[i] == Known)
            return pvs_[i];
        return Compute(x);
    }

    static constexpr int32_t kMaxCached = 1 << 20;

private:
    enum State : unsigned char { Unknown, Known, Faulted };
    long double Compute(int32_t x);
    const ChartGeometry &g_;
    std::vector<long double> pvs_;
    std::vector<State> state_;
};

// Declared inline so that, as in one function, the whole search folds into the
// family's loop: a call per row would cost the paint several per cent.
template <class Line>
inline SaturationRow SaturationRows::Find(const Line &line)
{
    const SaturationRow row =
        search_ == RowSearch::Bisection && BisectionSafe(line) ? Bisect(line, Guess()) : Linear(line);
    prev_ = last_;
    last_ = row.y;
    ++found_;
    return row;
}

// Fills the row's R1 and t1 and tells whether the row lies beyond saturation.
template <class Line>
inline bool SaturationRows::BeyondSaturation(int32_t y, const Line &line, SaturationRow &row) const
{
    row.y = y;
    row.rKgKg = g_.RAtPixel(y);
    const long double pv = PvFromHumidityRatio(row.rKgKg, patmPa_);
    row.tC = line.DryBulbAt(row.rKgKg);
    return SaturationPressure(row.tC) < pv;
}

// Up the rows from the bottom edge to the first row beyond saturation; the
// top row's values when none is.
template <class Line>
inline SaturationRow SaturationRows::Linear(const Line &line) const
{
    SaturationRow row;
    for (int32_t y = g_.Bottom(); y >= g_.Margin; --y)
        if (BeyondSaturation(y, line, row))
            return row;
    return row;
}

// The same row found from a guess: rows 1, 2, 4 ... away from it are tried
// until the test changes, then bisection between the last two. Valid where
// the test switches at most once up the column and no row can fault (see
// BisectionSafe).
template <class Line>
inline SaturationRow SaturationRows::Bisect(const Line &line, int32_t guess) const
{
    const int32_t top = g_.Margin, bottom = g_.Bottom();
    guess = std::clamp(guess, top, bottom);
    SaturationRow row, hit;
    int32_t above, below; // the test is met at `above` (values in `hit`), not at `below`
    if (BeyondSaturation(guess, line, row)) {
        above = guess;
        hit = row;
        for (int32_t step = 1;; step *= 2) { // down towards the bottom edge
            if (above == bottom)
                return hit;
            const int32_t y = std::min(bottom, guess + step);
            if (!BeyondSaturation(y, line, row)) {
                below = y;
                break;
            }
            above = y;
            hit = row;
        }
    } else {
        below = guess;
        for (int32_t step = 1;; step *= 2) { // up towards the top edge
            if (below == top)
                return row; // not met anywhere: the top row's values
            const int32_t y = std::max(top, guess - step);
            if (BeyondSaturation(y, line, row)) {
                above = y;
                hit = row;
                break;
            }
            below = y;
        }
    }
    while (below - above > 1) {
        const int32_t mid = above + (below - above) / 2;
        if (BeyondSaturation(mid, line, row)) {
            above = mid;
            hit = row;
        } else {
            below = mid;
        }
    }
    return hit;
}

// Where bisection finds the row-by-row answer: R grows up the column and
// stays above -0.5 kg/kg (no pole in Pv or in the inversions), t1 falls as R
// grows and stays above -233 °C (Pvs rising with t1, clear of its pole near
// -233.08 °C). Then Pv rises and Pvs(t1) falls up the column, so the test
// switches once, and no row can fault.
template <class Line>
inline bool SaturationRows::BisectionSafe(const Line &line) const
{
    const auto &r = g_.settings->R;
    if (!line.DryBulbFallsWithR() || patmPa_ == 0 || r.Maxi <= r.Mini)
        return false;
    try {
        return g_.RAtPixel(g_.Bottom()) > -0.5L && line.DryBulbAt(g_.RAtPixel(g_.Margin)) > -233.0L;
    } catch (const ComputeFault &) {
        return false;
    }
}

} // namespace brumelle
