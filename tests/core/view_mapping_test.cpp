#include "core/view_mapping.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/null_canvas.h"
#include "elements/bohrung.h"
#include "panel/platine.h"

using namespace pw;

namespace {

// The panel view's mapping as a canvas is mapped call by call: isotropic, window 5000 units,
// viewport round(zoom * 100) pixels, viewport origin at minus the scroll position.
void MapCanvasAsView(Canvas& c, double zoom, IPoint scroll) {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(0, 0);
    c.SetWindowExt(5000, 5000);
    c.SetViewportOrg(-scroll.x, -scroll.y);
    int32_t v = RoundToInt(zoom * 100);
    c.SetViewportExt(v, v);
}

const std::vector<double> kZooms = {0.5, 0.6667, 1.0, 1.03, 1.0609, 1.4, 2.5, 3.3333, 7.77, 12.5, 33.3, 50.0};
const std::vector<IPoint> kScrolls = {{0, 0}, {1, 7}, {250, 3}, {1234, 4567}, {-3, -11}};

// Every integer result of the view mapping is the canvas's, ties of the rounding included: at
// zoom 1 a model step of 25 units is half a pixel.
TEST(ViewMapping, GivesTheCanvasIntegersAtEveryZoomAndScroll) {
    for (double zoom : kZooms) {
        for (IPoint scroll : kScrolls) {
            NullCanvas c;
            MapCanvasAsView(c, zoom, scroll);
            const ViewMapping m(zoom, scroll);
            SCOPED_TRACE(::testing::Message()
                         << "zoom " << zoom << " scroll " << scroll.x << "," << scroll.y);
            for (int32_t v = -31000; v <= 31000; v += 25) {
                const IPoint model{v, -v / 3 + 7};
                ASSERT_EQ(m.ToDevice(model), c.LPtoDP(model));
            }
            for (int32_t d = -2600; d <= 2600; ++d) {
                const IPoint device{d, 2 * d + 1};
                ASSERT_EQ(m.ToModel(device), c.DPtoLP(device));
                ASSERT_EQ(m.ModelX(d + 0.5L), c.LogicalX(d + 0.5L));
                ASSERT_EQ(m.ModelY(d - 0.25L), c.LogicalY(d - 0.25L));
            }
            const IRect r{-517, 33, 29999, 12001};
            EXPECT_EQ(m.ToDevice(r), c.LPtoDP(r));
        }
    }
}

TEST(ViewMapping, MapsACanvasAsThePanelDid) {
    for (double zoom : kZooms) {
        NullCanvas expected, mapped;
        MapCanvasAsView(expected, zoom, {40, 9});
        mapped.SetMapMode(MapMode::Anisotropic);
        mapped.SetViewportExt(3, 7);
        ViewMapping(zoom, {40, 9}).ApplyTo(mapped);
        EXPECT_EQ(mapped.GetMapMode(), MapMode::Isotropic);
        EXPECT_EQ(mapped.WindowOrg(), expected.WindowOrg());
        EXPECT_EQ(mapped.WindowExt(), expected.WindowExt());
        EXPECT_EQ(mapped.ViewportOrg(), expected.ViewportOrg());
        EXPECT_EQ(mapped.ViewportExt(), expected.ViewportExt());
    }
    // A zoom too small for a whole viewport unit still maps: a canvas would keep whatever
    // extent it had before.
    EXPECT_EQ(ViewMapping(0.001, {0, 0}).ViewportExtent(), 1);
    EXPECT_EQ(ViewMapping(0.001, {0, 0}).ToDevice(IPoint{5000, 10000}), (IPoint{1, 2}));
}

// True size: 254 mm to ten inches of dots, the scale exact to a tenth of a dot per inch.
TEST(ViewMapping, TrueSizeMapsMillimetresAtTheResolution) {
    for (double dpi : {72.0, 96.0, 150.0, 254.0, 300.0, 599.95, 600.0, 1200.0, 0.01}) {
        NullCanvas c;
        c.SetMapMode(MapMode::Isotropic);
        c.SetWindowOrg(0, 0);
        c.SetWindowExt(12700, 12700);
        c.SetViewportOrg(0, 0);
        int32_t v = std::max(1, static_cast<int32_t>(std::lround(dpi * 10)));
        c.SetViewportExt(v, v);
        const ViewMapping m = ViewMapping::TrueSize(dpi);
        for (int32_t u = -100; u <= 30000; u += 7)
            ASSERT_EQ(m.ToDevice(IPoint{u, u / 2}), c.LPtoDP(IPoint{u, u / 2}));
    }
    // 100 mm at 254 dpi are 1000 dots.
    EXPECT_EQ(ViewMapping::TrueSize(254).ToDevice(IPoint{5000, 2500}), (IPoint{1000, 500}));
    EXPECT_DOUBLE_EQ(ViewMapping::TrueSize(254).Zoom(), 10.0);
}

// The panel's coordinate queries give what preparing its canvas gave, and leave the canvas it
// paints on as it was.
TEST(ViewMapping, PanelQueriesMatchTheCanvasAndLeaveItAlone) {
    TPlatine p;
    p.Width = p.Height = 20000;
    NullCanvas attached({0, 0, 800, 600});
    p.SetCanvas(&attached);
    for (double zoom : {0.5, 1.0, 2.345, 9.5, 50.0}) {
        p.SetZoom(zoom);
        p.ScrollX = 37;
        p.ScrollY = 911;
        attached.SetMapMode(MapMode::Text);
        NullCanvas c;
        MapCanvasAsView(c, p.Zoom(), {p.ScrollX, p.ScrollY});
        for (int32_t x = -20; x < 900; x += 13) {
            const IPoint l = c.DPtoLP(IPoint{x - p.ScrollX, 2 * x - p.ScrollY});
            EXPECT_EQ(p.PixelToModel({x, 2 * x}), (MPoint{static_cast<Real>(l.x), static_cast<Real>(l.y)}));
            const MPoint model{x * 17.5L, x * -3.25L};
            const IPoint d = c.LPtoDP(RoundPoint(model));
            EXPECT_EQ(p.ModelToPixel(model), (IPoint{d.x + p.ScrollX, d.y + p.ScrollY}));
        }
        EXPECT_EQ(attached.GetMapMode(), MapMode::Text);
    }
}

TEST(ViewMapping, HitTestsAtTheViewWithoutTheCanvas) {
    TPlatine p;
    p.Width = p.Height = 20000;
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = {5000, 4000};
    drill->Diameter = 1000;
    TBauteil* e = p.AddElement(std::move(drill));
    NullCanvas attached({0, 0, 800, 600});
    p.SetCanvas(&attached);
    p.SetZoom(2.5);
    p.ScrollX = 30;
    p.ScrollY = 40;
    attached.SetMapMode(MapMode::Text);
    // The centre lies at 5000 * 2.5 / 50 - 30 = 220, 4000 * 2.5 / 50 - 40 = 160 view pixels; the
    // radius is 25 pixels.
    const TPlatine& shown = p;
    EXPECT_EQ(shown.HitElement({220, 160}, false), e);
    EXPECT_EQ(shown.HitElement({244, 160}, false), e);
    EXPECT_EQ(shown.HitElement({247, 160}, false), nullptr);
    EXPECT_EQ(shown.HitElement({220, 160}, true), nullptr);
    EXPECT_TRUE(shown.ElementNear({247, 160}));
    EXPECT_FALSE(shown.ElementNear({220 + 25 + 11, 160}));
    EXPECT_EQ(attached.GetMapMode(), MapMode::Text);
}

}  // namespace
