#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include <QDialog>

#include "chart/chart_settings.h"
#include "presentation/pressure_box.h"
#include "ui/multi_row_tabs.h"
#include "ui/style_fields.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace brumelle {

class Calculations;
class ColourChooser;
class LineStyleChooser;
class Messages;

// "Options graphiques": ranges, densities, colours and line styles of the
// chart, and the atmospheric pressure. Created once and only hidden between
// uses; every showing reloads the controls from ChartSettings.
class TPrecision : public QDialog {
    Q_OBJECT
public:
    // `writeColoursAndStyles` writes the colour and line-style keys to
    // Brumelle.ini and returns false when it could not (its message shown):
    // the rest of "Ok" is then abandoned, as for any failed write.
    // It edits the chart's settings and shows the pressure box, which "Ok"
    // gives to the calculations.
    TPrecision(ChartSettings &settings, PressureBox &pressure, Calculations &calculations, Messages &messages,
               ColourChooser &colours, LineStyleChooser &picker, std::function<bool()> writeColoursAndStyles,
               QWidget *parent = nullptr);

    MultiRowTabs *Pages = nullptr;
    QWidget *Tab_TS = nullptr, *Tab_R = nullptr, *Tab_HR = nullptr, *Tab_H = nullptr, *Tab_V = nullptr,
            *Tab_TR = nullptr, *Tab_TH = nullptr, *Tab_General = nullptr;

    // Température sèche
    QRadioButton *Montrer_Toutes_TS = nullptr, *Montrer_2_TS = nullptr, *Montrer_5_TS = nullptr,
                 *Montrer_0_TS = nullptr;
    QRadioButton *Montrer_tous_texte_ts = nullptr, *Montrer_2_texte_ts = nullptr, *Montrer_5_texte_ts = nullptr,
                 *Montrer_0_texte_ts = nullptr;
    QSpinBox *S_TS_Maxi = nullptr, *S_TS_Mini = nullptr;
    ColourPanel *P_couleur_ts = nullptr;
    LineStyleField *S_Lignes_TS = nullptr;

    // Humidité spécifique
    QRadioButton *Montrer_toutes_R = nullptr, *Montrer_2_R = nullptr, *Montrer_5_R = nullptr, *Montrer_0_R = nullptr;
    QRadioButton *Montrer_toutes_texte_R = nullptr, *Montrer_2_texte_R = nullptr, *Montrer_5_texte_R = nullptr,
                 *Montrer_0_texte_R = nullptr;
    QSpinBox *S_R_Maxi = nullptr, *S_R_Mini = nullptr;
    ColourPanel *P_couleur_R = nullptr;
    LineStyleField *S_Lignes_R = nullptr;

    // Hygrométrie
    QRadioButton *Montrer_toutes_HR = nullptr, *Montrer_100_HR = nullptr, *Montrer_0_HR = nullptr;
    QRadioButton *Montrer_toutes_texte_HR = nullptr, *Montrer_100_texte_HR = nullptr, *Montrer_0_texte_HR = nullptr;
    ColourPanel *P_couleur_HR = nullptr;

    // Enthalpie
    QRadioButton *Montrer_toutes_H = nullptr, *Montrer_2_H = nullptr, *Montrer_5_H = nullptr, *Montrer_10_H = nullptr,
                 *Montrer_0_H = nullptr;
    QRadioButton *Montrer_toutes_texte_H = nullptr, *Montrer_2_texte_H = nullptr, *Montrer_5_texte_H = nullptr,
                 *Montrer_10_texte_H = nullptr, *Montrer_0_texte_H = nullptr;
    ColourPanel *P_couleur_H = nullptr;
    LineStyleField *S_lignes_H = nullptr;

    // Volume massique
    QRadioButton *Montrer_toutes_V = nullptr, *Montrer_5_V = nullptr, *Montrer_0_V = nullptr;
    QRadioButton *Montrer_toutes_texte_V = nullptr, *Montrer_5_texte_V = nullptr, *Montrer_0_texte_V = nullptr;
    ColourPanel *P_couleur_V = nullptr;
    LineStyleField *S_lignes_V = nullptr;

    // Température de rosée
    QRadioButton *Montrer_Toutes_TR = nullptr, *Montrer_2_TR = nullptr, *Montrer_5_TR = nullptr,
                 *Montrer_0_TR = nullptr;
    QRadioButton *Montrer_Toutes_texte_TR = nullptr, *Montrer_2_texte_TR = nullptr, *Montrer_5_texte_TR = nullptr,
                 *Montrer_0_texte_TR = nullptr;
    ColourPanel *P_couleur_tr = nullptr;
    LineStyleField *S_Lignes_TR = nullptr;

    // Température humide
    QRadioButton *Montrer_toutes_TH = nullptr, *Montrer_2_TH = nullptr, *Montrer_5_TH = nullptr,
                 *Montrer_0_TH = nullptr;
    QRadioButton *Montrer_toutes_texte_TH = nullptr, *Montrer_2_texte_TH = nullptr, *Montrer_5_texte_TH = nullptr,
                 *Montrer_0_texte_TH = nullptr;
    ColourPanel *P_couleur_th = nullptr;
    LineStyleField *S_Lignes_TH = nullptr;

    // Général
    ColourPanel *P_couleur_fenetre = nullptr;
    QLineEdit *E_Pression = nullptr;
    // Beside the pressure: an altitude whose standard pressure the button
    // puts in E_Pression. Not saved anywhere.
    QLineEdit *E_Altitude = nullptr;
    QPushButton *B_Altitude = nullptr;
    QSpinBox *TS_maxi_100 = nullptr, *TS_mini_100 = nullptr, *R_maxi_100 = nullptr, *R_mini_100 = nullptr;

    QPushButton *B_Ok = nullptr, *B_Annuler = nullptr;

    // Handlers.
    void FormActivate();
    void B_OkClick();
    void B_AltitudeClick();
    void P_couleur_tsClick();
    void P_couleur_RClick();
    void P_couleur_HRClick();
    void P_couleur_HClick();
    void P_couleur_VClick();
    void P_couleur_trClick();
    void P_couleur_thClick();
    void P_couleur_fenetreClick();
    void S_Lignes_TSClick();
    void S_Lignes_RClick();
    void S_lignes_HClick();
    void S_lignes_VClick();
    void S_Lignes_TRClick();
    void S_Lignes_THClick();
    void S_TS_MaxiChange();
    void S_TS_MiniChange();
    void S_R_MaxiChange();
    void S_R_MiniChange();
    void TS_maxi_100Change();
    void TS_mini_100Change();
    void R_maxi_100Change();
    void R_mini_100Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One radio group and the density field it edits.
    struct DensityGroup {
        QButtonGroup *buttons;
        FamilySettings ChartSettings::*family;
        int32_t FamilySettings::*field;
    };
    struct Range {
        QSpinBox *box;
        FamilySettings ChartSettings::*family;
        int32_t FamilySettings::*field;
    };
    struct Colour {
        ColourPanel *panel;
        int32_t *field;
    };
    struct Style {
        LineStyleField *field;
        FamilySettings ChartSettings::*family;
    };
    // The seven family tabs are rows of one table (options_dialog.cpp).
    struct Radio;
    struct Level;
    struct RangeBox;
    struct FamilyTab;

    QWidget *addPage(QWidget *&page, const char *name, const QString &caption);
    void buildFamilyTab(const FamilyTab &tab);
    // A group of radio buttons, one per density level, the first selected.
    void densityGroup(QWidget *page, const QString &title, const QRect &rect, FamilySettings ChartSettings::*family,
                      int32_t FamilySettings::*field, const std::vector<Level> &levels, Radio Level::*button);
    QSpinBox *spin(QWidget *page, QSpinBox *&box, const char *name, const QString &caption, const QPoint &at,
                   int minimum, int maximum, FamilySettings ChartSettings::*family, int32_t FamilySettings::*field,
                   void (TPrecision::*change)());
    ColourPanel *colourPanel(QWidget *page, ColourPanel *&panel, const char *name, const QString &caption,
                             const QPoint &at, int32_t *field, void (TPrecision::*click)());
    LineStyleField *styleField(QWidget *page, LineStyleField *&field, const char *name,
                               FamilySettings ChartSettings::*family, void (TPrecision::*click)());
    void buildGeneral();

    void ChooseColour(ColourPanel *panel);
    void ChooseLineStyle(LineStyleField *field, FamilySettings &family);
    // Mini always stays strictly below Maxi: the box the user moved past the
    // other one is put back beside it.
    static void MaxiChange(QSpinBox *maxi, const QSpinBox *mini);
    static void MiniChange(const QSpinBox *maxi, QSpinBox *mini);

    ChartSettings &s_;
    PressureBox &pressure_;
    Calculations &calculations_;
    Messages &messages_;
    ColourChooser &colours_;
    LineStyleChooser &picker_;
    std::function<bool()> writeColoursAndStyles_;

    std::vector<DensityGroup> densities_;
    std::vector<Range> ranges_;
    std::vector<Colour> panels_;
    std::vector<Style> styles_;
    int32_t lastColour_ = 0; // the colour dialog starts where it was last confirmed
};

} // namespace brumelle
