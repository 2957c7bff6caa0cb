#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/moist_air.h"
#include "weather/comfort.h"
#include "weather/zones.h"

namespace brumelle {
namespace {

TEST(Zones, RetainedHoursInsideZonesAndComfort)
{
    // Nine hours: 20, 24 and 28 °C at 30, 50 and 70 %, the 28 °C ones in August.
    std::vector<WeatherHour> hours;
    for (long double ts : {20.0L, 24.0L, 28.0L}) {
        for (long double hr : {30.0L, 50.0L, 70.0L}) {
            WeatherHour h;
            h.month = ts == 28 ? 8 : 1;
            h.hour = 12;
            h.tsC = ts;
            h.pvPa = hr / 100 * SaturationPressure(ts);
            hours.push_back(h);
        }
    }
    const HourFilter january{1, 1, 1, 24};
    const UserZone office{"Bureau", 20, 24, 40, 60}; // dry bulbs on the bounds count
    const UserZone warm{"Chaud", 24, 30, 0, 100};

    struct Case { HourCount count; std::size_t inside, retained; };
    const Case cases[] = {
        {CountHoursInZone(hours, {}, office), 2, 9},
        {CountHoursInZone(hours, january, office), 2, 6},
        {CountHoursInZone(hours, january, warm), 3, 6},
        {CountHoursInZone(hours, HourFilter{2, 2, 1, 24}, warm), 0, 0}, // no February hour
        // 0.5 clo: only 24 °C at 50 and 70 % lie within PMV ±0.5.
        {ComfortZone(ComfortInputs{}).CountHours(hours, {}), 2, 9},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.count.inside, c.inside);
        EXPECT_EQ(c.count.retained, c.retained);
        EXPECT_EQ(SharePercent(c.count), c.retained == 0 ? 0 : 100.0L * c.inside / c.retained);
    }
}

TEST(Zones, CommandLineArguments)
{
    const ZoneArgument zone = ParseZoneArgument("Salle blanche:18.5:27:30:60.5");
    ASSERT_TRUE(zone.zone.has_value());
    EXPECT_EQ(zone.zone->name, "Salle blanche");
    EXPECT_EQ(zone.zone->tsMinC, 18.5L);
    EXPECT_EQ(zone.zone->hrMaxPercent, 60.5L);
    const ComfortArgument comfort = ParseComfortArgument("1.2:1:0.2"); // the greatest air speed
    ASSERT_TRUE(comfort.inputs.has_value());
    EXPECT_EQ(comfort.inputs->met, 1.2L);

    struct Refused { bool comfort; const char *text; std::string error; };
    const Refused cases[] = {
        {false, "Bureau:20:24:40", "La zone doit s'écrire NOM:TSMIN:TSMAX:HRMIN:HRMAX"},
        {false, "Bureau:20:24:40:", "'' n'est pas un nombre"},
        {false, "Bureau:20,5:24:40:60", "'20,5' n'est pas un nombre"},
        {false, ":20:24:40:60", "La zone n'a pas de nom"},
        {false, "Bureau:24.5:24:40:60", "TS mini est au-dessus de TS maxi"},
        {false, "Bureau:20:24:60:40", "HR mini est au-dessus de HR maxi"},
        {true, "1.1:0.5", "Le confort doit s'écrire MET:CLO:V"},
        {true, "1.1:x:0.1", "'x' n'est pas un nombre"},
        {true, "0:0.5:0.1", "Le métabolisme doit être positif"},
        {true, "1.1:-0.1:0.1", "Les vêtements ne peuvent pas être négatifs"},
        {true, "1.1:0.5:0.21", "La vitesse d'air doit être comprise entre 0 et 0,2 m/s : au-delà, la norme demande la "
                               "méthode SET, qui n'est pas disponible"},
    };
    for (const Refused &c : cases) {
        if (c.comfort) {
            const ComfortArgument a = ParseComfortArgument(c.text);
            EXPECT_FALSE(a.inputs.has_value()) << c.text;
            EXPECT_EQ(a.error, c.error);
        } else {
            const ZoneArgument a = ParseZoneArgument(c.text);
            EXPECT_FALSE(a.zone.has_value()) << c.text;
            EXPECT_EQ(a.error, c.error);
        }
    }
}

TEST(Zones, OutlineFollowsTheTwoHumidityCurves)
{
    constexpr uint32_t kPatm = 101325;
    const Outline o = ZoneOutline({"Bureau", 20, 26, 30, 130}, kPatm); // held to saturation
    ASSERT_EQ(o.size(), 2u * kZoneEdgePoints + 1);
    const long double pv26 = 0.3L * SaturationPressure(26);
    const OutlinePoint &bottomRight = o[kZoneEdgePoints - 1], &topRight = o[kZoneEdgePoints];
    EXPECT_NEAR(static_cast<double>(bottomRight.rKgKg), static_cast<double>(0.622L * pv26 / (kPatm - pv26)), 1e-12);
    EXPECT_NEAR(static_cast<double>(topRight.rKgKg), static_cast<double>(SaturationHumidityRatio(26, kPatm)), 1e-12);
    EXPECT_EQ(bottomRight.tsC, 26);
    EXPECT_EQ(topRight.tsC, 26);
    EXPECT_TRUE(ZoneOutline({"Sec", 20, 26, -20, -10}, kPatm).empty());
}

} // namespace
} // namespace brumelle
