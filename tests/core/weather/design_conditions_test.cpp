#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/moist_air.h"
#include "weather/climate.h"
#include "weather/design_conditions.h"

namespace brumelle {
namespace {

constexpr long double kPatm = 101325;

// An hour whose wet bulb the search finds again (within its 0.03 K).
WeatherHour Hour(long double tsC, long double thC)
{
    WeatherHour h;
    h.tsC = tsC;
    h.pvPa = PsychrometricPv(tsC, thC, static_cast<uint32_t>(kPatm), PvPrecision::Double);
    h.patmPa = kPatm;
    return h;
}

TEST(DesignConditions, PercentileOfTheDryBulbsAndMeanCoincidentWetBulb)
{
    // 100 hours, dry bulbs 10 + 0.25 i out of order, each 5 K above its wet
    // bulb: the dry bulb at q % is 10 + 0.25 × (q / 100 × 99).
    std::vector<WeatherHour> spread;
    for (int k = 0; k < 100; ++k) {
        const long double ts = 10 + 0.25L * ((37 * k) % 100);
        spread.push_back(Hour(ts, ts - 5));
    }
    // Two hours far apart: no hour lies within 0.5 K of 0.98 × 40.
    const std::vector<WeatherHour> gap = {Hour(40, 35), Hour(0, -5)};
    // Two hours at 60 °C, the driest of which the search cannot settle.
    WeatherHour bone = Hour(60, 40);
    bone.pvPa = 1;
    const std::vector<WeatherHour> faulty = {bone, Hour(60, 40)};

    struct Case { const std::vector<WeatherHour> &year; DesignLevel level; long double dryBulbC, wetBulbC; };
    const Case cases[] = {
        // Heating at 99.6 %: 10.099, the hours from 9.599 to 10.599.
        {spread, DesignLevel::Heating996, 10 + 0.25L * (0.004L * 99), (10 + 10.25L + 10.5L) / 3 - 5},
        {spread, DesignLevel::Heating99, 10 + 0.25L * (0.01L * 99), (10 + 10.25L + 10.5L) / 3 - 5},
        // Cooling at 0.4 %: 34.651, the hours from 34.151 to 35.151.
        {spread, DesignLevel::Cooling04, 10 + 0.25L * (0.996L * 99), (34.25L + 34.5L + 34.75L) / 3 - 5},
        {spread, DesignLevel::Cooling1, 10 + 0.25L * (0.99L * 99), (34.25L + 34.5L + 34.75L) / 3 - 5},
        {spread, DesignLevel::Cooling2, 10 + 0.25L * (0.98L * 99), (34 + 34.25L + 34.5L + 34.75L) / 4 - 5},
        {gap, DesignLevel::Cooling2, 0.98L * 40, 35},
        {gap, DesignLevel::Heating996, 0.004L * 40, -5},
        {faulty, DesignLevel::Cooling04, 60, 40},
    };
    for (const Case &c : cases) {
        const std::vector<DesignCondition> rows = DesignConditionsOfYear(c.year);
        ASSERT_EQ(rows.size(), kDesignConditionNames.size());
        const DesignCondition &row = rows[static_cast<size_t>(c.level)];
        const char *name = kDesignConditionNames[static_cast<size_t>(c.level)];
        EXPECT_EQ(row.level, c.level);
        EXPECT_NEAR(static_cast<double>(row.dryBulbC), static_cast<double>(c.dryBulbC), 1e-12) << name;
        ASSERT_TRUE(row.wetBulbC.has_value()) << name;
        EXPECT_NEAR(static_cast<double>(*row.wetBulbC), static_cast<double>(c.wetBulbC), 0.03) << name;
    }
    EXPECT_TRUE(DesignConditionsOfYear({}).empty());
}

// The sizing's outdoor boxes take what "Un point" shows for that dry bulb
// and wet bulb: 30 °C and 20 °C give 39 % at 101 325 Pa.
TEST(DesignConditions, OutdoorBoxesTakeWhatUnPointShows)
{
    const NumberSeparators sep{",", " "};
    const OutdoorTexts cooling = OutdoorTextsOf({DesignLevel::Cooling04, 30, 20}, 101325, sep);
    EXPECT_EQ(std::make_pair(cooling.dryBulb, cooling.humidity), std::make_pair(std::string("30,00"), std::string("39")));
    EXPECT_EQ(OutdoorTextsOf({DesignLevel::Heating996, -12.34L, std::nullopt}, 101325, sep).humidity, "");
}

} // namespace
} // namespace brumelle
