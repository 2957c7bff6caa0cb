#include "calculators/evolution_boxes.h"

#include <cstddef>

#include "presentation/point_rows.h"

namespace brumelle {

namespace {

using D = EvolutionData;
using F = DrawingFlags;

// Three document defaults differ from the boxes' initial texts ("Melange" TS2
// and HR2, "Vapeur" R_sortie): a document without those keys gets the former.
const std::array<EvolutionBoxes, 6> kTable = {{
    {"Un point", "Un point", &D::grille_un_point, &D::run_un_point, &F::Check_dessin_1point, {}, {}},
    {"Batterie chaude",
     "Batterie chaude",
     &D::grille_BC,
     &D::run_BC,
     &F::Check_dessin_BC,
     {{"Température entrée", &D::E_TS_Entree_BC, "TS", "20", "20"},
      {"Hygrométrie entrée", &D::E_HR_Entree_BC, "HR", "50", "50"},
      {"Débit d'air en kgas/s", &D::e_qm_bc, "qm", "1", "1"},
      {"Ecart de température", &D::E_deltat_bc, "Delta_T", "10", "10"}},
     {{"Puissance en Watts", &D::e_P_bc}}},
    {"Mélange",
     "Melange",
     &D::grille_melange,
     &D::run_melange,
     &F::Check_dessin_melange,
     {{"Température 1", &D::E_TS1_mel, "TS1", "20", "20"},
      {"Hygrométrie 1", &D::E_HR1_mel, "HR1", "50", "50"},
      {"Débit d'air 1 en kgas/s", &D::E_qm1_mel, "qm1", "1", "1"},
      {"Température 2", &D::E_TS2_mel, "TS2", "-11", "10"},
      {"Hygrométrie 2", &D::E_HR2_mel, "HR2", "10", "90"},
      {"Débit d'air 2 en kgas/s", &D::E_qm2_mel, "qm2", "1", "1"}},
     {}},
    {"Batterie froide",
     "Batterie froide",
     &D::grille_bfc,
     &D::run_bfc,
     &F::Check_dessin_BFC,
     {{"Température entrée", &D::E_TS_Entree_BFC, "TS", "20", "20"},
      {"Hygrométrie entrée", &D::E_HR_Entree_BFC, "HR", "50", "50"},
      {"Débit d'air en kgas/s", &D::E_qm_BFC, "qm", "1", "1"},
      {"Ecart de température", &D::E_deltat_BFC, "Delta_T", "10", "10"},
      {"Température batterie", &D::E_T_BFC, "TS_batterie", "9", "9"}},
     {{"Puissance en Watts", &D::E_P_BFC},
      {"Efficacité batterie", &D::E_Efficacite_BFC},
      {"Condensation ge/h", &D::e_condensation_bfc}}},
    {"Laveur d'air",
     "Laveur",
     &D::grille_lav,
     &D::run_lav,
     &F::Check_dessin_Lav,
     {{"Température entrée", &D::E_TS_Entree_Lav, "TS", "20", "20"},
      {"Hygrométrie entrée", &D::E_HR_Entree_Lav, "HR", "50", "50"},
      {"Débit d'air en kgas/s", &D::E_qm_Lav, "qm", "1", "1"},
      {"Poids d'eau sortie g/kgas", &D::E_R_sortie_lav, "R_sortie", "9", "9"}},
     {{"Efficacité laveur", &D::E_efficacite_lav}, {"Débit d'eau en g/h", &D::E_qm_eau_lav}}},
    {"Humidificateur vapeur",
     "Vapeur",
     &D::grille_vap,
     &D::run_vap,
     &F::Check_dessin_vap,
     {{"Température entrée", &D::E_TS_Entree_vap, "TS", "20", "20"},
      {"Hygrométrie entrée", &D::E_HR_Entree_vap, "HR", "50", "50"},
      {"Débit d'air en kgas/s", &D::E_qm_vap, "qm", "1", "1"},
      {"Poids d'eau sortie g/kgas", &D::E_R_sortie_vap, "R_sortie", "9", "10"}},
     {{"Débit d'eau en g/h", &D::E_qm_eau_vap}}},
}};

} // namespace

EvolutionData::EvolutionData()
{
    for (const EvolutionBoxes &calculation : kTable)
        for (const EvolutionTextBox &box : calculation.inputs)
            this->*box.field = box.initialText;
}

const EvolutionBoxes &BoxesOf(Evolution e) { return kTable[static_cast<size_t>(e)]; }

const EvolutionTextBox *FindBox(std::string EvolutionData::*field)
{
    for (const EvolutionBoxes &calculation : kTable)
        for (const auto *boxes : {&calculation.inputs, &calculation.results})
            for (const EvolutionTextBox &box : *boxes)
                if (box.field == field)
                    return &box;
    return nullptr;
}

std::vector<CaptionedText> CurrentInputs(const EvolutionData &d, Evolution e)
{
    std::vector<CaptionedText> inputs;
    if (e == Evolution::Point) {
        for (int row = kTsRow; row <= kTrRow; ++row) {
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
        inputs.push_back({"", d.radio_vap_theorique ? kSteamTheoretical : kSteamReal});
    return inputs;
}

bool InputsChangedSinceRun(const EvolutionData &d, Evolution e)
{
    const LastRun &run = d.*BoxesOf(e).lastRun;
    return run.outcome != LastRun::Outcome::NotRun && CurrentInputs(d, e) != run.inputs;
}

} // namespace brumelle
