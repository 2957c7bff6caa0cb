#include <initializer_list>
#include <utility>

#include "sizing/ahu_sizing.h"

namespace brumelle {

namespace {

// The checked button of a group, as captioned; none when the group has none.
const char *Checked(std::initializer_list<std::pair<bool, const char *>> group)
{
    for (const auto &[checked, caption] : group)
        if (checked)
            return caption;
    return nullptr;
}

} // namespace

std::vector<CaptionedText> CurrentInputs(const AhuData &a)
{
    std::vector<CaptionedText> inputs = {
        {"Charges sensibles en kW", a.E_Charge_sens},
        {"Charges latentes en kge/s", a.E_charge_lat},
        {"Température sèche du local", a.E_TS_loc},
        {"Hygrométrie du local", a.E_HR_loc},
        {"Température sèche extérieure", a.E_TS_ext},
        {"Hygrométrie extérieure", a.E_HR_ext},
        {"Température sèche du soufflage", a.E_TS_sou},
        {"Température de surface de la batterie froide", a.E_T_Surface},
    };
    if (a.R_melange)
        inputs.push_back({"Débit d'air neuf minimum en kgas/s", a.E_QM_AN});
    if (a.R_Echange_plaques)
        inputs.push_back({"Efficacité de l'échangeur", a.E_eff_echangeur});
    if (const char *humidifier = Checked({{a.R_Vap, "Vapeur"}, {a.R_Lav, "Laveur d'air"}}))
        inputs.push_back({"Humidificateur", humidifier});
    if (const char *freshAir = Checked(
            {{a.R_tout_AN, "Tout air neuf"}, {a.R_Echange_plaques, "Echangeur à plaques"}, {a.R_melange, "Mélange"}}))
        inputs.push_back({"Air neuf", freshAir});
    return inputs;
}

bool InputsChangedSinceRun(const AhuData &a)
{
    return a.lastRun.outcome != LastRun::Outcome::NotRun && CurrentInputs(a) != a.lastRun.inputs;
}

} // namespace brumelle
