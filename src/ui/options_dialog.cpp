#include "ui/options_dialog.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

#include "calculations.h"
#include "chart/line_styles.h"
#include "model/pressure.h"
#include "render/qpainter_canvas.h"
#include "ui/colour_chooser.h"
#include "ui/line_style_picker.h"

namespace brumelle {

namespace {

// The ranges move by one step whatever asks them to (Page Up, Page Down).
class OneStepSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    void stepBy(int steps) override { QSpinBox::stepBy(steps > 0 ? 1 : steps < 0 ? -1 : 0); }
};

constexpr int kWidth = 488;
constexpr int kTabColumns = 4;  // eight tabs on two rows
constexpr int kTabsHeight = 2 * 22 + 184; // two rows of 22-pixel tabs over the page
constexpr int kHeight = kTabsHeight + 8 + 25 + 8;
constexpr int kButtonWidth = 75, kButtonHeight = 25;

// Family tabs: two radio groups side by side, the range boxes on their right,
// the colour and the line style under them.
constexpr int kGroupTop = 8, kGroupWidth = 140, kGroupGap = 8;
constexpr int kRadioTop = 18, kRadioStep = 20, kRadioHeight = 18;
constexpr int kColourRowY = 142;
constexpr int kRangeX = 2 * kGroupWidth + 3 * kGroupGap + 10;
constexpr int kSpinWidth = 56, kSpinHeight = 21, kSpinLabelWidth = 32;
constexpr int kPanelSize = ColourPanel::kSize;
constexpr int kFieldHeight = 21, kFieldMinWidth = 150;

// Captions of the density codes shared by several families.
constexpr const char *kAll = "Montrer toutes";
constexpr const char *kNone = "Montrer aucune";
constexpr const char *kTwoC = "Tous les 2°C";
constexpr const char *kFiveC = "Tous les 5°C";
} // namespace

// ---- TPrecision

TPrecision::TPrecision(ProgramState &state, Calculations &calculations, Messages &messages, ColourChooser &colours,
                       LineStyleChooser &picker, std::function<bool()> writeColoursAndStyles, QWidget *parent)
    : QDialog(parent), state_(state), s_(state.settings), calculations_(calculations), messages_(messages),
      colours_(colours), picker_(picker), writeColoursAndStyles_(std::move(writeColoursAndStyles))
{
    setObjectName(QStringLiteral("Precision"));
    setWindowTitle(QStringLiteral("Options graphiques"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFont(ChartFont());
    setFixedSize(kWidth, kHeight);

    Pages = new MultiRowTabs(kTabColumns, this);
    Pages->setObjectName(QStringLiteral("Pages"));

    const QString lines = QStringLiteral("Précision des lignes");

    QWidget *p = addPage(Tab_TS, "Tab_TS", QStringLiteral("Température sèche"));
    densityGroups(p, &ChartSettings::TS, lines,
                  {{Montrer_Toutes_TS, "Montrer_Toutes_TS", kAll, 1},
                   {Montrer_2_TS, "Montrer_2_TS", kTwoC, 2},
                   {Montrer_5_TS, "Montrer_5_TS", kFiveC, 5},
                   {Montrer_0_TS, "Montrer_0_TS", kNone, 0}},
                  {{Montrer_tous_texte_ts, "Montrer_tous_texte_ts", kAll, 1},
                   {Montrer_2_texte_ts, "Montrer_2_texte_ts", kTwoC, 2},
                   {Montrer_5_texte_ts, "Montrer_5_texte_ts", kFiveC, 5},
                   {Montrer_0_texte_ts, "Montrer_0_texte_ts", kNone, 0}});
    spin(p, S_TS_Maxi, "S_TS_Maxi", QStringLiteral("Maxi"), {kRangeX, kGroupTop + 6}, -49, 50, &ChartSettings::TS,
         &FamilySettings::Maxi, &TPrecision::S_TS_MaxiChange);
    spin(p, S_TS_Mini, "S_TS_Mini", QStringLiteral("Mini"), {kRangeX, kGroupTop + 36}, -50, 49, &ChartSettings::TS,
         &FamilySettings::Mini, &TPrecision::S_TS_MiniChange);
    colourRow(p, P_couleur_ts, "P_couleur_ts", &s_.TS.Couleur, &TPrecision::P_couleur_tsClick);
    styleField(p, S_Lignes_TS, "S_Lignes_TS", &ChartSettings::TS, &TPrecision::S_Lignes_TSClick);

    p = addPage(Tab_R, "Tab_R", QStringLiteral("Humidité spécifique"));
    densityGroups(p, &ChartSettings::R, lines,
                  {{Montrer_toutes_R, "Montrer_toutes_R", kAll, 1},
                   {Montrer_2_R, "Montrer_2_R", "Tous les 2 g/kgas", 2},
                   {Montrer_5_R, "Montrer_5_R", "Tous les 5 g/kgas", 5},
                   {Montrer_0_R, "Montrer_0_R", kNone, 0}},
                  {{Montrer_toutes_texte_R, "Montrer_toutes_texte_R", kAll, 1},
                   {Montrer_2_texte_R, "Montrer_2_texte_R", "Tous les 2 g/kgas", 2},
                   {Montrer_5_texte_R, "Montrer_5_texte_R", "Tous les 5 g/kgas", 5},
                   {Montrer_0_texte_R, "Montrer_0_texte_R", kNone, 0}});
    spin(p, S_R_Maxi, "S_R_Maxi", QStringLiteral("Maxi"), {kRangeX, kGroupTop + 6}, 1, 40, &ChartSettings::R,
         &FamilySettings::Maxi, &TPrecision::S_R_MaxiChange);
    spin(p, S_R_Mini, "S_R_Mini", QStringLiteral("Mini"), {kRangeX, kGroupTop + 36}, 0, 39, &ChartSettings::R,
         &FamilySettings::Mini, &TPrecision::S_R_MiniChange);
    colourRow(p, P_couleur_R, "P_couleur_R", &s_.R.Couleur, &TPrecision::P_couleur_RClick);
    styleField(p, S_Lignes_R, "S_Lignes_R", &ChartSettings::R, &TPrecision::S_Lignes_RClick);

    p = addPage(Tab_HR, "Tab_HR", QStringLiteral("Hygrométrie"));
    densityGroups(p, &ChartSettings::HR, lines,
                  {{Montrer_toutes_HR, "Montrer_toutes_HR", kAll, 1},
                   {Montrer_100_HR, "Montrer_100_HR", "Montrer 100%", 2},
                   {Montrer_0_HR, "Montrer_0_HR", kNone, 0}},
                  {{Montrer_toutes_texte_HR, "Montrer_toutes_texte_HR", kAll, 1},
                   {Montrer_100_texte_HR, "Montrer_100_texte_HR", "Montrer 100%", 2},
                   {Montrer_0_texte_HR, "Montrer_0_texte_HR", kNone, 0}});
    colourRow(p, P_couleur_HR, "P_couleur_HR", &s_.HR.Couleur, &TPrecision::P_couleur_HRClick);

    p = addPage(Tab_H, "Tab_H", QStringLiteral("Enthalpie"));
    densityGroups(p, &ChartSettings::H, lines,
                  {{Montrer_toutes_H, "Montrer_toutes_H", kAll, 1},
                   {Montrer_2_H, "Montrer_2_H", "Tous les 2 kJ/kgas", 2},
                   {Montrer_5_H, "Montrer_5_H", "Tous les 5 kJ/kgas", 5},
                   {Montrer_10_H, "Montrer_10_H", "Tous les 10 kJ/kgas", 10},
                   {Montrer_0_H, "Montrer_0_H", kNone, 0}},
                  {{Montrer_toutes_texte_H, "Montrer_toutes_texte_H", kAll, 1},
                   {Montrer_2_texte_H, "Montrer_2_texte_H", "Tous les 2 kJ/kgas", 2},
                   {Montrer_5_texte_H, "Montrer_5_texte_H", "Tous les 5 kJ/kgas", 5},
                   {Montrer_10_texte_H, "Montrer_10_texte_H", "Tous les 10 kJ/kgas", 10},
                   {Montrer_0_texte_H, "Montrer_0_texte_H", kNone, 0}});
    colourRow(p, P_couleur_H, "P_couleur_H", &s_.H.Couleur, &TPrecision::P_couleur_HClick);
    styleField(p, S_lignes_H, "S_lignes_H", &ChartSettings::H, &TPrecision::S_lignes_HClick);

    p = addPage(Tab_V, "Tab_V", QStringLiteral("Volume massique"));
    densityGroups(p, &ChartSettings::V, lines,
                  {{Montrer_toutes_V, "Montrer_toutes_V", "Montrer tous", 1},
                   {Montrer_5_V, "Montrer_5_V", "Tous 0,05 m3/kgas", 5},
                   {Montrer_0_V, "Montrer_0_V", "Montrer aucun", 0}},
                  {{Montrer_toutes_texte_V, "Montrer_toutes_texte_V", "Montrer tous", 1},
                   {Montrer_5_texte_V, "Montrer_5_texte_V", "Tous 0,05 m3/kgas", 5},
                   {Montrer_0_texte_V, "Montrer_0_texte_V", "Montrer aucun", 0}});
    colourRow(p, P_couleur_V, "P_couleur_V", &s_.V.Couleur, &TPrecision::P_couleur_VClick);
    styleField(p, S_lignes_V, "S_lignes_V", &ChartSettings::V, &TPrecision::S_lignes_VClick);

    p = addPage(Tab_TR, "Tab_TR", QStringLiteral("Température de rosée"));
    densityGroups(p, &ChartSettings::TR, QStringLiteral(" Précision des lignes"),
                  {{Montrer_Toutes_TR, "Montrer_Toutes_TR", kAll, 1},
                   {Montrer_2_TR, "Montrer_2_TR", kTwoC, 2},
                   {Montrer_5_TR, "Montrer_5_TR", kFiveC, 5},
                   {Montrer_0_TR, "Montrer_0_TR", kNone, 0}},
                  {{Montrer_Toutes_texte_TR, "Montrer_Toutes_texte_TR", kAll, 1},
                   {Montrer_2_texte_TR, "Montrer_2_texte_TR", kTwoC, 2},
                   {Montrer_5_texte_TR, "Montrer_5_texte_TR", kFiveC, 5},
                   {Montrer_0_texte_TR, "Montrer_0_texte_TR", kNone, 0}});
    colourRow(p, P_couleur_tr, "P_couleur_tr", &s_.TR.Couleur, &TPrecision::P_couleur_trClick);
    styleField(p, S_Lignes_TR, "S_Lignes_TR", &ChartSettings::TR, &TPrecision::S_Lignes_TRClick);

    p = addPage(Tab_TH, "Tab_TH", QStringLiteral("Température humide"));
    densityGroups(p, &ChartSettings::TH, lines,
                  {{Montrer_toutes_TH, "Montrer_toutes_TH", kAll, 1},
                   {Montrer_2_TH, "Montrer_2_TH", kTwoC, 2},
                   {Montrer_5_TH, "Montrer_5_TH", kFiveC, 5},
                   {Montrer_0_TH, "Montrer_0_TH", kNone, 0}},
                  {{Montrer_toutes_texte_TH, "Montrer_toutes_texte_TH", kAll, 1},
                   {Montrer_2_texte_TH, "Montrer_2_texte_TH", kTwoC, 2},
                   {Montrer_5_texte_TH, "Montrer_5_texte_TH", kFiveC, 5},
                   {Montrer_0_texte_TH, "Montrer_0_texte_TH", kNone, 0}});
    colourRow(p, P_couleur_th, "P_couleur_th", &s_.TH.Couleur, &TPrecision::P_couleur_thClick);
    styleField(p, S_Lignes_TH, "S_Lignes_TH", &ChartSettings::TH, &TPrecision::S_Lignes_THClick);

    addPage(Tab_General, "Tab_General", QStringLiteral("Général"));
    buildGeneral();

    Pages->place(QRect(0, 0, kWidth, kTabsHeight));
    // The first showing opens on "Général"; later showings keep the tab last used.
    Pages->setCurrentIndex(Pages->count() - 1);

    const int buttonsY = kTabsHeight + 8;
    B_Ok = new QPushButton(QStringLiteral("Ok"), this);
    B_Ok->setObjectName(QStringLiteral("B_Ok"));
    B_Ok->setGeometry(kWidth - 2 * (kButtonWidth + 8), buttonsY, kButtonWidth, kButtonHeight);
    B_Annuler = new QPushButton(QStringLiteral("Annuler"), this);
    B_Annuler->setObjectName(QStringLiteral("B_Annuler"));
    B_Annuler->setGeometry(kWidth - (kButtonWidth + 8), buttonsY, kButtonWidth, kButtonHeight);
    B_Annuler->setAutoDefault(false);
    B_Ok->setDefault(true);
    connect(B_Ok, &QPushButton::clicked, this, &TPrecision::B_OkClick);
    connect(B_Annuler, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(B_Annuler, B_Ok);
}

QWidget *TPrecision::addPage(QWidget *&page, const char *name, const QString &caption)
{
    page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    Pages->addTab(page, caption);
    return page;
}

void TPrecision::densityGroup(QWidget *page, const QString &title, const QRect &rect,
                              FamilySettings ChartSettings::*family, int32_t FamilySettings::*field,
                              std::vector<Choice> choices)
{
    auto *box = new QGroupBox(title, page);
    box->setGeometry(rect);
    auto *buttons = new QButtonGroup(box);
    buttons->setExclusive(true);
    for (size_t i = 0; i < choices.size(); ++i) {
        Choice &c = choices[i];
        c.button = new QRadioButton(QString::fromUtf8(c.caption), box);
        c.button->setObjectName(QString::fromLatin1(c.name));
        c.button->setGeometry(8, kRadioTop + static_cast<int>(i) * kRadioStep, rect.width() - 12, kRadioHeight);
        buttons->addButton(c.button, c.code);
    }
    choices.front().button->setChecked(true);
    densities_.push_back({buttons, family, field});
}

void TPrecision::densityGroups(QWidget *page, FamilySettings ChartSettings::*family, const QString &linesTitle,
                               std::vector<Choice> lines, std::vector<Choice> labels)
{
    const int height = kRadioTop + static_cast<int>(lines.size()) * kRadioStep + 6;
    densityGroup(page, linesTitle, QRect(kGroupGap, kGroupTop, kGroupWidth, height), family, &FamilySettings::Montrer,
                 std::move(lines));
    densityGroup(page, QStringLiteral("Précision des textes"),
                 QRect(2 * kGroupGap + kGroupWidth, kGroupTop, kGroupWidth, height), family,
                 &FamilySettings::Montrer_texte, std::move(labels));
}

QSpinBox *TPrecision::spin(QWidget *page, QSpinBox *&box, const char *name, const QString &caption,
                           const QPoint &at, int minimum, int maximum, FamilySettings ChartSettings::*family,
                           int32_t FamilySettings::*field, void (TPrecision::*change)())
{
    auto *label = new QLabel(caption, page);
    label->setGeometry(at.x(), at.y(), kSpinLabelWidth, kSpinHeight);
    box = new OneStepSpinBox(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(at.x() + kSpinLabelWidth, at.y(), kSpinWidth, kSpinHeight);
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    // The arrows are the only way to change the value.
    if (auto *edit = box->findChild<QLineEdit *>())
        edit->setReadOnly(true);
    label->setBuddy(box);
    ranges_.push_back({box, family, field});
    connect(box, &QSpinBox::valueChanged, this, [this, change] { (this->*change)(); });
    return box;
}

ColourPanel *TPrecision::colourPanel(QWidget *page, ColourPanel *&panel, const char *name, const QString &caption,
                                     const QPoint &at, int32_t *field, void (TPrecision::*click)())
{
    auto *label = new QLabel(caption, page);
    const int labelWidth = label->sizeHint().width() + 6;
    label->setGeometry(at.x(), at.y() + (kPanelSize - 17) / 2, labelWidth, 17);
    panel = new ColourPanel(page);
    panel->setObjectName(QString::fromLatin1(name));
    panel->move(at.x() + labelWidth, at.y());
    panel->onClick = [this, click] { (this->*click)(); };
    panels_.push_back({panel, field});
    return panel;
}

void TPrecision::colourRow(QWidget *page, ColourPanel *&panel, const char *name, int32_t *colour,
                           void (TPrecision::*click)())
{
    colourPanel(page, panel, name, QStringLiteral("Couleur des lignes"), {kGroupGap, kColourRowY}, colour, click);
}

LineStyleField *TPrecision::styleField(QWidget *page, LineStyleField *&field, const char *name,
                                       FamilySettings ChartSettings::*family, void (TPrecision::*click)())
{
    field = new LineStyleField(page);
    field->setObjectName(QString::fromLatin1(name));
    // Wide enough for the longest pattern in whatever font the system gives.
    const QFontMetrics fm(field->font());
    int width = kFieldMinWidth;
    for (const std::string &pattern : LineStylePatterns())
        width = std::max(width, fm.horizontalAdvance(QString::fromStdString(pattern)) + 2 * field->indent() + 4);
    // In the colour row, lined up with the second group.
    field->setGeometry(2 * kGroupGap + kGroupWidth, kColourRowY + (kPanelSize - kFieldHeight) / 2, width,
                       kFieldHeight);
    field->setText(QString::fromStdString(LineStylePatterns()[0]));
    field->onClick = [this, click] { (this->*click)(); };
    styles_.push_back({field, family});
    return field;
}

void TPrecision::buildGeneral()
{
    QWidget *p = Tab_General;
    colourPanel(p, P_couleur_fenetre, "P_couleur_fenetre", QStringLiteral("Couleur du fond"), {kGroupGap, 10},
                &s_.Fenetre.Couleur, &TPrecision::P_couleur_fenetreClick);

    auto *label = new QLabel(QStringLiteral("Pression atmosphérique en Pa"), p);
    const int labelWidth = label->sizeHint().width() + 6;
    label->setGeometry(kGroupGap, 48, labelWidth, kSpinHeight);
    E_Pression = new QLineEdit(QStringLiteral("101325"), p);
    E_Pression->setObjectName(QStringLiteral("E_Pression"));
    E_Pression->setGeometry(kGroupGap + labelWidth, 48, 90, kSpinHeight);
    label->setBuddy(E_Pression);

    const int groupWidth = (kWidth - 4 * kGroupGap) / 2, groupY = 84, groupHeight = 56;
    auto *ts = new QGroupBox(QStringLiteral("Température sèche à 100% de zoom"), p);
    ts->setGeometry(kGroupGap, groupY, groupWidth, groupHeight);
    auto *r = new QGroupBox(QStringLiteral("Humidité spécifique à 100% de zoom"), p);
    r->setGeometry(2 * kGroupGap + groupWidth, groupY, groupWidth, groupHeight);
    const int second = 8 + kSpinLabelWidth + kSpinWidth + 16;
    spin(ts, TS_maxi_100, "TS_maxi_100", QStringLiteral("Maxi"), {8, 24}, -49, 50, &ChartSettings::TS,
         &FamilySettings::Maxi_zoom, &TPrecision::TS_maxi_100Change);
    spin(ts, TS_mini_100, "TS_mini_100", QStringLiteral("Mini"), {second, 24}, -50, 49, &ChartSettings::TS,
         &FamilySettings::Mini_zoom, &TPrecision::TS_mini_100Change);
    spin(r, R_maxi_100, "R_maxi_100", QStringLiteral("Maxi"), {8, 24}, 1, 40, &ChartSettings::R,
         &FamilySettings::Maxi_zoom, &TPrecision::R_maxi_100Change);
    spin(r, R_mini_100, "R_mini_100", QStringLiteral("Mini"), {second, 24}, 0, 39, &ChartSettings::R,
         &FamilySettings::Mini_zoom, &TPrecision::R_mini_100Change);
}

void TPrecision::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    FormActivate();
    B_Ok->setFocus();
}

void TPrecision::FormActivate()
{
    pressureAtOpening_ = s_.Patm;
    const QString pressure = QString::number(s_.Patm);
    E_Pression->setText(pressure);
    // The box is the pressure every calculation reads: from now on it shows ChartSettings.Patm.
    state_.pressureText = pressure.toStdString();

    // A code the group does not offer (V's default 10) leaves its selection as it was.
    for (const DensityGroup &d : densities_)
        if (QAbstractButton *b = d.buttons->button((s_.*d.family).*d.field))
            b->setChecked(true);

    // Filling the boxes is not a user's change: no coupling.
    for (const Range &r : ranges_) {
        const QSignalBlocker block(r.box);
        r.box->setValue((s_.*r.family).*r.field);
    }

    for (const Colour &c : panels_)
        c.panel->SetColour(*c.field);

    for (const Style &st : styles_)
        if (const auto pattern = LineStylePattern((s_.*st.family).Lignes))
            st.field->setText(QString::fromStdString(*pattern));
}

void TPrecision::B_OkClick()
{
    for (const DensityGroup &d : densities_) {
        const int code = d.buttons->checkedId();
        if (code != -1)
            (s_.*d.family).*d.field = code;
    }
    for (const Range &r : ranges_)
        (s_.*r.family).*r.field = r.box->value();
    for (const Colour &c : panels_)
        *c.field = c.panel->Colour();

    // A failed write abandons the rest, as any failure of the command does;
    // the dialog still closes with OK so that the chart takes the new ranges.
    if (!writeColoursAndStyles_ || writeColoursAndStyles_()) {
        if (const std::optional<uint32_t> patm = ParsePressureBox(E_Pression->text().toStdString(), messages_)) {
            s_.Patm = *patm;
            // The calculators read the box's text: give them the number, not
            // what was typed ("101 325 Pa" would make each of them fail).
            state_.pressureText = std::to_string(*patm);
            if (s_.Patm != pressureAtOpening_)
                calculations_.RerunAfterPressureChange();
        }
    }
    accept();
}

void TPrecision::ChooseColour(ColourPanel *panel)
{
    if (const std::optional<int32_t> colour = colours_.Choose(lastColour_)) {
        lastColour_ = *colour;
        panel->SetColour(*colour);
    }
}

void TPrecision::P_couleur_tsClick() { ChooseColour(P_couleur_ts); }
void TPrecision::P_couleur_RClick() { ChooseColour(P_couleur_R); }
void TPrecision::P_couleur_HRClick() { ChooseColour(P_couleur_HR); }
void TPrecision::P_couleur_HClick() { ChooseColour(P_couleur_H); }
void TPrecision::P_couleur_VClick() { ChooseColour(P_couleur_V); }
void TPrecision::P_couleur_trClick() { ChooseColour(P_couleur_tr); }
void TPrecision::P_couleur_thClick() { ChooseColour(P_couleur_th); }
void TPrecision::P_couleur_fenetreClick() { ChooseColour(P_couleur_fenetre); }

// The style is stored at once: "Annuler" does not take it back.
void TPrecision::ChooseLineStyle(LineStyleField *field, FamilySettings &family)
{
    if (!picker_.Run())
        return;
    const int chosen = picker_.ChosenLineStyle();
    if (const auto pattern = LineStylePattern(chosen)) {
        field->setText(QString::fromStdString(*pattern));
        family.Lignes = chosen;
    }
}

void TPrecision::S_Lignes_TSClick() { ChooseLineStyle(S_Lignes_TS, s_.TS); }
void TPrecision::S_Lignes_RClick() { ChooseLineStyle(S_Lignes_R, s_.R); }
void TPrecision::S_lignes_HClick() { ChooseLineStyle(S_lignes_H, s_.H); }
void TPrecision::S_lignes_VClick() { ChooseLineStyle(S_lignes_V, s_.V); }
void TPrecision::S_Lignes_TRClick() { ChooseLineStyle(S_Lignes_TR, s_.TR); }
void TPrecision::S_Lignes_THClick() { ChooseLineStyle(S_Lignes_TH, s_.TH); }

void TPrecision::MaxiChange(QSpinBox *maxi, const QSpinBox *mini)
{
    if (mini->value() >= maxi->value())
        maxi->setValue(mini->value() + 1);
}

void TPrecision::MiniChange(const QSpinBox *maxi, QSpinBox *mini)
{
    if (mini->value() >= maxi->value())
        mini->setValue(maxi->value() - 1);
}

void TPrecision::S_TS_MaxiChange() { MaxiChange(S_TS_Maxi, S_TS_Mini); }
void TPrecision::S_TS_MiniChange() { MiniChange(S_TS_Maxi, S_TS_Mini); }
void TPrecision::S_R_MaxiChange() { MaxiChange(S_R_Maxi, S_R_Mini); }
void TPrecision::S_R_MiniChange() { MiniChange(S_R_Maxi, S_R_Mini); }
void TPrecision::TS_maxi_100Change() { MaxiChange(TS_maxi_100, TS_mini_100); }
void TPrecision::TS_mini_100Change() { MiniChange(TS_maxi_100, TS_mini_100); }
void TPrecision::R_maxi_100Change() { MaxiChange(R_maxi_100, R_mini_100); }
void TPrecision::R_mini_100Change() { MiniChange(R_maxi_100, R_mini_100); }

} // namespace brumelle
