#include "storage/recent_documents.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace brumelle {

namespace {

std::string Key(size_t index) { return "Fichier" + std::to_string(index + 1); }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Two paths to one document: the same file where both exist (a link, a
// second hard link, "a/../b"), else the same path once made absolute and normal.
bool SameDocument(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec)
        return true;
    const fs::path na = fs::absolute(a, ec).lexically_normal();
    if (ec)
        return false;
    const fs::path nb = fs::absolute(b, ec).lexically_normal();
    return !ec && na == nb;
}

} // namespace

void RecentDocuments::Add(const std::string &path)
{
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMax)
        paths_.resize(kMax);
}

void RecentDocuments::Remove(const std::string &path)
{
    paths_.erase(std::remove_if(paths_.begin(), paths_.end(),
                                [&](const std::string &p) { return SameDocument(p, path); }),
                 paths_.end());
}

void RecentDocuments::Read(const IniFile &f)
{
    paths_.clear();
    for (size_t i = 0; i < kMax; ++i) {
        const std::string path = PercentDecode(f.ReadString(kRecentSection, Key(i), ""));
        if (!path.empty() && std::none_of(paths_.begin(), paths_.end(),
                                          [&](const std::string &p) { return SameDocument(p, path); }))
            paths_.push_back(path);
    }
}

void RecentDocuments::Write(IniFile &f) const
{
    for (size_t i = 0; i < kMax; ++i) {
        if (i < paths_.size())
            f.WriteString(kRecentSection, Key(i), PercentEncode(paths_[i]));
        else if (f.ValueExists(kRecentSection, Key(i)))
            f.WriteString(kRecentSection, Key(i), "");
    }
}

std::string PercentEncode(const std::string &bytes)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
            b == '_' || b == '~' || b == '/') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

std::string PercentDecode(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const int hi = text[i] == '%' && i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int lo = hi >= 0 ? HexDigit(text[i + 2]) : -1;
        if (lo >= 0) {
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string RecentDocumentMissing(const std::string &shownPath)
{
    return "Le fichier " + shownPath + " est introuvable, il est retiré de la liste des derniers documents";
}

} // namespace brumelle
