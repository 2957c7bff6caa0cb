#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>

#include <gtest/gtest.h>

#include "calculations.h"
#include "program_state.h"
#include "render/locale_separators.h"
#include "support/fake_ui_ports.h"
#include "support/recording_messages.h"
#include "ui/clipboard.h"
#include "ui/evolutions_window.h"

using namespace brumelle;

namespace {

struct Fixture {
    ProgramState state;
    test::RecordingMessages messages;
    test::FakeClipboard clipboard;
    int repaints = 0;
    Calculations calculations{state, messages, [this] { ++repaints; }, SeparatorsOf(QLocale())};
    TF_calcul_un_point window{state.evolutions, {state.flags, state.RepaintOnFlagChange}, calculations.evolutions(),
                              clipboard, [this] { ++repaints; }};

    Fixture() { window.show(); }
    static QString cell(QTableView *grid, int col, int row)
    {
        return grid->model()->index(row, col).data().toString();
    }
    static QString caption(QLineEdit *box) { return static_cast<QGroupBox *>(box->parentWidget())->title(); }
};

} // namespace

TEST(EvolutionsWindow, StartingSizeTabsAndCaption)
{
    Fixture f;
    EXPECT_EQ(f.window.windowTitle(), QStringLiteral("Calcul d'un point"));
    EXPECT_EQ(f.window.size(), QSize(397, 337));
    EXPECT_EQ(f.window.minimumSize(), f.window.size());
    const QStringList tabs = {"Un point", "Batterie chaude", "Mélange", "Batterie froide", "Laveur d'air",
                              "Humidificateur vapeur"};
    ASSERT_EQ(f.window.Pages_calculs->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(f.window.Pages_calculs->tabText(i), tabs[i]);
    EXPECT_EQ(f.window.Pages_calculs->currentIndex(), 0);
}

TEST(EvolutionsWindow, InitialTextsAndCaptions)
{
    Fixture f;
    auto &w = f.window;
    const std::vector<std::tuple<QLineEdit *, QString, QString>> boxes = {
        {w.E_TS_Entree_BC, "Température entrée", "20"},    {w.E_HR_Entree_BC, "Hygrométrie entrée", "50"},
        {w.e_qm_bc, "Débit d'air en kgas/s", "1"},          {w.E_deltat_bc, "Ecart de température", "10"},
        {w.e_P_bc, "Puissance en Watts", ""},               {w.E_TS1_mel, "Température 1", "20"},
        {w.E_HR1_mel, "Hygrométrie 1", "50"},               {w.E_qm1_mel, "Débit d'air 1 en kgas/s", "1"},
        {w.E_TS2_mel, "Température 2", "10"},               {w.E_HR2_mel, "Hygrométrie 2", "90"},
        {w.E_qm2_mel, "Débit d'air 2 en kgas/s", "1"},      {w.E_TS_Entree_BFC, "Température entrée", "20"},
        {w.E_HR_Entree_BFC, "Hygrométrie entrée", "50"},    {w.E_qm_BFC, "Débit d'air en kgas/s", "1"},
        {w.E_deltat_BFC, "Ecart de température", "10"},     {w.E_T_BFC, "Température batterie", "9"},
        {w.E_P_BFC, "Puissance en Watts", ""},              {w.E_Efficacite_BFC, "Efficacité batterie", ""},
        {w.e_condensation_bfc, "Condensation ge/h", ""},    {w.E_TS_Entree_Lav, "Température entrée", "20"},
        {w.E_HR_Entree_Lav, "Hygrométrie entrée", "50"},    {w.E_qm_Lav, "Débit d'air en kgas/s", "1"},
        {w.E_R_sortie_lav, "Poids d'eau sortie g/kgas", "9"}, {w.E_efficacite_lav, "Efficacité laveur", ""},
        {w.E_qm_eau_lav, "Débit d'eau en g/h", ""},         {w.E_TS_Entree_vap, "Température entrée", "20"},
        {w.E_HR_Entree_vap, "Hygrométrie entrée", "50"},    {w.E_qm_vap, "Débit d'air en kgas/s", "1"},
        {w.E_R_sortie_vap, "Poids d'eau sortie g/kgas", "10"}, {w.E_qm_eau_vap, "Débit d'eau en g/h", ""},
    };
    for (const auto &[box, cap, text] : boxes) {
        EXPECT_EQ(Fixture::caption(box), cap);
        EXPECT_EQ(box->text(), text) << cap.toStdString();
    }
    for (QLineEdit *out : {w.e_P_bc, w.E_P_BFC, w.E_Efficacite_BFC, w.e_condensation_bfc, w.E_efficacite_lav,
                           w.E_qm_eau_lav, w.E_qm_eau_vap, w.E_valeur_arr})
        EXPECT_TRUE(out->isReadOnly());
    EXPECT_EQ(w.E_valeur_dep->text(), "1");
    EXPECT_EQ(w.C_unite_dep->count(), 4);
    EXPECT_EQ(w.C_unite_arr->itemText(3), "m3/h");
    EXPECT_EQ(w.C_unite_dep->currentText(), "kg/s");
    EXPECT_TRUE(w.radio_vap_theorique->isChecked());
    EXPECT_EQ(w.radio_vap_reelle->text(), "Evolution réelle");
    for (QCheckBox *c : {w.Check_dessin_1point, w.Check_dessin_BC, w.Check_dessin_BFC, w.Check_dessin_Lav,
                         w.Check_dessin_vap, w.Check_dessin_melange}) {
        EXPECT_EQ(c->text(), "dessiner");
        EXPECT_FALSE(c->isChecked());
    }
    // Activation wrote the headings and the pressure row.
    EXPECT_EQ(Fixture::cell(w.grille_bfc, 3, 0), "Surface");
    EXPECT_EQ(Fixture::cell(w.grille_lav, 0, 7), "T° de rosée °C");
    EXPECT_EQ(Fixture::cell(w.grille_melange, 3, 8), "101325");
}

TEST(EvolutionsWindow, CalculFillsEveryResultBox)
{
    Fixture f;
    auto &w = f.window;
    w.B_calcul_BC->click();
    EXPECT_EQ(Fixture::cell(w.grille_BC, 2, 1), "30,00");
    EXPECT_EQ(w.e_P_bc->text(), QString::fromUtf8("10\u202F193"));
    w.B_calcul_BFC->click();
    EXPECT_EQ(w.E_P_BFC->text(), QString::fromUtf8("10\u202F502"));
    EXPECT_EQ(w.E_Efficacite_BFC->text(), "91");
    EXPECT_EQ(w.e_condensation_bfc->text(), "441,66");
    w.B_calcul_Lav->click();
    EXPECT_EQ(w.E_efficacite_lav->text(), "68%");
    EXPECT_EQ(w.E_qm_eau_lav->text(), QString::fromUtf8("6\u202F227,52"));
    w.B_calcul_vap->click();
    EXPECT_EQ(w.E_qm_eau_vap->text(), QString::fromUtf8("9\u202F827,52"));
    w.radio_vap_reelle->click();
    EXPECT_EQ(Fixture::cell(w.grille_vap, 2, 1), "20,39");
    w.B_calcul_melange->click();
    EXPECT_EQ(Fixture::cell(w.grille_melange, 3, 1), "15,00");
    EXPECT_TRUE(f.messages.entries.empty());
}

TEST(EvolutionsWindow, SinglePointTypedSolvedLockedAndRenewed)
{
    Fixture f;
    auto &w = f.window;
    QAbstractItemModel *m = w.grille_un_point->model();
    EXPECT_TRUE(m->flags(m->index(1, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m->flags(m->index(0, 1)) & Qt::ItemIsEditable);
    m->setData(m->index(1, 1), "20");
    m->setData(m->index(2, 1), "50");
    w.B_Calcul_point->click();
    EXPECT_EQ(Fixture::cell(w.grille_un_point, 1, 6), "13,82");
    // Locked: no typing, but readable (not greyed out).
    EXPECT_TRUE(w.grille_un_point->isEnabled());
    EXPECT_FALSE(m->flags(m->index(1, 1)) & Qt::ItemIsEditable);
    w.Check_dessin_1point->setChecked(true);
    EXPECT_TRUE(f.state.flags.Check_dessin_1point);
    w.B_Nouveau_1point->click();
    EXPECT_TRUE(m->flags(m->index(1, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(Fixture::cell(w.grille_un_point, 1, 1), "");
    EXPECT_FALSE(w.Check_dessin_1point->isChecked());
    EXPECT_FALSE(f.state.flags.Check_dessin_1point);
}

TEST(EvolutionsWindow, CopyPutsTheGridOnTheClipboard)
{
    Fixture f;
    f.window.B_calcul_BC->click();
    f.window.B_copier_BC->click();
    const QStringList lines = f.clipboard.text.split('\r');
    ASSERT_EQ(lines.size(), 10); // nine rows, each ended by a bare carriage return
    EXPECT_EQ(lines[0], "Points\tEntrée\tSortie");
    EXPECT_EQ(lines[1], QString::fromUtf8("T° Seche °C\t20,00\t30,00"));
    EXPECT_TRUE(lines[9].isEmpty());
    EXPECT_FALSE(f.clipboard.text.contains('\n'));
}

TEST(EvolutionsWindow, FailureClearsTheGridAndRepaints)
{
    Fixture f;
    f.window.B_calcul_BC->click();
    const int before = f.repaints;
    f.window.E_deltat_bc->setText("-1");
    f.window.B_calcul_BC->click();
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string>{"L'écart de température n'est pas cohérent, le calcul est arrêté"});
    EXPECT_EQ(Fixture::cell(f.window.grille_BC, 1, 1), "");
    EXPECT_EQ(Fixture::cell(f.window.grille_BC, 0, 1), QString::fromUtf8("T° Seche °C"));
    EXPECT_TRUE(f.window.e_P_bc->text().isEmpty());
    EXPECT_EQ(f.repaints, before + 1);
}

TEST(EvolutionsWindow, DrawingBoxesRepaintOnlyWhenAllowed)
{
    Fixture f;
    f.window.Check_dessin_BC->click();
    EXPECT_TRUE(f.state.flags.Check_dessin_BC);
    EXPECT_EQ(f.repaints, 1);
    f.state.RepaintOnFlagChange = false;
    f.window.Check_dessin_vap->click();
    EXPECT_TRUE(f.state.flags.Check_dessin_vap);
    EXPECT_EQ(f.repaints, 1);
}

TEST(EvolutionsWindow, ActivationResetsUnitsAndKeepsContent)
{
    Fixture f;
    auto &w = f.window;
    w.C_unite_dep->setCurrentIndex(1);
    w.C_unite_depChange();
    EXPECT_EQ(w.E_valeur_arr->text(), "0,000278");
    w.E_TS_Entree_BC->setText("25");
    w.hide();
    w.show();
    EXPECT_EQ(w.C_unite_dep->currentIndex(), 0);
    EXPECT_EQ(w.E_valeur_arr->text(), "1");
    EXPECT_EQ(w.E_TS_Entree_BC->text(), "25");
}

TEST(EvolutionsWindow, BadFlowTextShowsTheConversionError)
{
    Fixture f;
    f.window.E_valeur_dep->setText("abc");
    f.window.C_unite_depChange();
    ASSERT_EQ(f.messages.entries.size(), 1u);
    EXPECT_EQ(f.messages.entries[0].kind, "erreur");
    EXPECT_EQ(f.messages.entries[0].text, "'abc' n'est pas une valeur à virgule flottante correcte");
    EXPECT_EQ(f.window.E_valeur_arr->text(), "1");
}

TEST(EvolutionsWindow, TabsFollowTheirButtonsAndCtrlTab)
{
    Fixture f;
    auto *tabs = f.window.Pages_calculs;
    tabs->setCurrentIndex(3);
    EXPECT_EQ(tabs->widget(tabs->currentIndex()), f.window.F_calc_Froid_avec);
    // The page shown keeps its place when the window is shown again.
    f.window.hide();
    f.window.show();
    EXPECT_EQ(tabs->currentIndex(), 3);
    for (QShortcut *s : tabs->findChildren<QShortcut *>())
        if (s->key() == QKeySequence(Qt::CTRL | Qt::Key_Tab))
            emit s->activated();
    EXPECT_EQ(tabs->currentIndex(), 4);
}
