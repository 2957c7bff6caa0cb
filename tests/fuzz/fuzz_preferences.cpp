// A preference file of any bytes, read into the chart settings as "Ouvrir
// préférences..." reads it, then the chart painted on a recording canvas and
// read out at a few pixels: no label or readout may show NaN or infinity,
// every readout is a possible point, and the settings written back, to a new
// file or over the one they came from, read back to the same 37 values.
#include <cstdint>
#include <string>

#include "chart/paint.h"
#include "chart/readout.h"
#include "chart/settings_keys.h"
#include "fuzz_support.h"
#include "storage/preferences.h"
#include "support/recording_canvas.h"

using namespace brumelle;
using namespace brumelle::fuzz;

namespace {

constexpr int32_t kPlotWidth = 730, kPlotHeight = 542;

std::string Values(const ChartSettings &s)
{
    std::string out;
    for (const SettingKey &k : SettingKeys())
        out += std::string(k.name) + "=" + std::to_string(GetSetting(s, k)) + " ";
    return out;
}

// What ReadSettings promises: every value within what the chart can draw with.
void CheckSettings(const ChartSettings &s)
{
    for (const SettingKey &k : SettingKeys()) {
        const int64_t v = GetSetting(s, k);
        FUZZ_CHECK(v >= k.lo && v <= k.hi, std::string(k.name) + " read as " + std::to_string(v));
    }
    for (const RangePair &p : RangePairs())
        FUZZ_CHECK(GetSetting(s, *p.maxi) > GetSetting(s, *p.mini), std::string(p.maxi->name) + " not above its Mini");
}

void CheckWriteBack(const IniFile &into, const ChartSettings &s, const char *how)
{
    IniFile f = into;
    WriteSettings(f, s);
    const std::string bytes = f.ToBytes();
    ChartSettings back;
    // Other values first, so that a key not read back shows.
    back.TS.Maxi = 7;
    back.Patm = 12345;
    ReadSettings(IniFile::FromBytes(bytes), back);
    FUZZ_CHECK(Values(back) == Values(s), std::string("written back ") + how + ", the settings change from\n" +
                                              Values(s) + "\nto\n" + Values(back) + "\nwritten: " + Quoted(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const IniFile file = IniFile::FromBytes(bytes);
    ChartSettings s;
    ReadSettings(file, s);
    CheckSettings(s);

    const NumberSeparators sep = size % 2 ? English() : French();
    const ChartGeometry geometry{kPlotWidth, kPlotHeight, &s};
    MoistAirState scratch;
    test::RecordingCanvas canvas;
    PaintChart(canvas, s, geometry, scratch, ZoomState{});
    for (const std::string &t : canvas.texts())
        CheckFinite(t, "chart label");

    // The corners and the middle of the plot, and two pixels the file picks.
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    const auto pick = [&](unsigned shift, uint32_t count) { return static_cast<int32_t>((hash >> shift) % count); };
    const int32_t pixels[][2] = {
        {20, 20},
        {20 + kPlotWidth, 20 + kPlotHeight},
        {20, 20 + kPlotHeight},
        {20 + kPlotWidth / 2, 20 + kPlotHeight / 2},
        {20 + kPlotWidth * 3 / 4, 20 + kPlotHeight / 4},
        {20 + pick(0, kPlotWidth + 1), 20 + pick(11, kPlotHeight + 1)},
        {pick(3, 1000), pick(16, 700)},
    };
    for (const auto &px : pixels) {
        const std::string text = CursorReadout(s, geometry, px[0], px[1], scratch, sep);
        CheckReadout(text, s, sep, "readout at " + std::to_string(px[0]) + "," + std::to_string(px[1]));
    }

    CheckWriteBack(IniFile(), s, "to a new file");
    CheckWriteBack(file, s, "over the file");
    return 0;
}
