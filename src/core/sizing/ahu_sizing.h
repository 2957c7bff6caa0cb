#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "calculators/calculation_context.h"
#include "calculators/last_run.h"
#include "model/moist_air.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

// The sizing wizard's record: the texts of its boxes exactly as shown, its
// radio buttons, the enabled state the fresh-air rule gives two boxes, the
// result grid and the two modes the overlay draws the unit's air path by.
// Lives for the whole run, like the window.
struct AhuData {
    AhuData();

    std::string E_Charge_sens = "-4";    // kW, sensible load (negative: the room needs heat)
    std::string E_charge_lat = "0";      // kge/s, latent load
    std::string E_TS_loc = "20";         // °C
    std::string E_HR_loc = "50";         // %
    std::string E_TS_ext = "-11";        // °C
    std::string E_HR_ext = "90";         // %
    std::string E_TS_sou = "35";         // °C, supply
    std::string E_T_Surface = "8";       // °C, cooling-coil surface
    std::string E_QM_AN = "0";           // kgas/s, minimum fresh air (mixing)
    std::string E_eff_echangeur = "50";  // %, plate exchanger

    // "Humidificateur"
    bool R_Vap = true, R_Lav = false;
    // "Air neuf"
    bool R_tout_AN = false, R_Echange_plaques = false, R_melange = true;

    // Both boxes start enabled; only the fresh-air rule changes them.
    bool E_QM_AN_Enabled = true, E_eff_echangeur_Enabled = true;

    ResultGrid grille_resultats{10, 10};
    int FreshAirMode = 0;   // 1 exchanger, 2 all fresh air, 3 mixing, 4 mixing capped or preheated
    int TreatmentMode = 0;  // 1 coil then humidifier, 2 one device, 3 dehumidifying coil

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
// from its record, fills `grille_resultats`, sets FreshAirMode, TreatmentMode
// and the pressure in use, computes in its working point (the chart
// window's) and shows its messages in the program's order.
class AhuSizing {
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
    struct Point {
        long double TS = 0, HR = 0, R = 0, H = 0, V = 0, TR = 0, TH = 0;
    };
    // The equipment block: a label and a value with its unit per row.
    using Block = std::vector<std::pair<std::string, std::string>>;

    void Run();
    void FreshAirStage();
    void Treatment();
    // The humidifier's block, after the coil outlet in the working point when
    // `coil`: heating or dry cooling up to the humidifier's line.
    void Humidify(const char *waterLabel, bool coil, bool heating);
    void Dehumidification();
    void ComputeSurface(long double tsSurfaceC);

    Point Keep() const;
    void WritePoint(int col, const std::string &heading, const Point &p);
    void WriteBlock(int col, const Block &rows);
    void SetColCount(int count);
    std::string Power(long double kW) const;
    void AppendFlows(Block &rows) const;
    void Stop(const std::string &message);
    long double Box(const std::string &text);

    AhuData &d_;
    CalculationContext ctx_;
    KeptMessages messages_;
    std::function<void()> repaint_;
    NumberSeparators sep_;
    SearchSteps steps_;
    long searchBound_ = kAhuSearchMaxSteps;

    // Values of the run in progress.
    uint32_t patm_ = 0;
    std::string pressureRow_; // row 8: the pressure the run computes at
    long double Qm_ = 0, QvSoufflage_ = 0, QvAN_ = 0;
    long double tsSoufflage_ = 0, rSou_ = 0, hSou_ = 0, vSou_ = 0;
    long double tsLocal_ = 0;
    Point room_, outdoor_, inlet_;
    int k_ = 4; // next free column
    // Cooling-coil surface point (saturated at its temperature).
    long double tsSurface_ = 0, rSurface_ = 0, hSurface_ = 0, vSurface_ = 0;
};

} // namespace brumelle
