#pragma once
#include "calculators/evolutions.h"
#include "chart/chart_settings.h"
#include "chart/paint.h"
#include "model/moist_air.h"

#include <string>

namespace brumelle {

// One boolean per "dessiner" box, set only by that box's click handler.
struct DrawingFlags {
    bool Check_dessin_1point = false;
    bool Check_dessin_BC = false;
    bool Check_dessin_BFC = false;
    bool Check_dessin_Lav = false;
    bool Check_dessin_vap = false;
    bool Check_dessin_melange = false;
    bool Check_dessin_CTA = false;
};

// Everything the windows share for the whole run. Owned by the application
// and passed by reference, so every test builds its own.
struct ProgramState {
    ChartSettings settings;
    MoistAirState chartPoint;      // the chart window's working point (scratch of every paint)
    MoistAirState EvolutionState;  // the evolutions window's working point
    DrawingFlags flags;
    bool RepaintOnFlagChange = true;
    int FreshAirMode = 0;
    int TreatmentMode = 0;
    // Text of the pressure box every calculation reads; the options dialog owns it later.
    std::string pressureText = "101325";
    ZoomState zoom;
    // Boxes and result grids of the evolutions window.
    EvolutionData evolutions;
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
