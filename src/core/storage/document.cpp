#include "storage/document.h"

#include <iterator>
#include <utility>

#include "calculations.h"

namespace brumelle {

namespace {

// One key of the evolutions window's sections: a box's text or a drawing box.
struct EvolutionKey {
    const char *section;
    const char *key;
    const char *fallback;                 // text default; nullptr for a drawing box
    std::string EvolutionData::*text;     // the box, when it is a text
    bool DrawingFlags::*flag;             // the drawing box, when it is a boolean
};

// In the order the file holds them. The defaults are the document's own:
// three of them differ from the boxes' initial texts ("Melange" TS2 and HR2,
// "Vapeur" R_sortie). The "Un point" cells are grid cells, handled apart.
const EvolutionKey kEvolutionKeys[] = {
    {"Batterie chaude", "TS", "20", &EvolutionData::E_TS_Entree_BC, nullptr},
    {"Batterie chaude", "HR", "50", &EvolutionData::E_HR_Entree_BC, nullptr},
    {"Batterie chaude", "qm", "1", &EvolutionData::e_qm_bc, nullptr},
    {"Batterie chaude", "Delta_T", "10", &EvolutionData::E_deltat_bc, nullptr},
    {"Batterie chaude", "dessin", nullptr, nullptr, &DrawingFlags::Check_dessin_BC},
    {"Melange", "TS1", "20", &EvolutionData::E_TS1_mel, nullptr},
    {"Melange", "HR1", "50", &EvolutionData::E_HR1_mel, nullptr},
    {"Melange", "qm1", "1", &EvolutionData::E_qm1_mel, nullptr},
    {"Melange", "TS2", "-11", &EvolutionData::E_TS2_mel, nullptr},
    {"Melange", "HR2", "10", &EvolutionData::E_HR2_mel, nullptr},
    {"Melange", "qm2", "1", &EvolutionData::E_qm2_mel, nullptr},
    {"Melange", "dessin", nullptr, nullptr, &DrawingFlags::Check_dessin_melange},
    {"Batterie froide", "TS", "20", &EvolutionData::E_TS_Entree_BFC, nullptr},
    {"Batterie froide", "HR", "50", &EvolutionData::E_HR_Entree_BFC, nullptr},
    {"Batterie froide", "qm", "1", &EvolutionData::E_qm_BFC, nullptr},
    {"Batterie froide", "Delta_T", "10", &EvolutionData::E_deltat_BFC, nullptr},
    {"Batterie froide", "TS_batterie", "9", &EvolutionData::E_T_BFC, nullptr},
    {"Batterie froide", "dessin", nullptr, nullptr, &DrawingFlags::Check_dessin_BFC},
    {"Laveur", "TS", "20", &EvolutionData::E_TS_Entree_Lav, nullptr},
    {"Laveur", "HR", "50", &EvolutionData::E_HR_Entree_Lav, nullptr},
    {"Laveur", "qm", "1", &EvolutionData::E_qm_Lav, nullptr},
    {"Laveur", "R_sortie", "9", &EvolutionData::E_R_sortie_lav, nullptr},
    {"Laveur", "dessin", nullptr, nullptr, &DrawingFlags::Check_dessin_Lav},
    {"Vapeur", "TS", "20", &EvolutionData::E_TS_Entree_vap, nullptr},
    {"Vapeur", "HR", "50", &EvolutionData::E_HR_Entree_vap, nullptr},
    {"Vapeur", "qm", "1", &EvolutionData::E_qm_vap, nullptr},
    {"Vapeur", "R_sortie", "9", &EvolutionData::E_R_sortie_vap, nullptr},
    {"Vapeur", "dessin", nullptr, nullptr, &DrawingFlags::Check_dessin_vap},
};

// The sizing wizard's text boxes, in file order.
const std::pair<const char *, std::string AhuData::*> kAhuTextKeys[] = {
    {"Q_sensible", &AhuData::E_Charge_sens},      {"Q_latent", &AhuData::E_charge_lat},
    {"TS_local", &AhuData::E_TS_loc},             {"HR_local", &AhuData::E_HR_loc},
    {"TS_exterieur", &AhuData::E_TS_ext},         {"HR_exterieur", &AhuData::E_HR_ext},
    {"TS_soufflage", &AhuData::E_TS_sou},         {"TS_surface_BF", &AhuData::E_T_Surface},
    {"qm_AN", &AhuData::E_QM_AN},                 {"Efficacite_echangeur", &AhuData::E_eff_echangeur},
};
const char *const kAhuTextDefaults[] = {"-4", "0", "20", "50", "-11", "90", "35", "8", "0", "50"};

// Its radio buttons, in file order.
const std::pair<const char *, AhuRadio> kAhuRadioKeys[] = {
    {"Vapeur", AhuRadio::Vap},          {"Laveur", AhuRadio::Lav},        {"TAN", AhuRadio::tout_AN},
    {"Echangeur", AhuRadio::Echange_plaques}, {"Melange", AhuRadio::melange},
};

void ReadAhuInputs(const IniFile &f, AhuData &d, DrawingFlags &flags)
{
    for (size_t i = 0; i < std::size(kAhuTextKeys); ++i)
        d.*kAhuTextKeys[i].second = f.ReadString("CTA", kAhuTextKeys[i].first, kAhuTextDefaults[i]);
    // As the buttons do: selecting one clears the rest of its group (so the
    // later key wins) and, for the fresh-air group, runs the enabling rule;
    // clearing one runs nothing.
    for (const auto &[key, button] : kAhuRadioKeys) {
        bool &checked = RadioState(d, button);
        if (!f.ReadBool("CTA", key)) {
            checked = false;
        } else if (!checked) {
            SelectRadio(d, button);
            if (button != AhuRadio::Vap && button != AhuRadio::Lav)
                ApplyFreshAirEnabling(d);
        }
    }
    flags.Check_dessin_CTA = f.ReadBool("CTA", "dessin");
}

void ReadEvolutionInputs(const IniFile &f, EvolutionData &d, DrawingFlags &flags)
{
    // Only the TS and HR cells of the single-point grid are kept in a
    // document; another study's results must not stay beside them.
    RestorePointInputs(d, f.ReadString("Un point", "TS", "20"), f.ReadString("Un point", "HR", "50"));
    flags.Check_dessin_1point = f.ReadBool("Un point", "dessin");
    for (const EvolutionKey &k : kEvolutionKeys) {
        if (k.text)
            d.*k.text = f.ReadString(k.section, k.key, k.fallback);
        else
            flags.*k.flag = f.ReadBool(k.section, k.key);
    }
}

void WriteAhuInputs(IniFile &f, const AhuData &d, const DrawingFlags &flags)
{
    for (const auto &[key, box] : kAhuTextKeys)
        f.WriteString("CTA", key, d.*box);
    for (const auto &[key, button] : kAhuRadioKeys)
        f.WriteBool("CTA", key, RadioState(d, button));
    f.WriteBool("CTA", "dessin", flags.Check_dessin_CTA);
}

} // namespace

void WriteDocument(IniFile &f, const ProgramState &state)
{
    f.WriteBool("General", "bon_fichier", true);
    f.WriteString("General", "P", std::to_string(state.settings.Patm));
    const EvolutionData &d = state.evolutions;
    f.WriteString("Un point", "TS", d.grille_un_point.Cell(1, 1));
    f.WriteString("Un point", "HR", d.grille_un_point.Cell(1, 2));
    f.WriteBool("Un point", "dessin", state.flags.Check_dessin_1point);
    for (const EvolutionKey &k : kEvolutionKeys) {
        if (k.text)
            f.WriteString(k.section, k.key, d.*k.text);
        else
            f.WriteBool(k.section, k.key, state.flags.*k.flag);
    }
    WriteAhuInputs(f, state.ahu, state.flags);
}

DocumentSaving SaveDocument(const std::string &path, const ProgramState &state, Messages &messages,
                            Overwrite overwrite)
{
    if (overwrite == Overwrite::Ask) {
        IniFile existing;
        existing.LoadFromFile(path);
        if (existing.ReadBool("General", "bon_fichier") && !messages.confirm(kOverwriteQuestion))
            return DocumentSaving::Declined;
    }
    return UpdateIniFile(path, [&](IniFile &f) { WriteDocument(f, state); }, messages) ? DocumentSaving::Saved
                                                                                      : DocumentSaving::Failed;
}

DocumentOpening OpenDocument(const IniFile &file, ProgramState &state, Calculations &calculations,
                             Messages &messages, const std::function<void()> &repaintMainWindow)
{
    if (!file.ReadBool("General", "bon_fichier")) {
        messages.message(kNotADocument);
        return DocumentOpening::NotRecognised;
    }

    // The pressure box takes the text even when it is not a whole number.
    state.pressure.text = file.ReadString("General", "P", "101325");
    if (!state.pressure.ReadInto(state.settings.Patm, messages))
        return DocumentOpening::Stopped;

    // The boxes' handlers only store their flags while this is off; one
    // repaint at the end shows every ticked evolution.
    {
        const RepaintSuspension quiet(state);
        ReadEvolutionInputs(file, state.evolutions, state.flags);
        ReadAhuInputs(file, state.ahu, state.flags);
        calculations.RerunAfterOpening();
    }
    if (repaintMainWindow)
        repaintMainWindow();
    return DocumentOpening::Opened;
}

} // namespace brumelle
