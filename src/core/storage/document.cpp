#include "document.h"

#include "model/number_format.h"

namespace brumelle {

namespace {

// The keys of the evolutions window, in the order the file holds them. The
// defaults are the document's own: three of them differ from the boxes'
// initial texts ("Melange" TS2 and HR2, "Vapeur" R_sortie).
void ReadEvolutionInputs(const IniFile &f, EvolutionData &d, DrawingFlags &flags)
{
    const char *s = "Un point";
    d.grille_un_point.SetCell(1, 1, f.ReadString(s, "TS", "20"));
    d.grille_un_point.SetCell(1, 2, f.ReadString(s, "HR", "50"));
    flags.Check_dessin_1point = f.ReadBool(s, "dessin");

    s = "Batterie chaude";
    d.E_TS_Entree_BC = f.ReadString(s, "TS", "20");
    d.E_HR_Entree_BC = f.ReadString(s, "HR", "50");
    d.e_qm_bc = f.ReadString(s, "qm", "1");
    d.E_deltat_bc = f.ReadString(s, "Delta_T", "10");
    flags.Check_dessin_BC = f.ReadBool(s, "dessin");

    s = "Melange";
    d.E_TS1_mel = f.ReadString(s, "TS1", "20");
    d.E_HR1_mel = f.ReadString(s, "HR1", "50");
    d.E_qm1_mel = f.ReadString(s, "qm1", "1");
    d.E_TS2_mel = f.ReadString(s, "TS2", "-11");
    d.E_HR2_mel = f.ReadString(s, "HR2", "10");
    d.E_qm2_mel = f.ReadString(s, "qm2", "1");
    flags.Check_dessin_melange = f.ReadBool(s, "dessin");

    s = "Batterie froide";
    d.E_TS_Entree_BFC = f.ReadString(s, "TS", "20");
    d.E_HR_Entree_BFC = f.ReadString(s, "HR", "50");
    d.E_qm_BFC = f.ReadString(s, "qm", "1");
    d.E_deltat_BFC = f.ReadString(s, "Delta_T", "10");
    d.E_T_BFC = f.ReadString(s, "TS_batterie", "9");
    flags.Check_dessin_BFC = f.ReadBool(s, "dessin");

    s = "Laveur";
    d.E_TS_Entree_Lav = f.ReadString(s, "TS", "20");
    d.E_HR_Entree_Lav = f.ReadString(s, "HR", "50");
    d.E_qm_Lav = f.ReadString(s, "qm", "1");
    d.E_R_sortie_lav = f.ReadString(s, "R_sortie", "9");
    flags.Check_dessin_Lav = f.ReadBool(s, "dessin");

    s = "Vapeur";
    d.E_TS_Entree_vap = f.ReadString(s, "TS", "20");
    d.E_HR_Entree_vap = f.ReadString(s, "HR", "50");
    d.E_qm_vap = f.ReadString(s, "qm", "1");
    d.E_R_sortie_vap = f.ReadString(s, "R_sortie", "9");
    flags.Check_dessin_vap = f.ReadBool(s, "dessin");
}

} // namespace

DocumentOpening OpenDocument(const IniFile &file, ProgramState &state, Evolutions &evolutions, Messages &messages,
                             const std::function<void()> &repaintMainWindow)
{
    if (!file.ReadBool("General", "bon_fichier")) {
        messages.message(kNotADocument);
        return DocumentOpening::NotRecognised;
    }

    // The pressure box takes the text even when it is not a whole number.
    state.pressureText = file.ReadString("General", "P", "101325");
    const auto patm = ReadInteger(state.pressureText);
    if (!patm) {
        messages.error("'" + state.pressureText + "' n'est pas une valeur entière correcte");
        return DocumentOpening::Stopped;
    }
    // As every calculation does: the equations divide by the pressure.
    state.settings.Patm = *patm > 0 ? static_cast<uint32_t>(*patm) : 101325u;

    // The boxes' handlers only store their flags while this is off; one
    // repaint at the end shows every ticked evolution.
    {
        const RepaintSuspension quiet(state);
        ReadEvolutionInputs(file, state.evolutions, state.flags);
        // The sizing wizard's section "CTA" is read here, after "Vapeur".

        if (!state.evolutions.grille_un_point.Cell(1, 1).empty())
            evolutions.B_Calcul_pointClick();
        evolutions.B_calcul_melangeClick();
        evolutions.B_calcul_BCClick();
        evolutions.B_calcul_BFCClick();
        evolutions.B_calcul_LavClick();
        evolutions.B_calcul_vapClick();
        // The AHU sizing runs here, after the five calculators.
    }
    if (repaintMainWindow)
        repaintMainWindow();
    return DocumentOpening::Opened;
}

} // namespace brumelle
