#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/chart_printer.h"

using namespace brumelle;

using Fixture = test::MainWindowFixture;

TEST(ViewCommands, ZoomByMouseThenBackTo100Percent)
{
    Fixture f;
    f.form.Zoom1->trigger();
    EXPECT_TRUE(f.form.Zoom1->isChecked());
    f.mouse(QEvent::MouseButtonPress, 300, 200);
    f.mouse(QEvent::MouseMove, 500, 400);
    EXPECT_TRUE(f.state.zoom.ZoomDragging);
    // The dotted rectangle is on screen while dragging: black on its top edge.
    EXPECT_EQ(f.screen().pixelColor(400, 200), QColor(Qt::black));
    const QString text = f.form.StatusText();
    f.mouse(QEvent::MouseMove, 510, 410);
    EXPECT_EQ(f.form.StatusText(), text); // no readout during a drag
    f.mouse(QEvent::MouseButtonRelease, 510, 410);
    EXPECT_FALSE(f.form.Zoom1->isChecked());
    EXPECT_FALSE(f.state.zoom.ZoomDragging);
    const ChartSettings &s = f.state.settings;
    EXPECT_LT(s.TS.Maxi - s.TS.Mini, 65);
    EXPECT_LT(s.R.Maxi - s.R.Mini, 30);
    f.form.M_100->trigger();
    EXPECT_EQ(s.TS.Mini, -15);
    EXPECT_EQ(s.TS.Maxi, 50);
    EXPECT_EQ(s.R.Mini, 0);
    EXPECT_EQ(s.R.Maxi, 30);
}

TEST(ViewCommands, WholePlotDragGivesTheSameRanges)
{
    Fixture f;
    f.form.Zoom1->trigger();
    f.drag(20, 20, 750, 561);
    EXPECT_EQ(f.state.settings.TS.Mini, -15);
    EXPECT_EQ(f.state.settings.TS.Maxi, 50);
    EXPECT_EQ(f.state.settings.R.Mini, 0);
    EXPECT_EQ(f.state.settings.R.Maxi, 30);
}

TEST(ViewCommands, WithoutZoomModeTheMouseOnlyReadsOut)
{
    Fixture f;
    f.drag(300, 200, 500, 400);
    EXPECT_EQ(f.state.settings.TS.Maxi, 50);
    EXPECT_FALSE(f.form.StatusText().isEmpty());
}

TEST(ViewCommands, CopyPutsTheChartWithoutStatusBarOnTheClipboard)
{
    Fixture f;
    f.form.m_copier->trigger();
    EXPECT_EQ(f.clipboard.image.size(), QSize(800, 582));
    EXPECT_EQ(f.clipboard.image.pixelColor(750, 300), QColor(0, 128, 0)); // the humidity-ratio axis
}

TEST(ViewCommands, PrintSendsTheClientAreaWithStatusBar)
{
    Fixture f;
    f.printer.confirm = false;
    f.form.M_imprimer->trigger();
    EXPECT_EQ(f.printer.dialogs, 1);
    EXPECT_FALSE(f.printer.printed);
    f.printer.confirm = true;
    f.form.M_imprimer->trigger();
    ASSERT_TRUE(f.printer.printed);
    EXPECT_EQ(f.printer.printed->size, QSize(800, 582 + f.form.statusBar()->height()));
}

TEST(ViewCommands, PrintingIntoAPdfGivesOnePageOfVectors)
{
    Fixture f;
    f.moveTo(405, 380);
    f.form.M_imprimer->trigger();
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    EXPECT_TRUE(PrintOnPrinter(printer, *f.printer.printed).printed);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    // Lines and text drawn at the printer's resolution, not a screen image stretched.
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));

    // A file that cannot be written is named, and the main window says so.
    printer.setOutputFileName(QStringLiteral("/dev/full"));
    EXPECT_EQ(PrintOnPrinter(printer, *f.printer.printed).unwrittenFile, QStringLiteral("/dev/full"));
    f.printer.unwritable = path;
    f.form.M_imprimer->trigger();
    EXPECT_EQ(f.messages.texts(), std::vector<std::string>{"Impossible d'écrire dans " + path.toStdString()});
}

TEST(ViewCommands, TickedEvolutionIsDrawnAndEraseRepaintsOnce)
{
    Fixture f;
    f.evolutions.show();
    f.evolutions.B_calcul_BC->click();
    f.evolutions.Check_dessin_BC->click();
    f.evolutions.B_calcul_melange->click();
    f.evolutions.Check_dessin_melange->click();
    // Inlet of the heating coil: 20 °C, 7.27 g/kgas → a red disc there (looked at
    // beside the red 20 °C line that runs through its centre).
    const ChartGeometry g = f.form.Geometry();
    const int x = g.PixelX(20) + 2, y = g.PixelY(0.00727L) + 1;
    EXPECT_EQ(f.screen().pixelColor(x, y), QColor(255, 0, 0));

    const int before = f.repaints;
    f.form.M_EffacerClick();
    EXPECT_EQ(f.repaints, before + 1); // one repaint at the end, none box by box
    EXPECT_TRUE(f.state.RepaintOnFlagChange);
    EXPECT_FALSE(f.state.flags.Check_dessin_BC);
    EXPECT_FALSE(f.state.flags.Check_dessin_melange);
    EXPECT_FALSE(f.evolutions.Check_dessin_BC->isChecked());
    EXPECT_NE(f.screen().pixelColor(x, y), QColor(255, 0, 0));
    // The grids are not touched.
    EXPECT_EQ(f.state.evolutions.grille_BC.Cell(1, 1), "20,00");
}

TEST(ViewCommands, QuitClosesTheMainWindow)
{
    Fixture f;
    EXPECT_TRUE(f.form.isVisible());
    f.form.Quitter1->trigger();
    EXPECT_FALSE(f.form.isVisible());
}
