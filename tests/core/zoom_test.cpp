#include <cstdint>
#include <cstdlib>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "chart/overlay.h"
#include "chart/paint.h"
#include "chart/zoom.h"
#include "program_state.h"
#include "study_overlay.h"
#include "support/recording_canvas.h"

namespace brumelle {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Zoom on an 800 × 600 client with an 18-pixel status bar: a 730 × 542 plot.
struct Zoom {
    ChartSettings s;
    ZoomState z;
    int32_t clientWidth = 800, clientHeight = 600;

    bool Drag(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        z.ZoomDragging = true;
        z.ZoomX1 = x1, z.ZoomY1 = y1, z.ZoomX2 = x2, z.ZoomY2 = y2;
        return ApplyZoomRelease(s, z, ChartGeometry::ForClient(clientWidth, clientHeight, 18, s), x2, y2);
    }
    std::tuple<int32_t, int32_t, int32_t, int32_t> Ranges() const
    {
        return std::make_tuple(s.TS.Mini, s.TS.Maxi, s.R.Mini, s.R.Maxi);
    }
};

TEST(ZoomRelease, NewRangesFromTheRectangle)
{
    struct Case {
        const char *name;
        int32_t x1, y1, x2, y2;
        int32_t tsMini, tsMaxi, rMini, rMaxi;
    } cases[] = {
        {"whole plot gives the ranges back", 20, 20, 750, 561, -15, 50, 0, 30},
        {"dragged backwards", 750, 561, 20, 20, -15, 50, 0, 30},
        // 17.5 °C rounds to the even 18; 15.03 g/kgas to 15.
        {"click without movement: 1 °C by 1 g/kgas", 385, 290, 385, 290, 18, 19, 15, 16},
        {"halves go to the even neighbour", 93, 290, 93, 290, -8, -7, 15, 16}, // −8.5 °C
        {"start left of the plot raised to the floor", 0, 20, 750, 561, -15, 50, 0, 30},
        {"beyond the top edge widens R", 385, 0, 750, 290, 18, 50, 15, 31},
        {"beyond the right and bottom edges widen both", 385, 290, 1500, 1200, 18, 117, -35, 15},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Zoom z;
        EXPECT_TRUE(z.Drag(k.x1, k.y1, k.x2, k.y2));
        EXPECT_FALSE(z.z.ZoomDragging);
        EXPECT_EQ(z.Ranges(), std::make_tuple(k.tsMini, k.tsMaxi, k.rMini, k.rMaxi));
    }
}

TEST(ZoomRelease, ComputesFromTheRangesInForce)
{
    Zoom z;
    ASSERT_TRUE(z.Drag(20, 20, 385, 290)); // −15..18 °C, 15..30 g/kgas
    ASSERT_EQ(z.Ranges(), std::make_tuple(-15, 18, 15, 30));
    ASSERT_TRUE(z.Drag(385, 290, 750, 561)); // the lower-right quarter of that view
    EXPECT_EQ(z.Ranges(), std::make_tuple(2, 18, 15, 23));
}

TEST(ZoomRelease, FarReleasePositionsStayWithinTheLimit)
{
    const int32_t L = kZoomBoundLimit;
    struct Case {
        int32_t x1, y1, x2, y2, floor;
        int32_t tsMini, tsMaxi, rMini, rMaxi;
    } cases[] = {
        {20, 20, kMax, kMin, -15, -15, L, 30, L},
        {kMin, kMax, 20, 20, -15, -15, -15 + 1, -L, 30},
        {kMax, kMax, kMax, kMax, -15, L - 1, L, -L, -L + 1},
        {kMax, kMin, kMax, kMin, -15, L - 1, L, L - 1, L},
        {20, 20, 20, 20, kMax, L - 1, L, 30, 31}, // a floor from extreme settings
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(::testing::Message() << k.x1 << "," << k.y1 << " -> " << k.x2 << "," << k.y2);
        Zoom z;
        z.z.ZoomFloorTS = k.floor;
        EXPECT_TRUE(z.Drag(k.x1, k.y1, k.x2, k.y2));
        EXPECT_EQ(z.Ranges(), std::make_tuple(k.tsMini, k.tsMaxi, k.rMini, k.rMaxi));
    }

    // Extreme settings in force (from a preference file) cannot overflow either.
    Zoom z;
    z.s.TS.Mini = z.s.R.Mini = kMin;
    z.s.TS.Maxi = z.s.R.Maxi = kMax;
    z.z.ZoomFloorTS = kMin;
    EXPECT_TRUE(z.Drag(kMin, kMin, kMax, kMax));
    EXPECT_EQ(z.Ranges(), std::make_tuple(-L, L, -L, L));
}

TEST(ZoomRelease, NothingChangesWithoutADragOrAPlot)
{
    struct Case {
        const char *name;
        int32_t clientWidth, clientHeight;
        bool dragging;
    } cases[] = {
        {"not dragging", 800, 600, false},
        {"zero width", 70, 600, true},
        {"negative width", 10, 600, true},
        {"zero height", 800, 58, true},
        {"negative height", 800, 0, true},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Zoom z;
        z.clientWidth = k.clientWidth, z.clientHeight = k.clientHeight;
        z.z.ZoomDragging = k.dragging;
        z.z.ZoomX1 = 385, z.z.ZoomY1 = 290;
        const ChartGeometry g = ChartGeometry::ForClient(z.clientWidth, z.clientHeight, 18, z.s);
        EXPECT_FALSE(ApplyZoomRelease(z.s, z.z, g, 100, 100));
        EXPECT_FALSE(z.z.ZoomDragging);
        EXPECT_EQ(z.Ranges(), std::make_tuple(-15, 50, 0, 30));
    }
}

TEST(ZoomRelease, FullRangesRestoreTheZoomBounds)
{
    Zoom z;
    z.s.TS.Mini_zoom = -10, z.s.TS.Maxi_zoom = 40, z.s.R.Mini_zoom = 2, z.s.R.Maxi_zoom = 25;
    z.Drag(385, 290, 385, 290);
    RestoreFullRanges(z.s);
    EXPECT_EQ(z.Ranges(), std::make_tuple(-10, 40, 2, 25)) << "not the bounds before the zoom";
}

TEST(ZoomRelease, ExtremeZoomStillPaintsWithinPixelRange)
{
    const auto farRelease = [](Zoom &z) { z.Drag(20, 20, kMax, kMin); };
    const auto farClick = [](Zoom &z) { z.Drag(kMax, kMin, kMax, kMin); };
    const auto tinyCorner = [](Zoom &z) { z.Drag(kMin, kMax, kMin, kMax); };
    for (const auto &zoom : {+farRelease, +farClick, +tinyCorner}) {
        Zoom z;
        zoom(z);
        ProgramState state;
        state.settings = z.s;
        state.flags.Check_dessin_BC = true;
        state.evolutions.grille_BC.SetCell(1, 1, "20,00");
        state.evolutions.grille_BC.SetCell(1, 3, "7,50");
        state.evolutions.grille_BC.SetCell(2, 1, "30,00");
        state.evolutions.grille_BC.SetCell(2, 3, "7,50");

        SCOPED_TRACE(::testing::Message() << z.s.TS.Mini << ".." << z.s.TS.Maxi << " °C, " << z.s.R.Mini << ".."
                                          << z.s.R.Maxi << " g/kgas");
        for (FamilySettings *f : {&state.settings.TS, &state.settings.R, &state.settings.HR, &state.settings.TH,
                                  &state.settings.TR, &state.settings.H, &state.settings.V})
            f->Montrer = f->Montrer_texte = 1;
        const ChartGeometry g = ChartGeometry::ForClient(800, 600, 18, state.settings);
        RecordingCanvas c;
        MoistAirState scratch;
        NumberSeparators sep;
        PaintChart(c, state.settings, g, scratch, ZoomState{},
                   [&](Canvas &canvas) {
                       DrawEvolutionOverlay(canvas, g, OverlayOf(state, sep), state.settings.Fenetre.Couleur);
                   });
        ASSERT_FALSE(c.ops.empty());
        for (const auto &o : c.ops)
            for (int32_t v : {o.x1, o.y1, o.x2, o.y2})
                ASSERT_LE(std::llabs(v), 1LL << 24);
    }
}

} // namespace
} // namespace brumelle
