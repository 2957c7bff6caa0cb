#include <gtest/gtest.h>

#include "chart/saturation_rows.h"

namespace brumelle {
namespace {

// Lines of constant enthalpy over the default 730 × 542 plot, in drawing
// order: each ends on the first row up from the bottom edge whose air lies
// beyond saturation, or on the top row when none does (500 kJ/kgas), whichever
// search finds it and wherever the search starts.
TEST(SaturationRows, EachLineEndsOnTheFirstRowBeyondSaturation)
{
    const ChartSettings s;
    const ChartGeometry g = ChartGeometry::ForPlot(730, 542, s);
    const auto beyond = [&](long double h, int32_t y) {
        const long double r = g.RAtPixel(y);
        return SaturationPressure(DryBulbFromEnthalpy(h, r)) < PvFromHumidityRatio(r, s.Patm);
    };
    SaturationRows bisection(g, s.Patm, RowSearch::Bisection), linear(g, s.Patm, RowSearch::Linear);
    for (const long double h : {-10.0L, 20.0L, 60.0L, 100.0L, 130.0L, 500.0L}) {
        const SaturationRow row = bisection.Find(EnthalpyLine{h});
        ASSERT_TRUE(row.y >= 20 && row.y <= 542 + 20) << h;
        EXPECT_TRUE(beyond(h, row.y) ? row.y == 542 + 20 || !beyond(h, row.y + 1) : row.y == 20) << h;
        EXPECT_EQ(linear.Find(EnthalpyLine{h}).y, row.y) << h;
        EXPECT_EQ(SaturationRows(g, s.Patm, RowSearch::Bisection).Find(EnthalpyLine{h}).y, row.y) << h;
    }
}

// The curves ask for each column many times: the same pressure every time,
// and a fault every time for a column below absolute zero.
TEST(ColumnPressures, SameAnswerEveryTime)
{
    ChartSettings s;
    s.TS.Mini = -300;
    const ChartGeometry g = ChartGeometry::ForPlot(350, 542, s); // 1 °C per column
    ColumnPressures pvs(g);
    for (const int32_t x : {370, 340, 370}) // 50, 20 and 50 °C
        EXPECT_EQ(pvs.At(x), SaturationPressure(g.TSAtPixel(x)));
    EXPECT_THROW(pvs.At(20 + 26), ComputeFault); // -274 °C
    EXPECT_THROW(pvs.At(20 + 26), ComputeFault);
}

} // namespace
} // namespace brumelle
