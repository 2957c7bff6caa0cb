// The single-point tab's airflow converter: a flow in kg/s, kg/h, m3/s or
// m3/h into another of these units, at the single point's specific volume.
#include <cmath>

#include "calculators/evolutions.h"
#include "presentation/point_rows.h"

namespace brumelle {

namespace {

// Factor from a flow in unit `from` to unit `to` (0 kg/s, 1 kg/h, 2 m3/s,
// 3 m3/h), with v the specific volume in m3/kgas.
long double ConversionFactor(int from, int to, long double v)
{
    const long double table[4][4] = {
        {1.0L, 3600.0L, v, 3600.0L * v},
        {1.0L / 3600.0L, 1.0L, v / 3600.0L, v},
        {1.0L / v, 3600.0L / v, 1.0L, 3600.0L},
        {1.0L / (3600.0L * v), 1.0L / v, 1.0L / 3600.0L, 1.0L},
    };
    return table[from][to];
}

bool IsUnit(int index) { return index >= 0 && index <= 3; }

} // namespace

void Evolutions::ResetAirflowUnits()
{
    d_.C_unite_dep = 0;
    d_.C_unite_arr = 0;
    ConvertAirflow();
}

void Evolutions::ConvertAirflow()
{
    // Step 1: the factor, with the specific volume of the single point as its
    // grid shows it: computed, or typed there by the user, which only the
    // text holds.
    const std::string &vText = d_.grille_un_point.Cell(1, kVRow);
    long double v = vText.empty() ? 1.0L : ParseNumber(vText, messages_);
    if (v == 0.0L)
        v = 1.0L;
    d_.conversionVolume = v;
    if (IsUnit(d_.C_unite_dep) && IsUnit(d_.C_unite_arr))
        d_.conversionFactor = ConversionFactor(d_.C_unite_dep, d_.C_unite_arr, v);

    // Step 2: the value, read strictly with the locale's separator.
    const auto value = ReadFloat(d_.E_valeur_dep, sep_);
    const long double flow = value ? *value * d_.conversionFactor : 0.0L;
    // A flow too large for the arithmetic is refused like an unreadable one
    // rather than shown as an infinite value.
    if (!value || !std::isfinite(flow)) {
        messages_.error("'" + d_.E_valeur_dep + "' n'est pas une valeur à virgule flottante correcte");
        return;
    }
    d_.E_valeur_arr = FormatGeneral(RoundSignificant(flow, 3), sep_);
}

} // namespace brumelle
