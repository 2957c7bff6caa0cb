#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {
namespace {

constexpr uint32_t kPatm = 101325;
constexpr PvPrecision kBoth[] = {PvPrecision::Single, PvPrecision::Double};

TEST(MoistAir, SaturationPressureMatchesTableValues)
{
    EXPECT_NEAR(static_cast<double>(SaturationPressure(0)), 610.66, 0.01);
    EXPECT_NEAR(static_cast<double>(SaturationPressure(20)), 2341.27, 0.01);
}

TEST(MoistAir, DewPointIsTheInverseOfSaturationPressure)
{
    for (long double t : {-50.0L, -10.0L, -0.1L, 0.0L, 0.1L, 20.0L, 50.0L}) {
        MoistAirState s;
        s.Pv = SaturationPressure(t);
        DewPointFromPv(s);
        EXPECT_NEAR(static_cast<double>(s.TR), static_cast<double>(t), 1e-9) << "t = " << static_cast<double>(t);
    }
}

TEST(MoistAir, DryPointGetsATinyPressureAndADewPoint)
{
    MoistAirState s;
    s.Pv = 0;
    DewPointFromPv(s);
    EXPECT_EQ(s.Pv, 1e-11L);
    EXPECT_NEAR(static_cast<double>(s.TR), -151.77, 0.01);
}

TEST(MoistAir, PvFromDewPointUsesTheWaterOrIceFormula)
{
    EXPECT_NEAR(static_cast<double>(PvFromDewPoint(0.1L)), 617.8, 0.05);
    EXPECT_NEAR(static_cast<double>(PvFromDewPoint(0.1L)), 613.34 * std::pow(10.0, 0.1 / 31.69811), 1e-3);
    EXPECT_NEAR(static_cast<double>(PvFromDewPoint(-0.1L)), 613.34 * std::pow(10.0, -0.1 / 27.91475), 1e-3);
    // The solver never asks for a dew point of exactly 0.
    EXPECT_THROW(PvFromDewPoint(0), ComputeFault);
}

TEST(MoistAir, PsychrometricCoefficientFollowsTheDryBulb)
{
    const long double pvs = SaturationPressure(-5);
    const long double at0 = pvs - 0.00066L * kPatm * 5;     // TS = 0, TH = -5
    const long double atM = pvs - 0.00056L * kPatm * 4.9L;  // TS = -0.1, TH = -5
    EXPECT_NEAR(static_cast<double>(PsychrometricPv(0, -5, kPatm, PvPrecision::Double)), static_cast<double>(at0), 1e-9);
    EXPECT_NEAR(static_cast<double>(PsychrometricPv(-0.1L, -5, kPatm, PvPrecision::Double)), static_cast<double>(atM), 1e-9);
}

TEST(MoistAir, PsychrometricPvIsHeldInTheRequestedPrecision)
{
    const long double single = PsychrometricPv(20, 13, kPatm, PvPrecision::Single);
    const long double dbl = PsychrometricPv(20, 13, kPatm, PvPrecision::Double);
    // Single precision: both the coefficient and the result are floats.
    const float expected = static_cast<float>(SaturationPressure(13) - static_cast<long double>(0.00066f) * kPatm * 7);
    EXPECT_EQ(single, static_cast<long double>(expected));
    EXPECT_EQ(dbl, static_cast<long double>(static_cast<double>(dbl)));
    EXPECT_NE(single, dbl);
    // A result beyond the float range is a fault in the chart's precision only.
    EXPECT_THROW(PsychrometricPv(1e40L, 0, kPatm, PvPrecision::Single), ComputeFault);
    EXPECT_TRUE(std::isfinite(PsychrometricPv(1e40L, 0, kPatm, PvPrecision::Double)));
}

TEST(MoistAir, DryBulbFromWetBulbTakesTheIceCoefficientAtZero)
{
    MoistAirState s;
    s.TH = -1;
    s.Pv = 1000;
    DryBulbFromWetBulb(s, kPatm);
    EXPECT_NEAR(static_cast<double>(s.TS), -1 + (static_cast<double>(SaturationPressure(-1)) - 1000) / (0.00056 * kPatm), 1e-9);

    // A Pv whose first result is exactly 0 °C: the 0.00056 formula gives the answer.
    long double pv = SaturationPressure(-1) - 0.00066L * kPatm;
    for (int i = 0; i < 64 && !(-1 + (SaturationPressure(-1) - pv) / (0.00066L * kPatm) == 0); ++i)
        pv = std::nextafter(pv, 0.0L);
    ASSERT_EQ(-1 + (SaturationPressure(-1) - pv) / (0.00066L * kPatm), 0.0L);
    s.TH = -1;
    s.Pv = pv;
    DryBulbFromWetBulb(s, kPatm);
    EXPECT_NEAR(static_cast<double>(s.TS), 0.66 / 0.56 - 1, 1e-6);
}

TEST(MoistAir, EnthalpyValue)
{
    EXPECT_NEAR(static_cast<double>(Enthalpy(20, 0.0075L)), 39.15, 0.01);
}

TEST(MoistAir, InversionsRoundTrip)
{
    struct Point { long double ts, r; uint32_t patm; };
    for (const Point p : {Point{20, 0.0075L, kPatm}, Point{-30, 0.0002L, kPatm}, Point{45, 0.03L, 80000}}) {
        const long double h = Enthalpy(p.ts, p.r);
        EXPECT_NEAR(static_cast<double>(HumidityRatioFromEnthalpy(h, p.ts)), static_cast<double>(p.r), 1e-12);
        EXPECT_NEAR(static_cast<double>(DryBulbFromEnthalpy(h, p.r)), static_cast<double>(p.ts), 1e-12);
        const long double v = SpecificVolume(p.ts, p.r, p.patm);
        EXPECT_NEAR(static_cast<double>(HumidityRatioFromVolume(v, p.ts, p.patm)), static_cast<double>(p.r), 1e-12);
        EXPECT_NEAR(static_cast<double>(DryBulbFromVolume(v, p.r, p.patm)), static_cast<double>(p.ts), 1e-12);
        const long double pv = PvFromHumidityRatio(p.r, p.patm);
        EXPECT_NEAR(static_cast<double>(HumidityRatioFromPv(pv, p.patm)), static_cast<double>(p.r), 1e-12);
        EXPECT_NEAR(static_cast<double>(SaturationHumidityRatio(p.ts, p.patm)),
                    static_cast<double>(HumidityRatioFromPv(SaturationPressure(p.ts), p.patm)), 1e-15);
        EXPECT_NEAR(static_cast<double>(RelativeHumidity(SaturationPressure(p.ts) / 2, p.ts)), 50.0, 1e-12);
    }
    EXPECT_NEAR(static_cast<double>(SpecificVolume(20, 0.0075L, kPatm)), 461.24 * 0.6295 * 293.15 / 101325, 1e-12);
}

// --- Wet-bulb search ---------------------------------------------------------

MoistAirState wetBulb(long double tsC, long double pvPa, uint32_t patmPa, PvPrecision p)
{
    MoistAirState s;
    s.TS = tsC;
    s.Pv = pvPa;
    WetBulbFromPv(s, patmPa, p);
    return s;
}

TEST(WetBulb, KnownSearchesInBothPrecisions)
{
    struct Case { long double ts, fraction; double th; int corrections; };
    for (PvPrecision p : kBoth) {
        for (const Case c : {Case{20, 0.5L, 13.82, 60}, Case{20, 1, 19.99, 95}, Case{0, 0.5L, -2.84, 29}}) {
            const MoistAirState s = wetBulb(c.ts, c.fraction * SaturationPressure(c.ts), kPatm, p);
            EXPECT_NEAR(static_cast<double>(s.TH), c.th, 0.005) << static_cast<double>(c.ts);
            EXPECT_EQ(s.wetBulbCorrections, c.corrections) << static_cast<double>(c.ts);
            EXPECT_LT(s.wetBulbError, 0.001L);
        }
    }
}

TEST(WetBulb, CorrectsAtLeastOnceEvenWhenTheStartMeetsTheTest)
{
    // Start value TS / 2 - 10 = 0; Pv a hair above its psychrometric pressure.
    const long double pv = PsychrometricPv(20, 0, kPatm, PvPrecision::Double) + 0.05L;
    const MoistAirState s = wetBulb(20, pv, kPatm, PvPrecision::Double);
    EXPECT_EQ(s.wetBulbCorrections, 1);
    EXPECT_GT(s.TH, 0.0L);
    EXPECT_LT(s.TH, 0.001L);
}

TEST(WetBulb, ChartRangesNeedFewerThan200Corrections)
{
    for (PvPrecision p : kBoth)
        for (uint32_t patm : {80000u, 101325u, 110000u})
            for (int ts = -50; ts <= 50; ++ts)
                for (int hr = 0; hr <= 100; hr += 5) {
                    const MoistAirState s = wetBulb(ts, SaturationPressure(ts) * hr / 100, patm, p);
                    ASSERT_LT(s.wetBulbCorrections, 200) << "TS " << ts << " HR " << hr << " Patm " << patm;
                }
}

TEST(WetBulb, SearchesThatNeverSettleThrow)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    struct Case { long double ts, pv; };
    for (PvPrecision p : kBoth)
        for (const Case c : {Case{58, 0}, Case{60, 0}, Case{80, 0}, // the fixed step overshoots
                             Case{-450, 0},                         // the start lies past the pole near -233 °C
                             Case{20, nan}, Case{nan, 1000}, Case{20, -100}})
            EXPECT_THROW(wetBulb(c.ts, c.pv, kPatm, p), ComputeFault) << static_cast<double>(c.ts);
}

// --- Faults ------------------------------------------------------------------

TEST(MoistAir, FloatingPointFaultsThrow)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::function<long double()> faults[] = {
        [] { return DewPointOf(0); },
        [] { return DewPointOf(-5); },
        [] { MoistAirState s; s.Pv = -1; DewPointFromPv(s); return s.TR; },
        [] { return HumidityRatioFromPv(kPatm, kPatm); },
        [] { return SpecificVolume(20, 0.01L, 0); },
        [] { return HumidityRatioFromVolume(0.8L, -273.15L, kPatm); },
        [] { return DryBulbFromVolume(0.8L, -0.622L, kPatm); },
        [] { return HumidityRatioFromEnthalpy(40, -2501 / 1.83L); },
        [] { return DryBulbFromEnthalpy(40, -1.006L / 1.83L); },
        [] { return Enthalpy(std::numeric_limits<long double>::max(), 1); },
        [inf] { return SaturationPressure(inf); },
        [] { return SaturationPressure(-233.08L); },
        [] { return PvFromDewPoint(-272.44L); },
        [inf] { MoistAirState s; s.TH = 10; s.Pv = inf; DryBulbFromWetBulb(s, kPatm); return s.TS; },
        [] { MoistAirState s; s.TH = 10; s.Pv = 1000; DryBulbFromWetBulb(s, 0); return s.TS; },
    };
    int i = 0;
    for (const auto &f : faults)
        EXPECT_THROW(f(), ComputeFault) << "case " << i++;
}

} // namespace
} // namespace brumelle
