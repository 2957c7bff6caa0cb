#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/cli.h"

using namespace brumelle;

namespace {

// What a poppler tool prints about a PDF.
QString Poppler(const char *tool, const QStringList &args)
{
    QProcess p;
    p.start(QString::fromLatin1(tool), args);
    EXPECT_TRUE(p.waitForFinished(10000)) << tool;
    return QString::fromUtf8(p.readAllStandardOutput());
}

class CliNote : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string doc = dir.filePath(QStringLiteral("étude.brm")).toStdString();
    std::string out, err;

    void SetUp() override
    {
        QFile f(QString::fromStdString(doc));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\r\nbon_fichier=1\r\nP=101325\r\n[CTA]\r\nMelange=1\r\nVapeur=1\r\ndessin=1\r\n");
    }
};

} // namespace

TEST_F(CliNote, WritesRealTextAndAVectorChartInEmbeddedFonts)
{
    const QString pdf = dir.filePath(QStringLiteral("note.pdf"));
    ASSERT_EQ(RunCli({"note", doc, "-o", pdf.toStdString(), "--locale", "fr_FR"}, out, err), 0) << err;

    const QString text = Poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const char *expected : {"Note de calcul", "étude.brm", "Pression atmosphérique en Pa : 101325",
                                 "Dimensionnement CTA", "T° Sèche °C", "0,8397", "40%"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    // The chart is lines and text: not a single image on any page.
    EXPECT_EQ(Poppler("pdfimages", {QStringLiteral("-list"), pdf}).trimmed().split(QLatin1Char('\n')).size(), 2);
    const QStringList fonts = Poppler("pdffonts", {pdf}).trimmed().split(QLatin1Char('\n')).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString &font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) +\\d+ +\\d+$"))))
            << font.toStdString();
}

TEST_F(CliNote, AFileThatCannotBeWrittenLeavesNothingBehind)
{
    const std::string pdf = dir.filePath(QStringLiteral("none/note.pdf")).toStdString();
    EXPECT_EQ(RunCli({"note", doc, "-o", pdf}, out, err), 1);
    EXPECT_EQ(err, "erreur: Impossible d'écrire dans " + pdf + ".\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("étude.brm")});
    EXPECT_EQ(RunCli({"note", doc}, out, err), 2);
}
