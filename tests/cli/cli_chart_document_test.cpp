#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/cli.h"

using namespace brumelle;

namespace {

std::string writeDocument(const QTemporaryDir &dir, const char *text)
{
    const QString path = dir.filePath("doc.brm");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path.toStdString();
}

// Centre of a marker for the default 730 × 542 plot and ranges.
QPoint pixel(double tsC, double rGkg)
{
    const int x = static_cast<int>(std::nearbyint((tsC + 15) * 730 / 65)) + 20;
    const int y = static_cast<int>(std::nearbyint(542 * -0.998 * (rGkg - 30) / 30)) + 20;
    return {x, y};
}

} // namespace

TEST(CliChartDocument, TickedEvolutionsAreDrawnOverTheChart)
{
    QTemporaryDir dir;
    const std::string doc = writeDocument(dir, "[General]\r\nbon_fichier=1\r\nP=101325\r\n"
                                               "[Batterie chaude]\r\ndessin=1\r\n[Laveur]\r\ndessin=0\r\n");
    const std::string png = dir.filePath("c.png").toStdString();
    std::string out, err;
    ASSERT_EQ(RunCli({"chart", "--plot", "730x542", "--locale", "fr_FR", "--document", doc, "-o", png}, out, err), 0)
        << err;
    const QImage image(QString::fromStdString(png));
    // Heating coil: inlet 20 °C / 7.27 g/kgas and outlet 30 °C at the same R: red discs
    // (looked at beside their centres, where the red dry-bulb lines pass).
    const QPoint in = pixel(20, 7.27), outlet = pixel(30, 7.27);
    EXPECT_EQ(image.pixelColor(in + QPoint(2, 1)), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(outlet + QPoint(2, 1)), QColor(255, 0, 0));
    // The washer is not ticked: nothing at its end point (13.72 °C, 9.80 g/kgas).
    EXPECT_NE(image.pixelColor(pixel(13.72, 9.80) + QPoint(2, 1)), QColor(255, 0, 0));
}

TEST(CliChartDocument, NotADocumentOrMissingFile)
{
    QTemporaryDir dir;
    const std::string doc = writeDocument(dir, "[General]\nbon_fichier=0\n");
    const std::string png = dir.filePath("c.png").toStdString();
    std::string out, err;
    EXPECT_EQ(RunCli({"chart", "--plot", "100x100", "--document", doc, "-o", png}, out, err), 1);
    EXPECT_NE(err.find("Le fichier n'est pas reconnu par le Brumelle"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
    err.clear();
    EXPECT_EQ(RunCli({"chart", "--plot", "100x100", "--document", dir.filePath("none.brm").toStdString(), "-o", png},
                     out, err),
              2);
    EXPECT_EQ(RunCli({"readout", "--plot", "100x100", "--document", doc, "1", "2"}, out, err), 2);
}
