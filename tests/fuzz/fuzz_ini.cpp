// The ini layer on any bytes: every read agrees with the others, every value
// is a trimmed line of UTF-8 text, and after writing some keys the file's
// bytes read back to the values written and to every other value as before.
//
// Input: the file's bytes, then, taken from the end, the writes to make
// (how many, which names, which values).
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_support.h"
#include "storage/ini_file.h"
#include "storage/ini_integer.h"
#include "storage/text_codecs.h"

using namespace brumelle;
using namespace brumelle::fuzz;

namespace {

using Name = std::pair<std::string, std::string>; // section, key

// Sections and keys of the program's documents (the preference files' are
// fuzz_preferences' business).
const char *const kDocumentNames[][2] = {
    {"General", "bon_fichier"},   {"General", "P"},         {"Un point", "TS"},          {"Un point", "HR"},
    {"Un point", "dessin"},       {"Batterie chaude", "TS"}, {"Batterie chaude", "Delta_T"}, {"Melange", "TS1"},
    {"Melange", "qm2"},           {"Batterie froide", "TS_batterie"}, {"Laveur", "R_sortie"}, {"Vapeur", "dessin"},
    {"CTA", "Q_sensible"},        {"CTA", "Efficacite_echangeur"},    {"CTA", "TAN"},        {"CTA", "Melange"},
};

// Missing-key defaults no file value can be: a value never holds a line end.
const std::string kAbsentA = "\n(a)", kAbsentB = "\n(b)";

std::string Lower(std::string s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Upper(std::string s)
{
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string Trim(const std::string &s)
{
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}

// A name the file can hold and give back unchanged: letters, digits, "_",
// ".", "-" and inner blanks.
bool SafeName(const std::string &s)
{
    if (s.empty() || s.front() == ' ' || s.back() == ' ')
        return false;
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
              c == '-' || c == ' '))
            return false;
    return true;
}

// Section headers and keys as they appear in the raw bytes, in order.
std::vector<Name> NamesInBytes(const std::string &bytes)
{
    std::vector<Name> names;
    std::string section;
    size_t start = 0;
    while (start < bytes.size() && names.size() < 48) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = Trim(bytes.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line[0] == '[') {
            const size_t close = line.find(']');
            section = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            names.push_back({section, ""});
        } else if (const size_t eq = line.find('='); eq != std::string::npos && eq > 0) {
            names.push_back({section, Trim(line.substr(0, eq))});
        }
    }
    return names;
}

struct Reading {
    bool exists = false;
    std::string value;
};

// Every read of one key, checked against the others.
Reading ReadKey(const IniFile &f, const Name &n, const std::string &where)
{
    const auto &[section, key] = n;
    const std::string a = f.ReadString(section, key, kAbsentA);
    const std::string b = f.ReadString(section, key, kAbsentB);
    const bool exists = f.ValueExists(section, key);
    const std::string what = where + ": [" + Quoted(section) + "] " + Quoted(key);
    FUZZ_CHECK(exists ? a == b : a == kAbsentA && b == kAbsentB, what + ": ReadString and ValueExists disagree");
    const bool falseDefault = f.ReadBool(section, key, false);
    const bool trueDefault = f.ReadBool(section, key, true);
    if (!exists) {
        FUZZ_CHECK(!falseDefault && trueDefault, what + ": ReadBool of a missing key is not its default");
        return {};
    }
    FUZZ_CHECK(f.SectionHasKeys(section), what + ": a key in a section without keys");
    FUZZ_CHECK(a.find_first_of("\r\n") == std::string::npos, what + ": a line end inside the value " + Quoted(a));
    FUZZ_CHECK(IsValidUtf8(a), what + ": value not UTF-8: " + Quoted(a));
    FUZZ_CHECK(Trim(a) == a, what + ": value not trimmed: " + Quoted(a));
    // Names match without regard to ASCII case.
    FUZZ_CHECK(f.ReadString(Upper(section), Lower(key), kAbsentA) == a, what + ": reading depends on the case");
    long long v = 0;
    if (ParseIniInteger(a, v)) {
        FUZZ_CHECK(v >= INT32_MIN && v <= INT32_MAX, what + ": integer " + std::to_string(v) + " beyond 32 bits");
        FUZZ_CHECK(falseDefault == (v != 0) && trueDefault == (v != 0), what + ": ReadBool differs from the integer");
    } else {
        FUZZ_CHECK(!falseDefault && trueDefault, what + ": ReadBool of a non-integer is not its default");
    }
    return {true, a};
}

// A value the file can hold and give back: printable ASCII with inner
// blanks, and a few accented characters, each followed by ASCII so that no
// run of them is read as another encoding's bytes.
std::string MakeValue(FuzzedDataProvider &in)
{
    static const char *const kAccented[] = {"é", "°", "€", "è", "µ"};
    std::string v;
    const int length = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < length; ++i) {
        const auto c = in.ConsumeIntegral<uint8_t>();
        if (c >= 0xF0)
            v += std::string(kAccented[c % 5]) + "x";
        else
            v += static_cast<char>(0x20 + c % 0x5F);
    }
    return Trim(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    // Writes come from the end of the input, the file from what is left.
    struct Write {
        uint8_t name, synth;
        std::string value;
    };
    std::vector<Write> writes(in.ConsumeIntegralInRange(0, 6));
    for (Write &w : writes) {
        w.name = in.ConsumeIntegral<uint8_t>();
        w.synth = in.ConsumeIntegral<uint8_t>();
        w.value = MakeValue(in);
    }
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const IniFile f = IniFile::FromBytes(bytes);

    // Names the program reads, then those of the file itself.
    std::vector<Name> probes;
    for (const auto &n : kDocumentNames)
        probes.push_back({n[0], n[1]});
    const std::vector<Name> seen = NamesInBytes(bytes);
    probes.insert(probes.end(), seen.begin(), seen.end());

    std::map<Name, Reading> before;
    for (const Name &n : probes)
        before[n] = ReadKey(f, n, "read");

    // Serialised as it is and read again, the file reads the same.
    const std::string same = f.ToBytes();
    const IniFile reread = IniFile::FromBytes(same);
    for (const Name &n : probes) {
        const Reading r = ReadKey(reread, n, "re-read");
        FUZZ_CHECK(r.exists == before[n].exists && r.value == before[n].value,
                   "re-read: [" + Quoted(n.first) + "] " + Quoted(n.second) + " changed to " + Quoted(r.value));
        FUZZ_CHECK(reread.SectionHasKeys(n.first) == f.SectionHasKeys(n.first),
                   "re-read: section " + Quoted(n.first) + " changed");
    }
    FUZZ_CHECK(reread.ToBytes() == same, "serialising twice gives other bytes");

    // Writing a key the value it holds leaves the bytes as they were.
    IniFile unchanged = f;
    for (const Name &n : probes)
        if (before[n].exists && SafeName(n.first) && SafeName(n.second))
            unchanged.WriteString(n.first, n.second, before[n].value);
    FUZZ_CHECK(unchanged.ToBytes() == same, "writing the values a file holds changed its bytes");

    // The writes: names of the program or of the file, or new ones.
    std::vector<Name> writable;
    for (const Name &n : probes)
        if (SafeName(n.first) && SafeName(n.second))
            writable.push_back(n);
    IniFile edited = f;
    std::map<Name, std::string> written; // by lower-case names
    std::set<std::string> writtenSections;
    for (const Write &w : writes) {
        Name n = writable[w.name % writable.size()];
        if (w.synth & 1)
            n.first = (w.synth & 2) ? Upper(n.first) : "Section " + std::to_string(w.synth >> 2);
        if (w.synth & 4)
            n.second = (w.synth & 8) ? Lower(n.second) : "Cle_" + std::to_string(w.synth >> 4);
        edited.WriteString(n.first, n.second, w.value);
        written[{Lower(n.first), Lower(n.second)}] = w.value;
        writtenSections.insert(Lower(n.first));
        probes.push_back(n);
    }

    const std::string editedBytes = edited.ToBytes();
    const IniFile back = IniFile::FromBytes(editedBytes);
    for (const Name &n : probes) {
        const std::string where = "after the writes: [" + Quoted(n.first) + "] " + Quoted(n.second);
        const Reading inMemory = ReadKey(edited, n, "written");
        const Reading r = ReadKey(back, n, "written and re-read");
        FUZZ_CHECK(r.exists == inMemory.exists && r.value == inMemory.value,
                   where + ": the bytes read " + Quoted(r.value) + ", the file in memory " + Quoted(inMemory.value));
        const auto w = written.find({Lower(n.first), Lower(n.second)});
        if (w != written.end()) {
            FUZZ_CHECK(r.exists && r.value == w->second, where + ": wrote " + Quoted(w->second) + ", read " +
                                                             Quoted(r.value));
        } else if (before.count(n)) {
            FUZZ_CHECK(r.exists == before[n].exists && r.value == before[n].value,
                       where + ": was " + Quoted(before[n].value) + ", now " + Quoted(r.value));
        }
        if (writtenSections.count(Lower(n.first)))
            FUZZ_CHECK(back.SectionHasKeys(n.first), where + ": written section without keys");
        else
            FUZZ_CHECK(back.SectionHasKeys(n.first) == f.SectionHasKeys(n.first), where + ": section changed");
    }
    return 0;
}
