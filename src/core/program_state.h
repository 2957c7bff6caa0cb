#pragma once
#include "calculators/evolutions.h"
#include "chart/chart_settings.h"
#include "chart/zoom.h"
#include "model/moist_air.h"
#include "presentation/drawing_flags.h"
#include "presentation/pressure_box.h"
#include "sizing/ahu_sizing.h"
#include "weather/climate.h"

namespace brumelle {

// Everything the windows share for the whole run, gathered. Owned by the
// application and passed by reference, so every test builds its own. Each
// dialog and calculation is handed the parts it works with (its record, the
// drawing flags, the settings, the pressure box); only the main window, the
// calculations' owner, the document commands and the overlay's adapter take
// the whole.
struct ProgramState {
    ChartSettings settings;
    MoistAirState chartPoint;      // the chart window's working point (paint, readout, AHU sizing)
    MoistAirState EvolutionState;  // the evolutions window's working point
    DrawingFlags flags;
    bool RepaintOnFlagChange = true;
    // The options dialog's pressure box, which every calculation reads into settings.Patm.
    PressureBox pressure;
    ZoomState zoom;
    // Boxes and result grids of the evolutions window.
    EvolutionData evolutions;
    // Boxes, radio buttons, result grid and modes of the sizing wizard.
    AhuData ahu;
    // The site's climate: its weather file, the hours shown and their cells.
    Climate climate;
};

// Switches RepaintOnFlagChange off for a scope and back on at its end, even
// when a calculation in between throws: the chart must never stay deaf to
// its check boxes.
class RepaintSuspension {
public:
    explicit RepaintSuspension(ProgramState &state) : state_(state) { state_.RepaintOnFlagChange = false; }
    ~RepaintSuspension() { state_.RepaintOnFlagChange = true; }
    RepaintSuspension(const RepaintSuspension &) = delete;
    RepaintSuspension &operator=(const RepaintSuspension &) = delete;

private:
    ProgramState &state_;
};

} // namespace brumelle
