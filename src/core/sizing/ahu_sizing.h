#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "calculators/calculation_base.h"
#include "calculators/calculation_context.h"
#include "calculators/last_run.h"
#include "model/moist_air.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"
#include "sizing/ahu_grid.h"

namespace brumelle {

// The sizing wizard's record: the texts of its boxes exactly as shown (their
// labels, file keys and initial texts are in ahu_boxes.h), its radio buttons,
// the enabled state the fresh-air rule gives two boxes, the result grid, what
// the last run computed, and the two modes the overlay draws the unit's air
// path by. Lives for the whole run, like the window.
struct AhuData {
    AhuData(); // every box at its initial text, the grid at its design widths

    std::string E_Charge_sens;   // kW, sensible load (negative: the room needs heat)
    std::string E_charge_lat;    // kge/s, latent load
    std::string E_TS_loc;        // °C
    std::string E_HR_loc;        // %
    std::string E_TS_ext;        // °C
    std::string E_HR_ext;        // %
    std::string E_TS_sou;        // °C, supply
    std::string E_T_Surface;     // °C, cooling-coil surface
    std::string E_QM_AN;         // kgas/s, minimum fresh air (mixing)
    std::string E_eff_echangeur; // %, plate exchanger

    // "Humidificateur"
    bool R_Vap = true, R_Lav = false;
    // "Air neuf"
    bool R_tout_AN = false, R_Echange_plaques = false, R_melange = true;

    // Both boxes start enabled; only the fresh-air rule changes them.
    bool E_QM_AN_Enabled = true, E_eff_echangeur_Enabled = true;

    ResultGrid grille_resultats{10, 10};
    int FreshAirMode = 0;   // 1 exchanger, 2 all fresh air, 3 mixing, 4 mixing capped or preheated
    int TreatmentMode = 0;  // 1 coil then humidifier, 2 one device, 3 dehumidifying coil

    // What the last run computed, as far as it went (nothing once it
    // stopped): its points in column order and its equipment block.
    struct SizedPoint {
        std::string heading;
        MoistAirState state;
    };
    std::vector<SizedPoint> points;
    std::vector<EquipmentRow> equipment;
    // What the last run ran from, how it ended and what it showed.
    LastRun lastRun;
};

// The inputs the sizing reads now, captioned as the wizard shows them: its
// eight boxes, the minimum fresh air with "Mélange" and the exchanger's
// efficiency with "Echangeur à plaques" (the sizing reads them only then),
// then the checked button of each group.
std::vector<CaptionedText> CurrentInputs(const AhuData &d);
// True when the sizing ran and its inputs are no longer those it ran from.
bool InputsChangedSinceRun(const AhuData &d);

// Widths in pixels of the result grid's columns as the window is designed.
constexpr int kAhuDesignWidths[10] = {90, 50, 50, 50, 46, 69, 54, 49, 50, 49};

// The fresh-air rule: the minimum fresh-air box is enabled exactly with
// "Mélange", the exchanger's efficiency box exactly with "Echangeur à plaques".
void ApplyFreshAirEnabling(AhuData &d);

// Checking a radio button of a group unchecks the others of that group.
enum class AhuRadio { Vap, Lav, tout_AN, Echange_plaques, melange };
void SelectRadio(AhuData &d, AhuRadio button);
bool &RadioState(AhuData &d, AhuRadio button);
inline bool RadioState(const AhuData &d, AhuRadio button) { return RadioState(const_cast<AhuData &>(d), button); }

// Bound of the three 0.01 K searches (preheating, surface lowering, surface
// raising): 1000 K, far beyond any temperature of the chart.
constexpr long kAhuSearchMaxSteps = 100000;

// The air-handling unit's sizing. Reads the wizard's texts and radio buttons
// from its record, fills `grille_resultats` as it goes, sets FreshAirMode,
// TreatmentMode and the pressure in use, computes in its working point (the
// chart window's) and shows its messages in the program's order.
class AhuSizing : public CalculationBase {
public:
    AhuSizing(AhuData &record, CalculationContext context, Messages &messages,
              std::function<void()> repaintMainWindow, NumberSeparators separators);

    void SizeAhu();

    // Steps after which each search counts as endless (kAhuSearchMaxSteps
    // unless a test wants to reach the bound sooner).
    void SetSearchBound(long steps) { searchBound_ = steps; }

    // Steps taken by the last run's searches, for the benchmarks and tests.
    struct SearchSteps {
        long preheating = 0, surfaceLowering = 0, surfaceRaising = 0;
    };
    const SearchSteps &LastSearchSteps() const { return steps_; }

private:
    void Run();
    void FreshAirStage();
    void Treatment();
    // The humidifier's block, after the coil outlet in the working point when
    // `coil`: heating or dry cooling up to the humidifier's line.
    void Humidify(const char *waterLabel, bool coil, bool heating);
    void Dehumidification();
    // The cooling coil's surface, saturated at tsSurfaceC.
    void ComputeSurface(long double tsSurfaceC);

    // The working point as the run keeps it.
    const MoistAirState &CurrentPoint() const { return ctx_.point; }
    uint32_t Patm() const { return ctx_.patmPa; }
    void WritePoint(int col, const std::string &heading, const MoistAirState &p);
    void WriteBlock(int col, std::vector<EquipmentRow> rows);
    EquipmentRow Power(const char *label, long double kW) const;
    void AppendFlows(std::vector<EquipmentRow> &rows) const;

    AhuData &d_;
    SearchSteps steps_;
    long searchBound_ = kAhuSearchMaxSteps;

    // Values of the run in progress.
    std::string pressureRow_;                    // row 8: the pressure box's text the run computes at
    long double supplyMassFlowKgS_ = 0;          // through the unit, dry air
    long double supplyVolumeFlowM3S_ = 0;        // at the supply air's specific volume
    long double freshAirVolumeFlowM3S_ = 0;      // at the same specific volume
    long double supplyTsC_ = 0, supplyRKgKg_ = 0, supplyHKJ_ = 0, supplyVM3_ = 0;
    long double roomTsC_ = 0;
    MoistAirState room_, outdoor_, inlet_;       // inlet: the air leaving the fresh-air stage
    int nextColumn_ = 4;                         // of the grid
    MoistAirState surface_;                      // the cooling coil's surface, saturated
};

} // namespace brumelle
