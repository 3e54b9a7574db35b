// The derive pass of the Qt canvas: the shapes of a paint derived ahead on worker threads, in
// batches while the first pass goes on, and stored by a drawing thread of their own give the
// picture that deriving and storing each one while drawing gives, through a run of zooms, scroll
// positions and clips, with elements cut by the picture's edge (drawn by the painter between
// stored shapes), however the rows are shared between the painting and the drawing thread; shapes kept under
// one clip serve under another exactly where neither cuts them; and the first pass draws nothing and leaves
// the drawing state as it found it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <stdexcept>

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

constexpr int kWidth = 400, kHeight = 300;

std::unique_ptr<TPlatine> Crowd(unsigned seed = 7) {
    auto p = std::make_unique<TPlatine>();
    p->Width = 6000;
    p->Height = 4000;
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> x(-300, 6300), y(-300, 4300), size(2, 700);
    for (int i = 0; i < 400; ++i) {
        const MPoint at{x(rng), y(rng)};
        const Real s = size(rng);
        const Color colour = static_cast<Color>(rng() & 0xFFFFFF);
        switch (i % 5) {
            case 0: {  // wide, one-pixel and (when tiny) one-point lines
                auto line = std::make_unique<TLinie>();
                line->AddPoint(at);
                line->AddPoint({at.x + s, at.y + s / 3});
                line->AddPoint({at.x + s / 2, at.y + s});
                line->SetStiftBreite(i % 3 == 0 ? 0 : static_cast<int32_t>(i % 90));
                line->SetStiftFarbe(colour);
                p->AddElement(std::move(line));
                break;
            }
            case 1: {  // contours, solid, hatched, smoothed, without outline
                auto box = std::make_unique<TPolygon>();
                box->AddPoint(at);
                box->AddPoint({at.x + s, at.y});
                box->AddPoint({at.x + s, at.y + s / 2});
                box->AddPoint({at.x + s / 4, at.y + s / 3});
                box->SetClosed(true);
                box->SetBrushStyle(static_cast<TBrushStyle>(i % 8));
                box->SetBrushFarbe(colour);
                box->SetFuellenFlag(true);
                box->SetGlaetten(i % 4 == 1);
                box->SetStiftBreite(i % 7 == 1 ? 40 : 0);
                if (i % 11 == 1) box->SetStiftPattern(ptClear);
                p->AddElement(std::move(box));
                break;
            }
            case 2: {
                auto circle = std::make_unique<TKreis>();
                circle->Centre = at;
                circle->RimPoint = {at.x + s / 2, at.y};
                circle->BuildContour();
                circle->SetFuellenFlag(i % 4 == 2);
                circle->SetBrushFarbe(colour);
                p->AddElement(std::move(circle));
                break;
            }
            case 3:  // glyph outlines: many polygons of repeated points, some turned
                if (i % 10 == 3) {
                    auto label = std::make_unique<TTextLabel>(
                        FontSpec{"Arial", static_cast<int32_t>(s / 2), 0}, "Kanal 7", at);
                    label->SetBrushStyle(bsSolid);
                    label->SetBrushFarbe(colour);
                    if (i % 20 == 3) label->Rotate(at, 0.4);
                    p->AddElement(std::move(label));
                    break;
                }
                [[fallthrough]];
            default: {
                auto drill = std::make_unique<TBohrung>();
                drill->Centre = at;
                drill->Diameter = s;
                p->AddElement(std::move(drill));
            }
        }
    }
    return p;
}

// A view that keeps its picture and canvas from paint to paint, as the panel view does.
struct Screen {
    explicit Screen(int threads) : image(kWidth, kHeight, QImage::Format_RGB32), painter(&image) {
        canvas.SetDeriveThreads(threads);
    }
    const QImage& Paint(std::optional<IRect> clip = std::nullopt) {
        image.fill(Qt::white);
        canvas.ResetClip();
        panel->PrepareCanvas(canvas);
        if (clip) canvas.IntersectClipRect(*clip);
        panel->PaintPanel(canvas);
        return image;
    }
    std::unique_ptr<TPlatine> panel = Crowd();
    QImage image;
    QPainter painter;
    const IRect bounds{0, 0, kWidth, kHeight};
    QtCanvas canvas{painter, QtCanvas::DeviceKind::Raster, bounds, 96};
};

TEST(DerivePass, GivesThePictureOfDerivingWhileDrawing) {
    Screen one(1), two(2);
    struct Step {
        double zoom;
        int scrollX, scrollY;
        std::optional<IRect> clip;
    };
    const Step steps[] = {{1.2, 0, 0, {}},   {1.2, 0, 0, {}},
                          {1.236, 0, 0, {}}, {2.5, 90, 40, {}},
                          {2.5, 91, 40, {}}, {0.5, 0, 0, {}},
                          {7, 600, 300, {}}, {7, 600, 300, IRect{4500, 2300, 5800, 3900}},
                          {1.2, 0, 0, {}},   {3.3, 20, 170, IRect{0, 0, 6000, 4000}}};
    QImage white(kWidth, kHeight, QImage::Format_RGB32);
    white.fill(Qt::white);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.zoom);
        for (Screen* screen : {&one, &two}) {
            screen->panel->SetZoom(s.zoom);
            screen->panel->ScrollX = s.scrollX;
            screen->panel->ScrollY = s.scrollY;
        }
        const QImage& single = one.Paint(s.clip);
        EXPECT_EQ(two.Paint(s.clip), single);
        EXPECT_NE(single, white);  // painted at all
    }
}

// However the rows are shared between the painting thread and the drawing thread, the picture
// is the same: none, a band cutting through many shapes, the most it takes.
TEST(DerivePass, AnyShareOfTheRowsGivesThePicture) {
    Screen one(1), two(2);
    for (double share : {0.0, 0.37, 0.75}) {
        SCOPED_TRACE(share);
        for (double zoom : {1.3, 2.9}) {
            one.panel->SetZoom(zoom);
            two.panel->SetZoom(zoom);
            QtCanvas::SetOwnRowShare(share);
            EXPECT_EQ(two.Paint(), one.Paint());
        }
    }
    QtCanvas::SetOwnRowShare(0.2);
}

// A document painted before anything read its bounds (just opened: the visible elements are
// picked from the bounds built ahead, the bounds index built alongside) gives the picture of
// one whose index was read first, also where only part of it is in view.
TEST(DerivePass, AJustOpenedDocumentPaintsAsOneWhoseIndexWasRead) {
    for (const auto& [zoom, scroll] : {std::pair{1.2, IPoint{0, 0}}, std::pair{4.0, IPoint{300, 250}}}) {
        SCOPED_TRACE(zoom);
        Screen opened(2), read(2);
        for (Screen* s : {&opened, &read}) {
            s->panel->SetZoom(zoom);
            s->panel->ScrollX = scroll.x;
            s->panel->ScrollY = scroll.y;
        }
        EXPECT_FALSE(read.panel->ElementsMeeting({-1e6, -1e6, 1e6, 1e6}).empty());
        const QImage& picture = read.Paint();
        EXPECT_EQ(opened.Paint(), picture);
        // The index was built on the way: it finds the same elements.
        EXPECT_EQ(opened.panel->ElementsMeeting({1000, 1000, 2000, 1500}),
                  read.panel->ElementsMeeting({1000, 1000, 2000, 1500}));
    }
}

// Another panel painted into a canvas that painted one at the same mapping (a document opened
// into a view that showed another, a large change undone): its many new shapes are derived in a
// derive pass although the mapping is the last one, and the picture is that of a fresh canvas;
// the first panel's shapes, painted again, are those it kept.
TEST(DerivePass, NewPanelUnderTheLastMapping) {
    Screen reused(2);
    reused.panel->SetZoom(1.7);
    const QImage first = reused.Paint().copy();
    auto firstPanel = std::move(reused.panel);
    reused.panel = Crowd(11);
    reused.panel->SetZoom(1.7);
    Screen fresh(1);
    fresh.panel = Crowd(11);
    fresh.panel->SetZoom(1.7);
    const QImage& other = fresh.Paint();
    EXPECT_EQ(reused.Paint(), other);
    EXPECT_NE(other, first);
    reused.panel = std::move(firstPanel);
    EXPECT_EQ(reused.Paint(), first);
}

// Shapes kept under one clip are drawn again under another where neither cut them; those cut by
// either are derived anew: a run of clips, about a pixel apart (23 units at this zoom) and far apart, each
// against a paint of the same clip with nothing kept.
TEST(DerivePass, ShapesKeptUnderAnotherClip) {
    Screen kept(2);
    kept.panel->SetZoom(2.2);
    kept.Paint();
    const IRect clips[] = {{1000, 800, 3000, 2400}, {1023, 800, 3000, 2423}, {1046, 777, 2977, 2400},
                           {0, 0, 6000, 4000},      {1500, 100, 5200, 3900}, {1069, 800, 3000, 2446}};
    for (const IRect& clip : clips) {
        SCOPED_TRACE(clip.x1);
        Screen fresh(1);
        fresh.panel->SetZoom(2.2);
        EXPECT_EQ(kept.Paint(clip), fresh.Paint(clip));
    }
}

// Shapes kept before the view scrolled are moved with it where nothing cuts them (fills,
// outlines one pixel and wide, ellipses): through a run of scroll positions, by a pixel and far,
// both ways, each against a canvas that kept nothing.
TEST(DerivePass, ShapesKeptBeforeScrollingMoveWithTheView) {
    Screen kept(2);
    kept.panel->SetZoom(2.6);
    kept.Paint();
    const IPoint scrolls[] = {{1, 0}, {0, 1}, {37, -5}, {-120, 80}, {300, 200}, {299, 200}, {0, 0}};
    for (const IPoint& s : scrolls) {
        SCOPED_TRACE(s.x);
        Screen fresh(1);
        for (Screen* screen : {&kept, &fresh}) {
            screen->panel->SetZoom(2.6);
            screen->panel->ScrollX = s.x;
            screen->panel->ScrollY = s.y;
        }
        EXPECT_EQ(kept.Paint(), fresh.Paint());
        EXPECT_EQ(kept.Paint(IRect{1000, 800, 3000, 2400}), fresh.Paint(IRect{1000, 800, 3000, 2400}));
    }
}

// The second pass starts while shapes are still derived: a slot drawn through twice in a paint
// (the later shape is the one kept at the end) gives the picture of drawing each call at once,
// and no slot is left waiting. A paint left after its first pass (as when drawing threw) keeps
// nothing: the next one derives afresh.
TEST(DerivePass, TheSecondPassDrawsWhileShapesAreDerived) {
    std::mt19937 rng(5);
    struct Call {
        std::vector<IPoint> points;
        Color colour;
        size_t slot;
        int32_t pen;
    };
    // Every third call draws the shape before it again through its slot, outlined wide.
    std::vector<Call> calls;
    for (size_t i = 0; i < 900; ++i) {
        const int32_t x = static_cast<int32_t>(rng() % 380), y = static_cast<int32_t>(rng() % 280);
        const int32_t s = 2 + static_cast<int32_t>(rng() % 18);
        const Color colour = static_cast<Color>(rng() & 0xFFFFFF);
        if (i % 3 == 2)
            calls.push_back({calls.back().points, colour, i - 1, 3});
        else
            calls.push_back({{{x, y}, {x + s, y + s / 2}, {x + s / 3, y + s}}, colour, i, 0});
    }
    const auto draw = [&](Canvas& c, std::vector<ShapeCache>& caches) {
        c.SetBrushStyle(bsSolid);
        for (const Call& call : calls) {
            c.SetBrushColor(call.colour);
            c.SetPenColor(call.colour ^ 0xFFFFFF);
            c.SetPenWidth(call.pen);
            c.Polygon(call.points, caches[call.slot]);
        }
    };
    QImage one(kWidth, kHeight, QImage::Format_RGB32), two(kWidth, kHeight, QImage::Format_RGB32);
    one.fill(Qt::white);
    two.fill(Qt::white);
    std::vector<ShapeCache> slotsOne(calls.size()), slotsTwo(calls.size());
    {
        QPainter painter(&one);
        QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
        canvas.SetDeriveThreads(1);
        draw(canvas, slotsOne);
    }
    {
        QPainter painter(&two);
        QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
        canvas.SetDeriveThreads(2);
        Canvas& c = canvas;
        ASSERT_TRUE(c.BeginDerivePass());
        draw(c, slotsTwo);
        EXPECT_EQ(two.pixel(0, 0), QColor(Qt::white).rgb());
        c.EndDerivePassDrawingBehind();
        draw(c, slotsTwo);
        c.EndDrawBehind();
    }
    EXPECT_EQ(two, one);
    for (const ShapeCache& slot : slotsTwo) EXPECT_FALSE(slot.Pending());

    Screen left(2);
    left.panel->SetZoom(1.5);
    Canvas& c = left.canvas;
    left.panel->PrepareCanvas(c);
    ASSERT_TRUE(c.BeginDerivePass());
    for (auto& e : left.panel->Elements()) e->Paint(c);
    c.EndDerivePassDrawingBehind();
    Screen fresh(1);
    for (Screen* s : {&left, &fresh}) s->panel->SetZoom(2.0);
    EXPECT_EQ(left.Paint(), fresh.Paint());
}

// An element whose drawing throws, once, in the first or in the second pass: the paint fails,
// and the next one gives the picture of a canvas that never saw the failure.
class Fuse : public TBauteil {
  public:
    int armedAt = -1;  // the paint call that throws
    mutable int calls = 0;
    MRect GetBounds() const override { return {100, 100, 200, 200}; }
    void Move(MPoint) override {}
    void Scale(MPoint, Real, Real) override {}
    void DrawFeedback(Canvas&, MPoint*) override {}
    void Paint(Canvas&) const override {
        if (calls++ == armedAt) throw std::runtime_error("drawing failed");
    }
};

TEST(DerivePass, APaintThatThrowsLeavesTheCanvasAbleToPaint) {
    for (int armedAt : {0, 1}) {
        SCOPED_TRACE(armedAt);
        Screen failing(2), fresh(1);
        auto fuse = std::make_unique<Fuse>();
        Fuse& f = *fuse;
        failing.panel->AddElement(std::move(fuse));
        fresh.panel->AddElement(std::make_unique<Fuse>());
        f.armedAt = armedAt;
        failing.panel->SetZoom(1.7);
        EXPECT_THROW(failing.Paint(), std::runtime_error);
        failing.panel->SetZoom(2.1);
        fresh.panel->SetZoom(2.1);
        EXPECT_EQ(failing.Paint(), fresh.Paint());
    }
}

// Shapes derived ahead for the next wheel notch: deriving draws nothing and leaves the canvas
// as it was; the paint after the notch needs no first pass and gives the picture of a canvas that
// kept nothing, through notches in and out (back to a zoom whose shapes are the spares), a
// notch other than the one derived for, and an element changed after deriving ahead; the
// shapes of the present view stay kept beside those derived ahead.
TEST(DeriveAhead, TheNextNotchPaintsAsAFreshCanvas) {
    Screen ahead(2);
    ahead.panel->ViewWidth = kWidth;
    ahead.panel->ViewHeight = kHeight;
    ahead.panel->SetZoom(1.3);
    const IRect whole{0, 0, kWidth, kHeight};
    const auto paintView = [&](Screen& s) -> const QImage& {
        s.image.fill(Qt::white);
        s.panel->PaintView(s.canvas, whole);
        return s.image;
    };
    paintView(ahead);
    const IPoint at{150, 100};
    struct Notch {
        int derived, taken;
        bool change;
    };
    const Notch notches[] = {{4, 4, false}, {4, 4, false},  {-4, -4, false},
                             {4, 4, true},  {4, -4, false}, {-4, -4, false}};
    bool changed = false;
    for (const Notch& n : notches) {
        SCOPED_TRACE(ahead.panel->Zoom());
        Canvas& c = ahead.canvas;
        ahead.image.fill(Qt::white);
        const QImage blank = ahead.image.copy();
        c.SetPenColor(kRed);
        const Canvas::State state = c.SaveState();
        ahead.panel->DeriveViewAhead(c, ahead.panel->ViewAfterZoomSteps(at, n.derived));
        EXPECT_EQ(ahead.image, blank);
        EXPECT_EQ(c.WindowExt(), state.windowExt);
        EXPECT_EQ(c.ViewportOrg(), state.viewportOrg);
        EXPECT_EQ(c.Pen().color, kRed);
        EXPECT_EQ(c.ClipBox(), [&] {
            Canvas::State now = c.SaveState();
            c.RestoreState(state);
            IRect box = c.ClipBox();
            c.RestoreState(now);
            return box;
        }());
        if (n.change) {
            ahead.panel->Elements()[3]->Move({40, 0});
            ahead.panel->NoteContentChange();
        }
        for (int i = 0; i < std::abs(n.taken); ++i) ahead.panel->ZoomStep(at, n.taken > 0);
        if (n.derived == n.taken && !n.change) {
            // What the first pass would find to derive is kept already.
            ahead.panel->PrepareCanvas(c);
            c.ResetClip();
            EXPECT_FALSE(c.BeginDerivePass());
        }
        Screen fresh(1);
        fresh.panel = Crowd();
        changed = changed || n.change;
        if (changed) fresh.panel->Elements()[3]->Move({40, 0});
        fresh.panel->ViewWidth = kWidth;
        fresh.panel->ViewHeight = kHeight;
        fresh.panel->SetZoom(ahead.panel->Zoom());
        fresh.panel->ScrollTo(ahead.panel->ScrollX, ahead.panel->ScrollY);
        EXPECT_EQ(paintView(ahead), paintView(fresh));
    }
}

TEST(DerivePass, FirstPassDrawsNothingAndKeepsTheState) {
    Screen screen(2);
    screen.image.fill(Qt::white);
    const QImage blank = screen.image.copy();
    Canvas& c = screen.canvas;
    screen.panel->SetZoom(1.5);
    screen.panel->PrepareCanvas(c);
    c.SetPenColor(kRed);
    c.SetPenWidth(7);
    c.SetBrushStyle(bsCross);
    c.SetBrushColor(kBlue);
    c.SetPolyFillMode(FillMode::Winding);
    ASSERT_TRUE(c.BeginDerivePass());
    for (auto& e : screen.panel->Elements()) e->Paint(c);
    c.EndDerivePass();
    EXPECT_EQ(screen.image, blank);
    EXPECT_EQ(c.Pen().color, kRed);
    EXPECT_EQ(c.Pen().width, 7);
    EXPECT_EQ(c.Brush().style, bsCross);
    EXPECT_EQ(c.Brush().color, kBlue);
    EXPECT_EQ(c.PolyFillMode(), FillMode::Winding);
    // Under the same mapping the shapes are kept: no second pass, unless many new ones are
    // expected (once); another zoom wants one.
    EXPECT_FALSE(c.BeginDerivePass());
    c.ExpectNewShapes();
    ASSERT_TRUE(c.BeginDerivePass());
    c.EndDerivePass();
    EXPECT_FALSE(c.BeginDerivePass());
    screen.panel->SetZoom(1.6);
    screen.panel->PrepareCanvas(c);
    EXPECT_TRUE(c.BeginDerivePass());
    c.EndDerivePass();
    // A paint of a small part derives as it draws.
    c.IntersectClipRect({0, 0, 300, 300});
    EXPECT_FALSE(c.BeginDerivePass());
}

// A picture wider than a kept shape's runs count (16 bits from its corner): a polygon across it
// is derived in the derive pass, found too wide to keep and drawn as it comes in the second pass,
// paint after paint, as a single pass draws it; the small ones beside it are kept.
TEST(DerivePass, AShapeTooWideToKeepIsDrawnAsItComes) {
    constexpr int kWide = 70000, kLow = 40;
    std::vector<ShapeCache> caches(41);
    const auto paint = [&](int threads) {
        QImage image(kWide, kLow, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas qt(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWide, kLow}, 96);
        qt.SetDeriveThreads(threads);
        Canvas& c = qt;
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(0x3080C0);
        c.SetPenWidth(0);
        for (const bool first : {true, false}) {
            if (first && !c.BeginDerivePass()) continue;
            c.Polygon(std::vector<IPoint>{{10, 4}, {69990, 6}, {69990, 30}, {10, 34}}, caches[0]);
            for (int i = 1; i < 41; ++i)
                c.Polygon(std::vector<IPoint>{{1700 * i, 10}, {1700 * i + 30, 12}, {1700 * i + 9, 25}},
                          caches[i]);
            if (first) c.EndDerivePass();
        }
        return image;
    };
    const QImage expected = paint(1);
    EXPECT_EQ(expected.pixel(kWide / 2, kLow / 2), QColor(0xC0, 0x80, 0x30).rgb());
    for (ShapeCache& cache : caches) cache.Clear();
    EXPECT_EQ(paint(2), expected);
    EXPECT_TRUE(caches[0].Empty());
    EXPECT_FALSE(caches[1].Empty());
    EXPECT_EQ(paint(2), expected);
}

}  // namespace
