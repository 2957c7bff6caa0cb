#include "chart_settings.h"

#include "model/number_format.h"

#include <cctype>

namespace brumelle {

namespace {

std::string lower(std::string s)
{
    for (auto &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

FamilySettings *family(ChartSettings &s, const std::string &name)
{
    const std::string n = lower(name);
    if (n == "ts") return &s.TS;
    if (n == "r") return &s.R;
    if (n == "hr") return &s.HR;
    if (n == "th") return &s.TH;
    if (n == "tr") return &s.TR;
    if (n == "h") return &s.H;
    if (n == "v") return &s.V;
    return nullptr;
}

int32_t *field(FamilySettings &f, const std::string &key)
{
    const std::string k = lower(key);
    if (k == "maxi") return &f.Maxi;
    if (k == "mini") return &f.Mini;
    if (k == "maxi_zoom") return &f.Maxi_zoom;
    if (k == "mini_zoom") return &f.Mini_zoom;
    if (k == "montrer") return &f.Montrer;
    if (k == "montrer_texte") return &f.Montrer_texte;
    if (k == "couleur") return &f.Couleur;
    if (k == "lignes") return &f.Lignes;
    return nullptr;
}

} // namespace

bool SetChartSetting(ChartSettings &s, const std::string &name, const std::string &value)
{
    const auto v = ReadInteger(value);
    if (!v)
        return false;
    if (lower(name) == "patm") {
        if (*v <= 0)
            return false;
        s.Patm = static_cast<uint32_t>(*v);
        return true;
    }
    const auto dot = name.find('.');
    if (dot == std::string::npos)
        return false;
    const std::string fam = name.substr(0, dot), key = name.substr(dot + 1);
    if (lower(fam) == "fenetre") {
        if (lower(key) != "couleur")
            return false;
        s.Fenetre.Couleur = static_cast<int32_t>(*v);
        return true;
    }
    FamilySettings *f = family(s, fam);
    if (!f)
        return false;
    int32_t *p = field(*f, key);
    if (!p)
        return false;
    *p = static_cast<int32_t>(*v);
    return true;
}

} // namespace brumelle
