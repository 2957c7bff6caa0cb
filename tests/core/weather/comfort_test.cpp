#include <cmath>

#include <gtest/gtest.h>

#include "model/moist_air.h"
#include "weather/comfort.h"

namespace brumelle {
namespace {

TEST(Comfort, PmvAndPpdMatchThePublishedChecks)
{
    // ANSI/ASHRAE Standard 55-2017's validation table (the corners of its
    // graphical zones, PMV ±0.1 and PPD ±1 %), then ISO 7730's published
    // check, to the digits it gives.
    struct Row { long double taC, trC, varMs, rhPercent, met, clo, pmv, ppdPercent, pmvTolerance, ppdTolerance; };
    const Row rows[] = {
        {19.6L, 19.6L, 0.1L, 86, 1.1L, 1.0L, -0.47L, 10, 0.1L, 1},
        {23.9L, 23.9L, 0.1L, 66, 1.1L, 1.0L, 0.48L, 10, 0.1L, 1},
        {25.7L, 25.7L, 0.1L, 15, 1.1L, 1.0L, 0.53L, 10, 0.1L, 1},
        {21.2L, 21.1L, 0.1L, 20, 1.1L, 1.0L, -0.48L, 10, 0.1L, 1},
        {23.6L, 23.6L, 0.1L, 67, 1.1L, 0.5L, -0.47L, 10, 0.1L, 1},
        {26.8L, 26.8L, 0.1L, 56, 1.1L, 0.5L, 0.52L, 10, 0.1L, 1},
        {27.9L, 27.9L, 0.1L, 13, 1.1L, 0.5L, 0.50L, 10, 0.1L, 1},
        {24.7L, 24.7L, 0.1L, 16, 1.1L, 0.5L, -0.49L, 10, 0.1L, 1},
        {19.0L, 23.0L, 0.1L, 60, 1.5L, 0.4L, -0.68L, 14.7L, 0.005L, 0.05L},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(static_cast<double>(r.taC)); // ta tells the rows apart
        const long double pmv = PredictedMeanVote(r.taC, r.trC, r.varMs, r.rhPercent / 100 * SaturationPressure(r.taC),
                                                  r.met, r.clo);
        EXPECT_NEAR(static_cast<double>(pmv), static_cast<double>(r.pmv), static_cast<double>(r.pmvTolerance));
        EXPECT_NEAR(static_cast<double>(PredictedPercentDissatisfied(pmv)), static_cast<double>(r.ppdPercent),
                    static_cast<double>(r.ppdTolerance));
    }
}

TEST(Comfort, OutlineRunsAlongDryAirAndSaturationBetweenThePmvCurves)
{
    constexpr uint32_t kPatm = 101325;
    const ComfortZone zone{ComfortInputs{}};
    const Outline outline = zone.OutlineAt(kPatm);
    const PmvModel converged(1.1L, 0.5L, 0.1L, 1e-10L); // the curves' own model
    ASSERT_GE(outline.size(), 2u * 40);
    EXPECT_EQ(outline.front().tsC, outline.back().tsC);
    EXPECT_EQ(outline.front().rKgKg, outline.back().rKgKg);
    // The bottom edge: from the cold curve to the warm one in dry air.
    EXPECT_EQ(outline[0].rKgKg, 0);
    EXPECT_EQ(outline[1].rKgKg, 0);
    EXPECT_LT(outline[0].tsC, outline[1].tsC);
    int onSaturation = 0;
    for (const OutlinePoint &p : outline) {
        EXPECT_GE(p.tsC, -50);
        EXPECT_LE(p.tsC, 50);
        const long double rSat = SaturationHumidityRatio(p.tsC, kPatm);
        EXPECT_LE(p.rKgKg, rSat * (1 + 1e-12L));
        const long double pmv = converged.Pmv(p.tsC, p.tsC, PvFromHumidityRatio(p.rKgKg, kPatm));
        if (std::fabs(p.rKgKg - rSat) < 1e-12L) {
            ++onSaturation;
            EXPECT_LE(std::fabs(static_cast<double>(pmv)), 0.5 + 1e-6);
        } else {
            EXPECT_NEAR(std::fabs(static_cast<double>(pmv)), 0.5, 1e-6) << "at " << static_cast<double>(p.tsC);
        }
    }
    EXPECT_GE(onSaturation, 40);

    // A zone colder than the chart (hard work in heavy clothing) draws
    // nothing; a chart pressure below the saturation pressure is a fault.
    EXPECT_TRUE(ComfortZone({6, 4, 0}).OutlineAt(kPatm).empty());
    EXPECT_THROW(zone.OutlineAt(3000), ComputeFault);
}

} // namespace
} // namespace brumelle
