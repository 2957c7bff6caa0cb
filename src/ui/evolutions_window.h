#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "calculators/evolutions.h"
#include "presentation/drawing_flags.h"
#include "ui/multi_row_tabs.h"
#include "ui/record_boxes.h"
#include "ui/result_grid_model.h"
#include "ui/window_growth.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;
class QToolButton;

namespace brumelle {

class Clipboard;

// "Calcul d'un point": one tab per elementary evolution. Created once,
// hidden, shown modally; closing it only hides it.
class TF_calcul_un_point : public QDialog {
    Q_OBJECT
public:
    // `core` runs the calculations and shows their messages; the window only
    // shows its record and its "dessiner" boxes' flags.
    TF_calcul_un_point(EvolutionData &record, DrawingBoxes drawing, Evolutions &core, Clipboard &clipboard,
                       std::function<void()> repaintMainWindow, QWidget *parent = nullptr);

    Evolutions &Core() { return core_; }
    // Called when the user changes an input, a tick, a choice or a grid cell.
    void SetOnEdit(std::function<void()> onEdit) { onEdit_ = std::move(onEdit); }

    MultiRowTabs *Pages_calculs = nullptr;
    QWidget *F_calc_un_point = nullptr, *F_Calc_Chaud = nullptr, *F_Calc_melange = nullptr,
            *F_calc_Froid_avec = nullptr, *F_calc_laveur = nullptr, *F_Calc_vapeur = nullptr;

    // Un point
    QTableView *grille_un_point = nullptr;
    QPushButton *B_Calcul_point = nullptr, *B_Nouveau_1point = nullptr, *B_copier_point = nullptr;
    QCheckBox *Check_dessin_1point = nullptr;
    QLineEdit *E_valeur_dep = nullptr, *E_valeur_arr = nullptr;
    QComboBox *C_unite_dep = nullptr, *C_unite_arr = nullptr;

    // Batterie chaude
    QTableView *grille_BC = nullptr;
    QLineEdit *E_TS_Entree_BC = nullptr, *E_HR_Entree_BC = nullptr, *e_qm_bc = nullptr, *E_deltat_bc = nullptr,
              *e_P_bc = nullptr;
    QPushButton *B_calcul_BC = nullptr, *B_copier_BC = nullptr;
    QCheckBox *Check_dessin_BC = nullptr;

    // Mélange
    QTableView *grille_melange = nullptr;
    QLineEdit *E_TS1_mel = nullptr, *E_HR1_mel = nullptr, *E_qm1_mel = nullptr, *E_TS2_mel = nullptr,
              *E_HR2_mel = nullptr, *E_qm2_mel = nullptr;
    QPushButton *B_calcul_melange = nullptr, *B_copier_Melange = nullptr;
    QCheckBox *Check_dessin_melange = nullptr;

    // Batterie froide
    QTableView *grille_bfc = nullptr;
    QLineEdit *E_TS_Entree_BFC = nullptr, *E_HR_Entree_BFC = nullptr, *E_qm_BFC = nullptr, *E_deltat_BFC = nullptr,
              *E_T_BFC = nullptr, *E_P_BFC = nullptr, *E_Efficacite_BFC = nullptr, *e_condensation_bfc = nullptr;
    QPushButton *B_calcul_BFC = nullptr, *B_copier_BF = nullptr;
    QCheckBox *Check_dessin_BFC = nullptr;

    // Laveur d'air
    QTableView *grille_lav = nullptr;
    QLineEdit *E_TS_Entree_Lav = nullptr, *E_HR_Entree_Lav = nullptr, *E_qm_Lav = nullptr,
              *E_R_sortie_lav = nullptr, *E_efficacite_lav = nullptr, *E_qm_eau_lav = nullptr;
    QPushButton *B_calcul_Lav = nullptr, *B_copier_laveur = nullptr;
    QCheckBox *Check_dessin_Lav = nullptr;

    // Humidificateur vapeur
    QTableView *grille_vap = nullptr;
    QLineEdit *E_TS_Entree_vap = nullptr, *E_HR_Entree_vap = nullptr, *E_qm_vap = nullptr,
              *E_R_sortie_vap = nullptr, *E_qm_eau_vap = nullptr;
    QRadioButton *radio_vap_theorique = nullptr, *radio_vap_reelle = nullptr;
    QPushButton *B_calcul_vap = nullptr, *B_copier_vapeur = nullptr;
    QCheckBox *Check_dessin_vap = nullptr;

    // Shows the core's data again (after a calculation, or a document opened while hidden).
    void Refresh();

    // Handlers.
    void FormActivate();
    void B_Calcul_pointClick();
    void B_Nouveau_1pointClick();
    void B_calcul_BCClick();
    void B_calcul_BFCClick();
    void B_calcul_LavClick();
    void B_calcul_vapClick();
    void B_calcul_melangeClick();
    void C_unite_depChange();
    void B_copier_pointClick();
    void B_copier_BCClick();
    void B_copier_MelangeClick();
    void B_copier_BFClick();
    void B_copier_laveurClick();
    void B_copier_vapeurClick();
    void Check_dessin_1pointClick();
    void Check_dessin_BCClick();
    void Check_dessin_BFCClick();
    void Check_dessin_LavClick();
    void Check_dessin_vapClick();
    void Check_dessin_melangeClick();

protected:
    void showEvent(QShowEvent *event) override;
    // Enlarged, the grids and what lies beside or under them grow with the window.
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildGrowth();
    QLineEdit *box(QWidget *page, std::string EvolutionData::*field, const QRect &rect, bool readOnly);
    // An input box shows its field and writes into it as it changes; a result
    // box only shows its field. Both take their caption from the record's table.
    QLineEdit *input(QWidget *page, std::string EvolutionData::*field, const QRect &rect);
    QLineEdit *result(QWidget *page, std::string EvolutionData::*field, const QRect &rect);
    // The place of the n-th box of the left-hand column.
    static QRect leftSlot(int row);
    QTableView *grid(QWidget *page, ResultGridModel *&model, ResultGrid &data, const QList<int> &widths,
                     const QPoint &at, bool editable = false);
    QPushButton *button(QWidget *page, const QString &caption, const QRect &rect);
    QCheckBox *drawBox(QWidget *page, const QRect &rect);
    void buildPoint();
    void buildHeating();
    void buildMixing();
    void buildCooling();
    void buildWasher();
    void buildSteam();
    void connectAll();
    // Runs a calculation of the core and shows its results.
    void Run(void (Evolutions::*handler)());
    // Return in a tab's input box runs its "Calcul", and Tab from its last
    // input goes to that button rather than into the grid.
    void CalculOnReturn(std::initializer_list<QLineEdit *> inputs, QPushButton *calcul,
                        void (TF_calcul_un_point::*handler)());
    // Greys the grid and result boxes of every calculation whose inputs have
    // changed since its results were computed.
    void ShowOutOfDate();
    void Edited();
    void DrawingFlagClick(QCheckBox *box, bool DrawingFlags::*flag);
    void Copy(ResultGridModel *model);

    EvolutionData &d_;
    DrawingBoxes drawing_;
    RecordBoxes<EvolutionData> boxes_{d_};
    Clipboard &clipboard_;
    std::function<void()> repaint_;
    Evolutions &core_;
    WindowGrowth growth_;
    std::vector<std::pair<QTableView *, QList<int>>> grids_; // each with its own column widths
    ResultGridModel *m_un_point_ = nullptr, *m_BC_ = nullptr, *m_melange_ = nullptr, *m_bfc_ = nullptr,
                    *m_lav_ = nullptr, *m_vap_ = nullptr;
    std::function<void()> onEdit_;
};

} // namespace brumelle
