// The evolutions window's own handlers: headings on activation, "Nouveau"
// of the single-point tab and the airflow unit converter.
#include "evolutions.h"

#include "model/pressure.h"
#include "program_state.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace brumelle {

namespace {

const std::array<const char *, 9> kRowHeadings = {
    "Points",          "T° Seche °C",    "Hygrometrie en %", "Humidite g/kgas", "Enthalpie kJ/kgas",
    "Volume m3/kgas",  "T° Humide °C",   "T° de rosée °C",   "Pression Atm Pa",
};

// Row 0 headings from column 1 on, and row 8 takes the pressure text.
void WriteHeadings(ResultGrid &grid, std::initializer_list<const char *> columns, const std::string &pressure)
{
    for (int row = 0; row < grid.RowCount() && row < static_cast<int>(kRowHeadings.size()); ++row)
        grid.SetCell(0, row, kRowHeadings[static_cast<size_t>(row)]);
    int col = 1;
    for (const char *heading : columns) {
        if (col >= grid.ColCount())
            break;
        grid.SetCell(col++, 0, heading);
    }
    for (int c = 1; c < grid.ColCount(); ++c)
        grid.SetCell(c, 8, pressure);
}

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

void Evolutions::FormActivate()
{
    const std::string p = PressureRowText(state_.pressureText);
    WriteHeadings(d_.grille_un_point, {"Valeurs"}, p);
    WriteHeadings(d_.grille_BC, {"Entrée", "Sortie"}, p);
    WriteHeadings(d_.grille_melange, {"Point 1", "Point 2", "Melange"}, p);
    WriteHeadings(d_.grille_bfc, {"Entrée", "Sortie", "Surface"}, p);
    WriteHeadings(d_.grille_lav, {"Entrée", "Sortie", "Maxi"}, p);
    WriteHeadings(d_.grille_vap, {"Entrée", "Sortie"}, p);
    d_.C_unite_dep = 0;
    d_.C_unite_arr = 0;
    C_unite_depChange();
}

void Evolutions::B_Nouveau_1pointClick()
{
    ClearGrid(d_.grille_un_point);
    d_.grille_un_point.Enabled = true;
}

void Evolutions::C_unite_depChange()
{
    // Step 1: the factor, with the specific volume of the single point.
    const std::string &vText = d_.grille_un_point.Cell(1, 5);
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
