#pragma once
// The documents last opened or saved, listed in the "&Fichier" menu.
#include <cstddef>
#include <string>
#include <vector>

#include "storage/ini_file.h"

namespace brumelle {

constexpr const char *kRecentSection = "Documents recents";

// The four documents last opened or saved, the latest first, each a path in
// the system's bytes. Brumelle.ini keeps them in a section of their own,
// "Fichier1" to "Fichier4", each path percent-encoded so that every byte
// (blanks at either end, a line end, a name that is not UTF-8) comes back
// as it was.
class RecentDocuments {
public:
    static constexpr size_t kMax = 4;

    const std::vector<std::string> &Paths() const { return paths_; }
    // To the front of the list, once only (another path to the same document
    // leaves the list); the oldest beyond four goes.
    void Add(const std::string &path);
    void Remove(const std::string &path);

    // Replaces the list with the file's; empty entries, and entries naming a
    // document listed above them, are skipped.
    void Read(const IniFile &f);
    // Writes the list; a key the list no longer fills is emptied where the
    // file has it, and not added where it has not.
    void Write(IniFile &f) const;

private:
    std::vector<std::string> paths_;
};

// Every byte but letters, digits, "-", ".", "_", "~" and "/" as "%XX".
std::string PercentEncode(const std::string &bytes);
// The reverse; a "%" not followed by two hexadecimal digits stays as it is.
std::string PercentDecode(const std::string &text);

// The plain message for a listed document that is no longer there, named in full.
std::string RecentDocumentMissing(const std::string &shownPath);

} // namespace brumelle
