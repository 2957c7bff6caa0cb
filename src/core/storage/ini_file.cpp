#include "ini_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "storage/file_replace.h"

namespace brumelle {

namespace {

const std::string kBom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trim(const std::string &s)
{
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerName(std::string s)
{
    for (char &c : s)
        c = lower(c);
    return s;
}

// A section header's name, or false when the line is not a header.
bool headerName(const std::string &line, std::string &name)
{
    const std::string t = trim(line);
    if (t.empty() || t[0] != '[')
        return false;
    const size_t close = t.find(']');
    name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// A key line's key and value, or false for any other line.
bool keyValue(const std::string &line, std::string &key, std::string &value)
{
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    key = trim(line.substr(0, eq));
    if (key.empty() || key[0] == '[')
        return false;
    value = trim(line.substr(eq + 1));
    return true;
}

// Length of the valid UTF-8 sequence that starts at s[i]; 0 when none does.
size_t utf8Length(const std::string &s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    int n;
    uint32_t cp;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 2;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 3;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + static_cast<size_t>(n) >= s.size())
        return 0;
    for (int k = 1; k <= n; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode.
    if ((n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return static_cast<size_t>(n) + 1;
}

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned ones map to the C1
// controls of the same number, as Windows does, so they survive a round trip.
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

// Valid sequences as they are, every invalid byte as U+FFFD.
std::string sanitizeUtf8(const std::string &s)
{
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        if (const size_t n = utf8Length(s, i)) {
            out.append(s, i, n);
            i += n;
        } else {
            appendUtf8(out, 0xFFFD);
            ++i;
        }
    }
    return out;
}

std::string cp1252ToUtf8(const std::string &s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        appendUtf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

// The texts held in memory are valid UTF-8 when they come from the file; a
// written value is the caller's and may not be, so stray bytes become "?".
std::string utf8ToCp1252(const std::string &s)
{
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int n = c < 0x80 ? 0 : c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
        if (n < 0 || i + static_cast<size_t>(n) >= s.size()) {
            out += '?';
            ++i;
            continue;
        }
        uint32_t cp = n == 0 ? c : c & (0x3F >> n);
        bool ok = true;
        for (int k = 1; k <= n; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        i += static_cast<size_t>(n) + 1;
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

} // namespace

bool IsValidUtf8(const std::string &s)
{
    for (size_t i = 0, n; i < s.size(); i += n)
        if ((n = utf8Length(s, i)) == 0)
            return false;
    return true;
}

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

IniFile IniFile::FromBytes(const std::string &bytes)
{
    IniFile f;
    size_t start = 0;
    if (bytes.compare(0, kBom.size(), kBom) == 0) {
        f.bom_ = true;
        start = kBom.size();
    }
    bool haveNewLine = false;
    while (start < bytes.size()) {
        size_t stop = bytes.find_first_of("\r\n", start);
        Line line;
        line.changed = false;
        if (stop == std::string::npos) {
            line.raw = bytes.substr(start);
            start = bytes.size();
        } else {
            line.raw = bytes.substr(start, stop - start);
            const bool crlf = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
            line.end = crlf ? "\r\n" : bytes.substr(stop, 1);
            start = stop + line.end.size();
            if (!haveNewLine) {
                f.newLine_ = line.end;
                haveNewLine = true;
            }
        }
        if (f.bom_) {
            line.text = sanitizeUtf8(line.raw);
        } else if (IsValidUtf8(line.raw)) {
            line.text = line.raw;
        } else {
            // One stray byte spoils its own line, not the whole file.
            line.text = cp1252ToUtf8(line.raw);
            f.cp1252_ = true;
        }
        f.lines_.push_back(std::move(line));
    }
    return f;
}

bool IniFile::LoadFromFile(const std::string &path)
{
    *this = IniFile();
    // A pipe would block, a device would never end, a huge file would take
    // the memory: none of them is a document or a settings file.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status) || std::filesystem::file_size(path, ec) > kMaxIniFileBytes ||
        ec)
        return false;
    std::FILE *fp = std::fopen(path.c_str(), "rb");
    if (!fp)
        return false;
    std::string bytes;
    char buf[65536];
    size_t n;
    while (bytes.size() <= kMaxIniFileBytes && (n = std::fread(buf, 1, sizeof buf, fp)) > 0)
        bytes.append(buf, n);
    const bool failed = std::ferror(fp) != 0 || bytes.size() > kMaxIniFileBytes; // it grew while read
    std::fclose(fp);
    if (failed)
        return false;
    *this = FromBytes(bytes);
    return true;
}

const IniFile::Index &IniFile::index() const
{
    if (index_)
        return *index_;
    auto idx = std::make_shared<Index>();
    std::string name, k, v, section;
    int header = -1;
    bool first = false; // the current section is the first of its name
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::string &text = lines_[i].text;
        if (headerName(text, name)) {
            header = static_cast<int>(i);
            section = lowerName(name);
            first = idx->sections.emplace(section, header).second;
        } else if (header >= 0 && first && keyValue(text, k, v)) {
            idx->keys.emplace(section + '\n' + lowerName(k), static_cast<int>(i));
            idx->sectionsWithKeys.insert(header);
        }
    }
    index_ = idx;
    return *index_;
}

int IniFile::findSection(const std::string &section) const
{
    const auto &sections = index().sections;
    const auto it = sections.find(lowerName(section));
    return it == sections.end() ? -1 : it->second;
}

int IniFile::sectionEnd(int header) const
{
    std::string name;
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && !headerName(lines_[i].text, name))
        ++i;
    return static_cast<int>(i);
}

int IniFile::findKey(int header, const std::string &key) const
{
    // Only the first section of a name holds keys that count.
    std::string name;
    headerName(lines_[static_cast<size_t>(header)].text, name);
    const auto &keys = index().keys;
    const auto it = keys.find(lowerName(name) + '\n' + lowerName(key));
    return it == keys.end() ? -1 : it->second;
}

std::string IniFile::ReadString(const std::string &section, const std::string &key, const std::string &def) const
{
    const int header = findSection(section);
    const int line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return def;
    std::string k, v;
    keyValue(lines_[static_cast<size_t>(line)].text, k, v);
    return v;
}

bool IniFile::ReadBool(const std::string &section, const std::string &key, bool def) const
{
    long long v;
    if (!ValueExists(section, key) || !ParseIniInteger(ReadString(section, key, ""), v))
        return def;
    return v != 0;
}

bool IniFile::SectionHasKeys(const std::string &section) const
{
    const int header = findSection(section);
    return header >= 0 && index().sectionsWithKeys.count(header) > 0;
}

bool IniFile::ValueExists(const std::string &section, const std::string &key) const
{
    const int header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

void IniFile::insertLine(size_t at, const std::string &text)
{
    // The line before a new last line needs an end of its own.
    if (at == lines_.size() && !lines_.empty() && lines_.back().end.empty())
        lines_.back().end = newLine_;
    Line line;
    line.text = text;
    line.end = newLine_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    index_.reset(); // every line after it has moved
}

void IniFile::WriteString(const std::string &section, const std::string &key, const std::string &value)
{
    // A line break inside a value would split it into lines of its own.
    std::string v = value;
    for (char &c : v)
        if (c == '\r' || c == '\n')
            c = ' ';

    const int header = findSection(section);
    if (header < 0) {
        insertLine(lines_.size(), "[" + section + "]");
        insertLine(lines_.size(), key + "=" + v);
        return;
    }
    const int line = findKey(header, key);
    if (line >= 0) {
        std::string &text = lines_[static_cast<size_t>(line)].text;
        std::string k, old;
        keyValue(text, k, old);
        // Writing the value it already holds keeps the line byte for byte;
        // another value takes the old one's place, between the same blanks.
        if (old != v) {
            size_t begin = text.find('=') + 1, end = text.size();
            while (begin < end && isBlank(text[begin]))
                ++begin;
            while (end > begin && isBlank(text[end - 1]))
                --end;
            text = text.substr(0, begin) + v + text.substr(end);
            lines_[static_cast<size_t>(line)].changed = true;
        }
        return;
    }
    int at = sectionEnd(header);
    while (at - 1 > header && trim(lines_[static_cast<size_t>(at - 1)].text).empty())
        --at;
    insertLine(static_cast<size_t>(at), key + "=" + v);
}

std::string IniFile::ToBytes() const
{
    std::string out = bom_ ? kBom : std::string();
    // Lines the program did not write keep their bytes; the ones it wrote
    // take the file's encoding.
    for (const Line &l : lines_)
        out += (l.changed ? (cp1252_ ? utf8ToCp1252(l.text) : l.text) : l.raw) + l.end;
    return out;
}

bool IniFile::SaveToFile(const std::string &path) const { return ReplaceFileWhole(path, ToBytes()); }

bool UpdateIniFile(const std::string &path, const std::function<void(IniFile &)> &edit, Messages &messages)
{
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    IniFile file;
    // A file that is there but cannot be read must not be replaced by its edit alone.
    const bool loaded = file.LoadFromFile(path) || (!exists && !ec);
    if (loaded)
        edit(file);
    if (!loaded || !file.SaveToFile(path)) {
        const std::filesystem::path full = std::filesystem::absolute(path, ec);
        messages.error("Impossible d'écrire dans " + (ec ? path : full.string()));
        return false;
    }
    return true;
}

} // namespace brumelle
