// The EPW reader's rules; the hour cells, their filters and colours.
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/moist_air.h"
#include "model/standard_atmosphere.h"
#include "weather/epw.h"
#include "weather/hour_cells.h"
#include "weather/hour_colours.h"

namespace brumelle {
namespace {

constexpr long double kChartPa = 90000;
const std::string kLyon = "LOCATION,Lyon,ARA,FRA,Test,074810,45.72,4.94,1.0,240";

// Eight header lines (a Latin-1 comment among them), then the rows.
std::string Epw(const std::string &rows, const std::string &design = "DESIGN CONDITIONS,0",
                const std::string &location = kLyon)
{
    return location + "\n" + design +
           "\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\nHOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
           "COMMENTS 1,Donn\xE9" "es d'essai\nCOMMENTS 2,\nDATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n" + rows;
}

// 35 fields: month,day,hour then dry bulb,dew point,RH,pressure as given.
std::string Row(const std::string &date, const std::string &used)
{
    return "1999," + date + ",0,?9?9?9?9E0," + used +
           ",0,0,0,0,0,0,0,0,0,0,270,2.6,9,9,24.1,2740,9,999999999,40,0.0000,0,88,999.000,999.0,99.0\n";
}

// "level:dry bulb[/wet bulb]" of each condition.
std::string Design(const std::vector<DesignCondition> &conditions)
{
    std::ostringstream s;
    for (const DesignCondition &c : conditions) {
        s << static_cast<int>(c.level) << ":" << static_cast<double>(c.dryBulbC);
        if (c.wetBulbC)
            s << "/" << static_cast<double>(*c.wetBulbC);
        s << " ";
    }
    return s.str();
}

TEST(Epw, ReadsRowsAndHeadersByTheFormatsRules)
{
    std::string leap;
    const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= days[m - 1]; ++d)
            for (int h = 1; h <= 24; ++h)
                leap += Row(std::to_string(m) + "," + std::to_string(d) + "," + std::to_string(h), "20,10,50,98800");
    std::string crlf = Epw(Row("1,1,1", "20,10.5,50,99572.54") + "\n  \n" + Row("1,1,2", "20,10,50,99572.54"),
                           "DESIGN CONDITIONS,", "LOCATION,\"Montr\xE9" "al\",QC,CAN,Test,716270,45.47,-73.74,-5.0,36");
    for (size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2)
        crlf.insert(at, "\r");
    const std::string cooling2009 = "Cooling,7,10.5,33.3,23.7,31.6,23,30.1,22.1,25.5,31.2,24.5,29.6,23.5,28.1,5.2";
    const struct {
        const char *what;
        std::string text;
        std::array<size_t, 3> counts; // hours, missing, unreadable; all 0: refused
        long double pvPa = 0, patmPa = 0; // of the first hour
        std::string design = "", city = "Lyon";
        long double meanPa = 0;
    } cases[] = {
        {"decimals, a dew point", Epw(Row("1,1,1", "20,10.5,50,99572.54")), {1, 0, 0}, SaturationPressure(10.5),
         99572.54, "", "Lyon", 99572.54},
        {"no dew point: RH", Epw(Row("2,29,24", "21.5,99.9,60.6368919336604,101325")), {1, 0, 0},
         60.6368919336604 / 100.0L * SaturationPressure(21.5), 101325},
        {"no station pressure", Epw(Row("12,31,1", "5,2,80,999999") + Row("12,31,2", "5,2,80,29999.9")), {2, 0, 0},
         SaturationPressure(2), kChartPa, "", "Lyon", static_cast<long double>(*StandardPressureAt(240))},
        {"missing dry bulb, dew point and RH, Pv >= P",
         Epw(Row("1,1,1", "99.9,10,50,101325") + Row("1,1,2", "20,120,100.5,101325") +
             Row("1,1,3", "20,99.9,-1,101325") + Row("1,1,4", "75,70,50,30000") + Row("1,1,5", "20,10,50,101325")),
         {1, 4, 0}, SaturationPressure(10), 101325, "", "Lyon", (4 * 101325 + 30000) / 5.0L},
        {"CR LF, blank lines, Latin-1 city", crlf, {2, 0, 0}, SaturationPressure(10.5), 99572.54, "", "Montréal"},
        {"unreadable rows", Epw("1999,1,1,1,0,?9,20,10,50\n" + Row("13,1,1", "20,10,50,101325") +
                                Row("2,30,1", "20,10,50,101325") + Row("1,1,0", "20,10,50,101325") +
                                Row("1,1,25", "20,10,50,101325") + Row("1,1.5,1", "20,10,50,101325") +
                                Row("1,1,1", "20x,10,50,101325") + Row("1,1,1", "20,,50,101325") +
                                Row("1,1,1", "nan,10,50,101325") + Row("1,1,1", "20,10,50,1e999") +
                                Row("1,1,1", "20,10,50,101325")),
         {1, 0, 10}, SaturationPressure(10), 101325},
        {"2009 design conditions",
         Epw(leap, "DESIGN CONDITIONS,1,Climate Design Data 2009 ASHRAE Handbook,,Heating,1,-20,-16.6,-25.7,0.4,"
                   "-19.2,-22.1,0.5,-15.7,12.4,-3.5,11.4,-3.2,4.9,270," + cooling2009),
         {8784, 0, 0}, 0, 0, "0:-20 1:-16.6 2:33.3/23.7 3:31.6/23 4:30.1/22.1 "},
        {"2017 design conditions",
         Epw(Row("1,1,1", "20,10,50,101325"), "DESIGN CONDITIONS,1,Climate Design Data 2017 ASHRAE Handbook,,Heating,"
                                              "1,-21.2,-17.8,-27.4,0.4,-19.9,-23.5,0.5,-17.1,12.9," + cooling2009),
         {1, 0, 0}, 0, 0, "0:-21.2 1:-17.8 2:33.3/23.7 3:31.6/23 4:30.1/22.1 "},
        {"2021 design conditions",
         Epw(Row("1,1,1", "20,10,50,101325"),
             "DESIGN CONDITIONS,1,2021 ASHRAE Handbook -- Fundamentals - Chapter 14 Climatic Design Information,,"
             "Heating,12,5.4,6.6,-11.1,1.5,20.7,-7.7,2.0,18.9,9.0,13.8,7.9,15.3,0.8,300,0.356,"
             "Cooling,8,9.4,33.2,18.9,31.2,18.9,29.5,18.6,22.3,28.3"),
         {1, 0, 0}, 0, 0, "0:5.4 1:6.6 2:33.2/18.9 3:31.2/18.9 4:29.5/18.6 "},
        {"not an EPW file", "[General]\nPatm=101325\n", {0, 0, 0}},
        {"no data row", Epw(""), {0, 0, 0}},
        {"no readable data row", Epw("1999,1,1\n" + Row("1,1,1", "20,10,50,abc")), {0, 0, 0}},
        {"LOCATION not first", Row("1,1,1", "20,10,50,101325") + Epw(Row("1,1,1", "20,10,50,101325")), {0, 0, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<WeatherYear> y = ReadEpw(c.text, kChartPa);
        if (c.counts == std::array<size_t, 3>{}) {
            EXPECT_FALSE(y);
            continue;
        }
        ASSERT_TRUE(y);
        EXPECT_EQ((std::array<size_t, 3>{y->hours.size(), y->missingHours, y->unreadableRows}), c.counts);
        EXPECT_EQ(Design(y->designConditions), c.design);
        EXPECT_EQ(y->location.city, c.city);
        if (c.meanPa > 0) {
            EXPECT_EQ(y->stationPressurePa, c.meanPa);
        }
        if (c.pvPa > 0 && !y->hours.empty()) {
            const WeatherHour &h = y->hours.front();
            EXPECT_EQ(h.pvPa, c.pvPa);
            EXPECT_EQ(h.patmPa, c.patmPa);
            EXPECT_EQ(h.stationPressure, c.patmPa != kChartPa);
            EXPECT_EQ(h.rKgKg, 0.622L * c.pvPa / (c.patmPa - c.pvPa));
        }
    }

    const std::string quoted = "LOCATION,\"VAN-NUYS-AP\",CA,USA,Custom-722886,722886,34.212,-118.491,-8.0,235,Csb";
    const WeatherYear vanNuys = *ReadEpw(Epw(leap, "DESIGN CONDITIONS,0 ", quoted), kChartPa);
    const EpwLocation &l = vanNuys.location;
    EXPECT_EQ(l.city + "|" + l.state + "|" + l.country + "|" + l.source + "|" + l.wmo,
              "VAN-NUYS-AP|CA|USA|Custom-722886|722886");
    EXPECT_EQ((std::array<long double, 4>{*l.latitudeDeg, *l.longitudeDeg, *l.timeZoneH, *l.elevationM}),
              (std::array<long double, 4>{34.212, -118.491, -8.0, 235}));
    const WeatherHour &feb29 = vanNuys.hours[(31 + 28) * 24];
    EXPECT_EQ((std::array<int, 3>{feb29.month, feb29.day, vanNuys.hours.back().hour}), (std::array<int, 3>{2, 29, 24}));

    // Pvs(75 °C) is about 38 400 Pa: missing at a chart pressure of 35 000 Pa, back at 90 000.
    WeatherYear y = *ReadEpw(Epw(Row("1,1,1", "5,2,80,999999") + Row("1,1,2", "80,75,50,999999") +
                                 Row("1,1,3", "5,2,80,101325")), kChartPa);
    UseChartPressure(y, 35000);
    ASSERT_EQ((std::array<size_t, 2>{y.hours.size(), y.missingHours}), (std::array<size_t, 2>{2, 1}));
    EXPECT_EQ(y.hours[0].rKgKg, 0.622L * SaturationPressure(2) / (35000 - SaturationPressure(2)));
    EXPECT_EQ(y.hours[1].patmPa, 101325);
    UseChartPressure(y, kChartPa);
    EXPECT_EQ((std::array<int, 3>{static_cast<int>(y.hours.size()), static_cast<int>(y.missingHours), y.hours[1].hour}),
              (std::array<int, 3>{3, 0, 2}));
}

WeatherHour Hour(int month, int hour, long double tsC, long double rKgKg)
{
    WeatherHour h;
    h.month = month;
    h.hour = hour;
    h.tsC = tsC;
    h.rKgKg = rKgKg;
    return h;
}

TEST(HourCells, WrappedSpansFloorsOutsideCountsAndColours)
{
    const std::vector<WeatherHour> hours = {
        Hour(1, 1, -0.5, 0.0005),     Hour(2, 2, 3.25, -0.0001),     Hour(1, 24, -1.0, 0.0009),
        Hour(12, 23, -1.01, 0.0005),  Hour(6, 12, 30, 0.0155),       Hour(11, 3, 25.5, 0.0078125),
        Hour(3, 12, 10, 0.005),
    };
    const HourFilter winterNights{11, 2, 22, 3};
    const HourCells cells = CountCells(hours, winterNights);
    std::string listed;
    for (const HourCell &c : cells.cells)
        listed += std::to_string(c.tsC) + "," + std::to_string(c.rGKg) + ":" + std::to_string(c.hours) + " ";
    EXPECT_EQ(listed, "-2,0:1 -1,0:2 3,-1:1 25,7:1 ");
    EXPECT_EQ((std::array<size_t, 3>{cells.retained, size_t(cells.fewestHours), size_t(cells.mostHours)}),
              (std::array<size_t, 3>{5, 1, 2}));
    EXPECT_EQ((std::array<int, 4>{cells.HoursAt(-0.2, 0.0002), cells.HoursAt(25.9, 0.0079), cells.HoursAt(0.5, 0),
                                  cells.HoursAt(std::numeric_limits<long double>::quiet_NaN(), 0)}),
              (std::array<int, 4>{2, 1, 0, 0}));
    const DisplayedRanges ranges{-1, 25.5, 0, 7.8125}; // bounds inside
    EXPECT_EQ(HoursOutside(hours, winterNights, ranges), 2u);  // -1.01 °C, -0.1 g/kgas
    EXPECT_EQ(HoursOutside(hours, HourFilter{}, ranges), 3u);  // and 30 °C
    EXPECT_EQ(CountCells(hours, HourFilter{6, 6, 12, 12}).cells.size(), 1u);

    // The published anchors at both ends, and halfway between anchors 127 and 128.
    const auto rgb = [](double r, double g, double b) {
        return static_cast<int32_t>(std::lround(255 * r) | std::lround(255 * g) << 8 | std::lround(255 * b) << 16);
    };
    // The cells lightened: 55 % of the scale, 45 % of white.
    const auto light = [&](double r, double g, double b) {
        return rgb(0.55 * r + 0.45, 0.55 * g + 0.45, 0.55 * b + 0.45);
    };
    EXPECT_EQ(HourCellColour(1, 1, 2), light(0.267004, 0.004874, 0.329415));
    EXPECT_EQ(HourCellColour(2, 1, 2), light(0.993248, 0.906157, 0.143936));
    EXPECT_EQ(HourCellColour(5, 5, 5), HourCellColour(1, 1, 2));
    EXPECT_EQ(ViridisColour(0.5L),
              rgb((0.128729 + 0.127568) / 2, (0.563265 + 0.566949) / 2, (0.551229 + 0.550556) / 2));
}

} // namespace
} // namespace brumelle
