// Shapes the Qt canvas keeps in the elements' caches: painting a panel again gives the same
// picture, and whatever changes between two paints (an element, the zoom, the scroll position,
// the clip, the picture's size) shows in the second paint exactly as in the first paint of a
// document built with that change from the start.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <optional>
#include <random>

#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "panel/platine.h"
#include "render/qt_canvas.h"

using namespace pw;

namespace {

constexpr int kWidth = 480, kHeight = 320;

// A panel of every element kind that keeps shapes, with one element of each kind named for the
// changes, and a crowd of others around them.
struct Panel {
    std::unique_ptr<TPlatine> platine;
    TLinie* line = nullptr;
    TRechteck* contour = nullptr;
    TKreis* circle = nullptr;
    TBohrung* drill = nullptr;
    TTextLabel* text = nullptr;
};

template <class T>
T* Add(TPlatine& p, std::unique_ptr<T> e) {
    return static_cast<T*>(p.AddElement(std::move(e)));
}

std::unique_ptr<TRechteck> Box(MPoint at, Real w, Real h, TBrushStyle brush, Color colour) {
    auto box = std::make_unique<TRechteck>();
    box->AddPoint(at);
    box->AddPoint({at.x + w, at.y});
    box->AddPoint({at.x + w, at.y + h});
    box->AddPoint({at.x, at.y + h});
    box->SetBrushStyle(brush);
    box->SetBrushFarbe(colour);
    box->SetFuellenFlag(true);
    return box;
}

std::unique_ptr<TKreis> Circle(MPoint centre, Real radius, bool filled, Color colour) {
    auto circle = std::make_unique<TKreis>();
    circle->Centre = centre;
    circle->RimPoint = {centre.x + radius, centre.y};
    circle->BuildContour();
    circle->SetFuellenFlag(filled);
    circle->SetBrushFarbe(colour);
    return circle;
}

Panel MixedPanel() {
    Panel m;
    m.platine = std::make_unique<TPlatine>();
    TPlatine& p = *m.platine;
    p.Width = 5000;  // 100 x 70 mm
    p.Height = 3500;
    std::mt19937 rng(99);
    std::uniform_real_distribution<double> x(200, 4800), y(200, 3300), size(80, 500);
    for (int i = 0; i < 60; ++i) {
        const MPoint at{x(rng), y(rng)};
        const Real s = size(rng);
        const Color colour = static_cast<Color>(rng() & 0xFFFFFF);
        switch (i % 6) {
            case 0: {
                auto line = std::make_unique<TLinie>();
                line->AddPoint(at);
                line->AddPoint({at.x + s, at.y + s / 3});
                line->AddPoint({at.x + s / 2, at.y + s});
                line->SetStiftBreite(i % 12 == 0 ? 0 : 25);
                line->SetStiftFarbe(colour);
                Add(p, std::move(line));
                break;
            }
            case 1: {
                auto box = Box(at, s, s / 2, static_cast<TBrushStyle>(i % 8), colour);
                box->SetGlaetten(i % 4 == 1);
                Add(p, std::move(box));
                break;
            }
            case 2:
                Add(p, Circle(at, s / 2, i % 4 == 2, colour));
                break;
            case 3: {
                auto drill = std::make_unique<TBohrung>();
                drill->Centre = at;
                drill->Diameter = s;
                Add(p, std::move(drill));
                break;
            }
            case 4: {
                auto label =
                    std::make_unique<TTextLabel>(FontSpec{"Arial", RoundToInt(s / 2), 0}, "Pegel 7", at);
                label->SetBrushStyle(bsSolid);
                label->SetBrushFarbe(colour);
                if (i % 3 == 0) label->Rotate(at, 0.7);
                Add(p, std::move(label));
                break;
            }
            default: {
                auto polygon = std::make_unique<TPolygon>();
                polygon->AddPoint(at);
                polygon->AddPoint({at.x + s, at.y + s / 4});
                polygon->AddPoint({at.x + s / 3, at.y + s});
                polygon->SetClosed(true);
                polygon->SetStiftBreite(60);
                polygon->SetStiftFarbe(colour);
                Add(p, std::move(polygon));
            }
        }
    }
    auto line = std::make_unique<TLinie>();
    line->AddPoint({600, 600});
    line->AddPoint({1400, 900});
    line->AddPoint({1000, 1500});
    line->SetStiftBreite(25);
    line->SetStiftFarbe(kRed);
    m.line = Add(p, std::move(line));
    m.contour = Add(p, Box({2600, 700}, 900, 500, bsSolid, kBlue));
    m.circle = Add(p, Circle({1800, 2400}, 350, true, RGBColor(0, 160, 60)));
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = {3800, 2500};
    drill->Diameter = 400;
    m.drill = Add(p, std::move(drill));
    auto label = std::make_unique<TTextLabel>(FontSpec{"Arial", 250, 0}, "Kanal 12", MPoint{2800, 1600});
    label->SetBrushStyle(bsSolid);
    label->SetBrushFarbe(kBlack);
    m.text = Add(p, std::move(label));
    p.SetZoom(kWidth / (p.Width / 50) * 0.95);
    return m;
}

struct View {
    int width = kWidth, height = kHeight;
    std::optional<IRect> clip;  // logical
};

// The picture of a repaint of the view: a new image, the panel through its own mapping.
QImage Paint(TPlatine& p, const View& view = {}) {
    QImage image(view.width, view.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, view.width, view.height}, 96);
    p.PrepareCanvas(canvas);
    if (view.clip) canvas.IntersectClipRect(*view.clip);
    p.PaintPanel(canvas);
    return image;
}

TEST(KeptShapes, RepaintGivesTheSamePicture) {
    Panel m = MixedPanel();
    const QImage first = Paint(*m.platine);
    EXPECT_EQ(Paint(*m.platine), first);
    EXPECT_EQ(Paint(*m.platine), first);
    EXPECT_EQ(Paint(*MixedPanel().platine), first);
}

// Each change made after a paint, against the same change made before the first paint.
TEST(KeptShapes, ChangesAfterAPaintShowInTheNextPaint) {
    struct Change {
        const char* name;
        std::function<void(Panel&)> apply;
    };
    const Change changes[] = {
        {"line moved",
         [](Panel& m) {
             m.line->Move({37, -11});
         }},
        {"line vertex set",
         [](Panel& m) {
             m.line->SetPoint(1, {1900, 700});
         }},
        {"line pen wider", [](Panel& m) { m.line->SetStiftBreite(80); }},
        {"line pen one pixel", [](Panel& m) { m.line->SetStiftBreite(0); }},
        {"line pen colour", [](Panel& m) { m.line->SetStiftFarbe(kBlue); }},
        {"line smoothed",
         [](Panel& m) {
             m.line->SetGlaettenStil(glSpline);
             m.line->SetGlaetten(true);
         }},
        {"line milled", [](Panel& m) { m.line->SetFraesen(true); }},
        {"contour vertex written through its address",
         [](Panel& m) {
             *m.contour->PointAt(2) = {3700, 1400};
             m.contour->PointsChanged();
         }},
        {"contour hatched", [](Panel& m) { m.contour->SetBrushStyle(bsDiagCross); }},
        {"contour brush colour", [](Panel& m) { m.contour->SetBrushFarbe(RGBColor(240, 220, 0)); }},
        {"contour unfilled", [](Panel& m) { m.contour->SetFuellenFlag(false); }},
        {"contour without outline", [](Panel& m) { m.contour->SetStiftPattern(ptClear); }},
        {"contour rotated",
         [](Panel& m) {
             m.contour->Rotate({3000, 900}, 0.3);
         }},
        {"circle scaled",
         [](Panel& m) {
             m.circle->Scale({1800, 2400}, 1.3, 0.8);
         }},
        {"circle unfilled", [](Panel& m) { m.circle->SetFuellenFlag(false); }},
        {"circle hidden", [](Panel& m) { m.circle->SetHidden(true); }},
        {"circle as ghost", [](Panel& m) { m.circle->SetXORFlag(true); }},
        {"drill centre assigned",
         [](Panel& m) {
             m.drill->Centre = {3400, 2000};
         }},
        {"drill diameter assigned", [](Panel& m) { m.drill->Diameter = 650; }},
        {"text wording", [](Panel& m) { m.text->SetLabelText("Kanal 13"); }},
        {"text rotated",
         [](Panel& m) {
             m.text->Rotate({2800, 1600}, 0.4);
         }},
        {"text moved",
         [](Panel& m) {
             m.text->Move({15, 40});
         }},
        {"text font",
         [](Panel& m) {
             m.text->ChangeFont(FontSpec{"Arial", 320, 0});
         }},
        {"text colour", [](Panel& m) { m.text->SetBrushFarbe(kRed); }},
        {"text outlined only", [](Panel& m) { m.text->SetBrushStyle(bsClear); }},
        {"zoomed", [](Panel& m) { m.platine->SetZoom(m.platine->Zoom() * 1.37); }},
        {"scrolled",
         [](Panel& m) {
             m.platine->ScrollX = 13;
             m.platine->ScrollY = 4;
         }},
        {"zoomed in and scrolled",
         [](Panel& m) {
             m.platine->SetZoom(m.platine->Zoom() * 2);
             m.platine->ScrollX = 130;
             m.platine->ScrollY = 45;
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        Panel painted = MixedPanel();
        const QImage before = Paint(*painted.platine);
        change.apply(painted);
        const QImage after = Paint(*painted.platine);
        Panel fresh = MixedPanel();
        change.apply(fresh);
        EXPECT_EQ(after, Paint(*fresh.platine));
        EXPECT_NE(after, before);  // the change shows at all
    }
}

TEST(KeptShapes, ZoomingBackGivesTheFirstPicture) {
    Panel m = MixedPanel();
    const double zoom = m.platine->Zoom();
    const QImage first = Paint(*m.platine);
    m.platine->SetZoom(zoom * 0.6);
    const QImage smaller = Paint(*m.platine);
    EXPECT_NE(smaller, first);
    m.platine->SetZoom(zoom);
    EXPECT_EQ(Paint(*m.platine), first);
}

// A clip or a smaller picture cuts the shapes derived under it; without them the whole shapes
// show again, and the other way round.
TEST(KeptShapes, ClipAndPictureSizeBetweenPaints) {
    const View clipped{kWidth, kHeight, IRect{1000, 800, 3300, 2600}};
    const View small{kWidth / 2, kHeight / 2, std::nullopt};
    const View full;
    for (const View& narrow : {clipped, small}) {
        Panel m = MixedPanel();
        const QImage narrowFirst = Paint(*m.platine, narrow);
        const QImage wide = Paint(*m.platine, full);
        EXPECT_EQ(wide, Paint(*MixedPanel().platine, full));
        EXPECT_EQ(Paint(*m.platine, narrow), narrowFirst);
        EXPECT_EQ(narrowFirst, Paint(*MixedPanel().platine, narrow));
    }
}

}  // namespace

namespace {

// A kept shape moves with a scrolled view: what the canvas derives itself for points and a drawable
// area moved by whole pixels is what it derives for the unmoved ones, moved. Random polygons
// filled and outlined one pixel and wide, wide lines and ellipses at half-pixel corners, moved by
// a pixel and by thousands, anywhere in a picture of the largest size an image has.
TEST(KeptShape, WhatTheCanvasDerivesMovesWithThePoints) {
    std::mt19937 rng(31);
    const auto moved = [](OwnShape s, IPoint d) {
        for (auto* runs : {&s.fill, &s.outlineRuns})
            for (PixelRun& r : *runs) r = {r.y + d.y, r.x1 + d.x, r.x2 + d.x};
        for (IPoint& p : s.outlinePixels) p = {p.x + d.x, p.y + d.y};
        return s;
    };
    const auto same = [](const OwnShape& a, const OwnShape& b) {
        return a.fill == b.fill && a.outlineRuns == b.outlineRuns && a.outlinePixels == b.outlinePixels;
    };
    const IPoint moves[] = {{1, 0}, {0, 1}, {3719, 2411}, {32000, 17}, {9, 31111}};
    for (int trial = 0; trial < 400; ++trial) {
        const IPoint d = moves[trial % 5];
        OwnShapeState state;
        state.area = {0, 0, 300, 200};
        state.fill = trial % 3 != 0;
        state.outline = trial % 4 != 0;
        state.runs = state.outline && trial % 2 == 0;
        state.penWidth = 2 + static_cast<int32_t>(rng() % 9);
        OwnShapeState there = state;
        there.area = {d.x, d.y, 300 + d.x, 200 + d.y};
        OwnShape here, away;
        if (trial % 3 == 2) {
            const double x = static_cast<double>(rng() % 250) + 0.5 * (rng() % 2),
                         y = static_cast<double>(rng() % 150) + 0.5, w = 1 + static_cast<double>(rng() % 60),
                         h = 1 + static_cast<double>(rng() % 60);
            state.runs = there.runs = false;
            DeriveOwnEllipse(x, y, w, h, state, here);
            DeriveOwnEllipse(x + d.x, y + d.y, w, h, there, away);
        } else {
            std::vector<IPoint> pts, far;
            const int n = 3 + static_cast<int>(rng() % 9);
            for (int i = 0; i < n; ++i) {
                pts.push_back(
                    {20 + static_cast<int32_t>(rng() % 260), 20 + static_cast<int32_t>(rng() % 160)});
                far.push_back({pts.back().x + d.x, pts.back().y + d.y});
            }
            const int32_t count = n;
            if (state.runs && trial % 5 == 0) {  // a wide line
                AddWideStroke(pts.data(), pts.size(), false, state.penWidth, state.area, here.outlineRuns);
                AddWideStroke(far.data(), far.size(), false, state.penWidth, there.area, away.outlineRuns);
            } else {
                DeriveOwnPolygons(pts.data(), &count, 1, true, state, here);
                DeriveOwnPolygons(far.data(), &count, 1, true, there, away);
            }
        }
        EXPECT_TRUE((!state.fill && !state.outline) ||
                    !(here.fill.empty() && here.outlineRuns.empty() && here.outlinePixels.empty()))
            << trial;
        EXPECT_TRUE(same(moved(here, d), away)) << "trial " << trial;
    }
}

}  // namespace

namespace {

// A kept shape holds its runs about its corner in 16 bits: stored anywhere, it gives the pixels
// of the shape it was derived from; a shape wider than 16 bits count is not kept, and drawn
// through a cache it still shows, paint after paint.
TEST(KeptShape, PackedRunsStoreTheDerivedPixelsAndTooWideShapesAreDrawnUnkept) {
    const auto picture = [](int width, int height, const std::function<void(const PixelTarget&)>& store) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        store({image.bits(), image.bytesPerLine(), width, 0, height});
        return image;
    };
    OwnShapeState state;
    state.area = {0, 0, 70000, 70000};
    state.fill = state.outline = true;
    const ShapeColours colours{0x3366CC, bsCross, 0x0000FF};
    for (const int32_t width : {20, 65535, 65536, 69000}) {
        const std::vector<IPoint> pts{{3, 1}, {3 + width, 2}, {3 + width / 2, 9}};
        const int32_t count = 3;
        OwnShape derived;
        DeriveOwnPolygons(pts.data(), &count, 1, true, state, derived);
        const OwnShape before = derived;
        KeptShape kept;
        const bool fits = width + 1 <= 65535;
        ASSERT_EQ(kept.Keep(OwnShapeKey{}, derived), fits) << width;
        if (!fits) continue;
        for (const IPoint shift : {IPoint{0, 0}, IPoint{-2, 3}}) {
            EXPECT_EQ(picture(width + 8, 16,
                              [&](const PixelTarget& t) { StoreKept(kept, colours, t, shift); }),
                      picture(width + 8, 16, [&](const PixelTarget& t) {
                          StoreShape(before, colours, t, shift);
                      }))
                << width;
        }
    }

    const auto paint = [](bool own, ShapeCache& cache) {
        QImage image(70000, 4, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, 70000, 4}, 96);
        canvas.SetOwnRaster(own);
        canvas.SetBrushStyle(bsSolid);
        canvas.SetBrushColor(0x00AA00);
        canvas.SetPenWidth(0);
        canvas.Polygon(std::vector<IPoint>{{1, 1}, {69990, 1}, {69990, 3}, {1, 3}}, cache);
        return image;
    };
    ShapeCache cache, unused;
    const QImage painter = paint(false, unused);
    EXPECT_EQ(paint(true, cache), painter);
    EXPECT_EQ(paint(true, cache), painter);
}

}  // namespace
