// The number reader and formats on any text and any long double: nothing
// printed is NaN or infinite, every text has the shape of its format, and
// what the program shows reads back to the same text.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"
#include "presentation/number_format.h"
#include "support/recording_messages.h"

using namespace brumelle;
using namespace brumelle::fuzz;

namespace {

// Beyond this, the 18 significant digits a value is shown with can round
// above the largest long double, and the text cannot be read back.
constexpr long double kLargestReadBack = 1e4900L;
// Below this, the shown text can stand for a subnormal, which the reader
// takes as 0.
constexpr long double kSmallestReadBack = 1e-4900L;

std::string Describe(long double v)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.21Lg", v);
    return buf;
}

// FormatGeneral's shape: [-]digits[<decimal>digits][E[-]digits], no group separator.
bool GeneralShape(const std::string &t, const NumberSeparators &sep)
{
    size_t i = t.size() && t[0] == '-' ? 1 : 0;
    auto digits = [&] {
        const size_t from = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (t.compare(i, sep.decimal.size(), sep.decimal) == 0) {
        i += sep.decimal.size();
        if (!digits())
            return false;
    }
    if (i < t.size() && t[i] == 'E') {
        ++i;
        if (i < t.size() && t[i] == '-')
            ++i;
        if (!digits())
            return false;
    }
    return i == t.size();
}

// ReadUserNumber drops every character but digits, "." and ",": it reads a
// grouped text back only when its group separator is none of those.
bool UserReadable(const NumberSeparators &sep)
{
    return sep.group.find_first_of(".,-0123456789") == std::string::npos;
}

void CheckValue(long double v, int decimals, int significant, const NumberSeparators &sep)
{
    if (!std::isfinite(v))
        return;
    const std::string what = "value " + Describe(v);

    // Fixed: right shape, and re-read and re-formatted it is the same text.
    const std::string fixed = FormatFixed(v, decimals, sep);
    CheckFinite(fixed, "FormatFixed of " + what);
    FUZZ_CHECK(ShownNumber(fixed, decimals, sep).has_value(),
               "FormatFixed(" + Describe(v) + ", " + std::to_string(decimals) + ") not in its shape: " + Quoted(fixed));
    if (std::fabs(v) <= kLargestReadBack && UserReadable(sep)) {
        const auto back = ReadUserNumber(fixed);
        FUZZ_CHECK(back.has_value(), "ReadUserNumber cannot read FormatFixed's " + Quoted(fixed));
        const std::string again = FormatFixed(*back, decimals, sep);
        FUZZ_CHECK(again == fixed, "FormatFixed of ReadUserNumber(" + Quoted(fixed) + ") gives " + Quoted(again));
    }

    // General: right shape, and ReadFloat with the same separators reads it back.
    const std::string general = FormatGeneral(v, sep);
    CheckFinite(general, "FormatGeneral of " + what);
    FUZZ_CHECK(GeneralShape(general, sep), "FormatGeneral(" + Describe(v) + ") not in its shape: " + Quoted(general));
    if (std::fabs(v) <= kLargestReadBack && (v == 0.0L || std::fabs(v) >= kSmallestReadBack)) {
        const auto back = ReadFloat(general, sep);
        FUZZ_CHECK(back.has_value(), "ReadFloat cannot read FormatGeneral's " + Quoted(general));
        const std::string again = FormatGeneral(*back, sep);
        FUZZ_CHECK(again == general, "FormatGeneral of ReadFloat(" + Quoted(general) + ") gives " + Quoted(again));
    }

    // Rounding the fraction never moves the value by more than half a unit
    // of the last kept place (the fraction's leading zeros are not counted).
    const long double rounded = RoundSignificant(v, significant);
    FUZZ_CHECK(std::isfinite(rounded), "RoundSignificant(" + Describe(v) + ") not finite");
    const long double tolerance = HalfUnit(significant) * (1.0L + 1e-12L) + 1e-17L * (std::fabs(v) + 1.0L);
    FUZZ_CHECK(std::fabs(rounded - v) <= tolerance, "RoundSignificant(" + Describe(v) + ", " +
                                                        std::to_string(significant) + ") = " + Describe(rounded));
}

void CheckText(const std::string &text, const NumberSeparators &sep, int decimals, int significant)
{
    // The user's reader: a finite number or nothing, and ParseNumber agrees
    // with it, showing its message exactly when it reads nothing.
    const auto user = ReadUserNumber(text);
    FUZZ_CHECK(!user || std::isfinite(*user), "ReadUserNumber(" + Quoted(text) + ") not finite");
    test::RecordingMessages messages;
    const long double parsed = ParseNumber(text, messages);
    if (user) {
        FUZZ_CHECK(messages.entries.empty() && (parsed == *user || (std::isnan(parsed) && std::isnan(*user))),
                   "ParseNumber and ReadUserNumber differ on " + Quoted(text));
        CheckValue(*user, decimals, significant, sep);
    } else {
        FUZZ_CHECK(parsed == 0.0L && messages.texts() == std::vector<std::string>{kUnreadableNumber},
                   "ParseNumber on the unreadable " + Quoted(text));
    }

    // The strict integer reader: 32 bits, and its own value's text reads back.
    if (const auto integer = ReadInteger(text)) {
        FUZZ_CHECK(*integer >= INT32_MIN && *integer <= INT32_MAX,
                   "ReadInteger(" + Quoted(text) + ") = " + std::to_string(*integer) + " beyond 32 bits");
        FUZZ_CHECK(ReadInteger(std::to_string(*integer)) == integer,
                   "ReadInteger does not read back " + std::to_string(*integer));
    }

    // The strict real reader.
    if (const auto real = ReadFloat(text, sep)) {
        FUZZ_CHECK(std::isfinite(*real), "ReadFloat(" + Quoted(text) + ") not finite");
        CheckValue(*real, decimals, significant, sep);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const NumberSeparators sep = SeparatorsNumbered(in.ConsumeIntegral<uint8_t>());
    const int decimals = in.ConsumeIntegralInRange(0, 20);
    const int significant = in.ConsumeIntegralInRange(0, 18);

    // Any long double, NaN, infinities and subnormals included.
    long double raw = 0;
    const std::vector<uint8_t> bits = in.ConsumeBytes<uint8_t>(10);
    if (!bits.empty())
        std::memcpy(&raw, bits.data(), std::min<size_t>(bits.size(), 10));
    // Through the arithmetic once, as every computed value is: encodings no
    // operation produces (unnormals, pseudo-denormals) become NaN or normal.
    volatile long double one = 1.0L;
    raw *= one;
    CheckValue(raw, decimals, significant, sep);

    // Any 64-bit integer: its text is a 32-bit integer exactly when it is in range.
    const auto wide = in.ConsumeIntegral<int64_t>();
    const bool in32 = wide >= INT32_MIN && wide <= INT32_MAX;
    const auto read = ReadInteger(std::to_string(wide));
    FUZZ_CHECK(in32 ? read == wide : !read, "ReadInteger(\"" + std::to_string(wide) + "\")");

    // The rest is what the user typed.
    CheckText(in.ConsumeRemainingBytesAsString(), sep, decimals, significant);
    return 0;
}
