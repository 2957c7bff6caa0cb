#include "single_point_fixture.h"

namespace brumelle::test {
namespace {

using Column8 = std::array<std::string, 8>;

// Points below 0 °C go through the ice branch of the dew point, the 0.00056
// psychrometric coefficient and the second try of the dry bulb from the wet
// bulb; a wrong branch moves the shown values well past their rounding.
TEST_F(SinglePointTest, BelowFreezingRulesTakeTheirOwnBranches)
{
    struct Case { std::array<std::string, 7> typed; Column8 expected; };
    const Case cases[] = {
        // TH and TR: the first dry bulb (-9,30) is not above 0, so it is recomputed.
        {{"", "", "", "", "", "-10", "-11"}, {"-9,18", "78", "1,47", "-5,59", "0,7492", "-10,00", "-11,00", "101325"}},
        // TS below 0 with TH: Pv from the 0.00056 coefficient (0.00066 would give HR 38).
        {{"-20", "", "", "", "", "-21", ""}, {"-20,00", "46", "0,35", "-19,26", "0,7172", "-21,00", "-28,59", "101325"}},
        // HR and a frosty TR: Pvs from Pv and HR, then TS from Pvs.
        {{"", "30", "", "", "", "", "-5"}, {"11,33", "30", "2,48", "17,66", "0,8087", "4,63", "-5,00", "101325"}},
    };
    for (const Case &c : cases) {
        evo.NewPoint();
        Type(c.typed);
        evo.SolvePoint();
        EXPECT_EQ(Column(), c.expected) << c.typed[0] << "|" << c.typed[1] << "|" << c.typed[5];
    }
    EXPECT_TRUE(messages.entries.empty());
}

} // namespace
} // namespace brumelle::test
