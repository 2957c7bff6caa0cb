#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "chart/paint.h"
#include "support/recording_canvas.h"

namespace brumelle {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;
using Family = void (ChartPainter::*)();

// An 800 × 600 client area with an 18-pixel status bar: a 730 × 542 plot.
struct Chart {
    ChartSettings s;
    int32_t clientWidth = 800, clientHeight = 600, statusBar = 18;

    ChartGeometry Geometry() const { return ChartGeometry::ForClient(clientWidth, clientHeight, statusBar, s); }

    RecordingCanvas Draw(Family family, RowSearch search = RowSearch::Bisection) const
    {
        RecordingCanvas c;
        MoistAirState m;
        const ChartGeometry g = Geometry();
        ChartPainter p(c, s, g, m);
        p.SetRowSearch(search);
        (p.*family)();
        return c;
    }

    RecordingCanvas Paint(const ZoomState &zoom = {}, const std::function<void(Canvas &)> &overlay = {},
                          PenStyle startStyle = PenStyle::Solid) const
    {
        RecordingCanvas c;
        c.penStyle = startStyle;
        MoistAirState m;
        PaintChart(c, s, Geometry(), m, zoom, overlay);
        return c;
    }
};

void ShowAll(ChartSettings &s)
{
    for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V}) {
        f->Montrer = 1;
        f->Montrer_texte = 1;
    }
}

std::vector<std::string> Labels(int from, int to, int step, const std::string &unit)
{
    std::vector<std::string> r;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step)
        r.push_back(std::to_string(v) + unit);
    return r;
}

const CanvasOp *FindText(const RecordingCanvas &c, const std::string &text)
{
    for (const auto &o : c.ops)
        if (o.kind == CanvasOp::Text && o.text == text)
            return &o;
    return nullptr;
}

TEST(ChartGeometry, MainWindowExamples)
{
    Chart chart;
    const ChartGeometry g = chart.Geometry();
    EXPECT_EQ(g.PlotWidth, 730);
    EXPECT_EQ(g.PlotHeight, 542);
    EXPECT_EQ(g.PixelX(-15), 20);
    EXPECT_EQ(g.PixelX(50), 750);
    EXPECT_EQ(g.PixelY(0.030L), 20);
    EXPECT_EQ(g.PixelY(0), 561);
}

TEST(HumidityRatioLines, DefaultsRunFromTheSaturationCurveToTheAxisLabelledInTheMargin)
{
    Chart chart;
    const ChartGeometry g = chart.Geometry();
    const RecordingCanvas c = chart.Draw(&ChartPainter::DrawHumidityRatioLines);
    EXPECT_EQ(c.texts(), Labels(5, 30, 5, "g/kgas"));
    const auto lines = c.of(CanvasOp::Line), texts = c.of(CanvasOp::Text);
    ASSERT_EQ(lines.size(), 6u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int32_t y = g.PixelY((5 * (i + 1)) / 1000.0L);
        EXPECT_EQ(std::tie(lines[i].y1, lines[i].x2, lines[i].y2), std::make_tuple(y, 750, y));
        EXPECT_EQ(lines[i].penColor, 32768);
        EXPECT_EQ(std::tie(texts[i].x1, texts[i].y1), std::make_tuple(755, y - 5));
        EXPECT_EQ(texts[i].brushColor, 12632256);
        EXPECT_EQ(texts[i].fontColor, 32768);
    }
    EXPECT_EQ(lines[0].x1, 232);  // dew point of 5 g/kgas, about 4.1 °C
    EXPECT_EQ(lines[5].x1, 544);  // dew point of 30 g/kgas, about 31.3 °C
}

TEST(HumidityRatioLines, StartIsHeldOnTheLeftEdge)
{
    Chart chart;
    chart.s.TS.Mini = 10; // the 5 g/kgas dew point lies left of the plot
    const auto lines = chart.Draw(&ChartPainter::DrawHumidityRatioLines).of(CanvasOp::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].x1, 20);
}

// Lines at the multiples of Montrer, labels where both codes divide v.
TEST(DensityCodes, LinesAndLabelsFollowBothCodes)
{
    struct Case {
        const char *name;
        FamilySettings ChartSettings::*family;
        Family draw;
        int32_t montrer, texte;
        size_t lines;
        std::vector<std::string> labels;
        uint32_t patmPa = 101325;
    };
    std::vector<std::string> volumes;
    for (int v = 74; v <= 95; ++v)
        volumes.push_back("0," + std::to_string(v) + " m3/kgas");
    const std::vector<Case> cases = {
        {"TS 2/5", &ChartSettings::TS, &ChartPainter::DrawDryBulbLines, 2, 5, 33, Labels(-10, 50, 10, "°C")},
        {"R 1/5 skips 0", &ChartSettings::R, &ChartPainter::DrawHumidityRatioLines, 1, 5, 30,
         Labels(5, 30, 5, "g/kgas")},
        {"H defaults", &ChartSettings::H, &ChartPainter::DrawEnthalpyLines, 10, 10, 14,
         Labels(-10, 120, 10, " kJ/kgas")},
        {"H every value", &ChartSettings::H, &ChartPainter::DrawEnthalpyLines, 1, 1, 144,
         Labels(-15, 128, 1, " kJ/kgas")},
        {"V defaults", &ChartSettings::V, &ChartPainter::DrawVolumeLines, 10, 10, 2,
         {"0,80 m3/kgas", "0,90 m3/kgas"}},
        {"V every value", &ChartSettings::V, &ChartPainter::DrawVolumeLines, 1, 1, 22, volumes},
        // Thin air: one m3/kgas and more, with two decimals.
        {"V at 95000 Pa", &ChartSettings::V, &ChartPainter::DrawVolumeLines, 10, 10, 3,
         {"0,80 m3/kgas", "0,90 m3/kgas", "1,00 m3/kgas"}, 95000},
        {"TS none", &ChartSettings::TS, &ChartPainter::DrawDryBulbLines, 0, 1, 0, {}},
        {"TS lines without labels", &ChartSettings::TS, &ChartPainter::DrawDryBulbLines, 5, 0, 14, {}},
        {"TH off at defaults", &ChartSettings::TH, &ChartPainter::DrawWetBulbLines, 0, 0, 0, {}},
        {"TR off at defaults", &ChartSettings::TR, &ChartPainter::DrawDewPointLines, 0, 0, 0, {}},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Chart chart;
        (chart.s.*k.family).Montrer = k.montrer;
        (chart.s.*k.family).Montrer_texte = k.texte;
        chart.s.Patm = k.patmPa;
        const RecordingCanvas c = chart.Draw(k.draw);
        EXPECT_EQ(c.of(CanvasOp::Line).size(), k.lines);
        EXPECT_EQ(c.texts(), k.labels);
    }
}

TEST(DryBulbLines, FiftyStartsOnTheTopEdgeAndIsLabelledBelowTheAxis)
{
    Chart chart;
    const RecordingCanvas c = chart.Draw(&ChartPainter::DrawDryBulbLines);
    EXPECT_EQ(c.texts(), Labels(-15, 50, 5, "°C"));
    const auto lines = c.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(std::tie(lines[13].x1, lines[13].y1, lines[13].x2, lines[13].y2), std::make_tuple(750, 20, 750, 562));
    const CanvasOp *label = FindText(c, "50°C");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(std::tie(label->x1, label->y1), std::make_tuple(745, 567));
    // −15 °C saturates near 1.2 g/kgas: the line starts inside the plot.
    EXPECT_EQ(lines[0].x1, 20);
    EXPECT_GT(lines[0].y1, 500);
    EXPECT_EQ(lines[0].penColor, 255);
}

TEST(WetBulbLines, PassesAndEndsAtDefaultRanges)
{
    Chart chart;
    chart.s.TH.Montrer = 1;
    chart.s.TH.Montrer_texte = 1;
    const ChartGeometry g = chart.Geometry();
    const RecordingCanvas c = chart.Draw(&ChartPainter::DrawWetBulbLines);

    auto expected = Labels(18, -18, -1, "°C");
    const auto pass2 = Labels(19, 35, 1, "°C");
    expected.insert(expected.end(), pass2.begin(), pass2.end());
    EXPECT_EQ(c.texts(), expected);

    for (const auto &o : c.of(CanvasOp::Text)) {
        const int v = std::stoi(o.text);
        if (v <= 18)
            EXPECT_EQ(o.y1, 562) << o.text; // bottom edge
        else
            EXPECT_EQ(o.x1, 730) << o.text; // right-hand edge
        EXPECT_EQ(o.fontColor, 65535);
    }
    const auto lines = c.of(CanvasOp::Line);
    auto lineFrom = [&](const CanvasOp *label) {
        for (size_t i = 0; i < c.ops.size(); ++i)
            if (&c.ops[i] == label)
                for (size_t j = i + 1; j < c.ops.size(); ++j)
                    if (c.ops[j].kind == CanvasOp::Line)
                        return c.ops[j];
        return CanvasOp{};
    };
    // Pass 1 above TS.Mini ends on saturation, below it on the left edge.
    const CanvasOp ten = lineFrom(FindText(c, "10°C"));
    EXPECT_EQ(std::tie(ten.x2, ten.y2), std::make_tuple(g.PixelX(10), g.PixelY(SaturationHumidityRatio(10, 101325))));
    EXPECT_EQ(lineFrom(FindText(c, "-16°C")).x2, 20);
    // Pass 2 starts on the right-hand edge; 35 °C saturates above 30 g/kgas and ends on the top edge.
    const CanvasOp top = lineFrom(FindText(c, "35°C"));
    EXPECT_EQ(top.x1, 750);
    EXPECT_EQ(top.y2, 20);
    const CanvasOp twenty = lineFrom(FindText(c, "20°C"));
    EXPECT_EQ(std::tie(twenty.x2, twenty.y2),
              std::make_tuple(g.PixelX(20), g.PixelY(SaturationHumidityRatio(20, 101325))));
    EXPECT_EQ(lines.size(), 37u + 17u);
}

TEST(WetBulbLines, MinusFiveStartsAt182WhateverTheRangeAndPressure)
{
    for (auto [rMini, patm] : {std::pair{0, 101325u}, {3, 101325u}, {0, 80000u}, {2, 120000u}, {1, 95000u}}) {
        SCOPED_TRACE(testing::Message() << "R.Mini " << rMini << " Patm " << patm);
        Chart chart;
        chart.s.R.Mini = rMini;
        chart.s.Patm = patm;
        chart.s.TH.Montrer = 1;
        chart.s.TH.Montrer_texte = 1;
        const RecordingCanvas c = chart.Draw(&ChartPainter::DrawWetBulbLines);
        const CanvasOp *label = FindText(c, "-5°C");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(std::tie(label->x1, label->y1), std::make_tuple(209, 562)); // PixelX(1.82)
    }
}

TEST(DewPointLines, RangeStopAndSkip)
{
    Chart chart;
    chart.s.TR.Montrer = 1;
    chart.s.TR.Montrer_texte = 1;
    const ChartGeometry g = chart.Geometry();
    RecordingCanvas c = chart.Draw(&ChartPainter::DrawDewPointLines);
    EXPECT_EQ(c.texts(), Labels(-22, 31, 1, "°C"));
    const CanvasOp *label = FindText(c, "10°C");
    ASSERT_NE(label, nullptr);
    const int32_t y = g.PixelY(SaturationHumidityRatio(10, 101325));
    EXPECT_EQ(std::tie(label->x1, label->y1), std::make_tuple(735, y - 15));

    chart.s.R.Maxi = 20; // 25 °C saturates at 20.1 g/kgas: the family stops there
    c = chart.Draw(&ChartPainter::DrawDewPointLines);
    EXPECT_EQ(c.texts().back(), "24°C");

    chart.s.R.Mini = 5; // from 3 °C (4.7 g/kgas, skipped) upwards
    c = chart.Draw(&ChartPainter::DrawDewPointLines);
    EXPECT_EQ(c.texts().front(), "4°C");
}

TEST(RelativeHumidityCurves, DensityCodes)
{
    struct Case {
        int32_t montrer, texte;
        std::vector<std::string> labels;
        size_t curves;
    };
    const std::vector<Case> cases = {
        {1, 1, {"100%", "90%", "80%", "70%", "60%", "50%", "40%", "30%", "20%", "10%"}, 10},
        {2, 1, {"100%"}, 1},
        {2, 2, {"100%"}, 1},
        {3, 1, {"90%", "60%", "30%"}, 3},
        {5, 7, {"100%", "50%"}, 2},
        {1, 0, {}, 10},
        {0, 1, {}, 0},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(testing::Message() << "Montrer " << k.montrer << " texte " << k.texte);
        Chart chart;
        chart.s.HR.Montrer = k.montrer;
        chart.s.HR.Montrer_texte = k.texte;
        const RecordingCanvas c = chart.Draw(&ChartPainter::DrawRelativeHumidityCurves);
        EXPECT_EQ(c.texts(), k.labels);
        const auto moves = c.of(CanvasOp::Move);
        EXPECT_EQ(moves.size(), k.curves);
        for (const auto &m : moves)
            EXPECT_EQ(std::tie(m.x1, m.y1), std::make_tuple(20, 562));
    }
}

TEST(RelativeHumidityCurves, SaturationCurveEndsWhereItLeavesThroughTheTop)
{
    Chart chart;
    chart.s.HR.Montrer = 2;
    const RecordingCanvas c = chart.Draw(&ChartPainter::DrawRelativeHumidityCurves);
    const auto lines = c.of(CanvasOp::Line);
    ASSERT_FALSE(lines.empty());
    const CanvasOp *label = FindText(c, "100%");
    ASSERT_NE(label, nullptr);
    // The label stands 15 pixels up-left of the first column above the top
    // edge, just right of the last segment drawn (a column on the edge row
    // but above R.Maxi is neither drawn nor the end).
    EXPECT_LT(label->y1 + 15, 20);
    EXPECT_GE(label->x1 + 15 - lines.back().x2, 1);
    EXPECT_LE(label->x1 + 15 - lines.back().x2, 2);
    EXPECT_GE(lines.back().y2, 20);
    // It starts from the bottom-left corner: a short segment up the left edge.
    EXPECT_EQ(std::tie(lines[0].x1, lines[0].y1, lines[0].x2), std::make_tuple(20, 562, 20));

    // Without labels the whole width is traced: the 10 % curve reaches the right-hand edge.
    chart.s.HR.Montrer = 1;
    chart.s.HR.Montrer_texte = 0;
    const auto all = chart.Draw(&ChartPainter::DrawRelativeHumidityCurves).of(CanvasOp::Line);
    EXPECT_EQ(all.back().x2, 750);
}

// The curves take the style of the last of R, TH and TR that drew a line.
TEST(RelativeHumidityCurves, InheritThePenStyle)
{
    struct Case {
        const char *name;
        int32_t rMontrer, rLignes, trMontrer, trLignes;
        PenStyle start, expected;
    };
    const std::vector<Case> cases = {
        {"R dashed", 5, 1, 0, 0, PenStyle::Solid, PenStyle::Dash},
        {"TR after R", 5, 1, 1, 3, PenStyle::Solid, PenStyle::DashDot},
        {"TR code 7 keeps R's style", 5, 1, 1, 7, PenStyle::Solid, PenStyle::Dash},
        {"none drawn: each paint starts solid", 0, 2, 0, 2, PenStyle::Dot, PenStyle::Solid},
        {"R code 9 on a dotted canvas", 5, 9, 0, 0, PenStyle::Dot, PenStyle::Solid},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Chart chart;
        chart.s.HR.Couleur = 0x123456;
        chart.s.R.Montrer = k.rMontrer;
        chart.s.R.Lignes = k.rLignes;
        chart.s.TR.Montrer = k.trMontrer;
        chart.s.TR.Lignes = k.trLignes;
        size_t curves = 0;
        for (const auto &o : chart.Paint({}, {}, k.start).of(CanvasOp::Line))
            if (o.penColor == 0x123456) {
                ++curves;
                EXPECT_EQ(o.penStyle, k.expected);
            }
        EXPECT_GT(curves, 100u);
    }
}

TEST(PaintChart, OrderAxesZoomRectangleAndOverlay)
{
    Chart chart;
    ZoomState zoom;
    zoom.ZoomDragging = true;
    zoom.ZoomX1 = 100, zoom.ZoomY1 = 110, zoom.ZoomX2 = 300, zoom.ZoomY2 = 250;
    const RecordingCanvas c = chart.Paint(zoom, [](Canvas &canvas) { canvas.Ellipse(1, 2, 3, 4); }, PenStyle::Dash);

    ASSERT_GE(c.ops.size(), 8u);
    EXPECT_EQ(c.ops.front().kind, CanvasOp::Fill);
    EXPECT_EQ(c.ops.front().brushColor, 12632256);

    // Families R, HR, TS, H, V at defaults, then the two axes, seen through their pen colours.
    std::vector<int32_t> colours;
    for (const auto &o : c.of(CanvasOp::Line))
        if (colours.empty() || colours.back() != o.penColor)
            colours.push_back(o.penColor);
    EXPECT_EQ(colours, (std::vector<int32_t>{32768, 0, 255, 16711680, 65280, 255, 32768}));

    const size_t n = c.ops.size();
    const CanvasOp &bottom = c.ops[n - 5], &right = c.ops[n - 3], &rect = c.ops[n - 2], &overlay = c.ops[n - 1];
    EXPECT_EQ(std::tie(bottom.x1, bottom.y1, bottom.x2, bottom.y2), std::make_tuple(20, 562, 750, 562));
    EXPECT_EQ(std::tie(bottom.penColor, bottom.penStyle), std::make_tuple(255, PenStyle::Solid));
    EXPECT_EQ(std::tie(right.x1, right.y1, right.x2, right.y2), std::make_tuple(750, 562, 750, 20));
    EXPECT_EQ(std::tie(right.penColor, right.penStyle), std::make_tuple(32768, PenStyle::Solid));
    EXPECT_EQ(rect.kind, CanvasOp::Rect);
    EXPECT_EQ(std::tie(rect.x1, rect.y1, rect.x2, rect.y2), std::make_tuple(100, 110, 300, 250));
    EXPECT_EQ(std::tie(rect.penColor, rect.penStyle, rect.brushClear), std::make_tuple(0, PenStyle::Dot, true));
    EXPECT_EQ(overlay.kind, CanvasOp::Ellipse);
    EXPECT_EQ(overlay.penStyle, PenStyle::Solid);
}

TEST(PaintChart, UndrawablePlotGetsBackgroundAndAxesOnly)
{
    struct Case {
        const char *name;
        int32_t clientWidth, clientHeight, tsMini;
    };
    for (const auto &k : std::vector<Case>{{"no width", 70, 600, -15},
                                           {"no height", 800, 58, -15},
                                           {"empty dry-bulb range", 800, 600, 50}}) {
        SCOPED_TRACE(k.name);
        Chart chart;
        ShowAll(chart.s);
        chart.clientWidth = k.clientWidth;
        chart.clientHeight = k.clientHeight;
        chart.s.TS.Mini = k.tsMini;
        const RecordingCanvas c = chart.Paint();
        ASSERT_EQ(c.ops.size(), 5u);
        EXPECT_EQ(c.ops[0].kind, CanvasOp::Fill);
        EXPECT_EQ(c.of(CanvasOp::Line).size(), 2u);
    }
}

TEST(FamilyGuards, ExtremeSettingsDrawOnlyRepresentablePixels)
{
    struct Case {
        const char *name;
        int32_t tsMini, tsMaxi, rMini, rMaxi;
        uint32_t patm;
    };
    const int32_t big = std::numeric_limits<int32_t>::max(), small = std::numeric_limits<int32_t>::min();
    const std::vector<Case> cases = {
        {"Patm 1", -15, 50, 0, 30, 1},
        {"Patm 0", -15, 50, 0, 30, 0},
        {"Patm 4e9", -15, 50, 0, 30, 4000000000u},
        {"huge dry-bulb range", -100000, 100000, 0, 30, 101325},
        {"around the pole of Pvs", -300, -200, 0, 30, 101325},
        {"huge R.Maxi", -15, 50, 0, big, 101325},
        {"whole int range", small, big, small, big, 101325},
        {"negative humidity", -15, 50, -40, -1, 101325},
        {"inverted ranges", 50, -15, 30, 0, 101325},
        {"Pvs just above Patm", -15, 50, 0, 1, 12300},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Chart chart;
        ShowAll(chart.s);
        chart.s.TS.Mini = k.tsMini, chart.s.TS.Maxi = k.tsMaxi;
        chart.s.R.Mini = k.rMini, chart.s.R.Maxi = k.rMaxi;
        chart.s.Patm = k.patm;
        for (auto [w, h] : {std::pair{800, 600}, {3840, 2160}}) {
            chart.clientWidth = w, chart.clientHeight = h;
            const RecordingCanvas c = chart.Paint();
            for (const auto &o : c.ops)
                for (int32_t v : {o.x1, o.y1, o.x2, o.y2})
                    ASSERT_LE(std::abs(int64_t(v)), int64_t(kMaxPixel) + 50) << o.text;
        }
    }
}

TEST(FamilyGuards, TooManyValuesDrawNothingForThatFamily)
{
    Chart chart;
    // Above absolute zero, where every line of the range can be drawn.
    chart.s.TS.Mini = -200, chart.s.TS.Maxi = 9800; // 10 001 values
    EXPECT_TRUE(chart.Draw(&ChartPainter::DrawDryBulbLines).ops.empty());
    chart.s.TS.Mini = -199; // 10 000 values
    EXPECT_EQ(chart.Draw(&ChartPainter::DrawDryBulbLines).texts().size(), 2000u);
    // Lines at or below absolute zero are left out, line and label.
    chart.s.TS.Mini = -4999, chart.s.TS.Maxi = 5000;
    EXPECT_EQ(chart.Draw(&ChartPainter::DrawDryBulbLines).texts().size(), 1055u) << "-270 to 5000 °C";

    chart = Chart{};
    chart.s.R.Maxi = 20000; // 20 001 values
    EXPECT_TRUE(chart.Draw(&ChartPainter::DrawHumidityRatioLines).ops.empty());
}

TEST(FamilyGuards, FaultOrUnreachablePixelLeavesOutOnlyThatLineOrLabel)
{
    // Negative humidity ratios have no dew point: those lines are left out.
    Chart chart;
    chart.s.R.Mini = -10;
    EXPECT_EQ(chart.Draw(&ChartPainter::DrawHumidityRatioLines).texts(), Labels(5, 30, 5, "g/kgas"));

    // Just above Pvs(50) = 12311 Pa the 50 °C saturation point is hundreds of
    // millions of pixels below the plot: its line goes, its label stays.
    chart = Chart{};
    chart.s.Patm = 12300;
    chart.s.R.Maxi = 1;
    const RecordingCanvas c = chart.Draw(&ChartPainter::DrawDryBulbLines);
    EXPECT_EQ(c.texts(), Labels(-15, 50, 5, "°C"));
    const auto lines = c.of(CanvasOp::Line);
    EXPECT_EQ(lines.size(), 13u);
    EXPECT_NE(lines.back().x1, 750);
}

TEST(FamilyGuards, WetBulbFaultInTheBoundsLeavesOutTheWholeFamily)
{
    Chart chart;
    ShowAll(chart.s);
    chart.s.Patm = 4000000000u; // the wet-bulb search runs away
    const RecordingCanvas c = chart.Paint();
    for (const auto &o : c.ops)
        EXPECT_FALSE(o.penColor == 65535 || o.fontColor == 65535) << o.kind << " " << o.text;
    EXPECT_FALSE(chart.Draw(&ChartPainter::DrawDryBulbLines).ops.empty());
}

bool SameOps(const RecordingCanvas &a, const RecordingCanvas &b)
{
    if (a.ops.size() != b.ops.size())
        return false;
    for (size_t i = 0; i < a.ops.size(); ++i) {
        const CanvasOp &p = a.ops[i], &q = b.ops[i];
        if (std::tie(p.kind, p.x1, p.y1, p.x2, p.y2, p.text, p.penColor, p.brushColor, p.fontColor, p.penStyle,
                     p.brushClear) != std::tie(q.kind, q.x1, q.y1, q.x2, q.y2, q.text, q.penColor, q.brushColor,
                                               q.fontColor, q.penStyle, q.brushClear))
            return false;
    }
    return true;
}

// The enthalpy and volume lines find their end row by bisection; it must
// draw exactly what the row-by-row search draws.
TEST(RowSearch, BisectionDrawsExactlyWhatTheLinearSearchDraws)
{
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const uint32_t pressures[] = {1, 600, 5000, 20000, 50000, 80000, 101325, 110000, 250000, 4000000000u};
    size_t lines = 0;
    for (int i = 0; i < 200; ++i) {
        Chart chart;
        ShowAll(chart.s);
        if (i % 4 == 3) { // beyond what the options dialog allows
            chart.s.TS.Mini = pick(-400, 300);
            chart.s.TS.Maxi = chart.s.TS.Mini + pick(1, 300);
            chart.s.R.Mini = pick(-700, 500);
            chart.s.R.Maxi = chart.s.R.Mini + pick(1, 2000);
        } else {
            chart.s.TS.Mini = pick(-50, 49);
            chart.s.TS.Maxi = pick(chart.s.TS.Mini + 1, 50);
            chart.s.R.Mini = pick(0, 39);
            chart.s.R.Maxi = pick(chart.s.R.Mini + 1, 40);
        }
        chart.s.Patm = i % 3 == 0 ? pressures[pick(0, 9)] : uint32_t(pick(60000, 120000));
        chart.clientWidth = pick(71, 3000);
        chart.clientHeight = pick(41, i % 10 == 0 ? 2200 : 1200);
        chart.statusBar = 0;
        // About ten lines per family keep the row-by-row search affordable.
        const long double hSpan = Enthalpy(chart.s.TS.Maxi, chart.s.R.Maxi / 1000.0L) -
                                  Enthalpy(chart.s.TS.Mini, chart.s.R.Mini / 1000.0L);
        const long double vSpan = 46124.0L / std::max(chart.s.Patm, 1u) *
                                  ((chart.s.R.Maxi / 1000.0L + 0.622L) * (chart.s.TS.Maxi + 273.15L) -
                                   (chart.s.R.Mini / 1000.0L + 0.622L) * (chart.s.TS.Mini + 273.15L));
        chart.s.H.Montrer = int32_t(std::clamp(hSpan / 10, 1.0L, 1e9L));
        chart.s.V.Montrer = int32_t(std::clamp(vSpan / 10, 1.0L, 1e9L));
        for (Family family : {&ChartPainter::DrawEnthalpyLines, &ChartPainter::DrawVolumeLines}) {
            const RecordingCanvas fast = chart.Draw(family, RowSearch::Bisection);
            const RecordingCanvas slow = chart.Draw(family, RowSearch::Linear);
            ASSERT_TRUE(SameOps(fast, slow)) << "case " << i << ": TS " << chart.s.TS.Mini << ".." << chart.s.TS.Maxi
                                             << " R " << chart.s.R.Mini << ".." << chart.s.R.Maxi << " Patm "
                                             << chart.s.Patm << " plot " << chart.Geometry().PlotWidth << "x"
                                             << chart.Geometry().PlotHeight;
            lines += fast.of(CanvasOp::Line).size();
        }
    }
    EXPECT_GT(lines, 2000u); // the comparison covered real drawings
}

} // namespace
} // namespace brumelle
