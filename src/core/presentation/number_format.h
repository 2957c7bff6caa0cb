#pragma once
#include <optional>
#include <string>

namespace brumelle {

class Messages;

// Decimal and thousands separators of the user's regional settings (UTF-8).
struct NumberSeparators {
    std::string decimal = ",";
    std::string group = "\xE2\x80\xAF"; // narrow no-break space, as French settings give
};

// Fixed-point text rounded to `decimals` places (halves away from zero, on at
// most 18 significant digits), with group separators in the integer part.
std::string FormatFixed(long double value, int decimals, const NumberSeparators &sep);
// The same text appended to `out`.
void AppendFixed(std::string &out, long double value, int decimals, const NumberSeparators &sep);

// Shortest text with at most 15 significant digits; scientific (4E-5) when the
// decimal exponent is below -4 or 15 and more. No group separators.
std::string FormatGeneral(long double value, const NumberSeparators &sep);

// Rounds the fractional part of x to n significant digits, keeping the integer part.
long double RoundSignificant(long double x, int n);

// What the program keeps of a typed number: "." becomes ","; digits, ",",
// "-" and the backspace character stay; every other character is dropped.
std::string KeepNumberCharacters(const std::string &text);

// Reads what the user typed: "." and "," are both decimal separators; any
// character other than a digit, a separator or "-" is dropped. Nothing when
// the rest is not a finite number.
std::optional<long double> ReadUserNumber(const std::string &text);

constexpr const char *kUnreadableNumber = "Une des valeurs entrées n'est pas reconnue par le programme";

// ReadUserNumber, showing the program's message and giving 0 when it fails.
long double ParseNumber(const std::string &text, Messages &messages);

// The toolkit's strict integer conversion, as used for the pressure text.
std::optional<long long> ReadInteger(const std::string &text);
// Its strict real conversion with the locale's decimal separator.
std::optional<long double> ReadFloat(const std::string &text, const NumberSeparators &sep);

// A number as a reader of its text with `decimals` places gets it back, to the
// last bit: what the chart draws for a computed cell, since it draws what the
// grids show.
inline std::optional<long double> AsShown(long double value, int decimals, const NumberSeparators &sep)
{
    return ReadFloat(FormatFixed(value, decimals, sep), sep);
}

} // namespace brumelle
