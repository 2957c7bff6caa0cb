#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

using namespace brumelle;

namespace {

using Fixture = test::MainWindowFixture;

struct Item {
    QString text;
    QKeySequence shortcut;
};

// The items the user sees: the last documents' are hidden while the list is empty.
std::vector<Item> itemsOf(QMenu *menu)
{
    std::vector<Item> items;
    for (QAction *a : menu->actions())
        if (a->isVisible())
            items.push_back({a->isSeparator() ? QStringLiteral("-") : a->text(), a->shortcut()});
    return items;
}

} // namespace

TEST(MainWindow, CaptionAfterActivation)
{
    Fixture f;
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Sans titre - Brumelle par Orvane"));
}

TEST(MainWindow, GeometryFollowsTheClientArea)
{
    Fixture f;
    const ChartGeometry g = f.form.Geometry();
    EXPECT_EQ(g.PlotWidth, 730);
    EXPECT_EQ(g.PlotHeight, 542);
    EXPECT_EQ(g.PixelX(-15), 20);
    EXPECT_EQ(g.PixelX(50), 750);
    EXPECT_EQ(g.PixelY(0.030L), 20);
    EXPECT_EQ(g.PixelY(0.0L), 561);
}

TEST(MainWindow, MenusItemsSeparatorsAndShortcuts)
{
    Fixture f;
    const QList<QAction *> menus = f.form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&Fichier"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Affichage"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Calculs"));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("Météo"));
    EXPECT_EQ(menus[4]->text(), QStringLiteral("Aide"));

    const std::vector<std::vector<Item>> expected = {
        {{"Ouvrir...", QKeySequence("Ctrl+O")},
         {"Enregistrer", QKeySequence("Ctrl+S")},
         {"Enregistrer sous...", QKeySequence("Ctrl+Shift+S")},
         {"-", {}},
         {"Ouvrir préférences...", {}},
         {"Enregistrer préférences...", {}},
         {"-", {}},
         {"Imprimer...", {}},
         {"Note de calcul...", {}},
         {"-", {}},
         {"&Quitter", QKeySequence("Ctrl+Q")}},
        {{"&Zoom", QKeySequence("Ctrl+Z")},
         {"100%", {}},
         {"-", {}},
         {"Copier", QKeySequence("Ctrl+C")},
         {"-", {}},
         {"Précision du tracé", QKeySequence("Ctrl+P")},
         {"Effacer les tracés", QKeySequence("Ctrl+E")},
         {"-", {}},
         {"Valeurs dans la barre d'état", QKeySequence("Ctrl+V")}},
        {{"Evolutions élémentaires", {}}, {"Dimensionnement CTA", {}}},
        {{"Ouvrir un fichier météo...", {}},
         {"Heures affichées...", {}},
         {"Conditions de base...", {}},
         {"Zones...", {}},
         {"Fermer le fichier météo", {}}},
        {{"Aide", QKeySequence("F1")}, {"A propos", {}}},
    };
    for (int m = 0; m < 5; ++m) {
        const auto items = itemsOf(menus[m]->menu());
        ASSERT_EQ(items.size(), expected[m].size()) << "menu " << m;
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].text, expected[m][i].text) << "menu " << m << " item " << i;
            EXPECT_EQ(items[i].shortcut, expected[m][i].shortcut) << "menu " << m << " item " << i;
        }
    }
    EXPECT_TRUE(f.form.M_valeur_barre_etat->isCheckable());
    EXPECT_TRUE(f.form.M_valeur_barre_etat->isChecked());
    EXPECT_TRUE(f.form.Zoom1->isCheckable());
    EXPECT_FALSE(f.form.Zoom1->isChecked());
}

TEST(MainWindow, MouseMoveWritesTheReadout)
{
    Fixture f;
    f.moveTo(405, 380);
    EXPECT_EQ(f.form.StatusText(), QString::fromUtf8("TS = 19,28 °C     R = 10,03 g/kgas     HR = 71,84 %     "
                                                     "H = 44,85 kJ/kgas     V = 0,8413 m3/kgas     "
                                                     "TH = 16,03 °C     TR = 14,08 °C"));
    // Beyond saturation the text empties.
    f.moveTo(20, 20);
    EXPECT_TRUE(f.form.StatusText().isEmpty());
}

TEST(MainWindow, ReadoutSwitchedOffKeepsTheLastText)
{
    Fixture f;
    f.moveTo(405, 380);
    const QString shown = f.form.StatusText();
    f.form.M_valeur_barre_etat->trigger();
    EXPECT_FALSE(f.form.M_valeur_barre_etat->isChecked());
    f.moveTo(300, 400);
    EXPECT_EQ(f.form.StatusText(), shown);
    f.form.M_valeur_barre_etat->trigger();
    f.moveTo(300, 400);
    EXPECT_NE(f.form.StatusText(), shown);
}

TEST(MainWindow, TinyWindowShowsNoReadoutAndDoesNotCrash)
{
    Fixture f(730, 542);
    f.form.resize(60, 60);
    QApplication::processEvents();
    f.form.Chart()->repaint();
    f.moveTo(10, 10);
    EXPECT_TRUE(f.form.StatusText().isEmpty());
}

TEST(MainWindow, StartUpInitialisationRunsOnceOnly)
{
    Fixture f;
    f.state.flags.Check_dessin_BC = true;
    f.form.setWindowTitle("x.brm - Brumelle par Orvane");
    // The window system activating the main window later (after a modal
    // window closed) must not start the program over.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&f.form, &activate);
    f.form.hide();
    f.form.show();
    EXPECT_TRUE(f.state.flags.Check_dessin_BC);
    EXPECT_EQ(f.form.windowTitle(), QStringLiteral("x.brm - Brumelle par Orvane"));
}
