#pragma once
// What the fuzz targets check on every text the program shows: no printed
// NaN or infinity, numbers in the shape the number format gives them, and
// air points that real air could have. A failed check aborts, which
// libFuzzer records as a crash and saves the input of.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_settings.h"
#include "presentation/number_format.h"

namespace brumelle::fuzz {

[[noreturn]] inline void Fail(const char *check, const std::string &detail)
{
    std::fprintf(stderr, "\n==== fuzz check failed: %s\n%s\n", check, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                                \
    do {                                                                                                             \
        if (!(condition))                                                                                            \
            ::brumelle::fuzz::Fail(#condition, (detail));                                                            \
    } while (0)

// Bytes shown readably in a failure report.
inline std::string Quoted(const std::string &s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out + "\"";
}

// "nan" or "inf" in any case: a non-finite value that reached a text.
inline bool ShowsNonFinite(const std::string &text)
{
    std::string lower = text;
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

inline void CheckFinite(const std::string &text, const std::string &where)
{
    FUZZ_CHECK(!ShowsNonFinite(text), where + ": " + Quoted(text));
}

// The separators of a few real locales.
inline NumberSeparators French() { return {",", "\xE2\x80\xAF"}; }
inline NumberSeparators FrenchNoBreakSpace() { return {",", "\xC2\xA0"}; }
inline NumberSeparators English() { return {".", ","}; }
inline NumberSeparators Swiss() { return {".", "'"}; }
inline NumberSeparators German() { return {",", "."}; }
inline NumberSeparators Plain() { return {".", ""}; }
inline NumberSeparators SeparatorsNumbered(unsigned n)
{
    switch (n % 6) {
    case 0: return French();
    case 1: return FrenchNoBreakSpace();
    case 2: return English();
    case 3: return Swiss();
    case 4: return German();
    default: return Plain();
    }
}

// The value of a text in FormatFixed's shape with `sep`: an optional minus,
// one to three digits then groups of three after the group separator, and
// `decimals` digits after the decimal separator when decimals > 0. Nothing
// for any other text.
inline std::optional<long double> ShownNumber(const std::string &text, int decimals, const NumberSeparators &sep)
{
    size_t i = 0;
    std::string canon;
    if (i < text.size() && text[i] == '-') {
        canon += '-';
        ++i;
    }
    auto digitsAt = [&](size_t at, size_t count) {
        if (at + count > text.size())
            return false;
        for (size_t k = 0; k < count; ++k)
            if (text[at + k] < '0' || text[at + k] > '9')
                return false;
        return true;
    };
    // Without a group separator the integer part is one run of digits.
    const size_t maxLead = sep.group.empty() ? text.size() : 3;
    size_t lead = 0;
    while (lead < maxLead && digitsAt(i + lead, 1))
        ++lead;
    if (lead == 0 || digitsAt(i + lead, 1))
        return std::nullopt;
    canon += text.substr(i, lead);
    i += lead;
    while (!sep.group.empty() && text.compare(i, sep.group.size(), sep.group) == 0) {
        i += sep.group.size();
        if (!digitsAt(i, 3) || digitsAt(i + 3, 1))
            return std::nullopt;
        canon += text.substr(i, 3);
        i += 3;
    }
    if (decimals > 0) {
        if (text.compare(i, sep.decimal.size(), sep.decimal) != 0)
            return std::nullopt;
        i += sep.decimal.size();
        const auto count = static_cast<size_t>(decimals);
        if (!digitsAt(i, count))
            return std::nullopt;
        canon += "." + text.substr(i, count);
        i += count;
    }
    if (i != text.size())
        return std::nullopt;
    // A leading zero only alone before the separator or the end.
    const size_t first = canon[0] == '-' ? 1 : 0;
    if (canon[first] == '0' && canon.size() > first + 1 && canon[first + 1] != '.')
        return std::nullopt;
    // No "-0": the format drops the sign of what rounds to zero.
    const long double v = std::strtold(canon.c_str(), nullptr);
    if (canon[0] == '-' && v == 0.0L)
        return std::nullopt;
    return v;
}

// Half a unit of the last shown place: a shown value stands for any value
// that lies this close to it.
inline long double HalfUnit(int decimals)
{
    long double h = 0.5L;
    for (int k = 0; k < decimals; ++k)
        h /= 10.0L;
    return h;
}

constexpr long double kAbsoluteZero = -273.15L; // °C
// How far the wet bulb may lie outside the interval from the dew point to
// the dry bulb before it is a wrong root of the search, in kelvin: the
// saturation formulas over ice and over water do not meet exactly.
constexpr long double kWetBulbMargin = 1.0L;

// A point as a grid or the readout shows it, with the number of decimals of each value.
struct ShownPoint {
    long double TS = 0, HR = 0, R = 0, H = 0, V = 0, TH = 0, TR = 0; // R in g/kgas
    int dTS = 2, dHR = 0, dR = 2, dH = 2, dV = 4, dTH = 2, dTR = 2;
};

// What makes the shown point impossible for real air; empty when some
// values that round to the shown ones are possible. Any value possible
// when: the temperatures above absolute zero, HR, R >= 0, V > 0, and the wet
// bulb between the dew point and the dry bulb (either may be the higher:
// above saturation the dew point is), give or take kWetBulbMargin.
inline std::string ImpossibleIn(const ShownPoint &p)
{
    if (!(p.TS + HalfUnit(p.dTS) > kAbsoluteZero))
        return "dry bulb at or below absolute zero";
    if (!(p.TH + HalfUnit(p.dTH) > kAbsoluteZero))
        return "wet bulb at or below absolute zero";
    if (!(p.TR + HalfUnit(p.dTR) > kAbsoluteZero))
        return "dew point at or below absolute zero";
    if (!(p.HR + HalfUnit(p.dHR) >= 0.0L))
        return "negative relative humidity";
    if (!(p.R + HalfUnit(p.dR) >= 0.0L))
        return "negative humidity ratio";
    if (!(p.V + HalfUnit(p.dV) > 0.0L))
        return "volume not positive";
    const long double lower = std::min(p.TS, p.TR) - kWetBulbMargin - HalfUnit(p.dTS) - HalfUnit(p.dTH);
    const long double upper = std::max(p.TS, p.TR) + kWetBulbMargin + HalfUnit(p.dTS) + HalfUnit(p.dTH);
    if (!(p.TH >= lower && p.TH <= upper))
        return "wet bulb outside the dew point to dry bulb interval";
    return {};
}

inline std::string Describe(const ShownPoint &p)
{
    char buf[256];
    std::snprintf(buf, sizeof buf, "TS=%.2Lf HR=%.0Lf R=%.2Lf H=%.2Lf V=%.4Lf TH=%.2Lf TR=%.2Lf", p.TS, p.HR, p.R,
                  p.H, p.V, p.TH, p.TR);
    return buf;
}

// Checks a status-bar readout: empty, or every property in its format and
// inside the physical domain, on the plot and not beyond saturation.
inline void CheckReadout(const std::string &text, const ChartSettings &s, const NumberSeparators &sep,
                         const std::string &where)
{
    if (text.empty())
        return;
    CheckFinite(text, where);
    struct Field {
        const char *name, *unit;
        int decimals;
    };
    static const Field kFields[7] = {{"TS", "°C", 2}, {"R", "g/kgas", 2},  {"HR", "%", 2}, {"H", "kJ/kgas", 2},
                                     {"V", "m3/kgas", 4}, {"TH", "°C", 2}, {"TR", "°C", 2}};
    long double v[7];
    size_t at = 0;
    for (int k = 0; k < 7; ++k) {
        const std::string head = std::string(k ? "     " : "") + kFields[k].name + " = ";
        FUZZ_CHECK(text.compare(at, head.size(), head) == 0, where + ": readout not in its format: " + Quoted(text));
        at += head.size();
        const std::string tail = std::string(" ") + kFields[k].unit;
        const size_t end = text.find(tail, at);
        FUZZ_CHECK(end != std::string::npos, where + ": readout not in its format: " + Quoted(text));
        const auto value = ShownNumber(text.substr(at, end - at), kFields[k].decimals, sep);
        FUZZ_CHECK(value.has_value(), where + ": readout value not a formatted number: " + Quoted(text));
        v[k] = *value;
        at = end + tail.size();
    }
    FUZZ_CHECK(at == text.size(), where + ": readout not in its format: " + Quoted(text));

    ShownPoint p;
    p.TS = v[0];
    p.R = v[1];
    p.HR = v[2];
    p.H = v[3];
    p.V = v[4];
    p.TH = v[5];
    p.TR = v[6];
    p.dHR = 2;
    const std::string wrong = ImpossibleIn(p);
    FUZZ_CHECK(wrong.empty(), where + ": readout shows an impossible point (" + wrong + "): " + Quoted(text));
    // The readout is empty beyond saturation and outside the plot (its edges are inside).
    const long double h = HalfUnit(2);
    FUZZ_CHECK(p.HR <= 100.0L + h, where + ": readout beyond saturation: " + Quoted(text));
    FUZZ_CHECK(p.TS >= s.TS.Mini - h && p.TS <= s.TS.Maxi + h, where + ": readout off the plot: " + Quoted(text));
    FUZZ_CHECK(p.R >= s.R.Mini - h && p.R <= s.R.Maxi + h, where + ": readout off the plot: " + Quoted(text));
}

} // namespace brumelle::fuzz
