#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/readout.h"

namespace brumelle {
namespace {

NumberSeparators French()
{
    NumberSeparators sep;
    sep.decimal = ",";
    sep.group = "\xE2\x80\xAF";
    return sep;
}

struct Readout {
    ChartSettings s;
    int32_t clientWidth = 800, clientHeight = 600; // a 730 × 542 plot with an 18-pixel status bar

    std::string At(int32_t x, int32_t y, const NumberSeparators &sep = French()) const
    {
        MoistAirState m;
        return CursorReadout(s, ChartGeometry::ForClient(clientWidth, clientHeight, 18, s), x, y, m, sep);
    }
};

TEST(CursorReadout, EveryPropertyOfThePointUnderThePointer)
{
    Readout r;
    EXPECT_EQ(r.At(405, 380), "TS = 19,28 °C     R = 10,03 g/kgas     HR = 71,84 %     H = 44,85 kJ/kgas     "
                              "V = 0,8413 m3/kgas     TH = 16,03 °C     TR = 14,08 °C");
    NumberSeparators dot;
    dot.decimal = ".";
    dot.group = ",";
    const std::string start = "TS = 19.28 °C     R = 10.03 g/kgas";
    EXPECT_EQ(r.At(405, 380, dot).substr(0, start.size()), start);
}

TEST(CursorReadout, WorkingPointHoldsTheFullPrecisionValues)
{
    ChartSettings s;
    MoistAirState m;
    CursorReadout(s, ChartGeometry::ForClient(800, 600, 18, s), 405, 380, m, French());
    EXPECT_NEAR(static_cast<double>(m.TS), 19.2808, 1e-4);
    EXPECT_NEAR(static_cast<double>(m.R * 1000), 10.0339, 1e-4);
}

// Plot edges are inside; beyond saturation, outside the plot, an undrawable
// plot or a fault give an empty text.
TEST(CursorReadout, EdgesAndEmptyTexts)
{
    struct Case {
        const char *name;
        int32_t clientHeight;
        uint32_t patm;
        int32_t x, y;
        std::string expected; // prefix of the text; "" for an empty text
    };
    const std::vector<Case> cases = {
        {"top-left corner is over-saturated", 600, 101325, 20, 20, ""},
        {"right-hand edge is inside", 600, 101325, 750, 500, "TS = 50,00 °C"},
        {"right of the plot", 600, 101325, 751, 500, ""},
        {"left of the plot", 600, 101325, 19, 500, ""},
        // With a 500-pixel plot, row 519 = 20 + 0.998 × 500 is R = R.Mini exactly.
        {"bottom row of R.Mini", 558, 101325, 405, 519, "TS = 19,28 °C     R = 0,00 g/kgas"},
        {"below R.Mini", 558, 101325, 405, 520, ""},
        {"no plot height", 58, 101325, 405, 30, ""},
        {"wet-bulb search runs away", 600, 1000000, 20, 560, ""},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Readout r;
        r.clientHeight = k.clientHeight;
        r.s.Patm = k.patm;
        const std::string text = r.At(k.x, k.y);
        if (k.expected.empty())
            EXPECT_EQ(text, "");
        else
            EXPECT_EQ(text.substr(0, k.expected.size()), k.expected);
    }
}

TEST(CursorReadout, DryRowTakesTheTinyVapourPressureForItsDewPoint)
{
    Readout r;
    r.clientHeight = 558;
    const std::string text = r.At(405, 519);
    EXPECT_NE(text.find("TR = -151,77 °C"), std::string::npos) << text;
}

TEST(CursorReadout, EmptyRangeGivesAnEmptyText)
{
    Readout r;
    r.s.TS.Maxi = r.s.TS.Mini;
    EXPECT_EQ(r.At(405, 380), "");
}

} // namespace
} // namespace brumelle
