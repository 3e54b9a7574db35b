#include "panel/platine.h"

#include <gtest/gtest.h>

#include "core/language.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "support/hook_guards.h"
#include "support/recording_canvas.h"

using namespace pw;

namespace {

TBohrung* AddDrill(TPlatine& p, Real x, Real y, Real d = 500) {
    auto e = std::make_unique<TBohrung>();
    e->Centre = {x, y};
    e->Diameter = d;
    return static_cast<TBohrung*>(p.AddElement(std::move(e)));
}

TEST(Platine, ControlSizeFollowsZoom) {
    TPlatine p;
    p.Width = p.Height = 5000;
    p.SetZoom(1);
    EXPECT_EQ(p.ControlWidth(), 104);
    EXPECT_EQ(p.ControlHeight(), 104);
    p.SetZoom(2);
    EXPECT_EQ(p.ControlWidth(), 204);  // the panel at 2 px/mm plus 4
    p.SetZoom(100);
    EXPECT_EQ(p.Zoom(), 50);
    p.SetZoom(0.1);
    EXPECT_EQ(p.Zoom(), 0.5);
}

TEST(Platine, SnappingRoundsHalvesAwayFromTheOrigin) {
    TPlatine p;
    p.SnapSpacing = 500;
    EXPECT_EQ(p.SnapValue(249, 0), 0);
    EXPECT_EQ(p.SnapValue(250, 0), 500);
    EXPECT_EQ(p.SnapValue(-250, 0), -500);
    EXPECT_EQ(p.SnapValue(-249, 0), 0);
    EXPECT_EQ(p.SnapValue(1260, 10), 1510);
    p.SnapSpacing = 25;  // odd spacings snap to the nearer line too
    EXPECT_EQ(p.SnapValue(37, 0), 25);
    EXPECT_EQ(p.SnapValue(38, 0), 50);
    EXPECT_EQ(p.SnapValue(-37, 0), -25);
    p.SnapSpacing = 1;
    EXPECT_EQ(p.SnapValue(3, 0), 3);
    EXPECT_EQ(p.SnapValue(-3, 0), -3);
    p.SnapSpacing = 0;  // a damaged file: no grid to snap to
    EXPECT_EQ(p.SnapValue(1234, 0), 1234);
}

TEST(Platine, SnapPointConvertsPixelsAndLimitsToThePanel) {
    TPlatine p;
    p.Width = p.Height = 5000;
    p.SnapSpacing = 500;
    p.SetZoom(1);
    EXPECT_EQ(p.SnapPoint(14, 6), (MPoint{500, 500}));  // 14 mm -> 700 units -> 500
    EXPECT_EQ(p.SnapPoint(200, 200), (MPoint{5000, 5000}));  // beyond the panel
    p.State.snapping = false;
    EXPECT_EQ(p.SnapPoint(14, 6), (MPoint{700, 300}));
    p.ScrollX = 10;
    EXPECT_EQ(p.PixelToModel({14, 6}), (MPoint{700, 300}));
    EXPECT_EQ(p.ModelToPixel({700, 300}), (IPoint{14, 6}));
}

TEST(Platine, GridStepAndColours) {
    TPlatine p;
    p.SnapSpacing = 50;
    p.SetZoom(1);
    EXPECT_EQ(p.GridStep(), 400);
    p.SetZoom(10);
    EXPECT_EQ(p.GridStep(), 50);
    p.SetFrontplattenFarbe(0x808080);
    EXPECT_EQ(p.GridColor(), 0xB2B2B2u);
    p.SetFrontplattenFarbe(0xE6E6E6);
    EXPECT_EQ(p.GridColor(), 0xB4B4B4u);
    EXPECT_EQ(p.ContrastColor(), 0xE6E6E6u);
    p.SetFrontplattenFarbe(0);
    EXPECT_EQ(p.GridColor(), kSilver);
    p.SetFrontplattenFarbe(0x202020);
    EXPECT_EQ(p.ContrastColor(), 0xDFDFDFu);
}

TEST(Platine, PaintingDrawsThePanelGridAndVisibleElements) {
    TPlatine p;
    p.Width = 5000;
    p.Height = 2500;
    p.GridVisible = true;
    p.SnapSpacing = 500;
    p.SetZoom(1);
    AddDrill(p, 1000, 1000);
    AddDrill(p, 4800, 2400);
    RecordingCanvas c({0, 0, 50, 50});  // sees only the top-left 50 x 50 mm... of a 100 x 50 panel
    p.PrepareCanvas(c);
    p.PaintPanel(c);
    ASSERT_GE(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].kind, RecordedCall::Kind::Rectangle);
    EXPECT_EQ(c.calls[0].brush.color, 0xE6E6E6u);
    EXPECT_EQ(c.calls[0].rect, (IRect{0, 0, 100, 50}));
    // Only the first drill hole lies in the clip area: one ellipse.
    EXPECT_EQ(c.Count(RecordedCall::Kind::Ellipse), 1u);
    // Grid step 500 at zoom 1 is 10 pixels: the visible lines, no endless loop over the panel.
    EXPECT_GT(c.Count(RecordedCall::Kind::Polyline), 8u);
    p.SetUmrissModus(true);
    c.Clear();
    p.PaintPanel(c);
    EXPECT_EQ(c.calls[0].brush.color, kWhite);
    EXPECT_EQ(p.StoredFrontplattenFarbe(), 0xE6E6E6u);
}

TEST(Platine, SelectionCountsAndCurrentElement) {
    TPlatine p;
    TBohrung* a = AddDrill(p, 100, 100, 300);
    TBohrung* b = AddDrill(p, 900, 900);
    int marked = 0;
    p.OnBtMarkieren = [&] { ++marked; };
    p.SelectElement(a, true);
    EXPECT_EQ(p.CurrentElement(), a);
    EXPECT_EQ(p.LastDrillDiameter, 300);
    EXPECT_EQ(marked, 1);
    p.SelectElement(b, true);
    EXPECT_EQ(p.SelectedCount(), 2u);
    EXPECT_TRUE(p.HasMultipleSelection());
    EXPECT_FALSE(p.CanUngroup());
    p.SelectAll(false);
    EXPECT_FALSE(p.HasSelection());
    EXPECT_FALSE(p.Sizer.has_value());
}

TEST(Platine, SelectInRectAddsWithShift) {
    TPlatine p;
    p.SetZoom(1);
    TBohrung* a = AddDrill(p, 500, 500);   // 10 mm hole at (10, 10) mm
    TBohrung* b = AddDrill(p, 2500, 500);  // at (50, 10) mm
    p.SelectInRect({8, 8, 12, 12}, false);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_FALSE(b->GetSelected());
    p.SelectInRect({48, 8, 52, 12}, true);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_TRUE(b->GetSelected());
    EXPECT_TRUE(p.Sizer.has_value());
    p.SelectInRect({48, 8, 52, 12}, false);
    EXPECT_FALSE(a->GetSelected());
}

TEST(Platine, OrderCommandsKeepRelativeOrder) {
    TPlatine p;
    std::vector<TBauteil*> e;
    for (int i = 0; i < 4; ++i) e.push_back(AddDrill(p, 100 * i, 0));
    e[1]->SetSelected(true);
    e[3]->SetSelected(true);
    p.SendToBack();
    EXPECT_EQ(p.Element(0), e[1]);
    EXPECT_EQ(p.Element(1), e[3]);
    EXPECT_EQ(p.Element(2), e[0]);
    EXPECT_EQ(p.Element(3), e[2]);
    p.BringToFront();
    EXPECT_EQ(p.Element(0), e[0]);
    EXPECT_EQ(p.Element(1), e[2]);
    EXPECT_EQ(p.Element(2), e[1]);
    EXPECT_EQ(p.Element(3), e[3]);
}

TEST(Platine, GroupAndUngroup) {
    LanguageGuard language(Language::German);
    TPlatine p;
    TBackupStream undo;
    p.UndoStream = &undo;
    std::vector<TBauteil*> e;
    for (int i = 0; i < 4; ++i) e.push_back(AddDrill(p, 1000 * i, 0));
    e[0]->SetSelected(true);
    e[2]->SetSelected(true);
    p.Group();
    ASSERT_EQ(p.ElementCount(), 3u);
    auto* g = dynamic_cast<TGruppe*>(p.Element(2));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->MemberCount(), 2u);
    EXPECT_TRUE(g->Member(0)->GroupMember);
    EXPECT_EQ(g->KindName(), "Gruppe");
    EXPECT_EQ(g->InfoText(), "aus 2 Objekten.");
    EXPECT_TRUE(g->GetSelected());
    EXPECT_EQ(p.SelectedCount(), 1u);
    EXPECT_TRUE(p.CanUngroup());
    EXPECT_TRUE(p.UndoAvailable());
    // Group the group with another drill hole: then ungroup only the first selected group.
    p.Ungroup();
    EXPECT_EQ(p.ElementCount(), 4u);
    EXPECT_EQ(p.Element(2), e[0]);
    EXPECT_EQ(p.Element(3), e[2]);
    EXPECT_FALSE(e[0]->GroupMember);
    EXPECT_EQ(p.CurrentElement(), nullptr);
}

TEST(Platine, UngroupDissolvesOnlyTheFirstSelectedGroup) {
    TPlatine p;
    for (int k = 0; k < 2; ++k) {
        auto g = std::make_unique<TGruppe>();
        for (int i = 0; i < 2; ++i) {
            auto d = std::make_unique<TBohrung>();
            d->Centre = {100.0L * i, 100.0L * k};
            g->AddMember(std::move(d));
        }
        p.AddElement(std::move(g));
    }
    p.SelectAll(true);
    p.Ungroup();
    ASSERT_EQ(p.ElementCount(), 3u);
    EXPECT_TRUE(dynamic_cast<TBohrung*>(p.Element(0)));
    EXPECT_TRUE(dynamic_cast<TBohrung*>(p.Element(1)));
    EXPECT_TRUE(dynamic_cast<TGruppe*>(p.Element(2)));
}

TEST(Platine, DeleteAndClear) {
    TPlatine p;
    int clicks = 0;
    p.OnMyClick = [&] { ++clicks; };
    TBauteil* a = AddDrill(p, 0, 0);
    AddDrill(p, 100, 0);
    TBauteil* c = AddDrill(p, 200, 0);
    a->SetSelected(true);
    c->SetSelected(true);
    p.SelectElement(c, true);
    p.DeleteSelected();
    EXPECT_EQ(p.ElementCount(), 1u);
    EXPECT_EQ(p.CurrentElement(), nullptr);
    EXPECT_TRUE(p.ContentChanged);
    EXPECT_EQ(clicks, 1);
    p.ClearAll();
    EXPECT_EQ(p.ElementCount(), 0u);
}

TEST(Platine, DisplayFiltersReachIntoGroups) {
    TPlatine p;
    TBohrung* loose = AddDrill(p, 0, 0);
    auto g = std::make_unique<TGruppe>();
    auto inner = std::make_unique<TGruppe>();
    auto deep = std::make_unique<TBohrung>();
    TBohrung* deepRaw = deep.get();
    inner->AddMember(std::move(deep));
    g->AddMember(std::move(inner));
    p.AddElement(std::move(g));
    loose->SetSelected(true);
    p.SetMitBohren(false);
    EXPECT_TRUE(loose->Hidden());
    EXPECT_FALSE(loose->GetSelected());
    EXPECT_TRUE(deepRaw->Hidden());
    p.SetMitBohren(true);
    EXPECT_FALSE(loose->Hidden());
    EXPECT_FALSE(deepRaw->Hidden());
    p.SetMitSymbolen(false);  // drill holes are millings, not symbols
    EXPECT_FALSE(loose->Hidden());
}

TEST(Platine, ApplyAttributeToTheSelection) {
    TPlatine p;
    auto g = std::make_unique<TGruppe>();
    auto d = std::make_unique<TBohrung>();
    TBohrung* member = d.get();
    g->AddMember(std::move(d));
    TBauteil* group = p.AddElement(std::move(g));
    group->SetSelected(true);
    p.CurrentPenWidth = 40;
    p.ApplyAttribute(Attribute::PenWidth);
    EXPECT_EQ(member->StiftBreite(), 40);
    EXPECT_EQ(group->StiftBreite(), 0);  // a group passes the width on and keeps its own
    p.CurrentPenColor = 0xABCDEF;
    p.ApplyAttribute(Attribute::PenColor);
    EXPECT_EQ(member->StiftFarbe(), 0xABCDEFu);
    EXPECT_EQ(group->StiftFarbe(), 0xABCDEFu);
}

TEST(Platine, ZoomFunctions) {
    TPlatine p;
    p.Width = p.Height = 5000;
    p.ViewWidth = 460;
    p.ViewHeight = 920;
    p.ZoomToPanel();
    EXPECT_DOUBLE_EQ(p.Zoom(), 460.0 / 5000 * 46);
    p.ZoomToView(10, 20, 2500, 2500);  // 50 mm wide in a 460 px view
    EXPECT_DOUBLE_EQ(p.Zoom(), 460.0 / 2500 * 50);
    EXPECT_EQ(p.ScrollX, RoundToInt(10 * p.Zoom()));
    int changes = 0;
    p.OnChange = [&] { ++changes; };
    p.Width = p.Height = 30000;
    p.SetZoom(1);
    p.ScrollTo(0, 0);
    MPoint before = p.PixelToModel({50 + p.ScrollX, 50 + p.ScrollY});
    p.ZoomStep({50, 50}, true);
    EXPECT_DOUBLE_EQ(p.Zoom(), 1.03);
    MPoint after = p.PixelToModel({50 + p.ScrollX, 50 + p.ScrollY});
    EXPECT_NEAR(static_cast<double>(after.x), static_cast<double>(before.x), 50);
    EXPECT_EQ(changes, 1);
}

// The view predicted for the next wheel notch is the one the notch's zoom steps give, and those
// predicted for a click of the zoom tool and for showing the whole panel, all elements or the
// selected ones the ones these give,
// where the zoom meets its limits and the scroll position the panel's edges too; the panel itself
// is left as it was.
TEST(Platine, ViewsPredictedForTheWheelAndTheZoomToolAreTheViewsTheyGive) {
    TPlatine p;
    p.Width = 30000;
    p.Height = 12000;
    p.ViewWidth = 1220;
    p.ViewHeight = 920;
    AddDrill(p, 4000, 3000);
    p.SelectElement(AddDrill(p, 21000, 9000, 300), true);
    struct Case {
        double zoom;
        IPoint scroll, at;
        int steps;
    };
    const Case cases[] = {{1.7, {0, 0}, {600, 450}, 4},      {1.7, {300, 120}, {10, 900}, -4},
                          {48.5, {9000, 3000}, {1, 1}, 4},   {0.52, {0, 0}, {1219, 0}, -4},
                          {6, {5000, 2000}, {1219, 919}, 1}, {6, {8000, 3300}, {1219, 919}, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        p.SetZoom(c.zoom);
        p.ScrollTo(c.scroll.x, c.scroll.y);
        const ViewMapping before = p.View();
        const ViewMapping predicted = p.ViewAfterZoomSteps(c.at, c.steps);
        EXPECT_EQ(p.View(), before);
        for (int i = 0; i < std::abs(c.steps); ++i) p.ZoomStep(c.at, c.steps > 0);
        EXPECT_EQ(predicted, p.View());
        EXPECT_NE(predicted, before);

        p.SetZoom(c.zoom);
        p.ScrollTo(c.scroll.x, c.scroll.y);
        const ViewMapping click = p.ViewAfterZoomToolClick(c.at);
        EXPECT_EQ(p.View(), before);
        p.ZoomToBand({c.at.x, c.at.y, c.at.x, c.at.y});
        EXPECT_EQ(click, p.View());

        const ViewMapping whole = p.ViewAfterZoomToPanel();
        p.ZoomToPanel();
        EXPECT_EQ(whole, p.View());

        for (bool selected : {false, true}) {
            p.SetZoom(c.zoom);
            p.ScrollTo(c.scroll.x, c.scroll.y);
            const ViewMapping fit = p.ViewAfterZoomToContent(selected);
            EXPECT_EQ(p.View(), before);
            p.ZoomToContent(selected);
            EXPECT_EQ(fit, p.View());
        }
    }
}

}  // namespace
