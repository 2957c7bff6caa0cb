#include "ui/weather_hours_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "chart/climate_layer.h"
#include "note/calculation_note.h"
#include "render/qpainter_canvas.h"

namespace brumelle {

namespace {

// "de [début] à [fin]" in one row of a group.
QGroupBox *SpanGroup(const QString &title, QWidget *from, QWidget *to, const QString &unit, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("de"), group));
    row->addWidget(from);
    row->addWidget(new QLabel(QStringLiteral("à"), group));
    row->addWidget(to);
    if (!unit.isEmpty())
        row->addWidget(new QLabel(unit, group));
    row->addStretch(1);
    return group;
}

QSpinBox *HourBox(QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(1, 24);
    return box;
}

} // namespace

TF_heures_meteo::TF_heures_meteo(Climate &climate, const ChartSettings &settings, QWidget *parent)
    : QDialog(parent), climate_(climate), settings_(settings)
{
    setObjectName(QStringLiteral("F_heures_meteo"));
    setWindowTitle(QStringLiteral("Heures affichées"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFont(ChartFont());

    C_mois_debut = new QComboBox(this);
    C_mois_fin = new QComboBox(this);
    for (QComboBox *c : {C_mois_debut, C_mois_fin})
        for (const char *month : kFrenchMonths)
            c->addItem(QString::fromUtf8(month));
    S_heure_debut = HourBox(this);
    S_heure_fin = HourBox(this);
    Check_montrer_heures = new QCheckBox(QStringLiteral("Montrer les heures"), this);
    L_lieu = new QLabel(this);
    L_lieu->setObjectName(QStringLiteral("L_lieu"));
    L_lieu->setWordWrap(true);
    L_heures = new QLabel(this);
    L_heures->setObjectName(QStringLiteral("L_heures"));

    auto *buttons = new QDialogButtonBox(this);
    B_Ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    B_Annuler = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    B_Ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(L_lieu);
    layout->addWidget(SpanGroup(QStringLiteral("Mois"), C_mois_debut, C_mois_fin, QString(), this));
    layout->addWidget(SpanGroup(QStringLiteral("Heures de la journée"), S_heure_debut, S_heure_fin,
                                QStringLiteral("h (l'heure qui finit à cette heure)"), this));
    layout->addWidget(Check_montrer_heures);
    layout->addWidget(L_heures);
    layout->addWidget(buttons);

    connect(B_Ok, &QPushButton::clicked, this, [this] { B_OkClick(); });
    connect(B_Annuler, &QPushButton::clicked, this, &QDialog::reject);
    for (QComboBox *c : {C_mois_debut, C_mois_fin})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { FiltreChange(); });
    for (QSpinBox *b : {S_heure_debut, S_heure_fin})
        connect(b, &QSpinBox::valueChanged, this, [this] { FiltreChange(); });
}

void TF_heures_meteo::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

void TF_heures_meteo::FormActivate()
{
    const HourFilter &f = climate_.filter;
    {
        const QSignalBlocker a(C_mois_debut), b(C_mois_fin), c(S_heure_debut), d(S_heure_fin);
        C_mois_debut->setCurrentIndex(f.monthFrom - 1);
        C_mois_fin->setCurrentIndex(f.monthTo - 1);
        S_heure_debut->setValue(f.hourFrom);
        S_heure_fin->setValue(f.hourTo);
    }
    Check_montrer_heures->setChecked(climate_.shown);
    const QString place = climate_.Loaded() ? QString::fromStdString(PlaceName(climate_.year->location)) : QString();
    L_lieu->setText(QStringLiteral("Lieu : ") + place);
    FiltreChange();
}

HourFilter TF_heures_meteo::Chosen() const
{
    HourFilter f;
    f.monthFrom = C_mois_debut->currentIndex() + 1;
    f.monthTo = C_mois_fin->currentIndex() + 1;
    f.hourFrom = S_heure_debut->value();
    f.hourTo = S_heure_fin->value();
    return f;
}

void TF_heures_meteo::FiltreChange()
{
    // The counts of what "Ok" would show: a few thousand hours, counted at once.
    const WeatherYear *y = climate_.Loaded() ? &*climate_.year : nullptr;
    const HourFilter filter = Chosen();
    const size_t retained = y ? CountCells(y->hours, filter).retained : 0;
    const size_t outside = y ? HoursOutside(y->hours, filter, DisplayedRangesOf(settings_)) : 0;
    const auto line = [](const char *caption, size_t n) {
        return QStringLiteral("%1 : %2").arg(QString::fromUtf8(caption)).arg(n);
    };
    L_heures->setText(QStringList{line("Heures lues", y ? y->rowsRead : 0),
                                  line("Heures manquantes", y ? y->missingHours : 0),
                                  line("Heures retenues", retained), line("Heures hors diagramme", outside)}
                          .join(QLatin1Char('\n')));
}

void TF_heures_meteo::B_OkClick()
{
    climate_.filter = Chosen();
    climate_.shown = Check_montrer_heures->isChecked();
    climate_.Recount();
    accept();
}

} // namespace brumelle
