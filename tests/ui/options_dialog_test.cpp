#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include "calculations.h"
#include "chart/line_styles.h"
#include "presentation/pressure_box.h"
#include "program_state.h"
#include "render/locale_separators.h"
#include "support/fake_ui_ports.h"
#include "support/recording_messages.h"
#include "ui/colour_chooser.h"
#include "ui/line_style_picker.h"
#include "ui/options_dialog.h"

using namespace brumelle;

namespace {

using FakeColours = test::FakeColourChooser;

class FakePicker : public LineStyleChooser {
public:
    bool ok = true;
    int style = -1;
    int runs = 0;
    bool Run() override { return ++runs, ok; }
    int ChosenLineStyle() const override { return style; }
};

struct Fixture {
    ProgramState state;
    ChartSettings &s = state.settings;
    test::RecordingMessages messages;
    Calculations calculations{state, messages, [] {}, SeparatorsOf(QLocale())};
    FakeColours colours;
    FakePicker picker;
    int writes = 0;
    bool writeSucceeds = true;
    ChartSettings atWrite;
    TPrecision dialog{state.settings, state.pressure, calculations, messages, colours, picker, [this] {
                          ++writes;
                          atWrite = s;
                          return writeSucceeds;
                      }};

    void open() { dialog.show(); }
    void ok() { dialog.B_Ok->click(); }
    void cancel() { dialog.B_Annuler->click(); }
};

void click(QWidget *w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void key(QWidget *w, int k, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

} // namespace

// ---- Layout

TEST(OptionsDialog, WindowTabsAndFocus)
{
    Fixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("Options graphiques"));
    EXPECT_EQ(f.dialog.minimumSize(), f.dialog.maximumSize());
    const QStringList tabs = {"Température sèche", "Humidité spécifique", "Hygrométrie",        "Enthalpie",
                              "Volume massique",   "Température de rosée", "Température humide", "Général"};
    ASSERT_EQ(f.dialog.Pages->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(f.dialog.Pages->tabText(i), tabs[i]);
    f.open();
    EXPECT_EQ(f.dialog.Pages->currentIndex(), 7);
    EXPECT_EQ(f.dialog.focusWidget(), f.dialog.B_Ok);
    EXPECT_EQ(f.dialog.B_Annuler->nextInFocusChain(), f.dialog.B_Ok);
    // Later showings come back to the tab last used.
    f.dialog.Pages->setCurrentIndex(2);
    f.cancel();
    f.open();
    EXPECT_EQ(f.dialog.Pages->currentIndex(), 2);
}

// Each family tab: its two groups, their captions, the first one selected at
// creation, and the code each caption names, shown from the setting and
// stored by "Ok".
TEST(OptionsDialog, DensityGroups)
{
    Fixture f;
    // Before any showing, the first button of each group is the selected one.
    for (QRadioButton *b : f.dialog.findChildren<QRadioButton *>())
        EXPECT_EQ(b->isChecked(), b == b->parentWidget()->findChildren<QRadioButton *>().front());
    const QStringList t = {"Montrer toutes", "Tous les 2°C", "Tous les 5°C", "Montrer aucune"};
    const QStringList r = {"Montrer toutes", "Tous les 2 g/kgas", "Tous les 5 g/kgas", "Montrer aucune"};
    const QStringList hr = {"Montrer toutes", "Montrer 100%", "Montrer aucune"};
    const QStringList h = {"Montrer toutes", "Tous les 2 kJ/kgas", "Tous les 5 kJ/kgas", "Tous les 10 kJ/kgas",
                           "Montrer aucune"};
    const QStringList v = {"Montrer tous", "Tous 0,05 m3/kgas", "Montrer aucun"};
    const std::vector<int32_t> t4 = {1, 2, 5, 0};
    ChartSettings &s = f.s;
    const QString lines = "Précision des lignes";
    const std::vector<std::tuple<QWidget *, FamilySettings *, QString, QStringList, std::vector<int32_t>>> pages = {
        {f.dialog.Tab_TS, &s.TS, lines, t, t4},
        {f.dialog.Tab_R, &s.R, lines, r, t4},
        {f.dialog.Tab_HR, &s.HR, lines, hr, {1, 2, 0}},
        {f.dialog.Tab_H, &s.H, lines, h, {1, 2, 5, 10, 0}},
        {f.dialog.Tab_V, &s.V, lines, v, {1, 5, 0}},
        {f.dialog.Tab_TR, &s.TR, " Précision des lignes", t, t4},
        {f.dialog.Tab_TH, &s.TH, lines, t, t4},
    };
    for (const auto &[page, family, linesTitle, captions, codes] : pages) {
        const auto groups = page->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(groups.size(), 2);
        EXPECT_EQ(groups[0]->title(), linesTitle);
        EXPECT_EQ(groups[1]->title(), QStringLiteral("Précision des textes"));
        for (int g = 0; g < 2; ++g) {
            int32_t &field = g == 0 ? family->Montrer : family->Montrer_texte;
            const auto buttons = groups[g]->findChildren<QRadioButton *>();
            ASSERT_EQ(buttons.size(), captions.size());
            for (int i = 0; i < buttons.size(); ++i) {
                const int next = (i + 1) % static_cast<int>(buttons.size());
                EXPECT_EQ(buttons[i]->text(), captions[i]);
                // Shown from the setting; a click on another button stores its code.
                field = codes[static_cast<size_t>(i)];
                f.open();
                EXPECT_TRUE(buttons[i]->isChecked()) << captions[i].toStdString();
                buttons[next]->click();
                f.ok();
                EXPECT_EQ(field, codes[static_cast<size_t>(next)]) << captions[next].toStdString();
            }
        }
    }
}

// Every caption, tab and pattern must be readable in the fixed size.
TEST(OptionsDialog, NothingClipped)
{
    Fixture f;
    TF_lignes picker;
    f.open();
    picker.show();
    auto check = [](QWidget *top) {
        for (QAbstractButton *b : top->findChildren<QAbstractButton *>()) {
            // A push button's hint has a minimum width of its own; its text is what must fit.
            const int needed = qobject_cast<QPushButton *>(b) ? b->fontMetrics().horizontalAdvance(b->text()) + 10
                                                               : b->sizeHint().width();
            EXPECT_GE(b->width(), needed) << b->text().toStdString();
        }
        for (QLabel *l : top->findChildren<QLabel *>()) {
            const int room = l->contentsRect().width() - std::max(0, l->indent());
            EXPECT_GE(room, l->fontMetrics().horizontalAdvance(l->text())) << l->text().toStdString();
        }
        for (QGroupBox *g : top->findChildren<QGroupBox *>())
            EXPECT_GE(g->width(), g->fontMetrics().horizontalAdvance(g->title()) + 16) << g->title().toStdString();
        for (QWidget *w : top->findChildren<QWidget *>())
            if (!w->isHidden() && !qobject_cast<QStackedWidget *>(w->parentWidget())) {
                EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << w->objectName().toStdString();
            }
    };
    // Page by page, so that each is laid out as the user sees it.
    for (int i = 0; i < f.dialog.Pages->count(); ++i) {
        f.dialog.Pages->setCurrentIndex(i);
        check(f.dialog.Pages->widget(i));
    }
    check(f.dialog.Pages);
    check(&picker);
    for (int i = 0; i < picker.L_lignes->count(); ++i) {
        const QRect item = picker.L_lignes->visualItemRect(picker.L_lignes->item(i));
        EXPECT_TRUE(picker.L_lignes->viewport()->rect().contains(item)) << i;
        EXPECT_GE(item.width(), picker.L_lignes->fontMetrics().horizontalAdvance(picker.L_lignes->item(i)->text()));
    }
}

// ---- Filling and "Ok"

// A code the group does not offer (V's default 10) selects no button, so "Ok"
// pressed for a colour leaves it as it is, whatever was selected before.
TEST(OptionsDialog, CodeNotOfferedSelectsNoButtonAndOkKeepsIt)
{
    Fixture f;
    ASSERT_EQ(f.s.V.Montrer, 10);
    f.s.H.Montrer = 10;
    f.open();
    f.dialog.Montrer_5_H->click();
    f.cancel();
    f.s.H.Montrer = 7;
    f.open();
    for (QRadioButton *b : {f.dialog.Montrer_toutes_V, f.dialog.Montrer_5_V, f.dialog.Montrer_0_V,
                            f.dialog.Montrer_toutes_texte_V, f.dialog.Montrer_5_H})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    f.ok();
    EXPECT_EQ(std::tie(f.s.V.Montrer, f.s.V.Montrer_texte, f.s.H.Montrer), std::make_tuple(10, 10, 7));
}

TEST(OptionsDialog, RangesShownWithinBoundsWithoutCoupling)
{
    // TS Maxi, Mini, R Maxi, Mini (displayed and at 100 %), then what the boxes show.
    const std::array<int, 4> cases[][2] = {
        {{-5, -20, 30, 0}, {-5, -20, 30, 0}},  // a zoomed range
        {{-20, -30, 3, 2}, {-20, -30, 3, 2}},  // below what the boxes held: no coupling while filling
        {{70, -60, 45, -3}, {50, -50, 40, 0}}, // limited to the bounds
    };
    for (const auto &[set, shown] : cases) {
        Fixture f;
        f.open(); // the boxes hold the defaults first
        f.cancel();
        auto &d = f.dialog;
        ChartSettings &s = f.s;
        const std::pair<QSpinBox *, int32_t *> boxes[] = {
            {d.S_TS_Maxi, &s.TS.Maxi},        {d.S_TS_Mini, &s.TS.Mini},        {d.S_R_Maxi, &s.R.Maxi},
            {d.S_R_Mini, &s.R.Mini},          {d.TS_maxi_100, &s.TS.Maxi_zoom}, {d.TS_mini_100, &s.TS.Mini_zoom},
            {d.R_maxi_100, &s.R.Maxi_zoom},   {d.R_mini_100, &s.R.Mini_zoom}};
        for (size_t i = 0; i < 8; ++i)
            *boxes[i].second = set[i % 4];
        f.open();
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(boxes[i].first->value(), shown[i % 4]) << boxes[i].first->objectName().toStdString();
        f.ok();
        for (size_t i = 0; i < 8; ++i)
            EXPECT_EQ(*boxes[i].second, shown[i % 4]) << boxes[i].first->objectName().toStdString();
    }
}

TEST(OptionsDialog, SpinBoxesKeepMiniBelowMaxi)
{
    Fixture f;
    f.open();
    auto &d = f.dialog;
    const std::vector<std::pair<QSpinBox *, QSpinBox *>> pairs = {
        {d.S_TS_Maxi, d.S_TS_Mini},
        {d.S_R_Maxi, d.S_R_Mini},
        {d.TS_maxi_100, d.TS_mini_100},
        {d.R_maxi_100, d.R_mini_100}};
    for (const auto &[maxi, mini] : pairs) {
        maxi->setValue(20);
        mini->setValue(19);
        mini->stepBy(1); // raising Mini into Maxi leaves it where it was
        EXPECT_EQ(mini->value(), 19);
        mini->setValue(10);
        maxi->setValue(10); // Maxi set down to Mini goes back to Mini + 1
        EXPECT_EQ(maxi->value(), 11);
        mini->stepBy(-1);
        EXPECT_EQ(mini->value(), 9);
        // No typing, and Page Down moves one step like an arrow.
        key(mini, Qt::Key_5, "5");
        key(mini, Qt::Key_PageDown);
        EXPECT_EQ(mini->value(), 8);
    }
}

TEST(OptionsDialog, ColoursStoredOnlyByOk)
{
    Fixture f;
    f.open();
    EXPECT_EQ(f.dialog.P_couleur_ts->palette().color(QPalette::Window), QColor(255, 0, 0));
    f.colours.answer = 0x123456;
    click(f.dialog.P_couleur_ts);
    EXPECT_EQ(f.dialog.P_couleur_ts->Colour(), 0x123456);
    EXPECT_EQ(f.s.TS.Couleur, 255);
    f.cancel();
    EXPECT_EQ(f.s.TS.Couleur, 255);
    f.open();
    EXPECT_EQ(f.dialog.P_couleur_ts->Colour(), 255);

    // The chooser starts on the colour last confirmed (black at first), not the panel's.
    f.colours.answer = std::nullopt;
    click(f.dialog.P_couleur_fenetre);
    EXPECT_EQ(f.dialog.P_couleur_fenetre->Colour(), 12632256);
    f.colours.answer = 0xABCDEF;
    f.dialog.P_couleur_HClick();
    EXPECT_EQ(f.colours.starts, (std::vector<int32_t>{0, 0x123456, 0x123456}));
    f.ok();
    EXPECT_EQ(f.s.H.Couleur, 0xABCDEF);
    EXPECT_EQ(f.s.Fenetre.Couleur, 12632256);
}

TEST(OptionsDialog, LineStylesStoredAtOnce)
{
    Fixture f;
    f.s.R.Lignes = 2;
    f.open();
    EXPECT_EQ(f.dialog.S_Lignes_R->text().toStdString(), LineStylePatterns()[2]);
    EXPECT_EQ(f.dialog.S_Lignes_TS->toolTip(), QStringLiteral("Type de ligne"));
    f.picker.style = 3;
    click(f.dialog.S_Lignes_TS);
    EXPECT_EQ(f.picker.runs, 1);
    EXPECT_EQ(f.s.TS.Lignes, 3);
    EXPECT_EQ(f.dialog.S_Lignes_TS->text().toStdString(), LineStylePatterns()[3]);
    f.cancel(); // does not take the style back
    EXPECT_EQ(f.s.TS.Lignes, 3);

    // Nothing picked, or the picker cancelled: nothing changes.
    f.open();
    f.picker.style = -1;
    f.dialog.S_lignes_HClick();
    f.picker.ok = false;
    f.picker.style = 4;
    f.dialog.S_lignes_VClick();
    EXPECT_EQ(f.s.H.Lignes, 0);
    EXPECT_EQ(f.s.V.Lignes, 0);
    EXPECT_EQ(f.dialog.S_lignes_V->text().toStdString(), LineStylePatterns()[0]);

    // A code outside 0 to 4 leaves the field as it was.
    f.cancel();
    f.s.TS.Lignes = 7;
    f.open();
    EXPECT_EQ(f.dialog.S_Lignes_TS->text().toStdString(), LineStylePatterns()[3]);
}

TEST(OptionsDialog, OkStoresBeforeWritingThenReadsThePressure)
{
    Fixture f;
    f.s.Patm = 90000;
    f.open();
    EXPECT_EQ(f.dialog.E_Pression->text(), QStringLiteral("90000"));
    f.colours.answer = 42;
    f.dialog.P_couleur_VClick();
    f.dialog.S_TS_Maxi->stepBy(-1);
    f.dialog.Montrer_0_TH->click();
    f.dialog.E_Pression->setText("95000");
    f.ok();
    EXPECT_EQ(f.writes, 1);
    EXPECT_EQ(std::make_tuple(f.atWrite.V.Couleur, f.atWrite.TS.Maxi, f.atWrite.TH.Montrer, f.atWrite.Patm),
              std::make_tuple(42, 49, 0, 90000u));
    EXPECT_EQ(f.s.Patm, 95000u);

    // A failed write abandons the rest; the dialog still closes with OK.
    f.writeSucceeds = false;
    f.open();
    f.dialog.E_Pression->setText("80000");
    f.ok();
    EXPECT_EQ(f.s.Patm, 95000u);
    EXPECT_EQ(f.state.pressure.text, "95000");
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
}

TEST(OptionsDialog, PressureBox)
{
    const std::tuple<const char *, uint32_t, const char *> cases[] = {
        {"1013.25", 90000, "'1013,25' n'est pas une valeur entière correcte"},
        {"", 90000, "'' n'est pas une valeur entière correcte"},
        {"101 325 Pa", 101325, nullptr},
        {"-5", 101325, nullptr},
        {"0", 101325, nullptr},
        {"95000", 95000, nullptr},
    };
    for (const auto &[typed, patm, error] : cases) {
        Fixture f;
        f.s.Patm = 90000;
        f.open();
        f.dialog.E_Pression->setText(QString::fromUtf8(typed));
        key(f.dialog.E_Pression, Qt::Key_Return); // Enter is "Ok"
        EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
        EXPECT_EQ(f.s.Patm, patm) << typed;
        // The calculators read the number, never the text as typed.
        EXPECT_EQ(f.state.pressure.text, std::to_string(patm)) << typed;
        const auto expected = error ? std::vector<test::RecordingMessages::Entry>{{"erreur", error}}
                                    : std::vector<test::RecordingMessages::Entry>{};
        EXPECT_EQ(f.messages.entries, expected) << typed;
    }
}

TEST(OptionsDialog, AltitudeFillsOnlyThePressureBox)
{
    Fixture f;
    f.open();
    const QString at1000 = QString::number(*StandardPressureAt(1000));
    f.dialog.E_Altitude->setText(QStringLiteral("1000"));
    key(f.dialog.E_Altitude, Qt::Key_Return); // Enter computes; the dialog stays open
    EXPECT_EQ(f.dialog.E_Pression->text(), at1000);
    EXPECT_TRUE(f.dialog.isVisible());
    f.dialog.E_Altitude->setText(QStringLiteral("sommet"));
    f.dialog.B_Altitude->click();
    EXPECT_EQ(f.messages.entries, (std::vector<test::RecordingMessages::Entry>{{"message", kAltitudeRefused}}));
    EXPECT_EQ(f.dialog.E_Pression->text(), at1000);
    EXPECT_EQ(f.s.Patm, kStandardPressurePa) << "the pressure in use changes at \"Ok\"";
    f.ok();
    EXPECT_EQ(f.s.Patm, *StandardPressureAt(1000));
}

TEST(OptionsDialog, EscapeDropsEverythingButLineStyles)
{
    Fixture f;
    f.open();
    f.dialog.E_Pression->setText("80000");
    f.dialog.S_R_Maxi->stepBy(5);
    f.dialog.Montrer_0_HR->click();
    key(&f.dialog, Qt::Key_Escape);
    EXPECT_EQ(f.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(std::make_tuple(f.s.Patm, f.state.pressure.text, f.s.R.Maxi, f.s.HR.Montrer, f.writes),
              std::make_tuple(101325u, std::string("101325"), 30, 1, 0));
    f.open();
    EXPECT_EQ(f.dialog.E_Pression->text(), QStringLiteral("101325"));
    EXPECT_TRUE(f.dialog.Montrer_toutes_HR->isChecked());
}

TEST(OptionsDialog, PressureChangeRerunsTheCalculatorsWithResults)
{
    Fixture f;
    EvolutionData &e = f.state.evolutions;
    f.calculations.evolutions().Heating();
    const std::string rAt101325 = e.grille_BC.Cell(1, 3), power = e.e_P_bc;
    ASSERT_FALSE(rAt101325.empty());
    e.E_deltat_bc = "20"; // a re-run would show it

    // Same pressure, typed differently: nothing re-runs.
    f.open();
    f.dialog.E_Pression->setText("101 325 Pa");
    f.ok();
    EXPECT_EQ(e.e_P_bc, power);

    f.open();
    f.dialog.E_Pression->setText("90000");
    f.ok();
    EXPECT_NE(e.grille_BC.Cell(1, 3), rAt101325);
    EXPECT_NE(e.e_P_bc, power);
    EXPECT_TRUE(e.grille_bfc.Cell(1, 1).empty());
    EXPECT_TRUE(e.grille_melange.Cell(1, 1).empty());
    EXPECT_TRUE(f.state.ahu.grille_resultats.Cell(1, 1).empty());
    EXPECT_TRUE(f.messages.entries.empty());
}

// ---- Line-style picker

// The picker, driven while it is modal over the options dialog.
TEST(LineStylePicker, KeepsItsSelectionBetweenUses)
{
    ProgramState state;
    test::RecordingMessages messages;
    Calculations calculations{state, messages, [] {}, SeparatorsOf(QLocale())};
    FakeColours colours;
    TF_lignes picker;
    TPrecision dialog{state.settings, state.pressure, calculations, messages, colours, picker, [] { return true; }};
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Types de lignes"));
    EXPECT_EQ(picker.minimumSize(), picker.maximumSize());
    ASSERT_EQ(picker.L_lignes->count(), kLineStyleCount);
    for (int i = 0; i < kLineStyleCount; ++i)
        EXPECT_EQ(picker.L_lignes->item(i)->text().toStdString(), LineStylePatterns()[static_cast<size_t>(i)]);
    dialog.show();
    auto answer = [&](int row, QPushButton *button) {
        QTimer::singleShot(0, &picker, [&picker, row, button] {
            if (row >= 0)
                picker.L_lignes->setCurrentRow(row);
            EXPECT_EQ(picker.focusWidget(), picker.Button1);
            button->click();
        });
    };
    answer(-1, picker.Button1); // "Ok" with nothing selected
    dialog.S_Lignes_THClick();
    EXPECT_EQ(state.settings.TH.Lignes, 0);
    answer(3, picker.Button1);
    dialog.S_Lignes_TSClick();
    EXPECT_EQ(state.settings.TS.Lignes, 3);
    answer(-1, picker.Button1); // another family: pattern 3 still selected
    dialog.S_Lignes_RClick();
    EXPECT_EQ(state.settings.R.Lignes, 3);
    // "Annuler" after a new selection: nothing chosen, the selection stays for next time.
    answer(1, picker.Button2);
    dialog.S_lignes_VClick();
    EXPECT_EQ(state.settings.V.Lignes, 0);
    EXPECT_EQ(picker.ChosenLineStyle(), 3);
    EXPECT_EQ(picker.L_lignes->currentRow(), 1);
}
