#include "sizing/ahu_boxes.h"

namespace brumelle {

namespace {

using A = AhuData;

const std::array<AhuTextBox, 10> kBoxes = {{
    {"Charges sensibles en kW", "Zone de saisie pour les charges\nsensibles en kW", &A::E_Charge_sens, "Q_sensible",
     "-4"},
    {"Charges latentes en kge/s", "Zone de saisie pour les charges\nlatentes en kge/s", &A::E_charge_lat, "Q_latent",
     "0"},
    {"Température sèche du local", "Zone de saisie pour la température\nsèche du local", &A::E_TS_loc, "TS_local",
     "20"},
    {"Hygrométrie du local", "Zone de saisie pour l'hygrométrie\ndu local", &A::E_HR_loc, "HR_local", "50"},
    {"Température sèche extérieure", "Zone de saisie pour la température\nsèche extérieure", &A::E_TS_ext,
     "TS_exterieur", "-11"},
    {"Hygrométrie extérieure", "Zone de saisie pour l'hygrométrie\nextérieure", &A::E_HR_ext, "HR_exterieur", "90"},
    {"Température sèche du soufflage", "Zone de saisie pour la température\nsèche du soufflage", &A::E_TS_sou,
     "TS_soufflage", "35"},
    {"Température de surface\nde la batterie froide",
     "Zone de saisie pour la température\nde surface de la batterie froide", &A::E_T_Surface, "TS_surface_BF", "8"},
    {"Débit d'air neuf\nminimum en kgas/s", "Zone de saisie pour le débit d'air\nneuf, en cas de mélange.",
     &A::E_QM_AN, "qm_AN", "0"},
    {"Efficacité de \nl'échangeur", "Zone de saisie pour l'efficacité\nde l'échangeur à plaques",
     &A::E_eff_echangeur, "Efficacite_echangeur", "50"},
}};

const std::array<AhuRadioButton, 5> kButtons = {{
    {AhuRadio::Vap, "Vapeur", "Humidificateur", "Vapeur"},
    {AhuRadio::Lav, "Laveur d'air", "Humidificateur", "Laveur"},
    {AhuRadio::tout_AN, "Tout air neuf", "Air neuf", "TAN"},
    {AhuRadio::Echange_plaques, "Echangeur à plaques", "Air neuf", "Echangeur"},
    {AhuRadio::melange, "Mélange", "Air neuf", "Melange"},
}};

} // namespace

const std::array<AhuTextBox, 10> &AhuTextBoxes() { return kBoxes; }
const std::array<AhuRadioButton, 5> &AhuRadioButtons() { return kButtons; }

const AhuTextBox &AhuBox(std::string AhuData::*field)
{
    for (const AhuTextBox &box : kBoxes)
        if (box.field == field)
            return box;
    return kBoxes.front(); // every field of the record is in the table
}

const AhuRadioButton &AhuButton(AhuRadio button)
{
    for (const AhuRadioButton &b : kButtons)
        if (b.button == button)
            return b;
    return kButtons.front();
}

std::string OneLine(const char *label)
{
    std::string line;
    for (const char *c = label; *c; ++c) {
        if (*c != '\n')
            line += *c;
        else if (line.empty() || line.back() != ' ')
            line += ' ';
    }
    return line;
}

} // namespace brumelle
