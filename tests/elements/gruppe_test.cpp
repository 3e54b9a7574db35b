#include "elements/gruppe.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/language.h"
#include "element_test_support.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "support/hook_guards.h"

using namespace pw;
using namespace pw::test;

namespace {

std::unique_ptr<TLinie> Line(MPoint a, MPoint b) {
    auto l = std::make_unique<TLinie>();
    l->AddPoint(a);
    l->AddPoint(b);
    return l;
}

std::unique_ptr<TBohrung> Hole(MPoint c) {
    auto h = std::make_unique<TBohrung>();
    h->Centre = c;
    return h;
}

// group( line, group( circle, group( hole, line ) ) )
std::unique_ptr<TGruppe> ThreeDeep() {
    auto inner = std::make_unique<TGruppe>();
    inner->AddMember(Hole({300, 300}));
    inner->AddMember(Line({0, 0}, {50, 50}));
    inner->GroupName.SetText("innen");
    auto middle = std::make_unique<TGruppe>();
    auto circle = std::make_unique<TKreis>();
    circle->Centre = {1000, 1000};
    circle->RimPoint = {1100, 1000};
    circle->BuildContour();
    middle->AddMember(std::move(circle));
    middle->AddMember(std::move(inner));
    auto outer = std::make_unique<TGruppe>();
    outer->AddMember(Line({10, 20}, {30, 40}));
    outer->AddMember(std::move(middle));
    outer->Description.SetText("Knopf");
    return outer;
}

TEST(Gruppe, NestedThreeDeepRoundTrip) {
    LanguageGuard language(Language::German);
    std::unique_ptr<TGruppe> g = ThreeDeep();
    Bytes bytes = Record(*g);
    std::unique_ptr<TBauteil> copy = ReadBack(*g);
    EXPECT_EQ(Record(*copy), bytes);
    auto& outer = dynamic_cast<TGruppe&>(*copy);
    ASSERT_EQ(outer.MemberCount(), 2u);
    EXPECT_STREQ(outer.Member(0)->ClassName(), "TLinie");
    auto& middle = dynamic_cast<TGruppe&>(*outer.Member(1));
    ASSERT_EQ(middle.MemberCount(), 2u);
    EXPECT_STREQ(middle.Member(0)->ClassName(), "TKreis");
    auto& inner = dynamic_cast<TGruppe&>(*middle.Member(1));
    ASSERT_EQ(inner.MemberCount(), 2u);
    EXPECT_STREQ(inner.Member(0)->ClassName(), "TBohrung");
    EXPECT_EQ(inner.GroupName.Text(), "innen");
    EXPECT_EQ(outer.Description.Text(), "Knopf");
    // After the base record: member count - 1, the 41-byte name, then per member its class
    // name and record.
    TBauteil plain;
    const size_t base = Record(plain).size();
    EXPECT_EQ(Bytes(bytes.begin() + base, bytes.begin() + base + 9),
              (Bytes{2, 1, 6, 'G', 'r', 'u', 'p', 'p', 'e'}));
    const size_t member = base + 2 + 41;
    EXPECT_EQ(Bytes(bytes.begin() + member, bytes.begin() + member + 8),
              (Bytes{6, 6, 'T', 'L', 'i', 'n', 'i', 'e'}));
}

TEST(Gruppe, UnknownMemberClassEndsTheReadKeepingEarlierMembers) {
    TGruppe g;
    g.AddMember(Line({0, 0}, {1, 1}));
    g.AddMember(Line({2, 2}, {3, 3}));
    Bytes bytes = Record(g);
    const std::string name = "TLinie";
    auto first = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(first, bytes.end());
    auto second = std::search(first + 1, bytes.end(), name.begin(), name.end());
    ASSERT_NE(second, bytes.end());
    *(second + 1) = 'X';
    TGruppe copy;
    TReader r = ReaderFor(bytes);
    try {
        copy.Read(r);
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Klasse TXinie nicht gefunden");
    }
    EXPECT_EQ(copy.MemberCount(), 1u);
}

TEST(Gruppe, HiddenMembersArePaintedOnlyWhileSelected) {
    TGruppe g;
    g.AddMember(Line({0, 0}, {100, 0}));
    g.AddMember(Line({0, 50}, {100, 50}));
    g.Member(1)->SetHidden(true);
    PanelCanvas c;
    g.Paint(c);
    EXPECT_EQ(c.calls.size(), 1u);
    g.SetSelected(true);
    EXPECT_TRUE(g.GetSelected());
    c.Clear();
    g.Paint(c);
    EXPECT_EQ(c.calls.size(), 2u);
    g.SetSelected(false);
    g.SetVisible(false);
    c.Clear();
    g.Paint(c);
    EXPECT_TRUE(c.calls.empty());
}

TEST(Gruppe, PenWidthOfTheMembersOnlyColourOfBoth) {
    TGruppe g;
    g.AddMember(Line({0, 0}, {100, 0}));
    g.AddMember(ThreeDeep());
    g.SetStiftBreite(77);
    EXPECT_EQ(g.StiftBreite(), 0);
    EXPECT_EQ(g.Member(0)->StiftBreite(), 77);
    auto& nested = dynamic_cast<TGruppe&>(*g.Member(1));
    EXPECT_EQ(nested.Member(0)->StiftBreite(), 77);
    EXPECT_EQ(nested.StiftBreite(), 0);
    g.SetStiftFarbe(0x0000FF);
    EXPECT_EQ(g.StiftFarbe(), 0x0000FFu);
    EXPECT_EQ(nested.Member(0)->StiftFarbe(), 0x0000FFu);
}

TEST(Gruppe, HideMilledReachesHolesInNestedGroups) {
    std::unique_ptr<TGruppe> g = ThreeDeep();
    auto& middle = dynamic_cast<TGruppe&>(*g->Member(1));
    auto& inner = dynamic_cast<TGruppe&>(*middle.Member(1));
    TBauteil* hole = inner.Member(0);
    TBauteil* line = inner.Member(1);
    g->HideMilled(true);
    EXPECT_TRUE(hole->Hidden());
    EXPECT_FALSE(line->Hidden());
    EXPECT_FALSE(middle.Member(0)->Hidden());
    g->HideMilled(false);
    EXPECT_FALSE(hole->Hidden());
    // Everything else: the holes stay, lines and circles go.
    g->HideOthers(true);
    EXPECT_FALSE(hole->Hidden());
    EXPECT_TRUE(line->Hidden());
    EXPECT_TRUE(middle.Member(0)->Hidden());
    EXPECT_TRUE(g->Member(0)->Hidden());
}

TEST(Gruppe, DelegatesBoundsHitTestsAndTransformations) {
    TGruppe g;
    g.AddMember(Line({0, 0}, {100, 0}));
    g.AddMember(Hole({1000, 1000}));
    EXPECT_EQ(g.GetBounds(), (MRect{-25, -25, 1250, 1250}));
    PanelCanvas c;
    EXPECT_TRUE(g.HitTest({1000, 1000}, c));
    EXPECT_TRUE(g.HitTest({50, 0}, c));
    EXPECT_FALSE(g.HitTest({500, 500}, c));
    g.Move({100, 0});
    EXPECT_EQ(g.GetBounds().x1, 75);
    // Scaling the group by itself does nothing; resizing reaches every member.
    g.Scale({0, 0}, 2, 2);
    EXPECT_EQ(g.GetBounds().x1, 75);
    g.Resize({0, 0, 100, 100}, {0, 0, 200, 200});
    EXPECT_EQ(static_cast<TBohrung&>(*g.Member(1)).Diameter, 2000);
    TGruppe empty;
    EXPECT_FALSE(empty.GetRegion(c));
    EXPECT_EQ(empty.InfoText(), "aus 0 Objekten.");
}

TEST(Gruppe, KindNameShowsTheSymbolName) {
    LanguageGuard language(Language::German);
    TGruppe g;
    EXPECT_EQ(g.KindName(), "Gruppe");
    g.Description.SetText("Netzschalter");
    EXPECT_EQ(g.KindName(), "Symbol Netzschalter");
    SetLanguage(Language::English);
    TGruppe e;
    EXPECT_EQ(e.KindName(), "Group");
    e.AddMember(Line({0, 0}, {1, 1}));
    EXPECT_EQ(e.InfoText(), "of 1 objects.");
}

}  // namespace
