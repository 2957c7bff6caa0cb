#include <iterator>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "presentation/pressure_box.h"
#include "support/recording_messages.h"

namespace brumelle {
namespace {

// ASHRAE Handbook—Fundamentals 2017, ch. 1, table 1 (kPa to three decimals,
// that is to the pascal); beyond its rows, the bounds and just outside them.
TEST(StandardAtmosphere, PressureAtAltitudeMatchesTheHandbookWithinItsBounds)
{
    const struct {
        long double zM;
        std::optional<uint32_t> pPa;
    } rows[] = {
        {-500, 107478u}, {0, 101325u},   {500, 95461u},  {1000, 89875u},
        {4000, 61640u},  {10000, 26436u}, {-500.5L, {}}, {11000.5L, {}},
        {std::numeric_limits<long double>::quiet_NaN(), {}},
    };
    for (const auto &r : rows)
        EXPECT_EQ(StandardPressureAt(r.zM), r.pPa) << "Z = " << static_cast<double>(r.zM);
    EXPECT_TRUE(StandardPressureAt(11000).has_value());
}

TEST(StandardAtmosphere, TypedAltitudeIsReadLikeAnyNumberAndRefusedPlainly)
{
    test::RecordingMessages messages;
    EXPECT_EQ(PressureAtTypedAltitude(" 1000,0 ", messages), StandardPressureAt(1000));
    EXPECT_EQ(PressureAtTypedAltitude("+4000.0", messages), StandardPressureAt(4000));
    EXPECT_EQ(PressureAtTypedAltitude("-,5", messages), StandardPressureAt(-0.5L));
    EXPECT_TRUE(messages.entries.empty());
    // Only a plain decimal number: nothing dropped to read what is left.
    const char *refused[] = {"",       "haut", "-501",     "12000", "1e309", "1,5e3", "0x10",
                             "nan",    "-",    "1000,0 m", "1,5.0", "+-5",   "1 000"};
    for (const char *text : refused)
        EXPECT_EQ(PressureAtTypedAltitude(text, messages), std::nullopt) << text;
    ASSERT_EQ(messages.entries.size(), std::size(refused));
    EXPECT_EQ(messages.entries[0], (test::RecordingMessages::Entry{"message", kAltitudeRefused}));
}

} // namespace
} // namespace brumelle
