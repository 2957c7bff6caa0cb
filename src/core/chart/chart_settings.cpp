#include "chart/chart_settings.h"

#include <cstdint>

#include "chart/settings_keys.h"
#include "presentation/number_format.h"

namespace brumelle {

bool SetChartSetting(ChartSettings &s, const std::string &name, const std::string &value)
{
    const SettingKey *k = FindSetting(name);
    const auto v = ReadInteger(value);
    // The pressure divides every equation: it must be positive.
    if (!k || !v || (k->kind == SettingKey::Kind::Pressure ? *v <= 0 || *v > UINT32_MAX : *v < INT32_MIN || *v > INT32_MAX))
        return false;
    SetSetting(s, *k, *v);
    return true;
}

} // namespace brumelle
