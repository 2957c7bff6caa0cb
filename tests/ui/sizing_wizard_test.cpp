#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/calc_edit.h"
#include "ui/page_manager.h"

using namespace brumelle;

namespace {

using Fixture = test::MainWindowFixture;

QString Heading(QStackedWidget *book, int page)
{
    return book->widget(page)->findChild<QLabel *>(QStringLiteral("heading"))->text();
}

QString Cell(QTableView *grid, int col, int row) { return grid->model()->index(row, col).data().toString(); }

TEST(SizingWizard, StartingSizePagesHeadingsAndBoxes)
{
    Fixture f;
    TF_dimensionnement &w = f.sizing;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Dimensionnement du matériel"));
    EXPECT_EQ(w.size(), QSize(386, 335));
    EXPECT_EQ(w.minimumSize(), w.size());
    const QStringList headings = {"Charges du local", "Conditions climatiques", "Préférences du matériel",
                                  "Résultats"};
    ASSERT_EQ(w.Notebook1->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Heading(w.Notebook1, i), headings[i]);
    EXPECT_EQ(w.Notebook1->currentIndex(), 2) << "first opened on \"Préférences\"";

    const std::pair<QLineEdit *, const char *> defaults[] = {
        {w.E_Charge_sens, "-4"}, {w.E_charge_lat, "0"}, {w.E_TS_loc, "20"},    {w.E_HR_loc, "50"},
        {w.E_TS_ext, "-11"},     {w.E_HR_ext, "90"},    {w.E_TS_sou, "35"},    {w.E_T_Surface, "8"},
        {w.E_QM_AN, "0"},        {w.E_eff_echangeur, "50"},
    };
    for (const auto &[box, text] : defaults)
        EXPECT_EQ(box->text(), QString::fromUtf8(text));
    EXPECT_EQ(w.E_Charge_sens->toolTip(), QStringLiteral("Zone de saisie pour les charges\nsensibles en kW"));
    EXPECT_EQ(w.E_QM_AN->toolTip(), QStringLiteral("Zone de saisie pour le débit d'air\nneuf, en cas de mélange."));
    EXPECT_TRUE(w.R_Vap->isChecked() && w.R_melange->isChecked());
    EXPECT_FALSE(w.R_Lav->isChecked() || w.R_tout_AN->isChecked() || w.R_Echange_plaques->isChecked());
    EXPECT_EQ(w.B_back->text(), QStringLiteral("< Précedent"));
    EXPECT_EQ(w.B_avant->text(), QStringLiteral("Suivant >"));
    EXPECT_EQ(w.grille_resultats->model()->columnCount(), 10);
    EXPECT_EQ(w.grille_resultats->model()->rowCount(), 10);
}

TEST(SizingWizard, FreshAirRuleRunsOnlyWhereItShould)
{
    Fixture f;
    TF_dimensionnement &w = f.sizing;
    w.show();
    // Not at opening: both boxes keep their design state.
    EXPECT_TRUE(w.E_QM_AN->isEnabled() && w.E_eff_echangeur->isEnabled());
    w.R_Echange_plaques->click();
    EXPECT_FALSE(w.E_QM_AN->isEnabled());
    EXPECT_TRUE(w.E_eff_echangeur->isEnabled());
    EXPECT_TRUE(f.state.ahu.R_Echange_plaques && !f.state.ahu.R_melange);
    w.R_tout_AN->click();
    EXPECT_FALSE(w.E_QM_AN->isEnabled() || w.E_eff_echangeur->isEnabled());
    w.R_melange->click();
    EXPECT_TRUE(w.E_QM_AN->isEnabled());
    EXPECT_FALSE(w.E_eff_echangeur->isEnabled());
}

TEST(SizingWizard, ResultPageSizesTheUnitEachTimeItIsShown)
{
    Fixture f;
    TF_dimensionnement &w = f.sizing;
    w.show();
    w.B_avant->click();
    EXPECT_EQ(w.Notebook1->currentIndex(), 3);
    EXPECT_FALSE(w.B_avant->isEnabled());
    EXPECT_EQ(Cell(w.grille_resultats, 6, 1), QStringLiteral("4,00 [kW]"));
    EXPECT_EQ(w.grille_resultats->model()->columnCount(), 7);

    // Back to the loads, change one, forward again: sized anew.
    w.B_back->click();
    w.B_back->click();
    w.B_back->click();
    EXPECT_EQ(w.Notebook1->currentIndex(), 0);
    EXPECT_FALSE(w.B_back->isEnabled());
    w.E_Charge_sens->selectAll();
    w.E_Charge_sens->insert(QStringLiteral("-8")); // as typed: textEdited
    EXPECT_EQ(f.state.ahu.E_Charge_sens, "-8");
    for (int i = 0; i < 3; ++i)
        w.B_avant->click();
    EXPECT_EQ(Cell(w.grille_resultats, 6, 1), QStringLiteral("8,00 [kW]"));

    // The window reopens on the page it was left on, showing what the record holds.
    w.hide();
    f.state.ahu.E_TS_loc = "21"; // as a document would
    w.show();
    EXPECT_EQ(w.Notebook1->currentIndex(), 3);
    EXPECT_EQ(w.E_TS_loc->text(), QStringLiteral("21"));
}

TEST(SizingWizard, DrawingCopyingAndErasing)
{
    Fixture f;
    TF_dimensionnement &w = f.sizing;
    // "Copier" before any sizing: ten rows of nine tabs.
    w.B_copier_CTA->click();
    QString empty;
    for (int i = 0; i < 10; ++i)
        empty += QString(9, QLatin1Char('\t')) + QLatin1Char('\r');
    EXPECT_EQ(f.clipboard.text, empty);

    // Ticking before any sizing sets the flag and repaints; nothing to draw yet.
    int before = f.repaints;
    w.Check_dessin_CTA->click();
    EXPECT_TRUE(f.state.flags.Check_dessin_CTA);
    EXPECT_EQ(f.repaints, before + 1);

    w.show();
    w.B_avant->click();
    const ChartGeometry g = f.form.Geometry();
    // The supply point, 35 °C at the room's humidity ratio, is marked in red.
    const int x = g.PixelX(35) + 2, y = g.PixelY(0.00727L) + 1;
    EXPECT_EQ(f.screen().pixelColor(x, y), QColor(255, 0, 0));
    w.B_copier_CTA->click();
    EXPECT_TRUE(f.clipboard.text.startsWith(QStringLiteral("Points\tIntérieur\tSoufflage\tExtérieur\tMélange\t")));
    w.hide();

    before = f.repaints;
    f.form.M_EffacerClick();
    EXPECT_EQ(f.repaints, before + 1) << "one repaint at the end, none box by box";
    EXPECT_FALSE(w.Check_dessin_CTA->isChecked());
    EXPECT_FALSE(f.state.flags.Check_dessin_CTA);
    EXPECT_NE(f.screen().pixelColor(x, y), QColor(255, 0, 0));
}

// The wizard and the evolutions window grow; back at their starting size,
// every control is where it was.
TEST(SizingWizard, WindowsGrowWithTheirGridsAndComeBackAsTheyWere)
{
    Fixture f;
    auto geometries = [](QWidget &window) {
        std::vector<QRect> all;
        for (const QWidget *w : window.findChildren<QWidget *>())
            all.push_back(w->geometry());
        return all;
    };
    TF_dimensionnement &w = f.sizing;
    w.show();
    w.B_avant->click();
    const std::vector<QRect> atStart = geometries(w);
    auto corner = [&w] {
        return QPoint(w.width(), w.height()) - w.B_avant->mapTo(&w, w.B_avant->rect().bottomRight());
    };
    const QPoint cornerAtStart = corner();
    ASSERT_TRUE(w.grille_resultats->horizontalScrollBar()->isVisible());
    w.resize(900, 500);
    QApplication::processEvents();
    QTableView *grid = w.grille_resultats;
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    const int last = grid->model()->columnCount() - 1;
    EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last), grid->viewport()->width());
    EXPECT_EQ(corner(), cornerAtStart) << "the buttons keep to the bottom right-hand corner";
    w.resize(w.minimumSize());
    QApplication::processEvents();
    EXPECT_EQ(geometries(w), atStart);

    TF_calcul_un_point &e = f.evolutions;
    e.show();
    const std::vector<QRect> evolutionsAtStart = geometries(e);
    const int gridWidth = e.grille_BC->width();
    e.resize(e.minimumSize() + QSize(300, 100));
    EXPECT_EQ(e.grille_BC->width(), gridWidth + 300);
    EXPECT_EQ(e.grille_BC->columnWidth(1) + e.grille_BC->columnWidth(2), 2 * 46 + 300);
    e.resize(e.minimumSize());
    EXPECT_EQ(geometries(e), evolutionsAtStart);
}

TEST(SizingWizard, MenuShowsItModally)
{
    Fixture f;
    bool shownModal = false;
    QTimer::singleShot(0, [&] {
        shownModal = f.sizing.isVisible() && f.sizing.isModal();
        f.sizing.reject();
    });
    f.form.M_Dim_CTA->trigger();
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(f.sizing.isVisible());
}

TEST(CalcEdit, PocketArithmetic)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"2", "5", "0", "1", "/", "4", "="}, "625,25"},
        {{"1", ",", "5", "+", "2", "*", "3", "="}, "10,5"},
        {{"7", "/", "0", "="}, "0"},
        {{"9", "C", "3", "="}, "3"},
    };
    for (const auto &[keys, shown] : cases) {
        PocketCalculator c;
        for (const QString &k : keys)
            c.Press(k);
        EXPECT_EQ(c.Display(), shown) << keys.join(' ').toStdString();
    }
}

} // namespace
