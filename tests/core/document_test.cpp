#include <cstdio>
#include <tuple>

#include <gtest/gtest.h>

#include "calculations.h"
#include "document_opening.h"
#include "program_state.h"
#include "sizing/sizing_messages.h"
#include "support/recording_messages.h"
#include "support/small_epw.h"

using namespace brumelle;
using brumelle::test::RecordingMessages;

namespace {

const std::string kGroup = "\xE2\x80\xAF"; // the core's default group separator

class Document : public ::testing::Test {
protected:
    ProgramState state;
    RecordingMessages messages;
    int calculatorRepaints = 0;
    int calculatorRepaintsWhileSwitchOn = 0;
    int finalRepaints = 0;
    bool switchOnAtFinalRepaint = false;
    Calculations calculations{state, messages,
                              [this] {
                                  ++calculatorRepaints;
                                  calculatorRepaintsWhileSwitchOn += state.RepaintOnFlagChange;
                              },
                              NumberSeparators{}};
    Evolutions &evolutions = calculations.evolutions();

    DocumentOpening open(const std::string &bytes)
    {
        return OpenDocument(IniFile::FromBytes(bytes), state, calculations, messages, [this] {
            ++finalRepaints;
            switchOnAtFinalRepaint = state.RepaintOnFlagChange;
        });
    }
};

} // namespace

TEST_F(Document, NotADocumentChangesNothing)
{
    for (const char *bytes : {"", "[General]\r\nbon_fichier=0\r\nP=95000\r\n", "[Un point]\r\nTS=30\r\n"}) {
        ProgramState before;
        state = before;
        messages.entries.clear();
        EXPECT_EQ(open(bytes), DocumentOpening::NotRecognised) << bytes;
        EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{
                                        {"message", kNotADocument}}));
        EXPECT_EQ(state.pressure.text, "101325");
        EXPECT_EQ(state.evolutions.E_TS2_mel, "10");
        EXPECT_TRUE(state.evolutions.grille_un_point.Cell(1, 1).empty());
        EXPECT_TRUE(state.RepaintOnFlagChange);
    }
    EXPECT_EQ(finalRepaints, 0);
    EXPECT_EQ(calculatorRepaints, 0);
}

TEST_F(Document, OnlyGeneralGivesTheDocumentDefaultsAndRunsEverything)
{
    state.flags.Check_dessin_BC = true; // a box ticked before is unticked
    state.evolutions.E_T_BFC = "12";
    evolutions.WriteGridFrames();
    evolutions.ResetAirflowUnits();
    ASSERT_EQ(open("[General]\nbon_fichier=1\n"), DocumentOpening::Opened);

    const EvolutionData &d = state.evolutions;
    EXPECT_EQ(state.pressure.text, "101325");
    EXPECT_EQ(state.settings.Patm, 101325u);
    EXPECT_EQ(d.E_TS2_mel, "-11");
    EXPECT_EQ(d.E_HR2_mel, "10");
    EXPECT_EQ(d.E_R_sortie_vap, "9");
    EXPECT_EQ(d.E_T_BFC, "9");
    EXPECT_FALSE(state.flags.Check_dessin_BC);

    // Every calculation ran on those inputs; the sizing, with every radio
    // button of the wizard unchecked, stops at its fresh-air stage.
    const AhuData &a = state.ahu;
    EXPECT_EQ(a.E_Charge_sens, "-4");
    EXPECT_EQ(a.E_TS_ext, "-11");
    EXPECT_FALSE(a.R_Vap || a.R_Lav || a.R_tout_AN || a.R_Echange_plaques || a.R_melange);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kNoFreshAirMode});
    EXPECT_EQ(d.grille_un_point.Cell(1, 6), "13,82");
    EXPECT_EQ(d.e_P_bc, "10" + kGroup + "193");
    EXPECT_EQ(d.E_P_BFC, "10" + kGroup + "502");
    EXPECT_EQ(d.E_efficacite_lav, "68%");
    EXPECT_EQ(d.grille_melange.Cell(2, 1), "-11,00");
    EXPECT_EQ(d.E_qm_eau_vap, "6" + kGroup + "227,52"); // 9 g/kgas, not the box's initial 10

    EXPECT_EQ(finalRepaints, 1);
    EXPECT_TRUE(switchOnAtFinalRepaint);
    EXPECT_TRUE(state.RepaintOnFlagChange);
}

TEST_F(Document, PressureThatIsNotWholeStopsTheOpening)
{
    state.settings.Patm = 95000;
    state.evolutions.E_TS_Entree_BC = "33";
    ASSERT_EQ(open("[General]\nbon_fichier=1\nP=1013,25\n[Batterie chaude]\nTS=10\ndessin=1\n"),
              DocumentOpening::Stopped);
    EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{
                                    {"erreur", "'1013,25' n'est pas une valeur entière correcte"}}));
    EXPECT_EQ(state.pressure.text, "1013,25");
    EXPECT_EQ(state.settings.Patm, 95000u);
    EXPECT_EQ(state.evolutions.E_TS_Entree_BC, "33");
    EXPECT_FALSE(state.flags.Check_dessin_BC);
    EXPECT_TRUE(state.evolutions.e_P_bc.empty());
    EXPECT_TRUE(state.RepaintOnFlagChange);
    EXPECT_EQ(finalRepaints, 0);

    // A pressure of 0 cannot be computed with: the standard atmosphere stands in.
    ASSERT_EQ(open("[General]\nbon_fichier=1\nP=0\n"), DocumentOpening::Opened);
    EXPECT_EQ(state.pressure.text, "0");
    EXPECT_EQ(state.settings.Patm, 101325u);
    ASSERT_EQ(open("[General]\nbon_fichier=1\nP=95000\n"), DocumentOpening::Opened);
    EXPECT_EQ(state.settings.Patm, 95000u);
}

TEST_F(Document, DrawingFlagsAreSetWithoutRepaintingBoxByBox)
{
    ASSERT_EQ(open("[General]\nbon_fichier=1\n"
                   "[Un point]\ndessin=1\n"
                   "[Batterie chaude]\ndessin=2\n"
                   "[Melange]\ndessin=-1\n"
                   "[Batterie froide]\ndessin=oui\n"
                   "[Laveur]\nDESSIN=$1\n"
                   "[Vapeur]\ndessin=0\n"),
              DocumentOpening::Opened);
    EXPECT_TRUE(state.flags.Check_dessin_1point);
    EXPECT_TRUE(state.flags.Check_dessin_BC);
    EXPECT_TRUE(state.flags.Check_dessin_melange);
    EXPECT_FALSE(state.flags.Check_dessin_BFC);
    EXPECT_TRUE(state.flags.Check_dessin_Lav);
    EXPECT_FALSE(state.flags.Check_dessin_vap);
    // The ticked calculators ask for their repaints while the switch is off;
    // the one repaint with the switch on comes last.
    EXPECT_GT(calculatorRepaints, 0);
    EXPECT_EQ(calculatorRepaintsWhileSwitchOn, 0);
    EXPECT_EQ(finalRepaints, 1);
    EXPECT_TRUE(switchOnAtFinalRepaint);
}

TEST_F(Document, OnlyTheTemperatureAndHumidityCellsOfThePointAreRestored)
{
    // An empty TS: no point calculation, the other calculators still run.
    ASSERT_EQ(open("[General]\nbon_fichier=1\n[Un point]\nTS=\nHR=40\n[Batterie chaude]\nDelta_T=\n"),
              DocumentOpening::Opened);
    const ResultGrid &g = state.evolutions.grille_un_point;
    EXPECT_EQ(g.Cell(1, 1), "");
    EXPECT_EQ(g.Cell(1, 2), "40");
    for (int row = 3; row <= 7; ++row)
        EXPECT_EQ(g.Cell(1, row), "") << row;
    EXPECT_TRUE(g.Enabled);
    EXPECT_EQ(state.evolutions.e_P_bc, "0");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kNoFreshAirMode}) << "no radio button in the file";

    // Another study's point beside them: the document's is solved from its
    // TS and HR alone, as if they had been typed into an empty grid.
    for (int row = 3; row <= 7; ++row)
        state.evolutions.grille_un_point.SetCell(1, row, "1");
    state.evolutions.grille_un_point.SetCell(1, 5, "0,8");
    ASSERT_EQ(open("[General]\nbon_fichier=1\n[Un point]\nTS=25\nHR=30\n"), DocumentOpening::Opened);
    std::vector<std::string> opened, typed;
    for (int row = 1; row <= 8; ++row)
        opened.push_back(g.Cell(1, row));
    evolutions.NewPoint();
    state.evolutions.grille_un_point.SetCell(1, 1, "25");
    state.evolutions.grille_un_point.SetCell(1, 2, "30");
    evolutions.SolvePoint();
    for (int row = 1; row <= 8; ++row)
        typed.push_back(g.Cell(1, row));
    EXPECT_EQ(opened, typed);
    EXPECT_EQ(opened[0], "25,00");
}

TEST_F(Document, CtaSectionRestoresTheWizardAndSizesTheUnit)
{
    struct Case {
        const char *radios;
        bool vap, lav, toutAN, echangeur, melange;
    };
    // Within a group the later key read as true wins.
    const Case cases[] = {
        {"Vapeur=1\nLaveur=1\nTAN=1\nMelange=1\n", false, true, false, false, true},
        {"Vapeur=1\nEchangeur=1\n", true, false, false, true, false},
        {"Laveur=1\nTAN=1\nMelange=0\n", false, true, true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.radios);
        messages.entries.clear();
        ASSERT_EQ(open(std::string("[General]\nbon_fichier=1\n[CTA]\nQ_sensible=-3,5\n") + c.radios + "dessin=1\n"),
                  DocumentOpening::Opened);
        const AhuData &a = state.ahu;
        EXPECT_EQ(a.E_Charge_sens, "-3,5");
        EXPECT_EQ(a.E_T_Surface, "8");
        EXPECT_EQ((std::vector<bool>{a.R_Vap, a.R_Lav, a.R_tout_AN, a.R_Echange_plaques, a.R_melange}),
                  (std::vector<bool>{c.vap, c.lav, c.toutAN, c.echangeur, c.melange}));
        // Selecting a fresh-air button ran the enabling rule.
        EXPECT_EQ(a.E_QM_AN_Enabled, c.melange);
        EXPECT_EQ(a.E_eff_echangeur_Enabled, c.echangeur);
        EXPECT_TRUE(state.flags.Check_dessin_CTA);
        EXPECT_TRUE(messages.entries.empty()) << messages.entries.front().text;
        EXPECT_EQ(a.grille_resultats.Cell(1, 0), "Intérieur") << "the sizing ran";
    }
}

// A document keeps its weather file and filters; reopening brings the climate
// back, and a file that is gone is said while the rest opens.
TEST_F(Document, KeepsItsClimateInItsSectionMeteo)
{
    const std::string epw = ::testing::TempDir() + "brumelle_document_climate.epw";
    test::WriteSmallEpw(epw);
    IniFile saved;
    WriteDocument(saved, state);
    EXPECT_EQ(saved.ToBytes().find("[Meteo]"), std::string::npos) << "no climate, no section";
    state.climate.filter = {6, 8, 9, 18};
    state.climate.shown = false;
    state.climate.Take(epw, *ReadEpw(test::SmallEpw(), 101325));
    WriteDocument(saved, state);

    state = ProgramState{};
    ASSERT_EQ(open(saved.ToBytes()), DocumentOpening::Opened);
    EXPECT_EQ(state.climate.path, epw);
    EXPECT_EQ(std::tie(state.climate.filter.monthFrom, state.climate.filter.hourTo, state.climate.shown),
              std::make_tuple(6, 18, false));
    EXPECT_EQ(state.climate.cells.retained, 3u); // the three July afternoon hours

    std::remove(epw.c_str());
    messages.entries.clear();
    ASSERT_EQ(open(saved.ToBytes()), DocumentOpening::Opened);
    EXPECT_FALSE(state.climate.Loaded());
    EXPECT_EQ(messages.entries.front(), (RecordingMessages::Entry{"message", WeatherFileMissing(epw)}));
}


// The zones stay with the study: reopened as they were, a zone the dialog
// would refuse left out, and none left behind once the study has none.
TEST_F(Document, KeepsItsZonesInItsSectionZones)
{
    state.climate.SetZones({{"Salle blanche", 18.5L, 27, 30, 60.5L}}, {{1.2L, 0.5L, 0.1L}, true}, 101325);
    IniFile saved;
    WriteDocument(saved, state);
    EXPECT_NE(saved.ToBytes().find("TS_mini_1=18,5"), std::string::npos);

    state = ProgramState{};
    std::string bytes = saved.ToBytes();
    bytes.replace(bytes.find("Nombre=1"), 8, "Nombre=2");
    ASSERT_EQ(open(bytes + "Nom_2=Vide\nTS_mini_2=30\nTS_maxi_2=20\nHR_mini_2=0\nHR_maxi_2=100\n"),
              DocumentOpening::Opened);
    ASSERT_EQ(state.climate.userZones.size(), 1u);
    EXPECT_EQ(state.climate.userZones[0].hrMaxPercent, 60.5L);
    EXPECT_EQ(state.climate.comfort.inputs.met, 1.2L);
    ASSERT_EQ(state.climate.zones.size(), 2u) << "the zone and the comfort zone, outlined";
    EXPECT_FALSE(state.climate.zones[1].outline.empty());

    state.climate.SetZones({}, {}, 101325);
    WriteDocument(saved, state);
    ASSERT_EQ(open(saved.ToBytes()), DocumentOpening::Opened);
    EXPECT_TRUE(state.climate.userZones.empty());
    EXPECT_FALSE(state.climate.comfort.shown);
}

