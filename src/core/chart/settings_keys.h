#pragma once
// The chart settings as the preference files, Brumelle.ini, brumelle-cli's
// --set and the options dialog name them: one table, in file order, whose
// defaults are those of ChartSettings itself.
#include <cstdint>
#include <string>
#include <vector>

#include "chart/chart_settings.h"

namespace brumelle {

struct SettingKey {
    enum class Kind { Family, Window, Pressure };
    const char *section; // "Temperature seche"
    const char *key;     // "Maxi"
    const char *name;    // "TS.Maxi", "Fenetre.Couleur", "Patm"
    Kind kind;
    FamilySettings ChartSettings::*family; // Kind::Family only
    int32_t FamilySettings::*field;        // Kind::Family only
    // Values a file may give; anything else takes the default on reading.
    int64_t lo, hi;
};

// The 37 keys, in the order the settings reader and writer handle them.
const std::vector<SettingKey> &SettingKeys();
// The 14 colour and line-style keys, in the same order.
const std::vector<const SettingKey *> &ColourAndStyleKeys();

int64_t GetSetting(const ChartSettings &s, const SettingKey &k);
void SetSetting(ChartSettings &s, const SettingKey &k, int64_t value);
inline int64_t DefaultSetting(const SettingKey &k) { return GetSetting(ChartSettings{}, k); }

// The key named "TS.Maxi", "fenetre.couleur", "Patm", ... (any case); null when unknown.
const SettingKey *FindSetting(const std::string &name);

// The ranges the chart divides by, as (Maxi, Mini) pairs.
struct RangePair {
    const SettingKey *maxi, *mini;
};
std::vector<RangePair> RangePairs();

} // namespace brumelle
