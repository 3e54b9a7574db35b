#include "core/canvas.h"

#include <gtest/gtest.h>

#include <random>

#include "core/region.h"
#include "support/recording_canvas.h"

using namespace pw;

namespace {

using Kind = RecordedCall::Kind;

void PanelMapping(Canvas& c, double zoom, int scrollX = 0, int scrollY = 0) {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(0, 0);
    c.SetWindowExt(5000, 5000);
    c.SetViewportOrg(-scrollX, -scrollY);
    c.SetViewportExt(static_cast<int>(zoom * 100), static_cast<int>(zoom * 100));
}

TEST(Canvas, PanelMappingGivesZoomPixelsPerMillimetre) {
    RecordingCanvas c;
    PanelMapping(c, 2.0, 10, 20);
    EXPECT_EQ(c.LPtoDP(IPoint{500, 500}), (IPoint{10, 0}));  // 10 mm at 2 px/mm, minus the scroll
    EXPECT_EQ(c.DPtoLP(IPoint{10, 0}), (IPoint{500, 500}));
    EXPECT_EQ(c.LPtoDP(IPoint{0, 0}), (IPoint{-10, -20}));
}

TEST(Canvas, IsotropicMappingKeepsUnitsSquare) {
    RecordingCanvas c;
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowExt(100, 100);
    c.SetViewportExt(400, -200);  // the larger scale shrinks, signs stay
    EXPECT_EQ(c.ViewportExt(), (IPoint{200, -200}));
    EXPECT_EQ(c.LPtoDP(IPoint{10, 10}), (IPoint{20, -20}));
    c.SetMapMode(MapMode::Anisotropic);
    c.SetWindowExt(-100, 100);
    c.SetViewportExt(400, 200);
    EXPECT_EQ(c.LPtoDP(IPoint{10, 10}), (IPoint{-40, 20}));  // mirrored in x
}

TEST(Canvas, PenWidthMapsToDevicePixels) {
    RecordingCanvas c;
    PanelMapping(c, 1.0);
    c.SetPenWidth(0);
    EXPECT_EQ(c.DevicePenWidth(), 1);
    c.SetPenWidth(50);  // 1 mm at 1 px/mm
    EXPECT_EQ(c.DevicePenWidth(), 1);
    PanelMapping(c, 10.0);
    EXPECT_EQ(c.DevicePenWidth(), 10);
    c.SetPenWidth(1);
    EXPECT_EQ(c.DevicePenWidth(), 1);
}

TEST(Canvas, BrushRule) {
    RecordingCanvas c;
    c.SetBrushStyle(bsClear);
    c.SetBrushColor(0x123456);  // colour after style: the clear brush becomes solid
    EXPECT_EQ(c.Brush().style, bsSolid);
    c.SetBrushColor(0x654321);
    c.SetBrushStyle(bsClear);  // style after colour: stays clear, colour kept
    EXPECT_EQ(c.Brush().style, bsClear);
    EXPECT_EQ(c.Brush().color, 0x654321u);
    c.SetBrushStyle(bsCross);
    c.SetBrushColor(1);  // hatches stay hatches
    EXPECT_EQ(c.Brush().style, bsCross);
}

TEST(Canvas, BrushStylesBeyondTheKnownOnesAreSolid) {
    RecordingCanvas c;
    for (int style : {8, 255}) {
        c.SetBrushStyle(bsCross);
        c.SetBrushStyle(static_cast<TBrushStyle>(style));
        EXPECT_EQ(c.Brush().style, bsSolid) << style;
    }
    c.SetBrushStyle(bsDiagCross);
    EXPECT_EQ(c.Brush().style, bsDiagCross);
}

TEST(Canvas, CallsArriveInDeviceCoordinatesWithTheirState) {
    RecordingCanvas c;
    PanelMapping(c, 1.0);
    c.SetPenColor(0xFF);
    c.SetPenMode(PenMode::Xor);
    c.MoveTo({0, 0});
    c.LineTo({500, 250});
    std::vector<IPoint> poly{{0, 0}, {100, 0}, {100, 100}};
    c.Polygon(poly);
    ASSERT_EQ(c.calls.size(), 2u);
    EXPECT_EQ(c.calls[0].kind, Kind::Polyline);
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{0, 0}, {10, 5}}));
    EXPECT_EQ(c.calls[0].pen.mode, PenMode::Xor);
    EXPECT_EQ(c.calls[1].kind, Kind::PolyPolygon);
    EXPECT_EQ(c.calls[1].counts, (std::vector<int32_t>{3}));
    EXPECT_EQ(c.calls[1].pts[2], (IPoint{2, 2}));
    EXPECT_EQ(c.CurrentPosition(), (IPoint{500, 250}));
}

// A canvas that keeps no shapes receives the calls with a shape cache as the plain ones, every
// time they are made.
TEST(Canvas, CallsWithAShapeCacheArriveAsThePlainOnes) {
    const std::vector<IPoint> line{{0, 0}, {500, 250}, {700, 900}};
    const std::vector<IPoint> glyphs{{0, 0}, {100, 0}, {100, 100}, {20, 20}, {60, 20}, {40, 60}};
    const std::vector<int32_t> counts{3, 3};
    const IRect box{100, 100, 450, 300};
    auto draw = [&](Canvas& c, ShapeCache* cache) {
        c.SetBrushStyle(bsCross);
        if (cache) {
            c.Polyline(line, cache[0]);
            c.Polygon(line, cache[1]);
            c.PolyPolygon(glyphs.data(), counts.data(), counts.size(), cache[2]);
            c.Ellipse(box, cache[3]);
        } else {
            c.Polyline(line);
            c.Polygon(line);
            c.PolyPolygon(glyphs.data(), counts.data(), counts.size());
            c.Ellipse(box);
        }
    };
    RecordingCanvas plain, kept;
    for (Canvas* c : {static_cast<Canvas*>(&plain), static_cast<Canvas*>(&kept)}) PanelMapping(*c, 1.3, 7, 3);
    ShapeCache caches[4];
    draw(plain, nullptr);
    draw(kept, caches);
    PanelMapping(plain, 2.1);
    PanelMapping(kept, 2.1);
    draw(plain, nullptr);
    draw(kept, caches);
    draw(kept, caches);
    ASSERT_EQ(plain.calls.size(), 8u);
    ASSERT_EQ(kept.calls.size(), 12u);
    for (size_t i = 0; i < kept.calls.size(); ++i) {
        const RecordedCall &want = plain.calls[i < 4 ? i : 4 + i % 4], &got = kept.calls[i];
        EXPECT_EQ(got.kind, want.kind) << i;
        EXPECT_EQ(got.pts, want.pts) << i;
        EXPECT_EQ(got.counts, want.counts) << i;
        EXPECT_EQ(got.rect, want.rect) << i;
        EXPECT_EQ(got.brush.style, want.brush.style) << i;
    }
}

// Polylines and polygon sets map their points in one run; every point must land where LPtoDP
// puts it alone: halves rounded up, mirrored and anisotropic mappings, odd extents whose
// quotients are not exact, and coordinates at the bound.
TEST(Canvas, PointRunsMapExactlyAsSinglePoints) {
    struct Mapping {
        MapMode mode;
        IPoint windowOrg, windowExt, viewportOrg, viewportExt;
    };
    const Mapping mappings[] = {
        {MapMode::Isotropic, {0, 0}, {5000, 5000}, {-13, -7}, {313, 313}},
        {MapMode::Anisotropic, {120, -45}, {-12700, 977}, {3, 1000}, {1500, -331}},
        {MapMode::Anisotropic, {0, 0}, {2, 2}, {0, 0}, {1, 1}},  // many exact halves
        // 27 * 13 / 6 is exactly 58.5, 27 * (13 / 6) just below it.
        {MapMode::Anisotropic, {0, 0}, {6, -6}, {0, 0}, {13, 13}},
        // 49 * 13 / 98 is exactly 6.5; 49 * 13 times the reciprocal of 98 falls just short.
        {MapMode::Anisotropic, {0, 0}, {98, 98}, {0, 0}, {13, 627}},
        {MapMode::Anisotropic, {-7, 9}, {3, 7}, {11, -5}, {1000000, 999999}},
    };
    std::vector<IPoint> pts;
    for (int32_t v = -2000; v <= 2000; v += 37) pts.push_back({v, -v / 3});
    for (int32_t v :
         {0, 1, -1, 2, -2, 3, -3, 27, -27, 49, -49, 147, 999999, -999999, kCoordLimit, -kCoordLimit})
        pts.push_back({v, v});
    for (const Mapping& m : mappings) {
        RecordingCanvas c;
        c.SetMapMode(m.mode);
        c.SetWindowOrg(m.windowOrg.x, m.windowOrg.y);
        c.SetWindowExt(m.windowExt.x, m.windowExt.y);
        c.SetViewportOrg(m.viewportOrg.x, m.viewportOrg.y);
        c.SetViewportExt(m.viewportExt.x, m.viewportExt.y);
        c.Polyline(pts);
        const int32_t count = static_cast<int32_t>(pts.size());
        c.PolyPolygon(pts.data(), &count, 1);
        ASSERT_EQ(c.calls.size(), 2u);
        for (size_t i = 0; i < pts.size(); ++i) {
            const IPoint single = c.LPtoDP(pts[i]);
            EXPECT_EQ(c.calls[0].pts[i], single) << pts[i].x << ", " << pts[i].y;
            EXPECT_EQ(c.calls[1].pts[i], single) << pts[i].x << ", " << pts[i].y;
        }
    }
}

// The same for random mappings and points, near and far, in both mapping modes.
TEST(Canvas, PointRunsOfRandomMappingsMapAsSinglePoints) {
    std::mt19937 rng(99);
    auto any = [&](int32_t limit) {
        return static_cast<int32_t>(rng() % (2 * static_cast<uint32_t>(limit) + 1)) - limit;
    };
    auto nonZero = [&](int32_t limit) {
        int32_t v = 0;
        while (v == 0) v = any(limit);
        return v;
    };
    for (int m = 0; m < 300; ++m) {
        RecordingCanvas c;
        c.SetMapMode(m % 2 ? MapMode::Isotropic : MapMode::Anisotropic);
        const int32_t extLimit = m % 3 == 0 ? 20 : m % 3 == 1 ? 20000 : 4000000;
        c.SetWindowOrg(any(5000), any(5000));
        c.SetWindowExt(nonZero(extLimit), nonZero(extLimit));
        c.SetViewportOrg(any(3000), any(3000));
        c.SetViewportExt(nonZero(extLimit), nonZero(extLimit));
        std::vector<IPoint> pts;
        for (int i = 0; i < 400; ++i) {
            const int32_t limit = i % 4 == 0 ? kCoordLimit : i % 4 == 1 ? 100000 : 3000;
            pts.push_back({any(limit), any(limit)});
        }
        c.Polyline(pts);
        ASSERT_EQ(c.calls.size(), 1u);
        for (size_t i = 0; i < pts.size(); ++i)
            ASSERT_EQ(c.calls[0].pts[i], c.LPtoDP(pts[i]))
                << "mapping " << m << " point " << pts[i].x << ", " << pts[i].y;
    }
}

TEST(Canvas, ClipBoxIsLogical) {
    RecordingCanvas c({0, 0, 200, 100});
    PanelMapping(c, 1.0);
    EXPECT_EQ(c.ClipBox(), (IRect{0, 0, 10000, 5000}));
    c.IntersectClipRect({500, 500, 1000, 1000});
    EXPECT_EQ(c.ClipBox(), (IRect{500, 500, 1000, 1000}));
    c.IntersectClipRect({0, 0, 750, 5000});
    EXPECT_EQ(c.ClipBox(), (IRect{500, 500, 750, 1000}));
    c.ResetClip();
    EXPECT_FALSE(c.HasClip());
}

TEST(Region, PolygonFillRules) {
    // A square drawn twice around: even-odd leaves it empty, winding fills it.
    std::vector<IPoint> twice{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_FALSE(Region::FromPolygon(twice, FillMode::Alternate).ContainsPoint({5, 5}));
    EXPECT_TRUE(Region::FromPolygon(twice, FillMode::Winding).ContainsPoint({5, 5}));
    Region tri = Region::FromPolygon({{0, 0}, {20, 0}, {0, 20}}, FillMode::Winding);
    EXPECT_TRUE(tri.ContainsPoint({2, 2}));
    EXPECT_FALSE(tri.ContainsPoint({15, 15}));
    EXPECT_FALSE(tri.ContainsPoint({-1, 5}));
    EXPECT_TRUE(Region::FromPolygon({{0, 0}, {1, 1}}, FillMode::Winding).IsEmpty());
}

TEST(Region, RectanglesEllipsesAndUnions) {
    Region r = Region::FromRect({10, 10, 20, 20});
    EXPECT_TRUE(r.ContainsPoint({10, 10}));
    EXPECT_FALSE(r.ContainsPoint({20, 20}));  // right and bottom edges are outside
    Region e = Region::FromEllipse({0, 0, 100, 50});
    EXPECT_TRUE(e.ContainsPoint({50, 25}));
    EXPECT_FALSE(e.ContainsPoint({2, 2}));
    r.Unite(e);
    EXPECT_TRUE(r.ContainsPoint({50, 25}));
    EXPECT_TRUE(r.ContainsPoint({15, 15}));
    EXPECT_EQ(r.Bounds(), (IRect{0, 0, 100, 50}));
}

TEST(Region, RectangleTests) {
    Region tri = Region::FromPolygon({{0, 0}, {100, 0}, {0, 100}}, FillMode::Winding);
    EXPECT_TRUE(tri.IntersectsRect({10, 10, 20, 20}));      // inside
    EXPECT_TRUE(tri.IntersectsRect({-50, -50, 200, 200}));  // surrounds
    EXPECT_TRUE(tri.IntersectsRect({45, 45, 60, 60}));      // crosses the slanted edge
    EXPECT_FALSE(tri.IntersectsRect({60, 60, 90, 90}));     // beyond it
    EXPECT_FALSE(tri.IntersectsRect({10, 10, 10, 20}));     // empty rectangle
    Region e = Region::FromEllipse({0, 0, 100, 100});
    EXPECT_TRUE(e.IntersectsRect({90, 40, 120, 60}));
    EXPECT_FALSE(e.IntersectsRect({90, 90, 120, 120}));  // the corner outside the circle
}

}  // namespace
