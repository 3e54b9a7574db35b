// The panel's index of element bounds against walking every element: after a fixed random
// sequence of edits (adding, mouse drags and clicks, keyboard moves, handle drags, deleting,
// grouping, reordering, mirroring, undo and redo), the front-most element hit, whether the
// pointer is near an element, and the elements near an area are what the walk finds.
#include <limits>
#include <random>

#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "panel/bounds_index.h"
#include "support/element_makers.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

bool Meets(const MRect& b, const MRect& a) {
    return b.x1 <= a.x2 && b.x2 >= a.x1 && b.y1 <= a.y2 && b.y2 >= a.y1;
}

// Every element whose bounds meet the area is answered, once, in list order.
::testing::AssertionResult CoversWalk(const std::vector<size_t>& answer, const BoundsIndex::ElementList& list,
                                      const MRect& area) {
    for (size_t k = 1; k < answer.size(); ++k)
        if (answer[k] <= answer[k - 1]) return ::testing::AssertionFailure() << "answer out of order";
    for (size_t i = 0; i < list.size(); ++i) {
        const MRect b = list[i]->GetBounds().Normalised();
        const bool finite =
            std::isfinite(b.x1) && std::isfinite(b.x2) && std::isfinite(b.y1) && std::isfinite(b.y2);
        if ((!finite || Meets(b, area)) && !std::binary_search(answer.begin(), answer.end(), i))
            return ::testing::AssertionFailure() << "element " << i << " left out";
    }
    return ::testing::AssertionSuccess();
}

TEST(BoundsIndex, AnswersEveryElementMeetingAnAreaThroughInsertsMovesAndDeletions) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    BoundsIndex::ElementList list;
    BoundsIndex index;
    for (int step = 0; step < 3000; ++step) {
        const int op = list.empty() ? 0 : pick(0, 5);
        if (op <= 1) {
            // Mostly small holes; some far away, some huge, one without finite bounds.
            Real x = pick(0, 30000), y = pick(0, 30000), d = pick(20, 400);
            if (step % 97 == 0) x = 1e12L;
            if (step % 89 == 0) d = 50000;
            if (step == 500) d = std::numeric_limits<Real>::quiet_NaN();
            list.insert(list.begin() + pick(0, static_cast<int>(list.size())), Drill(x, y, d));
            index.ListChanged();
        } else if (op == 2) {
            list.erase(list.begin() + pick(0, static_cast<int>(list.size()) - 1));
            index.ListChanged();
        } else {
            TBauteil& e = *list[static_cast<size_t>(pick(0, static_cast<int>(list.size()) - 1))];
            e.Move({static_cast<Real>(pick(-3000, 3000)), static_cast<Real>(pick(-3000, 3000))});
            // Told one by one, or all at once.
            if (op == 5)
                index.RecheckAll();
            else
                index.Touch(&e);
        }
        if (step % 10) continue;
        index.Sync(list);
        std::vector<size_t> answer;
        for (int q = 0; q < 5; ++q) {
            const Real x = pick(-1000, 31000), y = pick(-1000, 31000);
            const MRect area{x, y, x + pick(0, 800), y + pick(0, 800)};
            index.Query(area, answer);
            ASSERT_TRUE(CoversWalk(answer, list, area)) << "step " << step;
        }
    }
    // A small area of a full list is answered without the whole list.
    std::vector<size_t> answer;
    index.Sync(list);
    index.Query({15000, 15000, 15100, 15100}, answer);
    EXPECT_LT(answer.size(), list.size() / 10) << list.size();
}

// Zoom 2 shows the whole 200 x 200 mm panel in 400 x 400 view pixels.
class ElementIndex : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(2);
    }
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    Real Coord() { return static_cast<Real>(Pick(300, 9700)); }
    // A pointer position: on an element's centre, or anywhere.
    IPoint Probe() {
        if (panel.ElementCount() && Pick(0, 1)) {
            MRect b = panel.Element(static_cast<size_t>(Pick(0, static_cast<int>(panel.ElementCount()) - 1)))
                          ->GetBounds();
            return panel.ModelToView({(b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2});
        }
        return {Pick(0, 410), Pick(0, 410)};
    }
    TBauteil* WalkHit(IPoint v, bool selectedOnly) const {
        NullCanvas mapped;
        panel.View().ApplyTo(mapped);
        for (size_t i = panel.ElementCount(); i-- > 0;) {
            TBauteil* e = panel.Element(i);
            if ((!selectedOnly || e->GetSelected()) && e->HitTest(v, mapped)) return e;
        }
        return nullptr;
    }
    bool WalkNear(IPoint v) const {
        for (const auto& e : panel.Elements()) {
            const MRect b = e->GetBounds().Normalised().Expanded(TPlatine::kNearDistance);
            if (NormaliseRect(panel.View().ToDevice(RoundRect(b))).Contains(v)) return true;
        }
        return false;
    }
    void ExpectAnswersOfTheWalk(int step) {
        for (int q = 0; q < 30; ++q) {
            const IPoint v = Probe();
            ASSERT_EQ(panel.HitElement(v, false), WalkHit(v, false)) << "step " << step;
            ASSERT_EQ(panel.HitElement(v, true), WalkHit(v, true)) << "step " << step;
            ASSERT_EQ(panel.ElementNear(v), WalkNear(v)) << "step " << step;
        }
        const Real x = Coord(), y = Coord();
        const MRect area{x, y, x + Pick(0, 2000), y + Pick(0, 2000)};
        ASSERT_TRUE(CoversWalk(panel.ElementsMeeting(area), panel.Elements(), area)) << "step " << step;
    }
    void DragFrom(IPoint from, int dx, int dy) {
        Press(from.x, from.y);
        Move(from.x + dx / 2, from.y + dy / 2);
        Move(from.x + dx, from.y + dy);
        Release(from.x + dx, from.y + dy);
    }
    std::mt19937 rng{20261208};
};

TEST_F(ElementIndex, HitTestsMatchTheWalkThroughARandomEditingSequence) {
    for (int i = 0; i < 40; ++i) panel.AddElement(Drill(Coord(), Coord(), Pick(40, 600)));
    int hits = 0;
    for (int step = 0; step < 400; ++step) {
        switch (Pick(0, 13)) {
            case 0:
                panel.AddElement(Drill(Coord(), Coord(), Pick(40, 600)));
                break;
            case 1: {
                auto g = std::make_unique<TGruppe>();
                for (int k = 0; k < 3; ++k) g->AddMember(Drill(Coord(), Coord(), 100));
                panel.AddElement(std::move(g));
                break;
            }
            case 2:
                AddRect(Coord(), Coord(), Coord(), Coord(), Pick(0, 100));
                break;
            case 3:
                Click(Probe().x, Probe().y, MouseButton::Left, Pick(0, 1));
                break;
            case 4:
                DragFrom(Probe(), Pick(-60, 60), Pick(-60, 60));
                break;
            case 5:
                panel.KeyDown(Pick(0, 1) ? PanelKey::Right : PanelKey::Down, Pick(0, 1), false);
                break;
            case 6:
                if (panel.Sizer)
                    DragFrom(panel.ModelToView(
                                 {Real(panel.Sizer->HandleRect(3).x1), Real(panel.Sizer->HandleRect(3).y1)}),
                             Pick(-20, 20), Pick(-20, 20));
                break;
            case 7:
                panel.SaveUndo();
                panel.DeleteSelected();
                break;
            case 8:
                if (panel.HasMultipleSelection()) panel.Group();
                if (panel.CanUngroup() && Pick(0, 1)) panel.Ungroup();
                break;
            case 9:
                Pick(0, 1) ? panel.Undo() : panel.Redo();
                break;
            case 10:
                Pick(0, 1) ? panel.BringToFront() : panel.SendToBack();
                break;
            case 11:
                panel.MirrorSelected(Pick(0, 1));
                break;
            case 12:
                if (auto* d = dynamic_cast<TBohrung*>(panel.Element(panel.ElementCount() - 1))) {
                    // Edited elsewhere, and reported as every edit is: the panel repaints it.
                    d->Centre = {Coord(), Coord()};
                    d->Diameter = Pick(40, 2000);
                    panel.InvalidateElement(d);
                }
                break;
            case 13:
                for (int k = 0; k < 4 && panel.ElementCount(); ++k)
                    panel.SelectElement(
                        panel.Element(static_cast<size_t>(Pick(0, int(panel.ElementCount()) - 1))), true);
                panel.UpdateSelectionFrame();
                break;
        }
        ASSERT_NO_FATAL_FAILURE(ExpectAnswersOfTheWalk(step));
        hits += WalkHit(Probe(), false) != nullptr;
    }
    // The sequence hit elements often enough to compare something.
    EXPECT_GT(hits, 100);
}

TEST_F(ElementIndex, AnElementDraggedAwayIsHitWhereItWasDropped) {
    TBohrung* d = static_cast<TBohrung*>(panel.AddElement(Drill(2000, 2000, 400)));
    panel.AddElement(Drill(6000, 2000, 400));
    ASSERT_EQ(panel.HitElement({80, 80}, false), d);
    DragFrom({80, 80}, 60, 0);  // 60 pixels at zoom 2: 1500 units
    EXPECT_EQ(d->Centre, (MPoint{3500, 2000}));
    EXPECT_EQ(panel.HitElement({80, 80}, false), nullptr);
    EXPECT_EQ(panel.HitElement({140, 80}, false), d);
    EXPECT_FALSE(panel.ElementNear({70, 80}));  // within 4 mm of where it was
    ASSERT_TRUE(panel.Undo());
    EXPECT_NE(panel.HitElement({80, 80}, false), nullptr);
    EXPECT_EQ(panel.HitElement({140, 80}, false), nullptr);
}

}  // namespace
