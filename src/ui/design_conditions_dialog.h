#pragma once
#include <functional>
#include <utility>
#include <vector>

#include <QDialog>

#include "weather/climate.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace brumelle {

// "Conditions de base": the weather file's design conditions and those
// computed from its year, shown on the chart while "Montrer sur le
// diagramme" is ticked; "Utiliser pour la CTA" hands the selected row to the
// sizing. Created once, hidden, shown modally.
class TF_conditions_base : public QDialog {
    Q_OBJECT
public:
    TF_conditions_base(Climate &climate, std::function<void(const DesignRow &)> useForSizing,
                       std::function<void()> repaintMainWindow, QWidget *parent = nullptr);

    QLabel *L_lieu = nullptr;
    QTableWidget *Grille_conditions = nullptr;
    QCheckBox *Check_montrer_conditions = nullptr;
    QPushButton *B_utiliser = nullptr, *B_Fermer = nullptr;

    // Handlers.
    void FormActivate();
    void Check_montrer_conditionsClick();
    void B_utiliserClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Climate &climate_;
    std::function<void(const DesignRow &)> use_;
    std::function<void()> repaint_;
    std::vector<DesignRow> rows_; // as the grid shows them
};

} // namespace brumelle
