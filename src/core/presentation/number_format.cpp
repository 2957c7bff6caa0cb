#include "presentation/number_format.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "model/fault.h"
#include "presentation/messages.h"

namespace brumelle {

std::string ErrorBoxText(const std::string &text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        return text + ".";
    return text;
}

namespace {

// Decimal digits of |v| with 18 significant digits: digits[0] is the digit
// of 10^exponent.
struct Decimal {
    std::string digits; // 18 digits, or "0" for zero
    int exponent = 0;
    bool negative = false;
};

// Conversions go through <charconv>: snprintf and strtold follow the C
// locale, which the toolkit sets from the user's settings, and a French
// LC_NUMERIC would turn "0.5" into 0.

Decimal toDecimal(long double v)
{
    Decimal d;
    d.negative = std::signbit(v);
    if (std::fabs(v) == 0.0L) {
        d.digits = "0";
        return d;
    }
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
    // buf: d.ddddddddddddddddde±XX
    const std::string s(buf, r.ptr);
    const auto epos = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, epos - 2);
    size_t i = epos + 1;
    const bool negExp = s[i] == '-';
    if (s[i] == '-' || s[i] == '+')
        ++i;
    std::from_chars(s.data() + i, s.data() + s.size(), d.exponent);
    if (negExp)
        d.exponent = -d.exponent;
    return d;
}

// Reads "[-]digits[.digits][e[±]digits]" (at least one digit in the
// mantissa). A value too large for long double is not a number; one too
// small to be represented is 0.
std::optional<long double> readPlain(const std::string &s)
{
    long double v = 0;
    const char *first = s.data(), *last = s.data() + s.size();
    const auto r = std::from_chars(first, last, v);
    if (r.ptr != last)
        return std::nullopt;
    if (r.ec == std::errc::result_out_of_range) {
        // Decimal exponent of the leading non-zero digit decides which way.
        const size_t epos = s.find_first_of("eE");
        const std::string mant = s.substr(0, epos);
        long long exp10 = 0;
        if (epos != std::string::npos) {
            size_t i = epos + 1;
            const bool neg = s[i] == '-';
            if (s[i] == '-' || s[i] == '+')
                ++i;
            for (; i < s.size(); ++i)
                exp10 = std::min(exp10 * 10 + (s[i] - '0'), 1000000LL);
            if (neg)
                exp10 = -exp10;
        }
        const size_t point = std::min(mant.find('.'), mant.size());
        const size_t lead = mant.find_first_of("123456789");
        const long long pos = lead < point ? static_cast<long long>(point - lead) - 1
                                           : -static_cast<long long>(lead - point);
        if (pos + exp10 > 0)
            return std::nullopt;
        return s[0] == '-' ? -0.0L : 0.0L;
    }
    if (r.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Rounds the digit string so that it keeps `keep` digits (halves away from
// zero); with nothing kept the value becomes zero.
void roundDigits(Decimal &d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits = "0";
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty()) {
        d.digits = "0";
        d.exponent = 0;
    }
}

bool allZero(const std::string &s)
{
    return s.find_first_not_of('0') == std::string::npos;
}

// The general path: the value's 18 significant digits, rounded again.
std::string fixedFromDigits(long double value, int decimals, const NumberSeparators &sep)
{
    Decimal d = toDecimal(value);
    if (d.digits != "0")
        roundDigits(d, d.exponent + 1 + decimals);
    // Integer and fractional digits.
    std::string intPart, fracPart;
    const int n = static_cast<int>(d.digits.size());
    if (d.digits == "0" || allZero(d.digits)) {
        intPart = "0";
        fracPart.assign(decimals, '0');
    } else {
        for (int e = std::max(d.exponent, 0); e >= 0; --e) {
            const int i = d.exponent - e;
            intPart += (i >= 0 && i < n) ? d.digits[i] : '0';
        }
        for (int k = 1; k <= decimals; ++k) {
            const int i = d.exponent + k;
            fracPart += (i >= 0 && i < n) ? d.digits[i] : '0';
        }
    }
    std::string grouped;
    const int len = static_cast<int>(intPart.size());
    for (int i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0)
            grouped += sep.group;
        grouped += intPart[i];
    }
    std::string out;
    if (d.negative && !allZero(intPart + fracPart))
        out = "-";
    out += grouped;
    if (decimals > 0)
        out += sep.decimal + fracPart;
    return out;
}


#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64 && defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 U128;

constexpr uint64_t kPow10[19] = {1ULL,
                                 10ULL,
                                 100ULL,
                                 1000ULL,
                                 10000ULL,
                                 100000ULL,
                                 1000000ULL,
                                 10000000ULL,
                                 100000000ULL,
                                 1000000000ULL,
                                 10000000000ULL,
                                 100000000000ULL,
                                 1000000000000ULL,
                                 10000000000000ULL,
                                 100000000000000ULL,
                                 1000000000000000ULL,
                                 10000000000000000ULL,
                                 100000000000000000ULL,
                                 1000000000000000000ULL};

// |value| × 10^decimals rounded as the general path rounds it (to 18
// significant digits, halves to even as <charconv> does, then to an integer,
// halves away from zero), in exact integer arithmetic: the value is its 64-bit
// significand m times 2^-s, so m × 10^decimals / 2^s fits 128 bits. False
// when the result has 18 digits or more, where the general path takes over.
//
// With Q the integer part, of n digits (n <= 17), and f the fraction, the 18
// significant digits keep g = 18 - n digits of f, and the two roundings give
// Q + 1 exactly when f rounded to g digits is at least 1/2, that is when
// f >= 1/2 - 10^-g / 2 (no binary fraction is exactly that, so no tie).
bool scaledFixed(long double value, int decimals, uint64_t &scaled, bool &negative)
{
    if (decimals > 17)
        return false;
    uint64_t m;
    uint16_t signExp;
    std::memcpy(&m, &value, sizeof m);
    std::memcpy(&signExp, reinterpret_cast<const unsigned char *>(&value) + sizeof m, sizeof signExp);
    negative = (signExp >> 15) != 0;
    const int biased = signExp & 0x7fff;
    if (m == 0) {
        scaled = 0;
        return biased == 0;
    }
    const int s = 16383 + 63 - std::max(biased, 1); // value = m × 2^-s
    if (s <= 0)
        return false;
    if (s >= 128) {
        // Below 2^-64: under 10^-2 even with 17 decimals.
        scaled = 0;
        return true;
    }
    const U128 p = static_cast<U128>(m) * kPow10[decimals];
    const U128 q = p >> s;
    if (q >= kPow10[17])
        return false;
    const U128 half = static_cast<U128>(1) << (s - 1);
    const U128 rem = p & ((half << 1) - 1);
    int n = 0;
    while (n < 17 && q >= kPow10[n])
        ++n;
    const int g = 18 - n;
    bool up = rem >= half;
    if (!up) {
        // f >= 1/2 - 10^-g / 2  <=>  (half - rem) × 10^g < 2^(s-1) = half;
        // 10^g > 8^g rules most deficits out without a division.
        const U128 deficit = half - rem;
        up = deficit <= (half >> (3 * g)) && deficit <= half / kPow10[g];
    }
    scaled = static_cast<uint64_t>(q) + (up ? 1 : 0);
    return true;
}
#else
bool scaledFixed(long double, int, uint64_t &, bool &) { return false; }
#endif

} // namespace

void AppendFixed(std::string &out, long double value, int decimals, const NumberSeparators &sep)
{
    // A value that is not finite would show as "INF" or "NAN": the
    // computation that made it has failed.
    if (!std::isfinite(value))
        throw ComputeFault("FormatFixed: value is not finite");
    decimals = std::max(decimals, 0);
    uint64_t scaled;
    bool negative;
    if (!scaledFixed(value, decimals, scaled, negative)) {
        out += fixedFromDigits(value, decimals, sep);
        return;
    }
    // "-0,00" is shown as "0,00".
    if (negative && scaled != 0)
        out += '-';
    // Digits from the right: the decimals, then the integer part.
    char digits[24];
    char *p = digits + sizeof digits;
    for (int k = 0; k < decimals; ++k) {
        *--p = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    }
    const char *fracStart = p;
    do {
        *--p = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    } while (scaled != 0);
    const size_t intLen = static_cast<size_t>(fracStart - p);
    // Groups of three from the right; the first holds what is left over.
    const size_t first = intLen % 3 == 0 ? 3 : intLen % 3;
    out.append(p, first);
    for (size_t i = first; i < intLen; i += 3) {
        out += sep.group;
        out.append(p + i, 3);
    }
    if (decimals > 0) {
        out += sep.decimal;
        out.append(fracStart, static_cast<size_t>(decimals));
    }
}

std::string FormatFixed(long double value, int decimals, const NumberSeparators &sep)
{
    std::string out;
    AppendFixed(out, value, decimals, sep);
    return out;
}

std::string FormatGeneral(long double value, const NumberSeparators &sep)
{
    if (!std::isfinite(value))
        throw ComputeFault("FormatGeneral: value is not finite");
    Decimal d = toDecimal(value);
    if (d.digits == "0")
        return "0";
    roundDigits(d, 15);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < -4 || d.exponent >= 15) {
        out += d.digits[0];
        if (n > 1)
            out += sep.decimal + d.digits.substr(1);
        out += "E" + std::to_string(d.exponent);
        return out;
    }
    if (d.exponent < 0) {
        out += "0" + sep.decimal + std::string(-d.exponent - 1, '0') + d.digits;
        return out;
    }
    if (n <= d.exponent + 1) {
        out += d.digits + std::string(d.exponent + 1 - n, '0');
        return out;
    }
    out += d.digits.substr(0, d.exponent + 1) + sep.decimal + d.digits.substr(d.exponent + 1);
    return out;
}

long double RoundSignificant(long double x, int n)
{
    const long double whole = std::trunc(x);
    const long double f = x - whole;
    if (f == 0.0L)
        return x;
    const NumberSeparators plain{".", ""};
    const std::string text = FormatGeneral(f, plain);
    int k = 0;
    for (size_t i = 2; i < text.size() && text[i] == '0'; ++i)
        ++k;
    const long double scale = std::pow(10.0L, static_cast<long double>(k));
    const long double p = f * scale;
    // Rounded as the number format rounds, read back without group separators.
    const long double q = readPlain(FormatFixed(p, n, plain)).value_or(0.0L);
    return whole + q / scale;
}

std::string KeepNumberCharacters(const std::string &text)
{
    // Each character is kept or dropped on its own, so one pass in order
    // keeps the reading linear in the text's length.
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (c == '.')
            c = ',';
        if ((c >= '0' && c <= '9') || c == ',' || c == '-' || c == '\b')
            kept += c;
    }
    return kept;
}

std::optional<long double> ReadUserNumber(const std::string &text)
{
    // A NUL byte is no part of anything typed: the text came from a damaged file.
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    const std::string kept = KeepNumberCharacters(text);
    size_t i = 0;
    std::string canon;
    if (i < kept.size() && kept[i] == '-') {
        canon += '-';
        ++i;
    }
    bool digits = false, comma = false;
    for (; i < kept.size(); ++i) {
        const char c = kept[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            canon += c;
        } else if (c == ',' && !comma) {
            comma = true;
            canon += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    // An endless string of digits overflows: that is no number either.
    return readPlain(canon);
}

long double ParseNumber(const std::string &text, Messages &messages)
{
    if (auto v = ReadUserNumber(text))
        return *v;
    messages.information(kUnreadableNumber);
    return 0.0L;
}

std::optional<long long> ReadInteger(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool neg = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        neg = text[i] == '-';
        ++i;
    }
    if (i >= text.size())
        return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL)
            return std::nullopt;
    }
    v = neg ? -v : v;
    if (v > 2147483647LL)
        return std::nullopt;
    return v;
}

std::optional<long double> ReadFloat(const std::string &text, const NumberSeparators &sep)
{
    // Blanks around the number are allowed; inside it, the locale's decimal
    // separator, an optional sign and an exponent.
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos)
        return std::nullopt;
    std::string s = text.substr(b, e - b + 1);
    std::string canon;
    bool digits = false, point = false, expo = false;
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            canon += c;
            ++i;
        } else if (!point && !expo && !sep.decimal.empty() && s.compare(i, sep.decimal.size(), sep.decimal) == 0) {
            point = true;
            canon += '.';
            i += sep.decimal.size();
        } else if ((c == '-' || c == '+') && (i == 0 || canon.back() == 'e')) {
            canon += c;
            ++i;
        } else if ((c == 'e' || c == 'E') && digits && !expo) {
            expo = true;
            canon += 'e';
            ++i;
            if (i >= s.size())
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!digits || canon.back() == 'e' || canon.back() == '-' || canon.back() == '+')
        return std::nullopt;
    if (canon[0] == '+')
        canon.erase(0, 1);
    return readPlain(canon);
}

} // namespace brumelle
