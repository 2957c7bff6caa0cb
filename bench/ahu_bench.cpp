// A sizing runs each time the wizard's result page is shown and at every
// document opening: it must stay far below a frame, searches included.
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "calculations.h"
#include "program_state.h"
#include "support/recording_messages.h"

namespace {

using namespace brumelle;
using Inputs = std::vector<std::pair<std::string AhuData::*, const char *>>;

void Size(benchmark::State &bench, const Inputs &inputs, AhuRadio fresh, long AhuSizing::SearchSteps::*steps)
{
    ProgramState state;
    for (const auto &[box, text] : inputs)
        state.ahu.*box = text;
    SelectRadio(state.ahu, fresh);
    test::RecordingMessages messages;
    AhuSizing sizing(state.ahu, SizingContext(state), messages, {}, NumberSeparators{});
    for (auto _ : bench) {
        messages.entries.clear();
        sizing.SizeAhu();
        benchmark::DoNotOptimize(state.ahu.grille_resultats.Cell(1, 1));
    }
    if (steps)
        bench.counters["steps"] = static_cast<double>(sizing.LastSearchSteps().*steps);
}

// The window's defaults: mixing without fresh air, a heating coil alone.
void BM_SizingDefaults(benchmark::State &s) { Size(s, {}, AhuRadio::melange, nullptr); }

// The preheating search at its bound: almost no fresh air for a saturated room.
void BM_PreheatingToTheBound(benchmark::State &s)
{
    Size(s, {{&AhuData::E_HR_loc, "100"}, {&AhuData::E_QM_AN, "0,000001"}}, AhuRadio::melange,
         &AhuSizing::SearchSteps::preheating);
}

// The surface lowered until the saturation pressure faults: a supply with no
// humidity at all can never be reached at 95 %.
void BM_SurfaceLoweringWithoutEnd(benchmark::State &s)
{
    Size(s, {{&AhuData::E_HR_loc, "0"}, {&AhuData::E_TS_sou, "15"}, {&AhuData::E_TS_ext, "30"}, {&AhuData::E_HR_ext, "50"}},
         AhuRadio::tout_AN, &AhuSizing::SearchSteps::surfaceLowering);
}

// A long raising: the summer case from a surface at −46 °C (colder ones
// already give an outlet below the supply).
void BM_SurfaceRaisingFromTheBottomOfTheChart(benchmark::State &s)
{
    Size(s,
         {{&AhuData::E_Charge_sens, "10"}, {&AhuData::E_charge_lat, "0,001"}, {&AhuData::E_TS_loc, "26"},
          {&AhuData::E_TS_ext, "32"}, {&AhuData::E_HR_ext, "40"}, {&AhuData::E_TS_sou, "16"},
          {&AhuData::E_T_Surface, "-46"}},
         AhuRadio::tout_AN, &AhuSizing::SearchSteps::surfaceRaising);
}

} // namespace

BENCHMARK(BM_SizingDefaults);
BENCHMARK(BM_PreheatingToTheBound)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurfaceLoweringWithoutEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurfaceRaisingFromTheBottomOfTheChart)->Unit(benchmark::kMillisecond);
