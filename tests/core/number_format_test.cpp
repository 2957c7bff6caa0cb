#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "model/fault.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "support/recording_messages.h"

namespace brumelle {
namespace {

const std::string G = "\xE2\x80\xAF"; // French group separator
const NumberSeparators kFrench{",", G};
const NumberSeparators kEnglish{".", ","};

TEST(FormatFixed, RoundsAndGroupsLikeTheProgram)
{
    struct Case { long double v; int d; std::string text; };
    const Case cases[] = {
        {1234.5L, 2, "1" + G + "234,50"},
        {12.3L, 2, "12,30"},
        {49.6L, 0, "50"},
        {-3.2L, 0, "-3"},
        {10193, 0, "10" + G + "193"},            // no decimal separator, groups kept
        {-1234567.891L, 4, "-1" + G + "234" + G + "567,8910"},
        {999.995L, 2, "1" + G + "000,00"},
        {0.125L, 2, "0,13"},                     // halves away from zero
        {-0.125L, 2, "-0,13"},
        {-0.001L, 2, "0,00"},
        {0, 4, "0,0000"},
        {1.0L / 3, 20, "0,33333333333333333300"}, // 18 significant digits at most
        {0.45L, 1, "0,5"},                       // 0.4499...9892 is 0.45 on 18 digits
        {1.005L, 2, "1,01"},
        {-0.5L, 0, "-1"},
        {999999.995L, 2, "1" + G + "000" + G + "000,00"},
        {9999999999999999.5L, 0, "10" + G + "000" + G + "000" + G + "000" + G + "000" + G + "000"},
        {18446744073709551615.0L, 0, "18" + G + "446" + G + "744" + G + "073" + G + "709" + G + "551" + G + "600"},
        {1e-25L, 2, "0,00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatFixed(c.v, c.d, kFrench), c.text) << static_cast<double>(c.v) << " d=" << c.d;
    EXPECT_EQ(FormatFixed(1234567.891L, 2, kEnglish), "1,234,567.89");
}

TEST(FormatGeneral, ShortestTextWithFifteenDigits)
{
    struct Case { long double v; std::string text; };
    const Case cases[] = {
        {0.00004L, "4E-5"},
        {0.0001L, "0,0001"},
        {-0.000012345L, "-1,2345E-5"},
        {1e15L, "1E15"},
        {999999999999999.0L, "999999999999999"},
        {1234567, "1234567"},
        {2.5L, "2,5"},
        {-0.5L, "-0,5"},
        {0.1, "0,1"},                           // a double's binary noise is beyond 15 digits
        {1.0L / 3, "0,333333333333333"},
        {0, "0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatGeneral(c.v, kFrench), c.text) << static_cast<double>(c.v);
}

TEST(Format, ValuesThatAreNotFiniteAreFaults)
{
    for (long double v : {std::numeric_limits<long double>::infinity(), std::numeric_limits<long double>::quiet_NaN()}) {
        EXPECT_THROW(FormatFixed(v, 2, kFrench), ComputeFault);
        EXPECT_THROW(FormatGeneral(v, kFrench), ComputeFault);
    }
}

TEST(RoundSignificant, RoundsTheFractionOnly)
{
    struct Case { long double x; int n; std::string text; };
    const Case cases[] = {
        {12.3456789L, 2, "12,35"},    {0.001234567L, 3, "0,00123"}, {7.05432L, 1, "7,05"},
        {-7.05432L, 1, "-7,1"},       {3, 1, "3"},                  {0.0996L, 1, "0,1"},
        {1234.98765L, 3, "1234,988"}, {0.00004L, 3, "0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatGeneral(RoundSignificant(c.x, c.n), kFrench), c.text) << static_cast<double>(c.x);
}

TEST(RoundSignificant, AcceptsEveryFiniteValue)
{
    for (long double x : {1e-30L, -1e-30L, LDBL_TRUE_MIN, 1e300L, -1e300L, LDBL_MAX, 123456789012.75L}) {
        long double r = 0;
        EXPECT_NO_THROW(r = RoundSignificant(x, 3)) << static_cast<double>(x);
        EXPECT_TRUE(std::isfinite(r));
        EXPECT_EQ(std::trunc(r), std::trunc(x));
    }
    EXPECT_EQ(RoundSignificant(123456789012.75L, 1), 123456789012.8L);
}

// The toolkit sets the C locale from the user's settings; conversions must not follow it.
TEST(NumberHelpers, IgnoreTheCLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "fr_FR.UTF-8") && !std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    test::RecordingMessages messages;
    const std::string rounded = FormatGeneral(RoundSignificant(12.3456789L, 2), kFrench);
    const long double parsed = ParseNumber("1.5", messages);
    const auto strict = ReadFloat("2,5", kFrench);
    const std::string fixed = FormatFixed(1234.5L, 2, kFrench);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(rounded, "12,35");
    EXPECT_EQ(parsed, 1.5L);
    ASSERT_TRUE(strict.has_value());
    EXPECT_EQ(*strict, 2.5L);
    EXPECT_EQ(fixed, "1" + G + "234,50");
}

TEST(ParseNumber, KeepsDigitsSeparatorsAndMinus)
{
    struct Case { std::string text; long double value; };
    const Case cases[] = {
        {"20 °C", 20},  {"1.5", 1.5L},     {"1,5", 1.5L},  {"+5", 5},
        {"1e3", 13},    {"12,5 kg", 12.5L}, {"-3,25", -3.25L},
        {std::string(400, '9'), std::stold(std::string(400, '9'))}, // large but finite
    };
    for (const Case &c : cases) {
        test::RecordingMessages messages;
        EXPECT_EQ(ParseNumber(c.text, messages), c.value) << c.text;
        EXPECT_TRUE(messages.entries.empty()) << c.text;
    }
}

TEST(ParseNumber, UnreadableTextShowsTheMessageOnceAndGivesZero)
{
    const std::string endless(6000, '9'); // reads as infinity
    for (const std::string &text : {std::string("abc"), std::string("-"), std::string("1,2,3"), std::string("5-"),
                                    std::string(), std::string("12\b"), std::string("--5"), endless}) {
        test::RecordingMessages messages;
        EXPECT_EQ(ParseNumber(text, messages), 0.0L) << text.substr(0, 10);
        ASSERT_EQ(messages.entries.size(), 1u) << text.substr(0, 10);
        EXPECT_EQ(messages.entries[0].kind, "information");
        EXPECT_EQ(messages.entries[0].text, "Une des valeurs entrées n'est pas reconnue par le programme");
    }
}

TEST(ReadInteger, StrictWholeNumbers)
{
    EXPECT_EQ(ReadInteger("101325"), 101325);
    EXPECT_EQ(ReadInteger("-5"), -5);
    EXPECT_EQ(ReadInteger("2147483647"), 2147483647);
    EXPECT_EQ(ReadInteger("-2147483648"), -2147483648LL);
    for (const char *bad : {"1013,25", "abc", "", "-", "12 ", "2147483648", "99999999999999999999"})
        EXPECT_FALSE(ReadInteger(bad).has_value()) << bad;
}

TEST(ReadFloat, StrictRealsWithTheLocaleSeparator)
{
    struct Case { std::string text; long double value; };
    for (const Case &c : {Case{"1,5", 1.5L}, Case{" -2,5e3 ", -2500}, Case{"+5", 5}, Case{"7", 7}, Case{"1E-2", 0.01L}}) {
        const auto v = ReadFloat(c.text, kFrench);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
    for (const char *bad : {"1.5", "", "abc", "1e", "1,5,2", "5-", "1e99999", "1" "\xE2\x80\xAF" "000"})
        EXPECT_FALSE(ReadFloat(bad, kFrench).has_value()) << bad;
    EXPECT_EQ(ReadFloat("1.5", kEnglish), 1.5L);
    EXPECT_FALSE(ReadFloat("1,5", kEnglish).has_value());
}

TEST(ErrorBoxText, AddsAFullStopAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(ErrorBoxText("'abc' n'est pas une valeur entière correcte"), "'abc' n'est pas une valeur entière correcte.");
    EXPECT_EQ(ErrorBoxText("Impossible d'écrire dans C:\\Brumelle.ini"), "Impossible d'écrire dans C:\\Brumelle.ini.");
    EXPECT_EQ(ErrorBoxText("Fin."), "Fin.");
    EXPECT_EQ(ErrorBoxText("Fin!"), "Fin!");
    EXPECT_EQ(ErrorBoxText(""), "");
}

} // namespace
} // namespace brumelle
