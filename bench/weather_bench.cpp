// Opening a weather file: its bytes read from disk, its hours read and their
// cells counted. Target: at most a quarter of the time pandas takes merely to
// read the same file (bench/compare_pandas.sh). The file is the example
// year, or the one BRUMELLE_EPW names.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include <benchmark/benchmark.h>

#include "weather/epw.h"
#include "weather/hour_cells.h"

namespace {

using namespace brumelle;

std::string EpwPath()
{
    const char *named = std::getenv("BRUMELLE_EPW");
    return named && *named ? named : BRUMELLE_EXAMPLE_EPW;
}

std::string Bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void BM_ReadEpwAndCountCells(benchmark::State &state)
{
    const std::string path = EpwPath();
    size_t hours = 0, cells = 0;
    for (auto _ : state) {
        const std::optional<WeatherYear> year = ReadEpw(Bytes(path), 101325);
        if (!year) {
            state.SkipWithError((path + ": " + kEpwRefused).c_str());
            break;
        }
        const HourCells counted = CountCells(year->hours, HourFilter{});
        hours = year->hours.size();
        cells = counted.cells.size();
        benchmark::DoNotOptimize(counted.cells.data());
    }
    state.counters["hours"] = static_cast<double>(hours);
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_ReadEpwAndCountCells)->Unit(benchmark::kMillisecond);

// The cursor readout's lookup, once per pointer move.
void BM_HoursUnderThePointer(benchmark::State &state)
{
    const std::optional<WeatherYear> year = ReadEpw(Bytes(EpwPath()), 101325);
    if (!year) {
        state.SkipWithError(kEpwRefused);
        return;
    }
    const HourCells cells = CountCells(year->hours, HourFilter{});
    long double tsC = -20;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cells.HoursAt(tsC, 0.008L));
        tsC = tsC > 40 ? -20 : tsC + 0.37L;
    }
}
BENCHMARK(BM_HoursUnderThePointer)->Unit(benchmark::kNanosecond);

} // namespace
