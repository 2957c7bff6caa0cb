#pragma once
#include <vector>

#include <QDialog>

#include "weather/climate.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace brumelle {

class Messages;

// "Zones": the user's zones (a name, a dry-bulb span and a relative-humidity
// span), added, changed and removed, and the ASHRAE 55 comfort zone's
// inputs, each with the retained hours inside. Created once, hidden, shown
// modally; "Ok" gives them to the climate at the chart's pressure.
class TF_zones : public QDialog {
    Q_OBJECT
public:
    TF_zones(Climate &climate, const uint32_t &patmPa, Messages &messages, QWidget *parent = nullptr);

    QTableWidget *Grille_zones = nullptr;
    QLineEdit *E_nom = nullptr, *E_ts_mini = nullptr, *E_ts_maxi = nullptr, *E_hr_mini = nullptr,
              *E_hr_maxi = nullptr;
    QPushButton *B_ajouter = nullptr, *B_modifier = nullptr, *B_supprimer = nullptr;
    QCheckBox *Check_confort = nullptr;
    QLineEdit *E_metabolisme = nullptr, *E_vetements = nullptr, *E_vitesse = nullptr;
    QLabel *L_confort = nullptr;
    QPushButton *B_Ok = nullptr, *B_Annuler = nullptr;

    // Handlers.
    void FormActivate();
    void Grille_zonesSelect();
    void B_ajouterClick();
    void B_modifierClick();
    void B_supprimerClick();
    void ConfortChange();
    void B_OkClick();

protected:
    void showEvent(QShowEvent *event) override;
    // Return in a zone's boxes adds the zone rather than closing the dialog.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The zone the boxes describe; a message and nothing when it cannot be kept.
    std::optional<UserZone> TypedZone();
    // The comfort inputs typed; nothing when one cannot be read or is refused (its text in `why`).
    std::optional<ComfortInputs> TypedComfort(std::string &why) const;
    void ShowZones();
    // The zone boxes hold a zone the list does not have: typed, not yet added.
    bool ZoneTypedNotAdded() const;

    Climate &climate_;
    const uint32_t &patm_;
    Messages &messages_;
    std::vector<UserZone> zones_; // as the grid shows them
};

} // namespace brumelle
