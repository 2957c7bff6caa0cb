#include "calculators/evolution_boxes.h"

#include <cstddef>

namespace brumelle {

const std::array<const char *, 9> kEvolutionRowHeadings = {
    "Points",         "T° Seche °C",  "Hygrometrie en %", "Humidite g/kgas", "Enthalpie kJ/kgas",
    "Volume m3/kgas", "T° Humide °C", "T° de rosée °C",   "Pression Atm Pa",
};

namespace {

using D = EvolutionData;

const std::array<EvolutionBoxes, 6> kTable = {{
    {"Un point", &D::grille_un_point, &D::run_un_point, {}, {}},
    {"Batterie chaude",
     &D::grille_BC,
     &D::run_BC,
     {{"Température entrée", &D::E_TS_Entree_BC},
      {"Hygrométrie entrée", &D::E_HR_Entree_BC},
      {"Débit d'air en kgas/s", &D::e_qm_bc},
      {"Ecart de température", &D::E_deltat_bc}},
     {{"Puissance en Watts", &D::e_P_bc}}},
    {"Mélange",
     &D::grille_melange,
     &D::run_melange,
     {{"Température 1", &D::E_TS1_mel},
      {"Hygrométrie 1", &D::E_HR1_mel},
      {"Débit d'air 1 en kgas/s", &D::E_qm1_mel},
      {"Température 2", &D::E_TS2_mel},
      {"Hygrométrie 2", &D::E_HR2_mel},
      {"Débit d'air 2 en kgas/s", &D::E_qm2_mel}},
     {}},
    {"Batterie froide",
     &D::grille_bfc,
     &D::run_bfc,
     {{"Température entrée", &D::E_TS_Entree_BFC},
      {"Hygrométrie entrée", &D::E_HR_Entree_BFC},
      {"Débit d'air en kgas/s", &D::E_qm_BFC},
      {"Ecart de température", &D::E_deltat_BFC},
      {"Température batterie", &D::E_T_BFC}},
     {{"Puissance en Watts", &D::E_P_BFC},
      {"Efficacité batterie", &D::E_Efficacite_BFC},
      {"Condensation ge/h", &D::e_condensation_bfc}}},
    {"Laveur d'air",
     &D::grille_lav,
     &D::run_lav,
     {{"Température entrée", &D::E_TS_Entree_Lav},
      {"Hygrométrie entrée", &D::E_HR_Entree_Lav},
      {"Débit d'air en kgas/s", &D::E_qm_Lav},
      {"Poids d'eau sortie g/kgas", &D::E_R_sortie_lav}},
     {{"Efficacité laveur", &D::E_efficacite_lav}, {"Débit d'eau en g/h", &D::E_qm_eau_lav}}},
    {"Humidificateur vapeur",
     &D::grille_vap,
     &D::run_vap,
     {{"Température entrée", &D::E_TS_Entree_vap},
      {"Hygrométrie entrée", &D::E_HR_Entree_vap},
      {"Débit d'air en kgas/s", &D::E_qm_vap},
      {"Poids d'eau sortie g/kgas", &D::E_R_sortie_vap}},
     {{"Débit d'eau en g/h", &D::E_qm_eau_vap}}},
}};

} // namespace

const EvolutionBoxes &BoxesOf(Evolution e) { return kTable[static_cast<size_t>(e)]; }

std::vector<CaptionedText> CurrentInputs(const EvolutionData &d, Evolution e)
{
    std::vector<CaptionedText> inputs;
    if (e == Evolution::Point) {
        for (int row = 1; row <= 7; ++row) {
            const std::string &text =
                d.grille_un_point.Enabled ? d.grille_un_point.Cell(1, row) : d.pointGiven[static_cast<size_t>(row - 1)];
            if (!text.empty())
                inputs.push_back({kEvolutionRowHeadings[static_cast<size_t>(row)], text});
        }
        return inputs;
    }
    for (const EvolutionTextBox &box : BoxesOf(e).inputs)
        inputs.push_back({box.caption, d.*box.field});
    if (e == Evolution::Steam)
        inputs.push_back({"", d.radio_vap_theorique ? "Evolution théorique" : "Evolution réelle"});
    return inputs;
}

bool InputsChangedSinceRun(const EvolutionData &d, Evolution e)
{
    const LastRun &run = d.*BoxesOf(e).lastRun;
    return run.outcome != LastRun::Outcome::NotRun && CurrentInputs(d, e) != run.inputs;
}

} // namespace brumelle
