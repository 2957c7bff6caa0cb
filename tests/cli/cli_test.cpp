#include <cstdio>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/cli.h"

using namespace brumelle;

namespace {

struct Result {
    int status;
    std::string out, err;
};

Result run(const std::vector<std::string> &args)
{
    Result r;
    r.status = RunCli(args, r.out, r.err);
    return r;
}

std::string write(const QTemporaryDir &dir, const char *name, const std::string &text)
{
    QFile f(dir.filePath(QString::fromUtf8(name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
    return f.fileName().toStdString();
}

} // namespace

TEST(Cli, ReadoutWithFrenchSeparators)
{
    const Result r = run({"readout", "--plot", "730x542", "--locale", "fr_FR", "405", "380"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "TS = 19,28 °C     R = 10,03 g/kgas     HR = 71,84 %     H = 44,85 kJ/kgas     "
                     "V = 0,8413 m3/kgas     TH = 16,03 °C     TR = 14,08 °C\n");
}

TEST(Cli, ReadoutBeyondSaturationIsAnEmptyLine)
{
    const Result r = run({"readout", "--plot", "730x542", "20", "20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\n");
}

TEST(Cli, ReadoutFollowsSettings)
{
    // A wider dry-bulb range moves the point under the same pixel.
    const Result a = run({"readout", "--plot", "730x542", "--locale", "en_US", "405", "380"});
    const Result b = run({"readout", "--plot", "730x542", "--locale", "en_US", "--set", "TS.Mini=-20", "405", "380"});
    EXPECT_EQ(a.out.substr(0, 14), "TS = 19.28 °C");
    EXPECT_NE(a.out, b.out);
}

TEST(Cli, ChartImageHasTheMarginsAroundThePlot)
{
    QTemporaryDir dir;
    const std::string png = dir.filePath("chart.png").toStdString();
    const Result r = run({"chart", "--plot", "730x542", "--set", "Fenetre.Couleur=16777215", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 800);
    EXPECT_EQ(image.height(), 582);
    // White background, green humidity-ratio axis at x = 750.
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(750, 300), QColor(0, 128, 0));
}

TEST(Cli, ChartWritesSvgAndPdf)
{
    QTemporaryDir dir;
    for (const char *name : {"c.svg", "c.pdf"}) {
        const std::string path = dir.filePath(name).toStdString();
        const Result r = run({"chart", "--plot", "300x200", "-o", path});
        ASSERT_EQ(r.status, 0) << r.err;
        std::FILE *f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        char head[5] = {};
        EXPECT_EQ(std::fread(head, 1, 4, f), 4u);
        std::fclose(f);
        EXPECT_EQ(std::string(head), std::string(name).back() == 'f' ? "%PDF" : "<?xm");
    }
}

// The same chart on a finer surface: R times the pixels across and down
// (rounded halves to even); at 1 the very image drawn without the option, at 2
// lines drawn at their own resolution, not the image at 1 with every pixel
// doubled, where each aligned 2 × 2 block would be of one colour.
TEST(Cli, ChartAtADevicePixelRatio)
{
    QTemporaryDir dir;
    const auto chart = [&](const char *ratio) {
        const QString png = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(ratio)));
        std::vector<std::string> args = {"chart", "--plot", "731x543", "-o", png.toStdString()};
        for (const char *family : {"R", "HR", "TS", "H", "V"}) // lines only: labels are smooth anyway
            args.insert(args.end(), {"--set", std::string(family) + ".Montrer_texte=0"});
        if (*ratio)
            args.insert(args.end(), {"--device-pixel-ratio", ratio});
        EXPECT_EQ(run(args).status, 0);
        QFile file(png);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    const QByteArray plain = chart("");
    const struct {
        const char *ratio;
        QSize size;
    } cases[] = {{"1", {801, 583}}, {"1.5", {1202, 874}}, {"2", {1602, 1166}}, {"4", {3204, 2332}}};
    for (const auto &c : cases) {
        const QByteArray bytes = chart(c.ratio);
        const QImage image = QImage::fromData(bytes);
        EXPECT_EQ(image.size(), c.size) << c.ratio;
        if (std::string(c.ratio) == "1") {
            EXPECT_EQ(bytes, plain);
        }
        if (std::string(c.ratio) != "2")
            continue;
        const QRgb background = image.pixel(1, 1);
        int crossed = 0, mixed = 0;
        for (int y = 0; y + 1 < image.height(); y += 2)
            for (int x = 0; x + 1 < image.width(); x += 2) {
                const QRgb p[] = {image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                                  image.pixel(x + 1, y + 1)};
                crossed += p[0] != background || p[1] != background || p[2] != background || p[3] != background;
                mixed += p[0] != p[1] || p[0] != p[2] || p[0] != p[3];
            }
        EXPECT_GT(mixed, crossed / 2) << mixed << " of " << crossed;
    }
}

TEST(Cli, BadArgumentsGiveUsageAndStatus2)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"draw"},
        {"chart", "-o", "x.png"},
        {"chart", "--plot", "abc", "-o", "x.png"},
        {"chart", "--plot", "100x100", "-o", "x.bmp"},
        {"chart", "--plot", "100x100"},
        {"chart", "--plot", "999999x10", "-o", "x.png"},
        {"chart", "--plot", "100x100", "--set", "Nope=1", "-o", "x.png"},
        {"chart", "--plot", "100x100", "--set", "TS.Maxi=abc", "-o", "x.png"},
        {"chart", "--plot", "100x100", "--set", "Patm=0", "-o", "x.png"},
        {"chart", "--plot", "100x100", "--device-pixel-ratio", "0.5", "-o", "x.png"},
        {"chart", "--plot", "100x100", "--device-pixel-ratio", "4.01", "-o", "x.png"},
        {"chart", "--plot", "100x100", "--device-pixel-ratio", "1,5", "-o", "x.png"},
        {"readout", "--plot", "100x100", "--device-pixel-ratio", "2", "1", "2"},
        {"readout", "--plot", "100x100", "1"},
        {"readout", "--plot", "100x100", "a", "b"},
        {"readout", "--plot"},
        {"readout", "--plot", "100x100", "--bogus", "1", "2"},
        {"chart", "--plot", "100x100", "-o", ""},
        {"note", "x.brm", "-o", ""},
        {"run", "x.brm", "--save", ""},
        {"weather"}, {"weather", "a.epw", "b.epw"}, {"weather", "a.epw", "--months", "0-3"},
        {"weather", "a.epw", "--months", "6"}, {"weather", "a.epw", "--hours", "1-25"},
        {"weather", "a.epw", "--hours", "a-b"}, {"weather", "a.epw", "--plot", "100x100"},
        {"weather", "a.epw", "--weather", "b.epw"}, {"chart", "--plot", "100x100", "--months", "6-8", "-o", "x.png"},
        {"readout", "--plot", "100x100", "--hours", "9-18", "1", "2"}, {"note", "x.brm", "-o", "n", "--weather", "e"},
        {"weather", "a.epw", "--zone", "A:1:2:3"}, {"weather", "a.epw", "--zone", "A:2:1:0:100"},
        {"weather", "a.epw", "--comfort", "1.1:0.5:0.21"}, {"chart", "--plot", "1x1", "--zone", "A:1:2:3:4", "-o", "x"},
    };
    for (const auto &args : bad) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("usage"), std::string::npos);
    }
}

// Each side of the image, after the ratio, at most that of the largest plot at ratio 1:
// (20000 + 70) x (20000 + 40) pixels.
TEST(Cli, ImageSizeIsCappedAfterTheRatio)
{
    const struct {
        const char *plot, *ratio;
        bool refused;
    } rows[] = {
        {"20000x20000", "1", false},   {"20000x20000", "2", true},
        {"9965x9980", "2", false},     {"9966x9980", "2", true},    {"9965x9981", "2", true}, // 2 x (9965 + 70) = 20070
        {"13310x13320", "1.5", false}, {"13311x13320", "1.5", true}, // 1.5 x 13381 = 20071.5, to even 20072
        {"4947x4970", "4", false},     {"4948x4970", "4", true},     // 4 x (4947 + 70) = 20068
    };
    for (const auto &r : rows) {
        // An ending no chart has: a size that passes is refused for that reason, without drawing.
        const Result res = run({"chart", "--plot", r.plot, "--device-pixel-ratio", r.ratio, "-o", "x.bmp"});
        EXPECT_EQ(res.status, 2);
        EXPECT_EQ(res.err.find("larger than 20070 x 20040") != std::string::npos, r.refused) << r.plot << r.ratio;
    }
}

// A file that cannot be written, whatever the format: status 1 and the program's message.
TEST(Cli, ChartThatCannotBeWrittenSaysSo)
{
    QTemporaryDir dir;
    for (const char *name : {"full.png", "full.svg", "full.pdf"}) {
        const std::string path = dir.filePath(name).toStdString();
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), QString::fromStdString(path)));
        const Result r = run({"chart", "--plot", "300x200", "-o", path});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.err, "erreur: Impossible d'écrire dans " + path + ".\n");
    }
}

TEST(Cli, TheProgramRunsWithoutDisplay)
{
    // The real executable, as a user would call it.
    const std::string cmd = std::string("env -u DISPLAY QT_QPA_PLATFORM= ") + BRUMELLE_CLI_PATH +
                            " readout --plot 730x542 --locale fr_FR 405 380";
    std::FILE *p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    char buf[512] = {};
    const size_t n = std::fread(buf, 1, sizeof buf - 1, p);
    const int status = pclose(p);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::string(buf, n).substr(0, 14), "TS = 19,28 °C");
    EXPECT_EQ(pclose(popen((std::string(BRUMELLE_CLI_PATH) + " nonsense 2>/dev/null").c_str(), "r")) >> 8, 2);
}

TEST(Cli, OutputIsWrittenWholeEvenWithANulByteInIt)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("nul.brm").toStdString();
    std::FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const char doc[] = "[General]\nbon_fichier=1\nP=1\0" "2\n";
    std::fwrite(doc, 1, sizeof doc - 1, f);
    std::fclose(f);
    std::FILE *p = popen((std::string("env -u DISPLAY QT_QPA_PLATFORM= ") + BRUMELLE_CLI_PATH + " run " + path +
                          " 2>/dev/null")
                             .c_str(),
                         "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    EXPECT_EQ(pclose(p), 0);
    // The pressure row shows the text with its NUL, and everything after it is there.
    EXPECT_NE(out.find(std::string("Pression Atm Pa\t1\0" "2", 18)), std::string::npos);
    EXPECT_NE(out.find("\nTreatmentMode="), std::string::npos);
}

// A weather file's rows, used fields only. Pvs(t) = 10^(2.7858 + t / (31.559 + 0.1354 t)): Pvs(0) = 610.6 Pa,
// Pvs(10) = 1229.2 Pa, Pvs(-22) = 103.8 Pa.
TEST(Cli, WeatherPrintsTheYearAndItsHoursAreDrawnOnTheChartAndInTheNote)
{
    QTemporaryDir dir;
    const std::string epw = write(
        dir, "lyon.epw",
        "LOCATION,Lyon,ARA,FRA,Test,074810,45.72,4.94,1.0,240\nDESIGN CONDITIONS,1,2009,,Heating,1,-20,-16.6,Cooling,7,"
        "10.5,33.3,23.7,31.6,23,30.1,22.1\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\nHOLIDAYS/DAYLIGHT SAVINGS,"
        "No\nCOMMENTS 1,\nCOMMENTS 2,\nDATA PERIODS,1\n"
        "1999,1,15,9,0,?,5.5,0,70,101325\n"      // 0.622 × 610.6 / (101325 − 610.6) = 3.77 g/kgas
        "1999,1,15,10,0,?,5.2,0,70,101325\n"     // the same cell
        "1999,2,1,12,0,?,20.5,10,50,100325\n"    // 0.622 × 1229.2 / (100325 − 1229.2) = 7.72 g/kgas
        "1999,7,1,14,0,?,30.5,20,50,101325\n"    // July: not retained
        "1999,12,31,9,0,?,-20.5,-22,80,999999\n" // at the chart's 30000 Pa: 0.622 × 103.8 / (30000 − 103.8) = 2.16
        "1999,1,16,9,0,?,99.9,0,70,101325\n"     // no dry bulb: missing
        "1999,1,1,1,0,?,20,10\n");               // unreadable
    const Result r = run({"weather", epw, "--months", "11-2", "--hours", "8-18", "--set", "Patm=30000", "--zone",
                          "Doux:5:6:0:100", "--comfort", "1.1:0.5:0.1", "--locale", "fr_FR"});
    EXPECT_EQ(r.out, "Lieu=Lyon, ARA, FRA\nWMO=074810\nLatitude=45,72\nLongitude=4,94\nAltitude en m=240\nHeures=5\n"
                     "Heures manquantes=1\nLignes illisibles=1\nHeures retenues=4\n"
                     "Heures hors diagramme=1\n" // -20.5 °C, below the chart's -15 °C
                     "Pression de la station en Pa=101\xE2\x80\xAF" "125\n" // (4 × 101325 + 100325) / 5
                     "[conditions de base]\nChauffage 99,6 %\tfichier\t-20,00\nChauffage 99 %\tfichier\t-16,60\n"
                     "Refroidissement 0,4 %\tfichier\t33,30\t23,70\nRefroidissement 1 %\tfichier\t31,60\t23,00\n"
                     "Refroidissement 2 %\tfichier\t30,10\t22,10\n"
                     // The five dry bulbs sorted, -20.5, 5.2, 5.5, 20.5, 30.5, at q / 100 × 4:
                     // -20.5 + 0.016 × 25.7, -20.5 + 0.04 × 25.7, 20.5 + 0.984 × 10, ...
                     "Chauffage 99,6 %\tannée\t-20,09\t-21,04\nChauffage 99 %\tannée\t-19,47\t-21,04\n"
                     "Refroidissement 0,4 %\tannée\t30,34\t23,12\nRefroidissement 1 %\tannée\t30,10\t23,12\n"
                     "Refroidissement 2 %\tannée\t29,70\t23,12\n"
                     "[heures]\n-21\t2\t1\n5\t3\t2\n20\t7\t1\n"
                     "[zones]\nDoux\t2\t50,00\nConfort ASHRAE 55\t0\t0,00\n"); // the two January hours of four
    const Result refused = run({"weather", write(dir, "not.epw", "[General]\n")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "message: Le fichier n'est pas un fichier météo EPW reconnu\n");

    const std::string png = dir.filePath("c.png").toStdString();
    const auto chart = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"chart", "--plot", "730x542", "-o", png});
        EXPECT_EQ(run(args).status, 0);
        QFile f(QString::fromStdString(png));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const std::string doc = write(dir, "étude.brm", "[General]\nbon_fichier=1\nP=101325\n[Meteo]\nFichier=" + epw);
    const QByteArray plain = chart({}), hours = chart({"--weather", epw});
    EXPECT_NE(hours, plain);
    EXPECT_EQ(chart({"--weather", epw, "--months", "3-6"}), plain); // no hour retained
    EXPECT_EQ(chart({"--document", doc}), hours);
    const QString pdf = dir.filePath("note.pdf");
    ASSERT_EQ(run({"note", doc, "-o", pdf.toStdString()}).status, 0);
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(10000));
    EXPECT_TRUE(text.readAllStandardOutput().contains("Climat\nLieu : Lyon, ARA, FRA\nFichier météo : lyon.epw"));
}
