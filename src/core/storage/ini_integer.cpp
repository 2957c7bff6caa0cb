#include "storage/ini_integer.h"

#include <cstdint>

namespace brumelle {

bool ParseIniInteger(const std::string &text, long long &value)
{
    size_t i = 0;
    const bool neg = i < text.size() && text[i] == '-';
    if (neg)
        ++i;
    bool hex = false;
    if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
        hex = true;
        i += 2;
    } else if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    }
    if (i >= text.size())
        return false;
    unsigned long long v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = v * (hex ? 16 : 10) + static_cast<unsigned>(d);
        // A 32-bit integer: hexadecimal takes all 32 bits, decimal its signed range.
        if (v > (hex ? 0xFFFFFFFFull : 2147483648ull))
            return false;
    }
    long long r = hex ? static_cast<int32_t>(static_cast<uint32_t>(v)) : static_cast<long long>(v);
    if (neg)
        r = -r;
    // A 32-bit integer, whichever way it was written ("-$80000000" is not).
    if (r > 2147483647LL || r < -2147483648LL)
        return false;
    value = r;
    return true;
}

} // namespace brumelle
