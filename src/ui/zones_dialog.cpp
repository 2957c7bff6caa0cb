#include "ui/zones_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/fault.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "render/locale_separators.h"
#include "weather/zones.h"

namespace brumelle {

namespace {

constexpr int kZoneColumns = 6;

QString Number(long double v) { return QString::fromStdString(FormatGeneral(v, SeparatorsOf(QLocale()))); }

QString CountText(const HourCount &count)
{
    return QString::fromStdString(ZoneCountText(DrawnZone{{}, {}, count}, SeparatorsOf(QLocale())));
}

} // namespace

TF_zones::TF_zones(Climate &climate, const uint32_t &patmPa, Messages &messages, QWidget *parent)
    : QDialog(parent), climate_(climate), patm_(patmPa), messages_(messages)
{
    setObjectName(QStringLiteral("F_zones"));
    setWindowTitle(QStringLiteral("Zones"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    auto *zones = new QGroupBox(QStringLiteral("Zones"), this);
    Grille_zones = new QTableWidget(0, kZoneColumns, zones);
    Grille_zones->setObjectName(QStringLiteral("Grille_zones"));
    Grille_zones->setHorizontalHeaderLabels({QStringLiteral("Nom"), QStringLiteral("TS mini"),
                                             QStringLiteral("TS maxi"), QStringLiteral("HR mini"),
                                             QStringLiteral("HR maxi"), QStringLiteral("Heures retenues dedans")});
    Grille_zones->verticalHeader()->hide();
    Grille_zones->horizontalHeader()->setStretchLastSection(true);
    Grille_zones->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille_zones->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grille_zones->setSelectionMode(QAbstractItemView::SingleSelection);
    Grille_zones->setMinimumSize(560, 150);

    E_nom = new QLineEdit(zones);
    E_ts_mini = new QLineEdit(zones);
    E_ts_maxi = new QLineEdit(zones);
    E_hr_mini = new QLineEdit(zones);
    E_hr_maxi = new QLineEdit(zones);
    auto *boxes = new QGridLayout;
    struct Field {
        const char *caption, *name;
        QLineEdit *edit;
    };
    const Field fields[] = {{"Nom", "E_nom", E_nom},
                            {"TS mini en °C", "E_ts_mini", E_ts_mini},
                            {"TS maxi en °C", "E_ts_maxi", E_ts_maxi},
                            {"HR mini en %", "E_hr_mini", E_hr_mini},
                            {"HR maxi en %", "E_hr_maxi", E_hr_maxi}};
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(QString::fromUtf8(fields[i].caption), zones);
        label->setBuddy(fields[i].edit);
        boxes->addWidget(label, 0, i);
        boxes->addWidget(fields[i].edit, 1, i);
        fields[i].edit->setObjectName(QString::fromUtf8(fields[i].name));
    }
    boxes->setColumnStretch(0, 2);
    B_ajouter = new QPushButton(QStringLiteral("Ajouter"), zones);
    B_modifier = new QPushButton(QStringLiteral("Modifier"), zones);
    B_supprimer = new QPushButton(QStringLiteral("Supprimer"), zones);
    auto *zoneButtons = new QHBoxLayout;
    zoneButtons->addStretch(1);
    for (QPushButton *b : {B_ajouter, B_modifier, B_supprimer}) {
        b->setAutoDefault(false);
        zoneButtons->addWidget(b);
    }
    auto *zonesLayout = new QVBoxLayout(zones);
    zonesLayout->addWidget(Grille_zones, 1);
    zonesLayout->addLayout(boxes);
    zonesLayout->addLayout(zoneButtons);

    auto *comfort = new QGroupBox(QStringLiteral("Zone de confort ASHRAE 55-2017 (méthode PMV)"), this);
    Check_confort = new QCheckBox(QStringLiteral("Montrer la zone de confort"), comfort);
    E_metabolisme = new QLineEdit(comfort);
    E_vetements = new QLineEdit(comfort);
    E_vitesse = new QLineEdit(comfort);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Métabolisme en met"), E_metabolisme);
    form->addRow(QStringLiteral("Vêtements en clo"), E_vetements);
    form->addRow(QStringLiteral("Vitesse d'air en m/s"), E_vitesse);
    // Broken by hand: a wrapped label would leave the dialog too short for it.
    auto *why = new QLabel(QStringLiteral("Température radiante moyenne égale à celle de l'air ; un état est dans "
                                          "la zone\nquand -0,5 ≤ PMV ≤ +0,5. Vitesse d'air au plus 0,2 m/s : "
                                          "au-delà, la norme demande\nla méthode SET, que le programme ne "
                                          "calcule pas."),
                           comfort);
    L_confort = new QLabel(comfort);
    L_confort->setObjectName(QStringLiteral("L_confort"));
    L_confort->setWordWrap(true);
    L_confort->setMinimumHeight(2 * L_confort->fontMetrics().lineSpacing() + 4); // a refusal takes two lines
    auto *comfortLayout = new QVBoxLayout(comfort);
    comfortLayout->addWidget(Check_confort);
    comfortLayout->addLayout(form);
    comfortLayout->addWidget(why);
    comfortLayout->addWidget(L_confort);

    auto *buttons = new QDialogButtonBox(this);
    B_Ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    B_Annuler = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    B_Ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(zones, 1);
    layout->addWidget(comfort);
    layout->addWidget(buttons);

    connect(Grille_zones, &QTableWidget::itemSelectionChanged, this, [this] { Grille_zonesSelect(); });
    connect(B_ajouter, &QPushButton::clicked, this, [this] { B_ajouterClick(); });
    connect(B_modifier, &QPushButton::clicked, this, [this] { B_modifierClick(); });
    connect(B_supprimer, &QPushButton::clicked, this, [this] { B_supprimerClick(); });
    for (QLineEdit *e : {E_nom, E_ts_mini, E_ts_maxi, E_hr_mini, E_hr_maxi})
        e->installEventFilter(this);
    for (QLineEdit *e : {E_metabolisme, E_vetements, E_vitesse})
        connect(e, &QLineEdit::textChanged, this, [this] { ConfortChange(); });
    connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
    connect(B_Annuler, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_zones::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

bool TF_zones::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            B_ajouterClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TF_zones::ZoneTypedNotAdded() const
{
    const std::string name = E_nom->text().trimmed().toStdString();
    if (name.empty())
        return false;
    const auto same = [this](const UserZone &z) {
        const std::pair<QLineEdit *, long double> bounds[] = {
            {E_ts_mini, z.tsMinC}, {E_ts_maxi, z.tsMaxC}, {E_hr_mini, z.hrMinPercent}, {E_hr_maxi, z.hrMaxPercent}};
        for (const auto &[edit, v] : bounds)
            if (ReadUserNumber(edit->text().toStdString()) != v)
                return false;
        return true;
    };
    return std::none_of(zones_.begin(), zones_.end(),
                        [&](const UserZone &z) { return z.name == name && same(z); });
}

void TF_zones::FormActivate()
{
    zones_ = climate_.userZones;
    ShowZones();
    for (QLineEdit *e : {E_nom, E_ts_mini, E_ts_maxi, E_hr_mini, E_hr_maxi})
        e->clear();
    const ComfortInputs &c = climate_.comfort.inputs;
    Check_confort->setChecked(climate_.comfort.shown);
    E_metabolisme->setText(Number(c.met));
    E_vetements->setText(Number(c.clo));
    E_vitesse->setText(Number(c.airSpeedMs));
    ConfortChange();
    E_nom->setFocus();
}

void TF_zones::ShowZones()
{
    Grille_zones->clearContents();
    Grille_zones->setRowCount(static_cast<int>(zones_.size()));
    for (int r = 0; r < static_cast<int>(zones_.size()); ++r) {
        const UserZone &z = zones_[static_cast<size_t>(r)];
        const QString count =
            climate_.Loaded() ? CountText(CountHoursInZone(climate_.year->hours, climate_.filter, z)) : QString();
        const QString cells[] = {QString::fromStdString(z.name), Number(z.tsMinC), Number(z.tsMaxC),
                                 Number(z.hrMinPercent), Number(z.hrMaxPercent), count};
        for (int col = 0; col < kZoneColumns; ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            if (col >= 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Grille_zones->setItem(r, col, item);
        }
    }
    Grille_zones->resizeColumnsToContents();
    const bool selected = !Grille_zones->selectedItems().isEmpty();
    B_modifier->setEnabled(selected);
    B_supprimer->setEnabled(selected);
}

void TF_zones::Grille_zonesSelect()
{
    const QList<QTableWidgetItem *> selected = Grille_zones->selectedItems();
    B_modifier->setEnabled(!selected.isEmpty());
    B_supprimer->setEnabled(!selected.isEmpty());
    if (selected.isEmpty())
        return;
    const UserZone &z = zones_.at(static_cast<size_t>(selected.front()->row()));
    E_nom->setText(QString::fromStdString(z.name));
    E_ts_mini->setText(Number(z.tsMinC));
    E_ts_maxi->setText(Number(z.tsMaxC));
    E_hr_mini->setText(Number(z.hrMinPercent));
    E_hr_maxi->setText(Number(z.hrMaxPercent));
}

std::optional<UserZone> TF_zones::TypedZone()
{
    UserZone z;
    z.name = E_nom->text().trimmed().toStdString();
    const std::pair<QLineEdit *, long double UserZone::*> bounds[] = {{E_ts_mini, &UserZone::tsMinC},
                                                                      {E_ts_maxi, &UserZone::tsMaxC},
                                                                      {E_hr_mini, &UserZone::hrMinPercent},
                                                                      {E_hr_maxi, &UserZone::hrMaxPercent}};
    for (const auto &[edit, field] : bounds) {
        const std::optional<long double> v = ReadUserNumber(edit->text().toStdString());
        if (!v) {
            messages_.message(kUnreadableNumber);
            edit->setFocus();
            return std::nullopt;
        }
        z.*field = *v;
    }
    if (const std::string error = ZoneError(z); !error.empty()) {
        messages_.message(error);
        return std::nullopt;
    }
    return z;
}

void TF_zones::B_ajouterClick()
{
    if (const std::optional<UserZone> z = TypedZone()) {
        zones_.push_back(*z);
        ShowZones();
        Grille_zones->selectRow(static_cast<int>(zones_.size()) - 1);
    }
}

void TF_zones::B_modifierClick()
{
    const QList<QTableWidgetItem *> selected = Grille_zones->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = selected.front()->row();
    if (const std::optional<UserZone> z = TypedZone()) {
        zones_.at(static_cast<size_t>(row)) = *z;
        ShowZones();
        Grille_zones->selectRow(row);
    }
}

void TF_zones::B_supprimerClick()
{
    const QList<QTableWidgetItem *> selected = Grille_zones->selectedItems();
    if (selected.isEmpty())
        return;
    zones_.erase(zones_.begin() + selected.front()->row());
    Grille_zones->clearSelection();
    ShowZones();
}

std::optional<ComfortInputs> TF_zones::TypedComfort(std::string &why) const
{
    ComfortInputs c;
    const std::pair<QLineEdit *, long double ComfortInputs::*> fields[] = {
        {E_metabolisme, &ComfortInputs::met}, {E_vetements, &ComfortInputs::clo}, {E_vitesse, &ComfortInputs::airSpeedMs}};
    for (const auto &[edit, field] : fields) {
        const std::optional<long double> v = ReadUserNumber(edit->text().toStdString());
        if (!v) {
            why = kUnreadableNumber;
            return std::nullopt;
        }
        c.*field = *v;
    }
    why = ComfortError(c);
    if (!why.empty())
        return std::nullopt;
    return c;
}

void TF_zones::ConfortChange()
{
    // The count of what "Ok" would keep: a year of hours, counted in a few milliseconds.
    std::string why;
    const std::optional<ComfortInputs> c = TypedComfort(why);
    if (!c) {
        L_confort->setText(QString::fromStdString(why));
    } else if (!climate_.Loaded()) {
        L_confort->setText(QStringLiteral("Heures retenues dedans : sans fichier météo, aucune"));
    } else {
        try {
            L_confort->setText(QStringLiteral("Heures retenues dedans : ") +
                               CountText(ComfortZone(*c).CountHours(climate_.year->hours, climate_.filter)));
        } catch (const ComputeFault &) {
            L_confort->setText(QStringLiteral("Heures retenues dedans : calcul impossible"));
        }
    }
}

void TF_zones::B_OkClick()
{
    // A zone typed and never added is not dropped without a question.
    if (ZoneTypedNotAdded()) {
        switch (messages_.ask(kZoneNotAddedQuestion)) {
        case Messages::Answer::Yes:
            if (const std::optional<UserZone> z = TypedZone()) {
                zones_.push_back(*z);
                break;
            }
            return;
        case Messages::Answer::No: break;
        case Messages::Answer::Cancel: return;
        }
    }
    std::string why;
    const std::optional<ComfortInputs> c = TypedComfort(why);
    if (!c) {
        messages_.message(why);
        return;
    }
    climate_.SetZones(zones_, {*c, Check_confort->isChecked()}, patm_);
    accept();
}

} // namespace brumelle
