// Elements whose bounds and painting data were built ahead on several threads paint exactly
// what the same elements paint when they build everything on the painting thread.
#include "panel/prepare_ahead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <stdexcept>
#include <vector>

#include "element_test_support.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/textlabel.h"

namespace pw {
namespace {

using Elements = std::vector<std::unique_ptr<TBauteil>>;

std::unique_ptr<TLinie> Line(MPoint at, bool smoothed, TPattern pattern) {
    auto line = std::make_unique<TLinie>();
    line->AddPoint(at);
    line->AddPoint({at.x + 700, at.y + 150});
    line->AddPoint({at.x + 300, at.y + 900});
    line->AddPoint({at.x + 1100, at.y + 1000});
    line->SetGlaetten(smoothed);
    line->SetGlaettenStil(glSpline);
    line->SetStiftPattern(pattern);
    return line;
}

std::unique_ptr<TPolygon> Contour(MPoint at, TGlaettenStil style) {
    auto contour = std::make_unique<TPolygon>();
    for (MPoint d : {MPoint{0, 0}, MPoint{900, 100}, MPoint{1000, 700}, MPoint{200, 800}})
        contour->AddPoint(at + d);
    contour->SetClosed(true);
    contour->SetFuellenFlag(true);
    contour->SetBrushStyle(bsSolid);
    contour->SetGlaetten(true);
    contour->SetGlaettenStil(style);
    contour->SetGlaettenBetrag(150);
    return contour;
}

std::unique_ptr<TKreis> Circle(MPoint at, Real radius) {
    auto circle = std::make_unique<TKreis>();
    circle->Centre = at;
    circle->RimPoint = {at.x + radius, at.y};
    circle->BuildContour();
    return circle;
}

std::unique_ptr<TTextLabel> Text(MPoint at, const char* text, int height) {
    return std::make_unique<TTextLabel>(FontSpec{"Arial", height, 0}, text, at);
}

// One of every kind that builds something ahead, and some that build nothing, at row k.
void AddRow(Elements& out, int k) {
    const MPoint at{500.0L + 37 * k, 400.0L + 1300 * (k % 7)};
    out.push_back(Line(at, false, ptDurchgezogen));
    out.push_back(Line(at, true, ptDurchgezogen));
    out.push_back(Line(at, false, ptStrich));
    auto ghostLine = Line(at, false, ptStrich);
    ghostLine->SetXORFlag(true);
    out.push_back(std::move(ghostLine));
    out.push_back(Contour(at, glSpline));
    out.push_back(Contour(at, glFase));
    out.push_back(Contour(at, glRundung));
    out.push_back(Circle(at, 200 + 13 * k));
    auto hidden = Circle(at, 300);
    hidden->SetHidden(true);
    out.push_back(std::move(hidden));
    auto arc = std::make_unique<TBogen>();
    arc->Centre = at;
    arc->RimPoint = {at.x + 400, at.y};
    arc->StartPoint = {at.x + 400, at.y};
    arc->EndPoint = {at.x, at.y - 400};
    arc->SetStil(k % 3);
    arc->BuildArc();
    out.push_back(std::move(arc));
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = at;
    drill->Diameter = 320;
    out.push_back(std::move(drill));
    out.push_back(Text(at, "Kanal 7 \xc3\xa4g", 200 + 10 * k));
    auto turned = Text(at, "Pegel", 350);
    turned->Rotate(at, 0.3 + 0.1 * k);
    out.push_back(std::move(turned));
    auto mirrored = Text(at, "dB", 400);
    mirrored->Mirror(k % 2 == 0, mirrored->GetBounds());
    out.push_back(std::move(mirrored));
    out.push_back(Text(at, "", 300));
    auto ghostText = Text(at, "Geist", 300);
    ghostText->SetXORFlag(true);
    out.push_back(std::move(ghostText));
    auto group = std::make_unique<TGruppe>();
    group->AddMember(Circle(at, 250));
    group->AddMember(Text(at, "Gruppe", 300));
    group->AddMember(Line(at, true, ptDurchgezogen));
    out.push_back(std::move(group));
}

Elements MakeElements() {
    Elements out;
    for (int k = 0; k < 12; ++k) AddRow(out, k);
    return out;
}

std::vector<RecordedCall> PaintAll(const Elements& elements) {
    test::PanelCanvas canvas(20);
    for (const auto& e : elements) e->Paint(canvas);
    return canvas.calls;
}

void ExpectSameCalls(const std::vector<RecordedCall>& a, const std::vector<RecordedCall>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].kind, b[i].kind) << "call " << i;
        EXPECT_EQ(a[i].pts, b[i].pts) << "call " << i;
        EXPECT_EQ(a[i].counts, b[i].counts) << "call " << i;
        EXPECT_EQ(a[i].rect, b[i].rect) << "call " << i;
        EXPECT_EQ(a[i].brush.color, b[i].brush.color) << "call " << i;
        EXPECT_EQ(a[i].brush.style, b[i].brush.style) << "call " << i;
        EXPECT_EQ(a[i].pen.color, b[i].pen.color) << "call " << i;
        EXPECT_EQ(a[i].pen.width, b[i].pen.width) << "call " << i;
    }
}

std::vector<const TBauteil*> Pointers(const Elements& elements) {
    std::vector<const TBauteil*> out;
    for (const auto& e : elements) out.push_back(e.get());
    return out;
}

TEST(PrepareAhead, ElementsBuiltOnThreadsPaintAsThoseBuiltWhilePainting) {
    const Elements painted = MakeElements();
    const std::vector<RecordedCall> expected = PaintAll(painted);
    ASSERT_GT(expected.size(), 100u);

    for (size_t threads : {1, 2, 5}) {
        const Elements prepared = MakeElements();
        PrepareBoundsAhead(prepared, threads);
        for (size_t i = 0; i < prepared.size(); ++i) {
            EXPECT_FALSE(prepared[i]->BoundsPending()) << "element " << i;
            EXPECT_EQ(prepared[i]->GetBounds(), painted[i]->GetBounds()) << "element " << i;
        }
        const std::vector<const TBauteil*> all = Pointers(prepared);
        const auto pending =
            std::count_if(all.begin(), all.end(), [](auto e) { return e->BeginPreparePaint(); });
        // With the bounds built, the smoothed outlines are built too; each row keeps the straight
        // solid line, the ghost of the dashed line (drawn solid), the three texts that have a
        // width and the group with a text to build.
        EXPECT_EQ(pending, 12 * 6);
        for (const TBauteil* e : all) e->PreparePaint();
        const Elements fresh = MakeElements();
        PreparePaintAhead(Pointers(fresh), threads);
        for (const auto& e : fresh) EXPECT_FALSE(e->BeginPreparePaint()) << e->ClassName();
        ExpectSameCalls(expected, PaintAll(fresh));
        ExpectSameCalls(expected, PaintAll(prepared));
    }
}

TEST(PrepareAhead, AChangeAfterBuildingIsPaintedAsChanged) {
    Elements prepared = MakeElements(), painted = MakeElements();
    PreparePaintAhead(Pointers(prepared), 2);
    for (Elements* list : {&prepared, &painted}) {
        for (const auto& e : *list) {
            e->Move({120, -35});
            if (auto* text = dynamic_cast<TTextLabel*>(e.get())) text->SetLabelText("Neu");
        }
    }
    ExpectSameCalls(PaintAll(painted), PaintAll(prepared));
}

// An element that counts what it builds, and may fail when asked what it needs.
class Probe : public TBauteil {
  public:
    bool failsToList = false;
    mutable std::atomic<bool> built{false};
    MRect GetBounds() const override { return {0, 0, 10, 10}; }
    void Move(MPoint) override {}
    void Scale(MPoint, Real, Real) override {}
    void DrawFeedback(Canvas&, MPoint*) override {}
    bool BeginPreparePaint() const override {
        if (failsToList) throw std::runtime_error("no memory");
        return true;
    }
    void PreparePaint() const override { built = true; }
};

// A failure while the elements are listed, with threads already building the first ones: the
// threads finish what was listed, and the failure goes on to the caller.
TEST(PrepareAhead, AFailureWhileListingLetsTheThreadsFinish) {
    std::vector<std::unique_ptr<Probe>> probes;
    std::vector<const TBauteil*> list;
    for (int i = 0; i < 300; ++i) {
        probes.push_back(std::make_unique<Probe>());
        probes.back()->failsToList = i == 200;
        list.push_back(probes.back().get());
    }
    EXPECT_THROW(PreparePaintAhead(list, 2), std::runtime_error);
    for (int i = 0; i < 300; ++i) EXPECT_EQ(probes[static_cast<size_t>(i)]->built.load(), i < 200) << i;
}

}  // namespace
}  // namespace pw
