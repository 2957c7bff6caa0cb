#include "ui/options_dialog.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

#include "calculations.h"
#include "chart/line_styles.h"
#include "presentation/pressure_box.h"
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

// Enter in the altitude box computes as its button does, instead of
// pressing "Ok" and closing the dialog with the pressure not yet computed.
class EnterLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && onEnter) {
            onEnter();
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
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

// Captions shared by several families.
constexpr const char *kLines = "Précision des lignes";
constexpr const char *kAll = "Montrer toutes";
constexpr const char *kNone = "Montrer aucune";
constexpr const char *kTwoC = "Tous les 2°C";
constexpr const char *kFiveC = "Tous les 5°C";
} // namespace

// A radio button: the member that holds it, and its object name.
struct TPrecision::Radio {
    QRadioButton *TPrecision::*member;
    const char *name;
};

// One density code of a family, with its button in each of the two groups.
struct TPrecision::Level {
    const char *caption;
    int32_t code;
    Radio lines, labels;
};

// A range box beside the radio groups.
struct TPrecision::RangeBox {
    QSpinBox *TPrecision::*member;
    const char *name;
    const char *caption;
    int y;
    int minimum, maximum;
    int32_t FamilySettings::*field;
    void (TPrecision::*change)();
};

// A family tab: two density groups, its range boxes if it has any, its
// colour, and its line style unless it has none (style null).
struct TPrecision::FamilyTab {
    QWidget *TPrecision::*page;
    const char *pageName;
    const char *caption;
    FamilySettings ChartSettings::*family;
    const char *linesTitle;
    std::vector<Level> levels;
    std::vector<RangeBox> ranges;
    ColourPanel *TPrecision::*colour;
    const char *colourName;
    void (TPrecision::*colourClick)();
    LineStyleField *TPrecision::*style;
    const char *styleName;
    void (TPrecision::*styleClick)();
};

// ---- TPrecision

TPrecision::TPrecision(ChartSettings &settings, PressureBox &pressure, Calculations &calculations, Messages &messages,
                       ColourChooser &colours, LineStyleChooser &picker, std::function<bool()> writeColoursAndStyles,
                       QWidget *parent)
    : QDialog(parent), s_(settings), pressure_(pressure), calculations_(calculations), messages_(messages),
      colours_(colours), picker_(picker), writeColoursAndStyles_(std::move(writeColoursAndStyles))
{
    setObjectName(QStringLiteral("Precision"));
    setWindowTitle(QStringLiteral("Options graphiques"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFont(ChartFont());
    setFixedSize(kWidth, kHeight);

    Pages = new MultiRowTabs(kTabColumns, this);
    Pages->setObjectName(QStringLiteral("Pages"));

    // Each control's object name is its member's name.
#define NAMED(member) &TPrecision::member, #member
    const FamilyTab tabs[] = {
        {NAMED(Tab_TS), "Température sèche", &ChartSettings::TS, kLines,
         {{kAll, 1, {NAMED(Montrer_Toutes_TS)}, {NAMED(Montrer_tous_texte_ts)}},
          {kTwoC, 2, {NAMED(Montrer_2_TS)}, {NAMED(Montrer_2_texte_ts)}},
          {kFiveC, 5, {NAMED(Montrer_5_TS)}, {NAMED(Montrer_5_texte_ts)}},
          {kNone, 0, {NAMED(Montrer_0_TS)}, {NAMED(Montrer_0_texte_ts)}}},
         {{NAMED(S_TS_Maxi), "Maxi", kGroupTop + 6, -49, 50, &FamilySettings::Maxi, &TPrecision::S_TS_MaxiChange},
          {NAMED(S_TS_Mini), "Mini", kGroupTop + 36, -50, 49, &FamilySettings::Mini, &TPrecision::S_TS_MiniChange}},
         NAMED(P_couleur_ts), &TPrecision::P_couleur_tsClick, NAMED(S_Lignes_TS), &TPrecision::S_Lignes_TSClick},
        {NAMED(Tab_R), "Humidité spécifique", &ChartSettings::R, kLines,
         {{kAll, 1, {NAMED(Montrer_toutes_R)}, {NAMED(Montrer_toutes_texte_R)}},
          {"Tous les 2 g/kgas", 2, {NAMED(Montrer_2_R)}, {NAMED(Montrer_2_texte_R)}},
          {"Tous les 5 g/kgas", 5, {NAMED(Montrer_5_R)}, {NAMED(Montrer_5_texte_R)}},
          {kNone, 0, {NAMED(Montrer_0_R)}, {NAMED(Montrer_0_texte_R)}}},
         {{NAMED(S_R_Maxi), "Maxi", kGroupTop + 6, 1, 40, &FamilySettings::Maxi, &TPrecision::S_R_MaxiChange},
          {NAMED(S_R_Mini), "Mini", kGroupTop + 36, 0, 39, &FamilySettings::Mini, &TPrecision::S_R_MiniChange}},
         NAMED(P_couleur_R), &TPrecision::P_couleur_RClick, NAMED(S_Lignes_R), &TPrecision::S_Lignes_RClick},
        {NAMED(Tab_HR), "Hygrométrie", &ChartSettings::HR, kLines,
         {{kAll, 1, {NAMED(Montrer_toutes_HR)}, {NAMED(Montrer_toutes_texte_HR)}},
          {"Montrer 100%", 2, {NAMED(Montrer_100_HR)}, {NAMED(Montrer_100_texte_HR)}},
          {kNone, 0, {NAMED(Montrer_0_HR)}, {NAMED(Montrer_0_texte_HR)}}},
         {},
         NAMED(P_couleur_HR), &TPrecision::P_couleur_HRClick, nullptr, nullptr, nullptr},
        {NAMED(Tab_H), "Enthalpie", &ChartSettings::H, kLines,
         {{kAll, 1, {NAMED(Montrer_toutes_H)}, {NAMED(Montrer_toutes_texte_H)}},
          {"Tous les 2 kJ/kgas", 2, {NAMED(Montrer_2_H)}, {NAMED(Montrer_2_texte_H)}},
          {"Tous les 5 kJ/kgas", 5, {NAMED(Montrer_5_H)}, {NAMED(Montrer_5_texte_H)}},
          {"Tous les 10 kJ/kgas", 10, {NAMED(Montrer_10_H)}, {NAMED(Montrer_10_texte_H)}},
          {kNone, 0, {NAMED(Montrer_0_H)}, {NAMED(Montrer_0_texte_H)}}},
         {},
         NAMED(P_couleur_H), &TPrecision::P_couleur_HClick, NAMED(S_lignes_H), &TPrecision::S_lignes_HClick},
        {NAMED(Tab_V), "Volume massique", &ChartSettings::V, kLines,
         {{"Montrer tous", 1, {NAMED(Montrer_toutes_V)}, {NAMED(Montrer_toutes_texte_V)}},
          {"Tous 0,05 m3/kgas", 5, {NAMED(Montrer_5_V)}, {NAMED(Montrer_5_texte_V)}},
          {"Montrer aucun", 0, {NAMED(Montrer_0_V)}, {NAMED(Montrer_0_texte_V)}}},
         {},
         NAMED(P_couleur_V), &TPrecision::P_couleur_VClick, NAMED(S_lignes_V), &TPrecision::S_lignes_VClick},
        {NAMED(Tab_TR), "Température de rosée", &ChartSettings::TR, " Précision des lignes",
         {{kAll, 1, {NAMED(Montrer_Toutes_TR)}, {NAMED(Montrer_Toutes_texte_TR)}},
          {kTwoC, 2, {NAMED(Montrer_2_TR)}, {NAMED(Montrer_2_texte_TR)}},
          {kFiveC, 5, {NAMED(Montrer_5_TR)}, {NAMED(Montrer_5_texte_TR)}},
          {kNone, 0, {NAMED(Montrer_0_TR)}, {NAMED(Montrer_0_texte_TR)}}},
         {},
         NAMED(P_couleur_tr), &TPrecision::P_couleur_trClick, NAMED(S_Lignes_TR), &TPrecision::S_Lignes_TRClick},
        {NAMED(Tab_TH), "Température humide", &ChartSettings::TH, kLines,
         {{kAll, 1, {NAMED(Montrer_toutes_TH)}, {NAMED(Montrer_toutes_texte_TH)}},
          {kTwoC, 2, {NAMED(Montrer_2_TH)}, {NAMED(Montrer_2_texte_TH)}},
          {kFiveC, 5, {NAMED(Montrer_5_TH)}, {NAMED(Montrer_5_texte_TH)}},
          {kNone, 0, {NAMED(Montrer_0_TH)}, {NAMED(Montrer_0_texte_TH)}}},
         {},
         NAMED(P_couleur_th), &TPrecision::P_couleur_thClick, NAMED(S_Lignes_TH), &TPrecision::S_Lignes_THClick},
    };
#undef NAMED
    for (const FamilyTab &tab : tabs)
        buildFamilyTab(tab);

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

void TPrecision::buildFamilyTab(const FamilyTab &tab)
{
    QWidget *p = addPage(this->*tab.page, tab.pageName, QString::fromUtf8(tab.caption));
    const int height = kRadioTop + static_cast<int>(tab.levels.size()) * kRadioStep + 6;
    densityGroup(p, QString::fromUtf8(tab.linesTitle), QRect(kGroupGap, kGroupTop, kGroupWidth, height), tab.family,
                 &FamilySettings::Montrer, tab.levels, &Level::lines);
    densityGroup(p, QStringLiteral("Précision des textes"),
                 QRect(2 * kGroupGap + kGroupWidth, kGroupTop, kGroupWidth, height), tab.family,
                 &FamilySettings::Montrer_texte, tab.levels, &Level::labels);
    for (const RangeBox &r : tab.ranges)
        spin(p, this->*r.member, r.name, QString::fromUtf8(r.caption), {kRangeX, r.y}, r.minimum, r.maximum,
             tab.family, r.field, r.change);
    colourPanel(p, this->*tab.colour, tab.colourName, QStringLiteral("Couleur des lignes"), {kGroupGap, kColourRowY},
                &(s_.*tab.family).Couleur, tab.colourClick);
    if (tab.style)
        styleField(p, this->*tab.style, tab.styleName, tab.family, tab.styleClick);
}

void TPrecision::densityGroup(QWidget *page, const QString &title, const QRect &rect,
                              FamilySettings ChartSettings::*family, int32_t FamilySettings::*field,
                              const std::vector<Level> &levels, Radio Level::*button)
{
    auto *box = new QGroupBox(title, page);
    box->setGeometry(rect);
    auto *buttons = new QButtonGroup(box);
    buttons->setExclusive(true);
    for (size_t i = 0; i < levels.size(); ++i) {
        const Radio &r = levels[i].*button;
        QRadioButton *&radio = this->*r.member;
        radio = new QRadioButton(QString::fromUtf8(levels[i].caption), box);
        radio->setObjectName(QString::fromLatin1(r.name));
        radio->setGeometry(8, kRadioTop + static_cast<int>(i) * kRadioStep, rect.width() - 12, kRadioHeight);
        buttons->addButton(radio, levels[i].code);
    }
    (this->*(levels.front().*button).member)->setChecked(true);
    densities_.push_back({buttons, family, field});
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

    // The altitude row, in tab order after the pressure, ends at the page's right margin.
    auto *altitude = new QLabel(QStringLiteral("Altitude en m"), p);
    auto *altitudeEdit = new EnterLineEdit(QStringLiteral("0"), p);
    altitudeEdit->onEnter = [this] { B_AltitudeClick(); };
    E_Altitude = altitudeEdit;
    E_Altitude->setObjectName(QStringLiteral("E_Altitude"));
    altitude->setBuddy(E_Altitude);
    B_Altitude = new QPushButton(QStringLiteral("Calculer"), p);
    B_Altitude->setObjectName(QStringLiteral("B_Altitude"));
    B_Altitude->setToolTip(QStringLiteral("Pression de l'atmosphère standard à cette altitude"));
    B_Altitude->setAutoDefault(false);
    const int buttonWidth = B_Altitude->fontMetrics().horizontalAdvance(B_Altitude->text()) + 24;
    const int buttonX = kWidth - 2 * kGroupGap - buttonWidth;
    B_Altitude->setGeometry(buttonX, 48 + (kSpinHeight - kButtonHeight) / 2, buttonWidth, kButtonHeight);
    constexpr int kAltitudeWidth = 52;
    E_Altitude->setGeometry(buttonX - 6 - kAltitudeWidth, 48, kAltitudeWidth, kSpinHeight);
    const int altitudeWidth = altitude->sizeHint().width() + 6;
    altitude->setGeometry(E_Altitude->x() - altitudeWidth, 48, altitudeWidth, kSpinHeight);
    connect(B_Altitude, &QPushButton::clicked, this, &TPrecision::B_AltitudeClick);

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
    // The box is the pressure every calculation reads: from now on it shows ChartSettings.Patm.
    pressure_.Show(s_.Patm);
    E_Pression->setText(QString::fromStdString(pressure_.text));

    // A code the group does not offer (V's default 10) selects no button, so
    // that "Ok" leaves it as it is rather than take a button left from before.
    for (const DensityGroup &d : densities_) {
        if (QAbstractButton *b = d.buttons->button((s_.*d.family).*d.field)) {
            b->setChecked(true);
        } else if (QAbstractButton *checked = d.buttons->checkedButton()) {
            d.buttons->setExclusive(false);
            checked->setChecked(false);
            d.buttons->setExclusive(true);
        }
    }

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
    if (!writeColoursAndStyles_ || writeColoursAndStyles_())
        calculations_.PressureTyped(E_Pression->text().toStdString());
    accept();
}

// Only the box changes: "Ok" makes it the pressure in use, as a typed one.
void TPrecision::B_AltitudeClick()
{
    if (const auto pPa = PressureAtTypedAltitude(E_Altitude->text().toStdString(), messages_))
        E_Pression->setText(QString::number(*pPa));
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
