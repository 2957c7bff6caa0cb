#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "chart/overlay.h"
#include "program_state.h"
#include "study_overlay.h"
#include "support/recording_canvas.h"

namespace brumelle {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;

NumberSeparators French()
{
    NumberSeparators sep;
    sep.decimal = ",";
    sep.group = "\xE2\x80\xAF";
    return sep;
}

// Grid texts of a point and its pixel on the 730 × 542 plot at the default
// ranges (−15..50 °C, 0..30 g/kgas).
struct Point {
    std::string ts, r;
    int32_t x, y;
};
const Point A{"-15,00", "30,00", 20, 20};
const Point B{"50,00", "0,00", 750, 561};
const Point C{"17,50", "15,00", 385, 290};
const Point D{"4,00", "10,00", 233, 381};
const Point E{"30,00", "20,00", 525, 200};
const Point F{"10,00", "5,00", 301, 471};

void Put(ResultGrid &grid, int col, const Point &p)
{
    grid.SetCell(col, 1, p.ts);
    grid.SetCell(col, 2, "50");
    grid.SetCell(col, 3, p.r);
}

using Segment = std::tuple<int32_t, int32_t, int32_t, int32_t>;
using Centre = std::pair<int32_t, int32_t>;

std::vector<Segment> Lines(const RecordingCanvas &c)
{
    std::vector<Segment> r;
    for (const auto &o : c.of(CanvasOp::Line))
        r.emplace_back(o.x1, o.y1, o.x2, o.y2);
    return r;
}

// Centres of the markers, checking each is an 8-pixel red disc outlined in black.
std::vector<Centre> Markers(const RecordingCanvas &c)
{
    std::vector<Centre> r;
    for (const auto &o : c.of(CanvasOp::Ellipse)) {
        EXPECT_EQ(o.x2 - o.x1, 8);
        EXPECT_EQ(o.y2 - o.y1, 8);
        EXPECT_EQ(o.penColor, 0);
        EXPECT_EQ(o.brushColor, 255);
        EXPECT_FALSE(o.brushClear);
        r.emplace_back(o.x1 + 4, o.y1 + 4);
    }
    return r;
}

std::string Kinds(const RecordingCanvas &c)
{
    std::string s;
    for (const auto &o : c.ops)
        s += o.kind == CanvasOp::Move ? 'M' : o.kind == CanvasOp::Line ? 'L' : o.kind == CanvasOp::Ellipse ? 'E'
                                          : o.kind == CanvasOp::Text   ? 'T'
                                                                       : '?';
    return s;
}

struct Overlay {
    ProgramState state;

    ChartGeometry Geometry() const { return ChartGeometry::ForClient(800, 600, 18, state.settings); }

    RecordingCanvas Draw() const
    {
        RecordingCanvas c;
        c.penStyle = PenStyle::Dash; // the overlay keeps whatever style it finds
        DrawEvolutionOverlay(c, Geometry(), OverlayOf(state, French()), state.settings.Fenetre.Couleur);
        return c;
    }
};

struct FlagCase {
    const char *name;
    bool DrawingFlags::*flag;
    ResultGrid EvolutionData::*grid;
    std::vector<Point> points;
    std::vector<Segment> lines;
};

TEST(EvolutionOverlay, EachTickedEvolutionJoinsItsPointsThenMarksThem)
{
    const std::vector<FlagCase> cases = {
        {"1point", &DrawingFlags::Check_dessin_1point, &EvolutionData::grille_un_point, {C}, {}},
        {"BC", &DrawingFlags::Check_dessin_BC, &EvolutionData::grille_BC, {D, E}, {{233, 381, 525, 200}}},
        {"BFC", &DrawingFlags::Check_dessin_BFC, &EvolutionData::grille_bfc, {E, C, F}, {{525, 200, 301, 471}}},
        {"Lav", &DrawingFlags::Check_dessin_Lav, &EvolutionData::grille_lav, {E, F, A}, {{525, 200, 20, 20}}},
        {"vap", &DrawingFlags::Check_dessin_vap, &EvolutionData::grille_vap, {F, D}, {{301, 471, 233, 381}}},
        {"melange", &DrawingFlags::Check_dessin_melange, &EvolutionData::grille_melange, {A, B, C},
         {{20, 20, 750, 561}}},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Overlay o;
        std::vector<Centre> centres;
        for (size_t i = 0; i < k.points.size(); ++i) {
            Put(o.state.evolutions.*k.grid, static_cast<int>(i + 1), k.points[i]);
            centres.emplace_back(k.points[i].x, k.points[i].y);
        }

        EXPECT_TRUE(o.Draw().ops.empty()) << "flag off";

        o.state.flags.*k.flag = true;
        const RecordingCanvas c = o.Draw();
        EXPECT_EQ(Lines(c), k.lines);
        EXPECT_EQ(Markers(c), centres);
        const std::string expected = std::string(k.lines.empty() ? "" : "ML") + std::string(centres.size(), 'E');
        EXPECT_EQ(Kinds(c), expected) << "segments first, markers over them";
        for (const auto &op : c.of(CanvasOp::Line)) {
            EXPECT_EQ(op.penColor, 0);
            EXPECT_EQ(op.penStyle, PenStyle::Dash);
        }

        (o.state.evolutions.*k.grid).SetCell(1, 1, "");
        EXPECT_TRUE(o.Draw().ops.empty()) << "cell (1, 1) emptied";
    }
}

TEST(EvolutionOverlay, AllTickedDrawInTheProgramsOrder)
{
    Overlay o;
    EvolutionData &d = o.state.evolutions;
    Put(d.grille_un_point, 1, A);
    Put(d.grille_BC, 1, B), Put(d.grille_BC, 2, C);
    for (ResultGrid *g : {&d.grille_bfc, &d.grille_lav, &d.grille_melange})
        Put(*g, 1, D), Put(*g, 2, E), Put(*g, 3, F);
    Put(d.grille_vap, 1, F), Put(d.grille_vap, 2, A);
    o.state.flags = {true, true, true, true, true, true, true};

    const RecordingCanvas c = o.Draw();
    // 1point, BC, BFC, Lav, vap, melange; no AHU grid given.
    EXPECT_EQ(Kinds(c), "E" "MLEE" "MLEEE" "MLEEE" "MLEE" "MLEEE");
    EXPECT_EQ(Markers(c).front(), Centre(20, 20));
    EXPECT_EQ(Lines(c).back(), Segment(233, 381, 525, 200)) << "mixing joins its two entering airs";
}

TEST(EvolutionOverlay, AnEvolutionThatCannotBeDrawnIsLeftOutAlone)
{
    struct Case {
        const char *name, *ts, *r;
    } cases[] = {
        {"not a number", "vingt", "5,00"},
        {"point instead of the locale's comma", "17.5", "5,00"},
        {"empty humidity", "17,50", ""},
        {"beyond any pixel", "1e9", "5,00"},
        {"not finite", "1e5000", "5,00"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Overlay o;
        o.state.flags.Check_dessin_BFC = o.state.flags.Check_dessin_vap = true;
        Put(o.state.evolutions.grille_bfc, 1, C);
        Put(o.state.evolutions.grille_bfc, 2, D);
        o.state.evolutions.grille_bfc.SetCell(3, 1, k.ts); // the last point spoils the whole evolution
        o.state.evolutions.grille_bfc.SetCell(3, 3, k.r);
        Put(o.state.evolutions.grille_vap, 1, E);
        Put(o.state.evolutions.grille_vap, 2, F);

        const RecordingCanvas c = o.Draw();
        EXPECT_EQ(Kinds(c), "MLEE");
        EXPECT_EQ(Lines(c), std::vector<Segment>{Segment(525, 200, 301, 471)});
    }
}

TEST(EvolutionOverlay, PointsOutsideTheRangesAreDrawnWhereTheyMap)
{
    Overlay o;
    o.state.flags.Check_dessin_BC = true;
    Put(o.state.evolutions.grille_BC, 1, C);
    Put(o.state.evolutions.grille_BC, 2, Point{"80,00", "-5,00", 1087, 651});
    const RecordingCanvas c = o.Draw();
    EXPECT_EQ(Lines(c), std::vector<Segment>{Segment(385, 290, 1087, 651)});
    EXPECT_EQ(Markers(c), (std::vector<Centre>{{385, 290}, {1087, 651}}));
}

TEST(EvolutionOverlay, CollapsedRangeDrawsNothing)
{
    Overlay o;
    o.state.flags.Check_dessin_1point = true;
    Put(o.state.evolutions.grille_un_point, 1, C);
    o.state.settings.TS.Mini = o.state.settings.TS.Maxi;
    EXPECT_TRUE(o.Draw().ops.empty());
}

// --- Air-handling unit ---

TEST(AhuPaths, ModeTable)
{
    struct Case {
        int fresh, treatment;
        std::vector<AhuPath> paths;
    } cases[] = {
        {2, 2, {{3, 2}}},
        {1, 3, {{3, 4, 5}, {6, 2}}},
        {4, 1, {{3, 4, 1}, {5, 6, 2}}},
        {4, 2, {{1, 4, 2}}},
        {2, 0, {}},
        {0, 2, {}},
        {5, 1, {}},
        {1, 4, {}},
    };
    for (const auto &k : cases)
        EXPECT_EQ(AhuPaths(k.fresh, k.treatment), k.paths) << k.fresh << "/" << k.treatment;
}

// A grille_resultats with the given points and the two equipment columns.
ResultGrid AhuGrid(const std::vector<Point> &points)
{
    ResultGrid g(static_cast<int>(points.size()) + 3, 10);
    for (size_t i = 0; i < points.size(); ++i) {
        Put(g, static_cast<int>(i + 1), points[i]);
        g.SetCell(static_cast<int>(i + 1), 9, std::to_string(i + 1));
    }
    g.SetCell(static_cast<int>(points.size()) + 1, 1, "Puissance BC");
    g.SetCell(static_cast<int>(points.size()) + 2, 1, "12,00 [kW]");
    return g;
}

// The unit's air path as the sizing's grid shows it, drawn on the default chart.
RecordingCanvas DrawnAhu(const ResultGrid &grid, int freshAirMode, int treatmentMode, int32_t windowColor)
{
    AhuData ahu;
    ahu.grille_resultats = grid;
    ahu.FreshAirMode = freshAirMode;
    ahu.TreatmentMode = treatmentMode;
    RecordingCanvas c;
    if (const auto unit = DrawnUnitOf(ahu, French()))
        DrawAhuOverlay(c, ChartGeometry::ForClient(800, 600, 18, ChartSettings{}), *unit, windowColor);
    return c;
}

TEST(AhuOverlay, OutdoorToSupplyWithMarkersAndLabels)
{
    const RecordingCanvas c = DrawnAhu(AhuGrid({A, B, C}), 2, 2, 12345);

    EXPECT_EQ(Kinds(c), "MLETETET");
    EXPECT_EQ(Lines(c), std::vector<Segment>{Segment(385, 290, 750, 561)}) << "P3-P2";
    EXPECT_EQ(Markers(c), (std::vector<Centre>{{20, 20}, {750, 561}, {385, 290}}));
    const auto texts = c.of(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(std::tie(texts[1].x1, texts[1].y1, texts[1].text), std::make_tuple(754, 557, std::string("2")));
    for (const auto &t : texts) {
        EXPECT_EQ(t.brushColor, 12345);
        EXPECT_EQ(t.fontColor, 0);
    }
}

TEST(AhuOverlay, SegmentsNamingAMissingPointAreLeftOut)
{
    // FreshAirMode 4, TreatmentMode 1 names P6, but only five points exist.
    const RecordingCanvas c = DrawnAhu(AhuGrid({A, B, C, D, E}), 4, 1, 0);
    EXPECT_EQ(Lines(c), (std::vector<Segment>{{385, 290, 233, 381}, {233, 381, 20, 20}})) << "P3-P4-P1 only";
    EXPECT_EQ(Markers(c).size(), 5u);
}

TEST(AhuOverlay, DrawnLastWhenTickedAndGiven)
{
    Overlay o;
    o.state.flags.Check_dessin_BC = true;
    Put(o.state.evolutions.grille_BC, 1, D);
    Put(o.state.evolutions.grille_BC, 2, E);
    o.state.flags.Check_dessin_CTA = true;
    EXPECT_EQ(Kinds(o.Draw()), "MLEE") << "no sizing yet";
    ResultGrid &grid = o.state.ahu.grille_resultats;
    grid = AhuGrid({A, B, C, F});
    o.state.ahu.FreshAirMode = 2;
    o.state.ahu.TreatmentMode = 1; // P3-P4-P2
    o.state.flags.Check_dessin_CTA = false;
    EXPECT_EQ(Kinds(o.Draw()), "MLEE") << "flag off";
    o.state.flags.Check_dessin_CTA = true;
    RecordingCanvas c = o.Draw();
    EXPECT_EQ(Kinds(c), "MLEE" "MLL" "ETETETET");
    EXPECT_EQ(c.of(CanvasOp::Text).front().brushColor, o.state.settings.Fenetre.Couleur);

    o.state.ahu.TreatmentMode = 0; // start-up value: markers and labels only
    EXPECT_EQ(Kinds(o.Draw()), "MLEE" "ETETETET");

    grid.SetCell(4, 3, "n/a");
    EXPECT_EQ(Kinds(o.Draw()), "MLEE") << "a point that is not a number";
    grid.SetCell(1, 1, "");
    EXPECT_EQ(Kinds(o.Draw()), "MLEE") << "empty grid";
}

} // namespace
} // namespace brumelle
