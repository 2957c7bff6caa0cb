#include "chart/settings_keys.h"

#include <cctype>

#include "chart/zoom.h"

namespace brumelle {

namespace {

using K = SettingKey::Kind;
using F = FamilySettings;
using S = ChartSettings;

constexpr int64_t kAny = INT32_MIN, kAll = INT32_MAX;
constexpr int64_t kColourMax = 16777215; // 24-bit RGB
// A range reads back as the zoom may have left it; only what no zoom can
// give (and a pair with Maxi not above Mini, see the reader) is refused.
constexpr int64_t kRangeLo = -kZoomBoundLimit, kRangeHi = kZoomBoundLimit;

std::string lower(std::string s)
{
    for (auto &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

const std::vector<SettingKey> &SettingKeys()
{
    static const std::vector<SettingKey> keys = {
        {"Temperature seche", "Maxi", "TS.Maxi", K::Family, &S::TS, &F::Maxi, kRangeLo + 1, kRangeHi},
        {"Temperature seche", "Mini", "TS.Mini", K::Family, &S::TS, &F::Mini, kRangeLo, kRangeHi - 1},
        {"Temperature seche", "Montrer", "TS.Montrer", K::Family, &S::TS, &F::Montrer, kAny, kAll},
        {"Temperature seche", "Montrer_texte", "TS.Montrer_texte", K::Family, &S::TS, &F::Montrer_texte, kAny, kAll},
        {"Temperature seche", "Couleur", "TS.Couleur", K::Family, &S::TS, &F::Couleur, 0, kColourMax},
        {"Temperature seche", "Lignes", "TS.Lignes", K::Family, &S::TS, &F::Lignes, kAny, kAll},
        {"Temperature seche", "Maxi_zoom", "TS.Maxi_zoom", K::Family, &S::TS, &F::Maxi_zoom, kRangeLo + 1, kRangeHi},
        {"Temperature seche", "Mini_zoom", "TS.Mini_zoom", K::Family, &S::TS, &F::Mini_zoom, kRangeLo, kRangeHi - 1},
        {"Humidite specifique", "Maxi", "R.Maxi", K::Family, &S::R, &F::Maxi, kRangeLo + 1, kRangeHi},
        {"Humidite specifique", "Mini", "R.Mini", K::Family, &S::R, &F::Mini, kRangeLo, kRangeHi - 1},
        {"Humidite specifique", "Montrer", "R.Montrer", K::Family, &S::R, &F::Montrer, kAny, kAll},
        {"Humidite specifique", "Montrer_texte", "R.Montrer_texte", K::Family, &S::R, &F::Montrer_texte, kAny, kAll},
        {"Humidite specifique", "Couleur", "R.Couleur", K::Family, &S::R, &F::Couleur, 0, kColourMax},
        {"Humidite specifique", "Lignes", "R.Lignes", K::Family, &S::R, &F::Lignes, kAny, kAll},
        {"Humidite specifique", "Maxi_zoom", "R.Maxi_zoom", K::Family, &S::R, &F::Maxi_zoom, kRangeLo + 1, kRangeHi},
        {"Humidite specifique", "Mini_zoom", "R.Mini_zoom", K::Family, &S::R, &F::Mini_zoom, kRangeLo, kRangeHi - 1},
        {"Hygrometrie", "Montrer", "HR.Montrer", K::Family, &S::HR, &F::Montrer, kAny, kAll},
        {"Hygrometrie", "Montrer_texte", "HR.Montrer_texte", K::Family, &S::HR, &F::Montrer_texte, kAny, kAll},
        {"Hygrometrie", "Couleur", "HR.Couleur", K::Family, &S::HR, &F::Couleur, 0, kColourMax},
        {"Temperature humide", "Montrer", "TH.Montrer", K::Family, &S::TH, &F::Montrer, kAny, kAll},
        {"Temperature humide", "Montrer_texte", "TH.Montrer_texte", K::Family, &S::TH, &F::Montrer_texte, kAny, kAll},
        {"Temperature humide", "Couleur", "TH.Couleur", K::Family, &S::TH, &F::Couleur, 0, kColourMax},
        {"Temperature humide", "Lignes", "TH.Lignes", K::Family, &S::TH, &F::Lignes, kAny, kAll},
        {"Temperature rosee", "Montrer", "TR.Montrer", K::Family, &S::TR, &F::Montrer, kAny, kAll},
        {"Temperature rosee", "Montrer_texte", "TR.Montrer_texte", K::Family, &S::TR, &F::Montrer_texte, kAny, kAll},
        {"Temperature rosee", "Couleur", "TR.Couleur", K::Family, &S::TR, &F::Couleur, 0, kColourMax},
        {"Temperature rosee", "Lignes", "TR.Lignes", K::Family, &S::TR, &F::Lignes, kAny, kAll},
        {"Enthalpie", "Montrer", "H.Montrer", K::Family, &S::H, &F::Montrer, kAny, kAll},
        {"Enthalpie", "Montrer_texte", "H.Montrer_texte", K::Family, &S::H, &F::Montrer_texte, kAny, kAll},
        {"Enthalpie", "Couleur", "H.Couleur", K::Family, &S::H, &F::Couleur, 0, kColourMax},
        {"Enthalpie", "Lignes", "H.Lignes", K::Family, &S::H, &F::Lignes, kAny, kAll},
        {"Volume massique", "Montrer", "V.Montrer", K::Family, &S::V, &F::Montrer, kAny, kAll},
        {"Volume massique", "Montrer_texte", "V.Montrer_texte", K::Family, &S::V, &F::Montrer_texte, kAny, kAll},
        {"Volume massique", "Couleur", "V.Couleur", K::Family, &S::V, &F::Couleur, 0, kColourMax},
        {"Volume massique", "Lignes", "V.Lignes", K::Family, &S::V, &F::Lignes, kAny, kAll},
        {"Fenetre", "Couleur", "Fenetre.Couleur", K::Window, nullptr, nullptr, 0, kColourMax},
        {"Pression atmospherique", "P", "Patm", K::Pressure, nullptr, nullptr, 1, kAll},
    };
    return keys;
}

const std::vector<const SettingKey *> &ColourAndStyleKeys()
{
    static const std::vector<const SettingKey *> keys = [] {
        std::vector<const SettingKey *> r;
        for (const SettingKey &k : SettingKeys())
            if (std::string(k.key) == "Couleur" || std::string(k.key) == "Lignes")
                r.push_back(&k);
        return r;
    }();
    return keys;
}

int64_t GetSetting(const ChartSettings &s, const SettingKey &k)
{
    switch (k.kind) {
    case K::Family: return (s.*k.family).*k.field;
    case K::Window: return s.Fenetre.Couleur;
    default: return s.Patm;
    }
}

void SetSetting(ChartSettings &s, const SettingKey &k, int64_t value)
{
    switch (k.kind) {
    case K::Family: (s.*k.family).*k.field = static_cast<int32_t>(value); break;
    case K::Window: s.Fenetre.Couleur = static_cast<int32_t>(value); break;
    default: s.Patm = static_cast<uint32_t>(value); break;
    }
}

const SettingKey *FindSetting(const std::string &name)
{
    const std::string n = lower(name);
    for (const SettingKey &k : SettingKeys())
        if (lower(k.name) == n)
            return &k;
    return nullptr;
}

std::vector<RangePair> RangePairs()
{
    const auto &k = SettingKeys();
    // TS Maxi/Mini, TS zoom, R Maxi/Mini, R zoom, by their places in the table.
    return {{&k[0], &k[1]}, {&k[6], &k[7]}, {&k[8], &k[9]}, {&k[14], &k[15]}};
}

} // namespace brumelle
