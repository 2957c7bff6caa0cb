#include "storage/ini_file.h"

#include <cstddef>

#include "storage/file_replace.h"
#include "storage/ini_integer.h"
#include "storage/text_codecs.h"

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

} // namespace

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
            line.text = SanitizeUtf8(line.raw);
        } else if (IsValidUtf8(line.raw)) {
            line.text = line.raw;
        } else {
            // One stray byte spoils its own line, not the whole file.
            line.text = Cp1252ToUtf8(line.raw);
            f.cp1252_ = true;
        }
        f.lines_.push_back(std::move(line));
    }
    return f;
}

FileReadStatus IniFile::LoadFile(const std::string &path)
{
    // A pipe would block, a device would never end, a huge file would take
    // the memory: none of them is a document or a settings file.
    const BoundedFile file = ReadBoundedFile(path, kMaxIniFileBytes);
    *this = file.status == FileReadStatus::Read ? FromBytes(file.bytes) : IniFile();
    return file.status;
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
        out += (l.changed ? (cp1252_ ? Utf8ToCp1252(l.text) : l.text) : l.raw) + l.end;
    return out;
}

bool IniFile::SaveToFile(const std::string &path) const { return ReplaceFileWhole(path, ToBytes()); }

bool UpdateIniFile(const std::string &path, const std::function<void(IniFile &)> &edit, Messages &messages)
{
    IniFile file;
    // A file that is there but cannot be read must not be replaced by its edit alone.
    const FileReadStatus read = file.LoadFile(path);
    const bool loaded = read == FileReadStatus::Read || read == FileReadStatus::Missing;
    if (loaded)
        edit(file);
    if (!loaded || !file.SaveToFile(path)) {
        messages.error(CannotWriteMessage(path));
        return false;
    }
    return true;
}

} // namespace brumelle
