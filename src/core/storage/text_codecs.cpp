#include "storage/text_codecs.h"

#include <cstddef>
#include <cstdint>

namespace brumelle {

namespace {

// A UTF-8 sequence: a lead byte and the continuation bytes it announces.
// `length` is 0 when none starts where it was read (a continuation or
// impossible byte, the text ending early, a continuation byte missing). A
// complete sequence may still be ill-formed: an overlong form, a surrogate
// or a code point beyond Unicode.
struct Utf8Sequence {
    size_t length = 0;
    uint32_t codePoint = 0;
    bool wellFormed = false;
};

// The sequence at s[i], whose first byte is not ASCII.
Utf8Sequence readMultiByte(const std::string &s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    size_t n; // continuation bytes
    if (c >= 0xC0 && c <= 0xDF)
        n = 1;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 2;
    else if (c >= 0xF0 && c <= 0xF7)
        n = 3;
    else
        return {};
    if (i + n >= s.size())
        return {};
    uint32_t cp = c & (0x3Fu >> n);
    for (size_t k = 1; k <= n; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80)
            return {};
        cp = (cp << 6) | (cc & 0x3Fu);
    }
    const uint32_t shortest = n == 1 ? 0x80 : n == 2 ? 0x800 : 0x10000;
    const bool wellFormed = cp >= shortest && !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
    return {n + 1, cp, wellFormed};
}

// The sequence at s[i]; ASCII, nearly all of every file, without a call.
Utf8Sequence readSequence(const std::string &s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    return c < 0x80 ? Utf8Sequence{1, c, true} : readMultiByte(s, i);
}

// Length of the well-formed sequence that starts at s[i]; 0 when none does.
size_t wellFormedLength(const std::string &s, size_t i)
{
    const Utf8Sequence seq = readSequence(s, i);
    return seq.wellFormed ? seq.length : 0;
}

// Windows-1252 bytes 0x80 to 0x9F.
const uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool IsValidUtf8(const std::string &s)
{
    for (size_t i = 0, n; i < s.size(); i += n)
        if ((n = wellFormedLength(s, i)) == 0)
            return false;
    return true;
}

std::string SanitizeUtf8(const std::string &s)
{
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        if (const size_t n = wellFormedLength(s, i)) {
            out.append(s, i, n);
            i += n;
        } else {
            appendUtf8(out, 0xFFFD);
            ++i;
        }
    }
    return out;
}

std::string Cp1252ToUtf8(const std::string &s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        appendUtf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

std::string Utf8ToCp1252(const std::string &s)
{
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const Utf8Sequence seq = readSequence(s, i);
        // An overlong form of a line end or of NUL must not become one.
        if (!seq.wellFormed) {
            out += '?';
            ++i;
            continue;
        }
        i += seq.length;
        const uint32_t cp = seq.codePoint;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kCp1252High[k] == cp)
                mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

} // namespace brumelle
