// The climate's hours on the chart: cells under the lines, their legend, the readout.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "chart/paint.h"
#include "chart/readout.h"
#include "support/recording_canvas.h"
#include "support/small_epw.h"
#include "weather/climate.h"
#include "weather/hour_colours.h"

namespace brumelle {
namespace {

using test::CanvasOp;

TEST(ClimateLayer, CellsUnderTheLinesLegendZonesAndMarkersOverThemAndHoursInTheReadout)
{
    ChartSettings s;
    const ChartGeometry g = ChartGeometry::ForPlot(730, 542, s);
    Climate climate;
    climate.Take("lyon.epw", *ReadEpw(test::SmallEpw(), s.Patm));
    ASSERT_EQ(climate.cells.cells.size(), 3u); // two July hours share a cell
    MoistAirState scratch;
    test::RecordingCanvas c;
    PaintChartLines(c, s, g, scratch, ClimateLayerOf(climate, s.Patm, NumberSeparators{}));

    ASSERT_GE(c.ops.size(), 5u);
    EXPECT_EQ(c.ops[0].kind, CanvasOp::Fill);
    // The January hour, −5.2 °C: its cell from −6 to −5 °C, at its count's colour.
    const HourCell &january = climate.cells.cells.front();
    const CanvasOp &cell = c.ops[1];
    EXPECT_EQ(cell.kind, CanvasOp::FilledRect);
    EXPECT_EQ(std::tie(cell.x1, cell.x2, cell.y2),
              std::make_tuple(g.PixelX(-6), g.PixelX(-5), g.PixelY(january.rGKg / 1000.0L)));
    EXPECT_EQ(cell.brushColor, HourCellColour(1, 1, 2));
    EXPECT_EQ(c.ops[4].kind, CanvasOp::Move) << "the lines after the three cells";
    const auto texts = c.texts();
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()), (std::vector<std::string>{"Heures", "1", "2"}));

    // The readout over the shared July cell, and nothing added elsewhere.
    const HourCell &july = climate.cells.cells.back();
    const int x = g.PixelX(july.tsC + 0.5L), y = g.PixelY((july.rGKg + 0.5L) / 1000.0L);
    const std::string plain = CursorReadout(s, g, x, y, scratch, NumberSeparators{});
    EXPECT_EQ(CursorReadout(s, g, x, y, scratch, NumberSeparators{}, climate.Drawn()), plain + "     Météo : 2 h");
    EXPECT_EQ(CursorReadout(s, g, g.PixelX(10), y, scratch, NumberSeparators{}, climate.Drawn()),
              CursorReadout(s, g, g.PixelX(10), y, scratch, NumberSeparators{}));

    // A zone holding the two July hours at 30 °C, of the four retained; the
    // design conditions with a wet bulb as markers (the file's heating rows have none).
    climate.SetZones({{"Été", 29, 31, 0, 100}}, {}, s.Patm);
    climate.conditionsShown = true;
    test::RecordingCanvas z;
    PaintChartLines(z, s, g, scratch, ClimateLayerOf(climate, s.Patm, NumberSeparators{}));
    const auto all = z.texts();
    const auto has = [&](const std::string &t) { return std::find(all.begin(), all.end(), t) != all.end(); };
    EXPECT_TRUE(has("Été") && has("Été : 2 h (50,00 %)"));
    EXPECT_TRUE(has("Refroidissement 0,4 % fichier") && has("Chauffage 99,6 % année"));
    EXPECT_FALSE(has("Chauffage 99,6 % fichier"));

    climate.shown = false;
    EXPECT_EQ(climate.Drawn(), nullptr);
}

} // namespace
} // namespace brumelle
