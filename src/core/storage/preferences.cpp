#include "storage/preferences.h"

#include <string>

#include "chart/settings_keys.h"
#include "storage/file_messages.h"
#include "storage/ini_integer.h"

namespace brumelle {

void ReadSettings(const IniFile &f, ChartSettings &s)
{
    for (const SettingKey &k : SettingKeys()) {
        long long v = 0;
        const bool read = ParseIniInteger(f.ReadString(k.section, k.key, ""), v);
        SetSetting(s, k, read && v >= k.lo && v <= k.hi ? v : DefaultSetting(k));
    }
    // The chart divides by Maxi − Mini.
    for (const RangePair &p : RangePairs())
        if (GetSetting(s, *p.maxi) <= GetSetting(s, *p.mini)) {
            SetSetting(s, *p.maxi, DefaultSetting(*p.maxi));
            SetSetting(s, *p.mini, DefaultSetting(*p.mini));
        }
}

void WriteSettings(IniFile &f, const ChartSettings &s)
{
    for (const SettingKey &k : SettingKeys())
        f.WriteString(k.section, k.key, std::to_string(GetSetting(s, k)));
}

void WriteColoursAndStyles(IniFile &f, const ChartSettings &s)
{
    for (const SettingKey *k : ColourAndStyleKeys())
        f.WriteString(k->section, k->key, std::to_string(GetSetting(s, *k)));
}

bool OpenPreferences(const std::string &path, ChartSettings &s, Messages &messages)
{
    IniFile f;
    f.LoadFromFile(path);
    if (!IsPreferenceFile(f)) {
        messages.message(kNotADocument);
        return false;
    }
    ReadSettings(f, s);
    return true;
}

bool SavePreferences(const std::string &path, const ChartSettings &s, Messages &messages)
{
    IniFile existing;
    existing.LoadFromFile(path);
    if (IsPreferenceFile(existing) && !messages.confirm(kOverwriteQuestion))
        return false;
    return UpdateIniFile(path, [&](IniFile &f) { WriteSettings(f, s); }, messages);
}

} // namespace brumelle
