// The saturation pressure computes its power of ten itself rather than with
// powl. It must agree with the formula as first written, 10^e through powl,
// to within the two routines' rounding (an ulp or so, which no displayed text
// can show), and fault exactly where it did.
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {
namespace {

std::optional<long double> Former(long double tC)
{
    // At or below absolute zero the pressure is a fault as well now.
    if (!(tC > kAbsoluteZeroC))
        return std::nullopt;
    try {
        const long double e = 2.7858L + checked::div(tC, 31.559L + 0.1354L * tC, "former");
        return checked::pow10(e, "former");
    } catch (const ComputeFault &) {
        return std::nullopt;
    }
}

std::optional<long double> Current(long double tC)
{
    try {
        return SaturationPressure(tC);
    } catch (const ComputeFault &) {
        return std::nullopt;
    }
}

// Distance in units of the last place of `expected` (64-bit significand).
long double Ulps(long double value, long double expected)
{
    if (expected == 0.0L)
        return value == 0.0L ? 0.0L : std::numeric_limits<long double>::infinity();
    const int exponent = std::ilogb(expected) - (std::numeric_limits<long double>::digits - 1);
    return std::fabs(value - expected) / std::ldexp(1.0L, exponent);
}

// Both fault, or both give the same pressure within `maxUlps`.
void ExpectAgreement(long double tC, long double maxUlps)
{
    const auto former = Former(tC), current = Current(tC);
    ASSERT_EQ(former.has_value(), current.has_value()) << "t = " << static_cast<double>(tC);
    if (former) {
        EXPECT_LE(Ulps(*current, *former), maxUlps) << "t = " << static_cast<double>(tC);
    }
}

TEST(SaturationPressure, AgreesWithPowlAcrossEveryTemperature)
{
    // Every table entry and scale: the chart's range closely, then far out.
    for (long double t = -100.0L; t <= 200.0L; t += 0.0123L)
        ExpectAgreement(t, 2.0L);
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> wide(-232.0, 1.0e4);
    for (int i = 0; i < 20000; ++i)
        ExpectAgreement(static_cast<long double>(wide(random)) * (1.0L + 0x1p-40L * i), 2.0L);
}

TEST(SaturationPressure, FaultsWhereTheFormerFormulaFaulted)
{
    const long double pole = -31.559L / 0.1354L; // near -233.08 °C
    struct Case {
        const char *name;
        long double tC;
    };
    const Case cases[] = {
        {"not a number", std::numeric_limits<long double>::quiet_NaN()},
        {"plus infinity", std::numeric_limits<long double>::infinity()},
        {"minus infinity", -std::numeric_limits<long double>::infinity()},
        {"largest", std::numeric_limits<long double>::max()},
        {"lowest", std::numeric_limits<long double>::lowest()},
        {"absolute zero", -273.15L},
        {"zero", 0.0L},
        {"smallest positive", std::numeric_limits<long double>::denorm_min()},
        {"very hot", 1e30L},
        {"very cold", -1e30L},
        {"at the pole", pole},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectAgreement(c.tC, 2.0L);
    }
    // Towards the pole e grows without bound: from above the pressure
    // underflows to 0, from below it overflows, which is a fault; in between
    // the exponent crosses the range where the power is computed directly.
    for (long double gap = 1.0L; gap > 1e-17L; gap /= 1.7L) {
        SCOPED_TRACE(static_cast<double>(gap));
        ExpectAgreement(pole + gap, 2.0L);
        ExpectAgreement(pole - gap, 2.0L);
    }
    EXPECT_THROW(SaturationPressure(pole - 1e-12L), ComputeFault);
    EXPECT_EQ(SaturationPressure(pole + 1e-12L), 0.0L);
}

} // namespace
} // namespace brumelle
