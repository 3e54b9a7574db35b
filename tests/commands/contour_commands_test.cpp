// The contour and milling buttons and the display switches.
#include <algorithm>

#include "command_test_support.h"
#include "elements/kreis.h"

namespace pw::test {
namespace {

class ContourCommands : public CommandFixture {
  protected:
    TRechteck* box = nullptr;
    TLinie* line = nullptr;
    TBogen* arc = nullptr;
    TBohrung* drill = nullptr;
    TRechteck* untouched = nullptr;
    TRechteck* member = nullptr;
    TBogen* memberArc = nullptr;
    TGruppe* group = nullptr;

    void SetUp() override {
        box = AddBox(0, 0, 1000, 1000);
        line = AddLine({2000, 0}, {3000, 500});
        line->AddPoint({2000, 1000});
        arc = AddArc({2500, 2500}, 400);
        drill = AddDrill({4000, 4000});
        untouched = AddBox(0, 3000, 500, 3500);
        auto g = std::make_unique<TGruppe>();
        auto m = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{0, 4000}, MPoint{500, 4000}, MPoint{500, 4500}}) m->AddPoint(p);
        member = m.get();
        g->AddMember(std::move(m));
        auto ma = std::make_unique<TBogen>();
        ma->Centre = {1000, 4500};
        ma->RimPoint = ma->StartPoint = {1200, 4500};
        ma->EndPoint = {1000, 4300};
        ma->BuildArc();
        memberArc = ma.get();
        g->AddMember(std::move(ma));
        group = static_cast<TGruppe*>(panel.AddElement(std::move(g)));
        Select({box, line, arc, drill, group});
    }

    void ExpectArcsStaySplines() {
        for (TBogen* a : {arc, memberArc}) {
            EXPECT_TRUE(a->Glaetten());
            EXPECT_EQ(a->GlaettenStil(), glSpline);
        }
    }
};

TEST_F(ContourCommands, ChamferTakesTheAmountInMillimetres) {
    EXPECT_EQ(ContourAmountUnits("2.0"), 100);
    EXPECT_EQ(ContourAmountUnits("2,5"), 125);
    EXPECT_EQ(ContourAmountUnits("-2"), 100);  // a size, not a direction
    EXPECT_EQ(ContourAmountUnits("mm"), 0);

    ContourCommand(panel, ContourTag::sb_Fase, "2,0");
    for (TBauteil* e :
         {static_cast<TBauteil*>(box), static_cast<TBauteil*>(line), static_cast<TBauteil*>(member)}) {
        EXPECT_TRUE(e->Glaetten());
        EXPECT_EQ(e->GlaettenStil(), glFase);
        EXPECT_EQ(e->GlaettenBetrag(), 100);
    }
    EXPECT_FALSE(untouched->Glaetten());
    ExpectArcsStaySplines();
    EXPECT_TRUE(panel.UndoAvailable());

    // The corner at (0, 0) is cut 2 mm along both edges.
    const std::vector<IPoint>& outline = box->PaintPolyline();
    EXPECT_NE(std::find(outline.begin(), outline.end(), IPoint{100, 0}), outline.end());
    EXPECT_NE(std::find(outline.begin(), outline.end(), IPoint{0, 100}), outline.end());
    EXPECT_EQ(std::find(outline.begin(), outline.end(), IPoint{0, 0}), outline.end());
}

TEST_F(ContourCommands, RoundingSplinesAndTheOriginalContour) {
    ContourCommand(panel, ContourTag::sb_Runden, "3");
    EXPECT_EQ(box->GlaettenStil(), glRundung);
    EXPECT_EQ(box->GlaettenBetrag(), 150);
    ExpectArcsStaySplines();

    ContourCommand(panel, ContourTag::sb_Splines, "1");
    EXPECT_TRUE(box->Glaetten());
    EXPECT_EQ(box->GlaettenStil(), glSpline);
    EXPECT_EQ(box->GlaettenBetrag(), 150);  // the splines take no amount
    ExpectArcsStaySplines();

    ContourCommand(panel, ContourTag::sB_KonturNormal, "1");
    EXPECT_FALSE(box->Glaetten());
    EXPECT_FALSE(line->Glaetten());
    EXPECT_FALSE(member->Glaetten());
    EXPECT_EQ(box->GlaettenStil(), glSpline);
    ExpectArcsStaySplines();
    const std::vector<IPoint>& outline = box->PaintPolyline();
    EXPECT_NE(std::find(outline.begin(), outline.end(), IPoint{0, 0}), outline.end());

    UndoCommand(panel);  // back to the splines
    auto* restored = dynamic_cast<TRechteck*>(panel.Element(0));
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->Glaetten());
    EXPECT_EQ(restored->GlaettenStil(), glSpline);
}

TEST_F(ContourCommands, TheFrameFollowsTheChangedContour) {
    panel.SelectAll(false);
    Select({line});
    const MRect before = panel.Sizer->startRect;
    ContourCommand(panel, ContourTag::sb_Splines, "");
    ASSERT_TRUE(panel.Sizer.has_value());
    EXPECT_EQ(panel.Sizer->startRect, panel.SelectionShapeBounds(true));
    EXPECT_LT(panel.Sizer->startRect.x2, before.x2);  // the spline stays inside the corner at x = 3000
    EXPECT_FALSE(window.rects.empty());
}

TEST_F(ContourCommands, MillingOnAndOffLeavesDrillHolesMilled) {
    MillingCommand(panel, MillingTag::sb_Fraesen);
    for (TBauteil* e : {static_cast<TBauteil*>(box), static_cast<TBauteil*>(line),
                        static_cast<TBauteil*>(arc), static_cast<TBauteil*>(member)})
        EXPECT_TRUE(e->Fraesen());
    EXPECT_FALSE(untouched->Fraesen());
    EXPECT_TRUE(panel.UndoAvailable());

    MillingCommand(panel, MillingTag::sb_Normal);
    EXPECT_FALSE(box->Fraesen());
    EXPECT_FALSE(member->Fraesen());
    EXPECT_TRUE(drill->Fraesen());
}

TEST_F(ContourCommands, MillingReachesTheInnerContourOfACircle) {
    auto k = std::make_unique<TKreis>();
    k->Centre = {2500, 4000};
    k->RimPoint = {2800, 4000};
    k->BuildContour();
    auto* circle = static_cast<TKreis*>(panel.AddElement(std::move(k)));
    panel.SelectAll(false);
    Select({circle});
    MillingCommand(panel, MillingTag::sb_Fraesen);
    EXPECT_TRUE(circle->Fraesen());
    EXPECT_TRUE(circle->InnerContour().Fraesen());
    ContourCommand(panel, ContourTag::sB_KonturNormal, "");
    EXPECT_TRUE(circle->InnerContour().Glaetten());  // a circle keeps its round contour
}

// A stand-in for the dimension element: the display filter knows dimensions by class name.
struct StandInDimension : TGruppe {
    const char* ClassName() const override { return "TBemassung"; }
};

class DisplaySwitches : public CommandFixture {
  protected:
    TRechteck* symbol = nullptr;
    TBohrung* drill = nullptr;
    TGruppe* dimension = nullptr;
    TRechteck* memberSymbol = nullptr;
    TBohrung* memberDrill = nullptr;

    void SetUp() override {
        symbol = AddBox(0, 0, 100, 100);
        drill = AddDrill({500, 500});
        auto d = std::make_unique<StandInDimension>();
        d->AddMember(std::make_unique<TLinie>());
        dimension = static_cast<TGruppe*>(panel.AddElement(std::move(d)));
        auto g = std::make_unique<TGruppe>();
        auto s = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{0, 1000}, MPoint{100, 1000}, MPoint{100, 1100}}) s->AddPoint(p);
        memberSymbol = s.get();
        g->AddMember(std::move(s));
        auto h = std::make_unique<TBohrung>();
        h->Centre = {300, 1000};
        memberDrill = h.get();
        g->AddMember(std::move(h));
        panel.AddElement(std::move(g));
    }
};

TEST_F(DisplaySwitches, MillingsAndDrillingsHideAndShowAgain) {
    Select({drill, symbol});
    DisplaySwitchCommand(panel, DisplayTag::BohrenBtn, false);
    EXPECT_FALSE(panel.MitBohren());
    EXPECT_TRUE(drill->Hidden());
    EXPECT_FALSE(drill->GetSelected());
    EXPECT_TRUE(memberDrill->Hidden());
    EXPECT_FALSE(symbol->Hidden());
    EXPECT_FALSE(memberSymbol->Hidden());
    EXPECT_TRUE(symbol->GetSelected());

    DisplaySwitchCommand(panel, DisplayTag::BohrenBtn, true);
    EXPECT_FALSE(drill->Hidden());
    EXPECT_FALSE(memberDrill->Hidden());
    EXPECT_FALSE(panel.UndoAvailable());
}

TEST_F(DisplaySwitches, SymbolsAndDimensions) {
    DisplaySwitchCommand(panel, DisplayTag::SymboleBtn, false);
    EXPECT_TRUE(symbol->Hidden());
    EXPECT_TRUE(memberSymbol->Hidden());
    EXPECT_FALSE(drill->Hidden());
    EXPECT_FALSE(dimension->Hidden());

    DisplaySwitchCommand(panel, DisplayTag::MasseBtn, false);
    EXPECT_TRUE(dimension->Hidden());
    DisplaySwitchCommand(panel, DisplayTag::SymboleBtn, true);
    EXPECT_FALSE(symbol->Hidden());
    EXPECT_FALSE(memberSymbol->Hidden());
    EXPECT_TRUE(dimension->Hidden());
    DisplaySwitchCommand(panel, DisplayTag::MasseBtn, true);
    EXPECT_FALSE(dimension->Hidden());
}

TEST_F(DisplaySwitches, OutlineViewAndGrid) {
    panel.SetFrontplattenFarbe(0x202020);
    DisplaySwitchCommand(panel, DisplayTag::UmrissBtn, true);
    EXPECT_TRUE(panel.UmrissModus());
    EXPECT_TRUE(symbol->UmrissFlag());
    EXPECT_TRUE(memberDrill->UmrissFlag());
    EXPECT_EQ(panel.GetFrontplattenFarbe(), kWhite);
    DisplaySwitchCommand(panel, DisplayTag::UmrissBtn, false);
    EXPECT_FALSE(symbol->UmrissFlag());
    EXPECT_EQ(panel.GetFrontplattenFarbe(), 0x202020u);
    EXPECT_FALSE(panel.UndoAvailable());
}

using GridButton = CommandFixture;

TEST_F(GridButton, TogglesTheGridWithASnapshot) {
    AddBox(0, 0, 100, 100);
    int repaints = 0;
    panel.OnRepaint = [&] { ++repaints; };
    EXPECT_TRUE(ToggleGridCommand(panel));
    EXPECT_TRUE(panel.GridVisible);
    EXPECT_TRUE(panel.UndoAvailable());
    EXPECT_FALSE(ToggleGridCommand(panel));
    EXPECT_EQ(repaints, 2);
    UndoCommand(panel);
    EXPECT_TRUE(panel.GridVisible);
}

}  // namespace
}  // namespace pw::test
