#pragma once
#include <QDialog>

#include "chart/chart_settings.h"
#include "weather/climate.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace brumelle {

// "Heures affichées": which months and hours of the day of the weather year
// the chart shows, and whether it shows them; with the year's place and
// counts, the retained ones following the choices as they change. Created
// once, hidden, shown modally; "Ok" gives the choices to the climate.
class TF_heures_meteo : public QDialog {
    Q_OBJECT
public:
    TF_heures_meteo(Climate &climate, const ChartSettings &settings, QWidget *parent = nullptr);

    QComboBox *C_mois_debut = nullptr, *C_mois_fin = nullptr;
    QSpinBox *S_heure_debut = nullptr, *S_heure_fin = nullptr;
    QCheckBox *Check_montrer_heures = nullptr;
    QLabel *L_lieu = nullptr, *L_heures = nullptr;
    QPushButton *B_Ok = nullptr, *B_Annuler = nullptr;

    // Handlers.
    void FormActivate();
    void B_OkClick();
    void FiltreChange();

protected:
    void showEvent(QShowEvent *event) override;

private:
    HourFilter Chosen() const;

    Climate &climate_;
    const ChartSettings &settings_;
};

} // namespace brumelle
