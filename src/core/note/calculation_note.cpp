#include "note/calculation_note.h"

#include <filesystem>
#include <initializer_list>
#include <utility>

namespace brumelle {

namespace {

// A box of a record: its caption in the window, and its text.
using Box = std::pair<const char *, const std::string *>;

bool HasResult(const ResultGrid &grid) { return !grid.Cell(1, 1).empty(); }

std::vector<std::vector<std::string>> Rows(const ResultGrid &grid)
{
    std::vector<std::vector<std::string>> rows(static_cast<size_t>(grid.RowCount()));
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            rows[static_cast<size_t>(row)].push_back(grid.Cell(col, row));
    return rows;
}

std::vector<NoteField> Fields(std::initializer_list<Box> boxes)
{
    std::vector<NoteField> fields;
    for (const auto &[caption, text] : boxes)
        fields.push_back({caption, *text});
    return fields;
}

NoteSection Section(const char *title, const ResultGrid &grid, const std::vector<std::string> &messages,
                    std::initializer_list<Box> inputs, std::initializer_list<Box> results)
{
    return {title, Fields(inputs), Rows(grid), Fields(results), messages};
}

// The captions are the windows' own, each on one line.
void AddEvolutions(const EvolutionData &e, std::vector<NoteSection> &out)
{
    // The typed cells of the single point become its results once solved.
    if (!e.grille_un_point.Enabled && HasResult(e.grille_un_point))
        out.push_back(Section("Un point", e.grille_un_point, e.messages_un_point, {}, {}));
    if (HasResult(e.grille_BC))
        out.push_back(Section("Batterie chaude", e.grille_BC, e.messages_BC,
                              {{"Température entrée", &e.E_TS_Entree_BC},
                               {"Hygrométrie entrée", &e.E_HR_Entree_BC},
                               {"Débit d'air en kgas/s", &e.e_qm_bc},
                               {"Ecart de température", &e.E_deltat_bc}},
                              {{"Puissance en Watts", &e.e_P_bc}}));
    if (HasResult(e.grille_melange))
        out.push_back(Section("Mélange", e.grille_melange, e.messages_melange,
                              {{"Température 1", &e.E_TS1_mel},
                               {"Hygrométrie 1", &e.E_HR1_mel},
                               {"Débit d'air 1 en kgas/s", &e.E_qm1_mel},
                               {"Température 2", &e.E_TS2_mel},
                               {"Hygrométrie 2", &e.E_HR2_mel},
                               {"Débit d'air 2 en kgas/s", &e.E_qm2_mel}},
                              {}));
    if (HasResult(e.grille_bfc))
        out.push_back(Section("Batterie froide", e.grille_bfc, e.messages_bfc,
                              {{"Température entrée", &e.E_TS_Entree_BFC},
                               {"Hygrométrie entrée", &e.E_HR_Entree_BFC},
                               {"Débit d'air en kgas/s", &e.E_qm_BFC},
                               {"Ecart de température", &e.E_deltat_BFC},
                               {"Température batterie", &e.E_T_BFC}},
                              {{"Puissance en Watts", &e.E_P_BFC},
                               {"Efficacité batterie", &e.E_Efficacite_BFC},
                               {"Condensation ge/h", &e.e_condensation_bfc}}));
    if (HasResult(e.grille_lav))
        out.push_back(Section("Laveur d'air", e.grille_lav, e.messages_lav,
                              {{"Température entrée", &e.E_TS_Entree_Lav},
                               {"Hygrométrie entrée", &e.E_HR_Entree_Lav},
                               {"Débit d'air en kgas/s", &e.E_qm_Lav},
                               {"Poids d'eau sortie g/kgas", &e.E_R_sortie_lav}},
                              {{"Efficacité laveur", &e.E_efficacite_lav}, {"Débit d'eau en g/h", &e.E_qm_eau_lav}}));
    if (HasResult(e.grille_vap)) {
        out.push_back(Section("Humidificateur vapeur", e.grille_vap, e.messages_vap,
                              {{"Température entrée", &e.E_TS_Entree_vap},
                               {"Hygrométrie entrée", &e.E_HR_Entree_vap},
                               {"Débit d'air en kgas/s", &e.E_qm_vap},
                               {"Poids d'eau sortie g/kgas", &e.E_R_sortie_vap}},
                              {{"Débit d'eau en g/h", &e.E_qm_eau_vap}}));
        out.back().inputs.push_back({"", e.radio_vap_theorique ? "Evolution théorique" : "Evolution réelle"});
    }
}

// The checked button of a group, as captioned; none when the group has none.
const char *Checked(std::initializer_list<std::pair<bool, const char *>> group)
{
    for (const auto &[checked, caption] : group)
        if (checked)
            return caption;
    return nullptr;
}

void AddSizing(const AhuData &a, std::vector<NoteSection> &out)
{
    if (!HasResult(a.grille_resultats))
        return;
    NoteSection s = Section("Dimensionnement CTA", a.grille_resultats, a.messages,
                            {{"Charges sensibles en kW", &a.E_Charge_sens},
                             {"Charges latentes en kge/s", &a.E_charge_lat},
                             {"Température sèche du local", &a.E_TS_loc},
                             {"Hygrométrie du local", &a.E_HR_loc},
                             {"Température sèche extérieure", &a.E_TS_ext},
                             {"Hygrométrie extérieure", &a.E_HR_ext},
                             {"Température sèche du soufflage", &a.E_TS_sou},
                             {"Température de surface de la batterie froide", &a.E_T_Surface}},
                            {});
    // The minimum fresh air and the exchanger's efficiency only where the
    // fresh-air choice makes the sizing read them.
    if (a.R_melange)
        s.inputs.push_back({"Débit d'air neuf minimum en kgas/s", a.E_QM_AN});
    if (a.R_Echange_plaques)
        s.inputs.push_back({"Efficacité de l'échangeur", a.E_eff_echangeur});
    if (const char *humidifier = Checked({{a.R_Vap, "Vapeur"}, {a.R_Lav, "Laveur d'air"}}))
        s.inputs.push_back({"Humidificateur", humidifier});
    if (const char *freshAir = Checked(
            {{a.R_tout_AN, "Tout air neuf"}, {a.R_Echange_plaques, "Echangeur à plaques"}, {a.R_melange, "Mélange"}}))
        s.inputs.push_back({"Air neuf", freshAir});
    out.push_back(std::move(s));
}

} // namespace

std::string FrenchDate(int year, int month, int day)
{
    static const char *const kMonths[12] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                            "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    const char *name = month >= 1 && month <= 12 ? kMonths[month - 1] : "";
    return std::to_string(day) + " " + name + " " + std::to_string(year);
}

CalculationNote BuildCalculationNote(const EvolutionData &evolutions, const AhuData &ahu, uint32_t patmPa,
                                     const NoteStamp &stamp)
{
    CalculationNote note;
    note.title = "Note de calcul";
    note.document = stamp.documentPath.empty() ? "Sans titre"
                                               : std::filesystem::path(stamp.documentPath).filename().string();
    note.date = FrenchDate(stamp.year, stamp.month, stamp.day);
    note.program = std::string("Brumelle ") + BRUMELLE_VERSION;
    note.pressure = {"Pression atmosphérique en Pa", std::to_string(patmPa)};
    AddEvolutions(evolutions, note.sections);
    AddSizing(ahu, note.sections);
    return note;
}

} // namespace brumelle
