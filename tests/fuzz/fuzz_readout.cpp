// The status-bar readout with any settings brumelle-cli's --set can give
// (ranges, densities, pressure), any plot size and any pixel: its text is
// empty or shows a point on the plot, not beyond saturation and possible for
// real air; and it does not depend on what the working point held before.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "chart/readout.h"
#include "fuzz_support.h"

using namespace brumelle;
using namespace brumelle::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    // Each bit of the first byte widens one group of values from the chart's
    // neighbourhood to the whole range of its type.
    const auto wide = in.ConsumeIntegral<uint8_t>();
    auto value = [&](unsigned bit, int32_t lo, int32_t hi) {
        return (wide & bit) ? in.ConsumeIntegral<int32_t>() : in.ConsumeIntegralInRange(lo, hi);
    };

    ChartSettings s;
    s.TS.Maxi = value(1, -100, 150);
    s.TS.Mini = value(1, -150, 100);
    s.R.Maxi = value(2, -20, 100);
    s.R.Mini = value(2, -50, 60);
    s.Patm = (wide & 4) ? std::max<uint32_t>(1, in.ConsumeIntegral<uint32_t>())
                        : in.ConsumeIntegralInRange<uint32_t>(1, 200000);
    for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V}) {
        f->Montrer = in.ConsumeIntegralInRange(-2, 20);
        f->Montrer_texte = in.ConsumeIntegralInRange(-2, 20);
    }

    ChartGeometry geometry;
    geometry.settings = &s;
    geometry.PlotWidth = value(8, 1, 2000);
    geometry.PlotHeight = value(8, 1, 2000);
    const int32_t x = value(16, -50, std::clamp(geometry.PlotWidth, 0, 4000) + 90);
    const int32_t y = value(16, -50, std::clamp(geometry.PlotHeight, 0, 4000) + 90);
    const NumberSeparators sep = (wide & 32) ? English() : French();

    MoistAirState scratch;
    const std::string text = CursorReadout(s, geometry, x, y, scratch, sep);
    const std::string where = "readout at " + std::to_string(x) + "," + std::to_string(y) + " of a " +
                              std::to_string(geometry.PlotWidth) + "x" + std::to_string(geometry.PlotHeight) +
                              " plot, TS " + std::to_string(s.TS.Mini) + ".." + std::to_string(s.TS.Maxi) + ", R " +
                              std::to_string(s.R.Mini) + ".." + std::to_string(s.R.Maxi) + ", P " +
                              std::to_string(s.Patm);
    CheckReadout(text, s, sep, where);

    // The working point is scratch space only.
    MoistAirState used;
    const long double junk = std::numeric_limits<long double>::quiet_NaN();
    used.TS = used.TH = used.TR = used.H = used.R = used.HR = used.V = used.Pvs = used.Pv = junk;
    used.wetBulbCorrections = -1;
    FUZZ_CHECK(CursorReadout(s, geometry, x, y, used, sep) == text, where + ": depends on the working point");
    return 0;
}
