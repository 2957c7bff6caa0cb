// Preference files, Brumelle.ini and documents written to disk.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "calculations.h"
#include "chart/settings_keys.h"
#include "chart/zoom.h"
#include "document_opening.h"
#include "program_state.h"
#include "storage/preferences.h"
#include "storage/recent_documents.h"
#include "support/recording_messages.h"

using namespace brumelle;
using brumelle::test::RecordingMessages;
namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
protected:
    fs::path dir = fs::path(::testing::TempDir()) / ("brumelle_files_" + std::to_string(::getpid()) + "_" +
                                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    RecordingMessages messages;

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char *name) const { return (dir / name).string(); }
    static std::string read(const std::string &p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::string &p, const std::string &bytes) { std::ofstream(p, std::ios::binary) << bytes; }
    // Only the file itself is left in the folder: no temporary beside it.
    size_t entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

std::vector<int64_t> Fields(const ChartSettings &s)
{
    std::vector<int64_t> v;
    for (const SettingKey &k : SettingKeys())
        v.push_back(GetSetting(s, k));
    return v;
}

} // namespace

TEST(SettingsKeys, ThirtySevenInFileOrderAndFourteenColoursAndStyles)
{
    ASSERT_EQ(SettingKeys().size(), 37u);
    EXPECT_EQ(std::string(SettingKeys().front().section) + "/" + SettingKeys().front().key, "Temperature seche/Maxi");
    EXPECT_EQ(std::string(SettingKeys().back().section) + "/" + SettingKeys().back().key, "Pression atmospherique/P");
    std::string order;
    for (const SettingKey *k : ColourAndStyleKeys())
        order += std::string(k->name) + " ";
    EXPECT_EQ(order, "TS.Couleur TS.Lignes R.Couleur R.Lignes HR.Couleur TH.Couleur TH.Lignes TR.Couleur TR.Lignes "
                     "H.Couleur H.Lignes V.Couleur V.Lignes Fenetre.Couleur ");
    EXPECT_EQ(DefaultSetting(*FindSetting("fenetre.COULEUR")), 12632256);
    EXPECT_EQ(FindSetting("HR.Lignes"), nullptr);
}

TEST(Preferences, WrittenThenReadGiveTheSameFields)
{
    ChartSettings s;
    int64_t i = 0;
    for (const SettingKey &k : SettingKeys())
        SetSetting(s, k, k.lo > INT32_MIN ? k.hi - (i++ % 2) : 7 + i++); // within every bound
    s.TS.Mini = -50;
    s.R.Maxi = s.R.Maxi_zoom = 40; // the two 100 % limits of the humidity-ratio axis
    s.R.Mini = s.R.Mini_zoom = 0;
    IniFile f;
    WriteSettings(f, s);
    ChartSettings back;
    ReadSettings(IniFile::FromBytes(f.ToBytes()), back);
    EXPECT_EQ(Fields(back), Fields(s));

    // A file without keys gives every default.
    ReadSettings(IniFile(), back);
    EXPECT_EQ(Fields(back), Fields(ChartSettings{}));
}

TEST(Preferences, ZoomedRangesReadBackAndUnusableValuesTakeTheirDefaults)
{
    struct Case {
        const char *lines; // under their sections
        const char *name;
        int64_t expected;
    };
    const Case cases[] = {
        {"[Enthalpie]\nCouleur=0xFF\n", "H.Couleur", 255},
        {"[Enthalpie]\nCouleur=$FF00\n", "H.Couleur", 65280},
        {"[Enthalpie]\nCouleur=-1\n", "H.Couleur", 16711680},
        {"[Fenetre]\nCouleur=16777216\n", "Fenetre.Couleur", 12632256},
        // Ranges a zoom leaves read back as they were written...
        {"[Temperature seche]\nMaxi=54\nMini=21\n", "TS.Maxi", 54},
        {"[Humidite specifique]\nMaxi=24\nMini=-1\n", "R.Mini", -1},
        {"[Temperature seche]\nMaxi=100000\nMini=99999\n", "TS.Mini", kZoomBoundLimit - 1},
        {"[Temperature seche]\nMini_zoom=-51\n", "TS.Mini_zoom", -51},
        // ...but not what no zoom gives, nor a pair with Maxi not above Mini (both defaults).
        {"[Temperature seche]\nMaxi=100001\n", "TS.Maxi", 50},
        {"[Humidite specifique]\nMaxi_zoom=-100000\n", "R.Maxi_zoom", 30},
        {"[Humidite specifique]\nMaxi=0\n", "R.Maxi", 30},
        {"[Temperature seche]\nMaxi=10\nMini=10\n", "TS.Mini", -15},
        {"[Temperature seche]\nMaxi=10\nMini=10\n", "TS.Maxi", 50},
        {"[Pression atmospherique]\nP=0\n", "Patm", 101325},
        {"[Pression atmospherique]\nP=-5\n", "Patm", 101325},
        {"[Pression atmospherique]\nP=90000\n", "Patm", 90000},
        {"[Volume massique]\nMontrer=3\nLignes=7\n", "V.Montrer", 3}, // codes as they come
        {"[Volume massique]\nMontrer=3\nLignes=7\n", "V.Lignes", 7},
        {"[Hygrometrie]\nMontrer=oui\n", "HR.Montrer", 1},
        {"[Hygrometrie]\nMontrer=99999999999\n", "HR.Montrer", 1},
    };
    for (const Case &c : cases) {
        ChartSettings s;
        s.TS.Maxi = 0; // every read sets every field
        ReadSettings(IniFile::FromBytes(c.lines), s);
        EXPECT_EQ(GetSetting(s, *FindSetting(c.name)), c.expected) << c.lines << c.name;
    }
}

TEST_F(Files, PreferenceCommands)
{
    ChartSettings s;
    s.H.Couleur = 123;
    // Only "Temperature seche" is needed; every other field takes its default.
    write(path("only.pfs"), "[Temperature seche]\r\nMaxi=40\r\n");
    ASSERT_TRUE(OpenPreferences(path("only.pfs"), s, messages));
    EXPECT_EQ(s.TS.Maxi, 40);
    EXPECT_EQ(s.H.Couleur, 16711680);
    // A document is not a preference file.
    write(path("doc.brm"), "[General]\r\nbon_fichier=1\r\n");
    EXPECT_FALSE(OpenPreferences(path("doc.brm"), s, messages));
    EXPECT_FALSE(OpenPreferences(path("missing.pfs"), s, messages));
    EXPECT_EQ(messages.texts(), (std::vector<std::string>(2, kNotADocument)));
    EXPECT_EQ(s.TS.Maxi, 40);

    // Saving onto a preference file asks first; "Non" leaves it byte for byte.
    messages.entries.clear();
    messages.answer = false;
    const std::string before = read(path("only.pfs"));
    EXPECT_FALSE(SavePreferences(path("only.pfs"), s, messages));
    EXPECT_EQ(read(path("only.pfs")), before);
    EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{{"confirmation", kOverwriteQuestion}}));
    messages.answer = true;
    EXPECT_TRUE(SavePreferences(path("only.pfs"), s, messages));
    IniFile back;
    ASSERT_TRUE(back.LoadFromFile(path("only.pfs")));
    EXPECT_EQ(back.ReadString("Pression atmospherique", "P", ""), "101325");
    // A new file asks nothing.
    messages.entries.clear();
    EXPECT_TRUE(SavePreferences(path("new.pfs"), s, messages));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(Files, WritesReplaceTheFileWholeOrNotAtAll)
{
    // A folder that does not exist: the error names the file in full.
    const std::string lost = (dir / "none" / "a.brm").string();
    EXPECT_FALSE(UpdateIniFile(lost, [](IniFile &f) { f.WriteString("A", "k", "v"); }, messages));
    EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{{"erreur", "Impossible d'écrire dans " + lost}}));
    // A name taken by a folder cannot be replaced; nothing is left beside it.
    fs::create_directory(dir / "taken.ini");
    EXPECT_FALSE(UpdateIniFile(path("taken.ini"), [](IniFile &) {}, messages));
    EXPECT_TRUE(fs::is_directory(dir / "taken.ini"));
    EXPECT_EQ(entries(), 1u);

    // Lines that are not the program's keys stay byte for byte, line ends included.
    const std::string own = "; notes\n[Mine]\r\nx = 1 \n";
    write(path("kept.ini"), own);
    ASSERT_TRUE(UpdateIniFile(path("kept.ini"), [](IniFile &f) { f.WriteString("Fenetre", "Couleur", "1\r\n[X]"); },
                              messages));
    EXPECT_EQ(read(path("kept.ini")), own + "[Fenetre]\nCouleur=1  [X]\n") << "a value never breaks its line";
    EXPECT_EQ(entries(), 2u);
}

TEST_F(Files, DocumentsSavedReopenToTheSameResults)
{
    ProgramState state;
    Calculations calc(state, messages, {}, NumberSeparators{});
    state.pressure.text = "95000";
    state.evolutions.E_TS_Entree_BC = "12,5";
    state.evolutions.grille_un_point.SetCell(1, 1, "25");
    state.evolutions.grille_un_point.SetCell(1, 2, "40");
    state.flags.Check_dessin_vap = true;
    state.ahu.E_QM_AN = "0,2";
    state.flags.Check_dessin_CTA = true;
    calc.RerunAfterOpening();
    state.ahu.E_charge_lat = "0,001\r\n[General]"; // typed junk stays one value
    ASSERT_EQ(SaveDocument(path("a.brm"), state, messages), DocumentSaving::Saved);
    EXPECT_TRUE(messages.entries.empty());

    const std::string bytes = read(path("a.brm"));
    std::string sections;
    for (size_t at = 0; (at = bytes.find('[', at)) != std::string::npos; ++at)
        if (at == 0 || bytes[at - 1] == '\n')
            sections += bytes.substr(at, bytes.find(']', at) - at + 1);
    EXPECT_EQ(sections, "[General][Un point][Batterie chaude][Melange][Batterie froide][Laveur][Vapeur][CTA]");
    EXPECT_EQ(bytes.substr(0, 47), "[General]\r\nbon_fichier=1\r\nP=95000\r\n[Un point]\r\n");
    EXPECT_NE(bytes.find("\r\nQ_latent=0,001  [General]\r\n"), std::string::npos);

    ProgramState reopened;
    RecordingMessages quiet;
    Calculations calc2(reopened, quiet, {}, NumberSeparators{});
    IniFile f;
    ASSERT_TRUE(f.LoadFromFile(path("a.brm")));
    state.ahu.E_charge_lat = "0,001";
    calc.RerunAfterOpening();
    ASSERT_EQ(OpenDocument(f, reopened, calc2, quiet, {}), DocumentOpening::Opened);
    for (const auto grid : {&EvolutionData::grille_un_point, &EvolutionData::grille_BC, &EvolutionData::grille_vap})
        EXPECT_EQ(GridClipboardText(reopened.evolutions.*grid), GridClipboardText(state.evolutions.*grid));
    EXPECT_EQ(GridClipboardText(reopened.ahu.grille_resultats), GridClipboardText(state.ahu.grille_resultats));
    EXPECT_TRUE(reopened.flags.Check_dessin_vap && reopened.flags.Check_dessin_CTA);
    EXPECT_TRUE(reopened.ahu.R_Vap && reopened.ahu.R_melange && !reopened.ahu.R_Lav);
}

TEST_F(Files, SavingOverFiles)
{
    ProgramState state;
    // A text file that is not a document: no question, its lines kept, sections added at its end.
    const std::string notes = "notes of mine\nx=1\n";
    write(path("notes.txt"), notes);
    ASSERT_EQ(SaveDocument(path("notes.txt"), state, messages), DocumentSaving::Saved);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(read(path("notes.txt")).substr(0, notes.size() + 10), notes + "[General]\n");

    // A document: the question; "Non" leaves it byte for byte.
    const std::string before = read(path("notes.txt"));
    messages.answer = false;
    state.pressure.text = "90000";
    EXPECT_EQ(SaveDocument(path("notes.txt"), state, messages), DocumentSaving::Declined);
    EXPECT_EQ(read(path("notes.txt")), before);
    EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{{"confirmation", kOverwriteQuestion}}));

    EXPECT_EQ(SaveDocument((dir / "none" / "b.brm").string(), state, messages), DocumentSaving::Failed);
    EXPECT_EQ(messages.entries.back().kind, "erreur");
}

TEST_F(Files, RecentDocumentsListADocumentReachedByTwoPathsOnce)
{
    write(path("a.brm"), "[General]\r\nbon_fichier=1\r\n");
    fs::create_directories(dir / "sub");
    fs::create_symlink(dir / "a.brm", dir / "lien.brm");
    RecentDocuments recent;
    recent.Add(path("a.brm"));
    recent.Add(path("b.brm")); // not there (yet): compared by its path
    recent.Add((dir / "sub" / ".." / "a.brm").string());
    recent.Add(path("lien.brm"));
    recent.Add((dir / "." / "b.brm").string());
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{(dir / "." / "b.brm").string(), path("lien.brm")}));
}
