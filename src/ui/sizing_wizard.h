#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "presentation/drawing_flags.h"
#include "sizing/ahu_sizing.h"
#include "ui/record_boxes.h"
#include "ui/result_grid_model.h"
#include "ui/window_growth.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;
class QWidget;

namespace brumelle {

class AhuSizing;
class Clipboard;
class TCalcEdit;
class TPageManager;
class TPageProxy;

// "Dimensionnement du matériel": four pages without tabs driven by the page
// manager; showing the last page sizes the unit. Created once, hidden, shown
// modally; it reopens on the page it was left on. The boxes write into the
// program-wide record as the user types, and show it again at every showing.
class TF_dimensionnement : public QDialog {
    Q_OBJECT
public:
    // `core` sizes the unit; the window shows its record and its "dessiner" box's flag.
    TF_dimensionnement(AhuData &record, DrawingBoxes drawing, AhuSizing &core, Clipboard &clipboard,
                       std::function<void()> repaintMainWindow, QWidget *parent = nullptr);

    QStackedWidget *Notebook1 = nullptr;
    QWidget *Panel1 = nullptr;
    TPageManager *PageManager1 = nullptr;
    TPageProxy *PageProxy1 = nullptr, *PageProxy2 = nullptr, *PageProxy3 = nullptr, *PageProxy4 = nullptr;
    QPushButton *B_back = nullptr, *B_avant = nullptr;

    // Charges
    QLineEdit *E_Charge_sens = nullptr, *E_charge_lat = nullptr;
    TCalcEdit *CalcEdit1 = nullptr;
    // Conditions climatiques
    QLineEdit *E_TS_loc = nullptr, *E_HR_loc = nullptr, *E_TS_ext = nullptr, *E_HR_ext = nullptr,
              *E_TS_sou = nullptr;
    // Préférences
    QLineEdit *E_T_Surface = nullptr, *E_QM_AN = nullptr, *E_eff_echangeur = nullptr;
    QRadioButton *R_Vap = nullptr, *R_Lav = nullptr, *R_tout_AN = nullptr, *R_Echange_plaques = nullptr,
                 *R_melange = nullptr;
    // Résultat
    QTableView *grille_resultats = nullptr;
    QCheckBox *Check_dessin_CTA = nullptr;
    QPushButton *B_copier_CTA = nullptr;

    // Shows the record again: texts, radio buttons, enabled boxes, grid, tick.
    void Refresh();
    // Called when the user changes an input, a choice, the tick or a grid cell.
    void SetOnEdit(std::function<void()> onEdit) { onEdit_ = std::move(onEdit); }

    // Handlers.
    void PageProxy3Show(bool next);
    void PageProxy4Show(bool next);
    void R_Echange_plaquesClick();
    void R_tout_ANClick();
    void R_melangeClick();
    void Check_dessin_CTAClick();
    void B_copier_CTAClick();

protected:
    void showEvent(QShowEvent *event) override;
    // Enlarged, the pages and the result grid grow with the window; the
    // buttons keep to its bottom right-hand corner.
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *page(const char *name, const QString &heading);
    // A box of the record's table, its label and hint the table's.
    QLineEdit *input(QWidget *page, std::string AhuData::*field, int y);
    QRadioButton *radio(QGroupBox *group, AhuRadio button, int y);
    void buildCharges(QWidget *p);
    void buildClimate(QWidget *p);
    void buildPreferences(QWidget *p);
    void buildResult(QWidget *p);
    void FreshAirClick(AhuRadio button);
    void EnablingRule();
    // The result grid's columns at their own widths, widened to fill the view when it has room.
    void FitResultGrid();
    void Edited();
    // The result grid greyed while the inputs are no longer those it was sized from.
    void ShowOutOfDate();

    AhuData &d_;
    DrawingBoxes drawing_;
    RecordBoxes<AhuData> boxes_{d_};
    AhuSizing &core_;
    Clipboard &clipboard_;
    std::function<void()> repaint_;
    ResultGridModel *model_ = nullptr;
    QLabel *corner_ = nullptr;
    QList<int> resultWidths_; // each column's own width, the hidden headings column 0
    WindowGrowth growth_;
    std::vector<std::pair<QRadioButton *, AhuRadio>> radios_;
    std::function<void()> onEdit_;
};

} // namespace brumelle
