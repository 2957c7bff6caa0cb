#include <cstdio>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "render/locale_separators.h"
#include "storage/ini_file.h"

using namespace brumelle;

namespace {

struct RunResult {
    int status;
    std::string out, err;
};

class CliRun : public ::testing::Test {
protected:
    QTemporaryDir dir;

    std::string write(const char *name, const std::string &bytes)
    {
        const std::string path = dir.filePath(name).toStdString();
        std::FILE *f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return path;
    }

    static RunResult run(const std::vector<std::string> &args)
    {
        RunResult r;
        r.status = RunCli(args, r.out, r.err);
        return r;
    }
};

// The lines printed under "[name]", up to the next grid's name line.
std::string section(const std::string &out, const std::string &name)
{
    const size_t start = out.find("[" + name + "]\n");
    if (start == std::string::npos)
        return "";
    const size_t from = start + name.size() + 3;
    const size_t next = out.find("\n[", from);
    return out.substr(from, next == std::string::npos ? std::string::npos : next + 1 - from);
}

} // namespace

TEST_F(CliRun, PrintsEveryGridThenEveryBox)
{
    const std::string path = write("a.brm", "[General]\r\nbon_fichier=1\r\nP=101325\r\n"
                                            "[Batterie froide]\r\nDelta_T=15\r\n"
                                            "[Laveur]\r\nR_sortie=\r\n");
    const RunResult r = run({"run", path, "--locale", "fr_FR"});
    ASSERT_EQ(r.status, 0) << r.err;

    size_t last = 0;
    for (const char *name : {"[grille_un_point]\nPoints\tValeurs\n", "[grille_BC]\n", "[grille_melange]\n",
                             "[grille_bfc]\n", "[grille_lav]\n", "[grille_vap]\n", "\ne_P_bc=", "\nE_P_BFC=\n",
                             "\nE_Efficacite_BFC=\n", "\ne_condensation_bfc=\n", "\nE_efficacite_lav=",
                             "\nE_qm_eau_lav=", "\nE_qm_eau_vap=", "\nE_valeur_arr=1\n"}) {
        const size_t at = r.out.find(name, last);
        ASSERT_NE(at, std::string::npos) << name;
        last = at;
    }
    EXPECT_EQ(r.out.find('\r'), std::string::npos);

    const std::string group = SeparatorsOf(QLocale("fr_FR")).group;
    EXPECT_NE(r.out.find("\ne_P_bc=10" + group + "193\n"), std::string::npos);
    EXPECT_EQ(section(r.out, "grille_BC"), "Points\tEntrée\tSortie\n"
                                           "T° Seche °C\t20,00\t30,00\n"
                                           "Hygrometrie en %\t50\t28\n"
                                           "Humidite g/kgas\t7,27\t7,27\n"
                                           "Enthalpie kJ/kgas\t38,57\t48,76\n"
                                           "Volume m3/kgas\t0,8397\t0,8684\n"
                                           "T° Humide °C\t13,82\t17,51\n"
                                           "T° de rosée °C\t9,27\t9,27\n"
                                           "Pression Atm Pa\t101325\t101325\n");
    // The refused cooling coil keeps only its headings and the pressure row.
    EXPECT_NE(section(r.out, "grille_bfc").find("T° Seche °C\t\t\t\n"), std::string::npos);

    // The messages, in the order the calculations showed them.
    EXPECT_EQ(r.err, "message: La température de sortie de la batterie froide n'est pas cohérente, le calcul est "
                     "arrêté \n"
                     "information: Une des valeurs entrées n'est pas reconnue par le programme\n"
                     "information: Aucun mode d'air neuf n'est choisi, le calcul est arrêté\n");
}

TEST_F(CliRun, PressureOfTheDocument)
{
    // The evolutions window is shown after the opening: row 8 holds the document's pressure.
    const RunResult a = run({"run", write("p.brm", "[General]\nbon_fichier=1\nP=95000\n"), "--locale", "en_US"});
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_NE(section(a.out, "grille_vap").find("Pression Atm Pa\t95000\t95000\n"), std::string::npos);
    EXPECT_NE(a.out.find("\ne_P_bc=10,"), std::string::npos);
    EXPECT_EQ(a.err, "information: Aucun mode d'air neuf n'est choisi, le calcul est arrêté\n");

    // Not a whole number: the error box, with its full stop, and nothing computed.
    const RunResult b = run({"run", write("q.brm", "[General]\nbon_fichier=1\nP=abc\n")});
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.err, "erreur: 'abc' n'est pas une valeur entière correcte.\n");
    EXPECT_NE(b.out.find("\ne_P_bc=\n"), std::string::npos);
    EXPECT_NE(section(b.out, "grille_BC").find("Pression Atm Pa\tabc\tabc\n"), std::string::npos);
}

TEST_F(CliRun, SizesTheUnitOfTheCtaSection)
{
    const RunResult r = run({"run", write("c.brm", "[General]\nbon_fichier=1\n[CTA]\nVapeur=1\nMelange=1\n"),
                             "--locale", "fr_FR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const size_t start = r.out.find("\n[grille_resultats]\n");
    ASSERT_NE(start, std::string::npos);
    const std::string tail = r.out.substr(start + 20);
    std::vector<std::string> lines;
    for (size_t from = 0, nl; (nl = tail.find('\n', from)) != std::string::npos; from = nl + 1)
        lines.push_back(tail.substr(from, nl - from));
    ASSERT_EQ(lines.size(), 12u) << "ten rows, then the two modes";
    EXPECT_EQ(lines[0], "Points\tIntérieur\tSoufflage\tExtérieur\tMélange\tCaractéristiques\tdes matériels");
    EXPECT_EQ(lines[1].substr(lines[1].rfind("Puissance BC")), "Puissance BC\t4,00 [kW]");
    EXPECT_EQ(lines[9], "Texte\t1\t2\t3\t4\t\t");
    EXPECT_EQ(lines[10], "FreshAirMode=3");
    EXPECT_EQ(lines[11], "TreatmentMode=2");
}

TEST_F(CliRun, ExitStatus)
{
    const RunResult notDocument = run({"run", write("n.brm", "[General]\nbon_fichier=0\n")});
    EXPECT_EQ(notDocument.status, 1);
    EXPECT_EQ(notDocument.err, "message: Le fichier n'est pas reconnu par le Brumelle\n");
    EXPECT_EQ(notDocument.out, "");

    const std::string good = write("g.brm", "[General]\nbon_fichier=1\n");
    const std::vector<std::vector<std::string>> bad = {
        {"run"},
        {"run", dir.filePath("missing.brm").toStdString()},
        {"run", dir.path().toStdString()},
        {"run", good, good},
        {"run", good, "--locale"},
        {"run", good, "--set", "Patm=90000"},
    };
    for (const auto &args : bad) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("usage"), std::string::npos) << args.back();
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliRun, SaveWritesTheDocumentAsTheProgramWould)
{
    const std::string in = write("in.brm", "[General]\nbon_fichier=1\nP=95000\n[Batterie chaude]\nTS=12,5\n");
    const std::string out = write("out.brm", "[General]\nbon_fichier=1\n"); // a document: overwritten all the same
    const RunResult r = run({"run", in, "--save", out, "--locale", "fr_FR"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("confirmation: Le fichier existe déjà, souhaitez vous l'écraser ?\n"), std::string::npos);
    IniFile saved;
    ASSERT_TRUE(saved.LoadFromFile(out));
    EXPECT_EQ(saved.ReadString("General", "P", ""), "95000");
    EXPECT_EQ(saved.ReadString("Batterie chaude", "TS", ""), "12,5");
    EXPECT_EQ(saved.ReadString("CTA", "Q_sensible", ""), "-4");

    // Stopped at a pressure that is not a whole number: written all the same, with the pressure in use.
    const RunResult stopped = run({"run", write("hex.brm", "[General]\nbon_fichier=1\nP=0x17318\n"), "--save", out});
    EXPECT_EQ(stopped.status, 0);
    ASSERT_TRUE(saved.LoadFromFile(out));
    EXPECT_EQ(saved.ReadString("General", "P", ""), "101325");

    const std::string lost = dir.filePath("none/out.brm").toStdString();
    const RunResult failed = run({"run", in, "--save", lost});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("erreur: Impossible d'écrire dans " + lost + ".\n"), std::string::npos);
}

TEST_F(CliRun, PreferencesComeBeforeEverySet)
{
    const std::string pfs = write("p.pfs", "[Temperature seche]\nMaxi=30\n[Humidite specifique]\nMaxi=20\n");
    const auto readout = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {"readout", "--plot", "730x542", "--locale", "fr_FR"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.insert(args.end(), {"405", "380"});
        return run(args);
    };
    const RunResult both = readout({"--set", "TS.Maxi=40", "--preferences", pfs});
    const RunResult same = readout({"--set", "TS.Maxi=40", "--set", "R.Maxi=20"});
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(both.out, same.out);
    EXPECT_NE(both.out, readout({}).out);

    const RunResult refused = readout({"--preferences", write("d.brm", "[General]\nbon_fichier=1\n")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "message: Le fichier n'est pas reconnu par le Brumelle\n");
}
