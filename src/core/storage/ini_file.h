#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "presentation/messages.h"
#include "storage/bounded_file.h"

namespace brumelle {

// An ini file in memory: "[Section]" lines open sections, "key=value" lines
// give values. Section and key names match without regard to ASCII case;
// values are trimmed of surrounding blanks. Texts are UTF-8 in memory; the
// file's own encoding, byte order mark and line ends are kept, so writing
// a key leaves every other line of the file exactly as it was.
// Documents and settings files are a few kilobytes; anything far larger is
// not one of them and is not read.
constexpr size_t kMaxIniFileBytes = 1024 * 1024;

class IniFile {
public:
    IniFile() = default;

    // Lines end with LF, CR LF or a lone CR. A file with a UTF-8 byte order
    // mark is UTF-8 (an invalid byte reads as U+FFFD); otherwise each line is
    // UTF-8 when it is valid UTF-8 and Windows-1252 when it is not.
    static IniFile FromBytes(const std::string &bytes);
    // Replaces the content with the file's. False, and an empty file, when
    // it cannot be read: a missing file, anything but a regular file, or a
    // file larger than kMaxIniFileBytes (no document or settings file is).
    bool LoadFromFile(const std::string &path) { return LoadFile(path) == FileReadStatus::Read; }
    // The same, telling why a file was not read.
    FileReadStatus LoadFile(const std::string &path);

    // The value of the first matching key of the first matching section.
    std::string ReadString(const std::string &section, const std::string &key, const std::string &def) const;
    // An integer as ParseIniInteger reads it; non-zero is true. Missing or
    // not an integer: def.
    bool ReadBool(const std::string &section, const std::string &key, bool def = false) const;
    // True when the section holds at least one key.
    bool SectionHasKeys(const std::string &section) const;
    bool ValueExists(const std::string &section, const std::string &key) const;

    // Replaces an existing key's value in place, or adds the key after the
    // last non-blank line of its section, or adds the section at the end.
    void WriteString(const std::string &section, const std::string &key, const std::string &value);
    void WriteBool(const std::string &section, const std::string &key, bool value)
    {
        WriteString(section, key, value ? "1" : "0");
    }

    // The file's bytes, in its own encoding and with its own line ends.
    std::string ToBytes() const;
    // Replaces the file whole, as ReplaceFileWhole does; false, with the old
    // file untouched, when it cannot be written.
    bool SaveToFile(const std::string &path) const;

    // Line end given to new lines: the file's first, or CR LF in a file that has none.
    const std::string &NewLine() const { return newLine_; }

private:
    struct Line {
        std::string text;    // UTF-8, without its line end
        std::string end;     // "\r\n", "\n", "\r", or "" for a last line without one
        std::string raw;     // the line's bytes as read, written back while it is unchanged
        bool changed = true; // written by the program: encoded anew
    };
    // Where the reads look: the first header of each section name and, in
    // that section, the first line of each key (names in lower case). Built
    // once and again only after a line is inserted.
    struct Index {
        std::unordered_map<std::string, int> sections;
        std::unordered_map<std::string, int> keys; // section + '\n' + key
        std::unordered_set<int> sectionsWithKeys;  // header lines
    };
    const Index &index() const;
    // Index of the section's header line, or -1.
    int findSection(const std::string &section) const;
    // Index of the key's line within the section starting at header, or -1.
    int findKey(int header, const std::string &key) const;
    // One past the section's last line (the next header or the end).
    int sectionEnd(int header) const;
    void insertLine(size_t at, const std::string &text);

    std::vector<Line> lines_;
    bool cp1252_ = false;   // a line was not UTF-8: new lines are written in Windows-1252
    bool bom_ = false;      // the file began with a UTF-8 byte order mark
    std::string newLine_ = "\r\n";
    mutable std::shared_ptr<const Index> index_;
};

// Key-by-key update of the file at path: reads it (a missing file is an
// empty one), lets `edit` write its keys, then replaces the file at once.
// A file that is there but cannot be read, or cannot be written, shows
// "Impossible d'écrire dans %s" (its full name) and stays as it was.
bool UpdateIniFile(const std::string &path, const std::function<void(IniFile &)> &edit, Messages &messages);

} // namespace brumelle
