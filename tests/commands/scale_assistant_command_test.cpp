#include "panel/scale_assistant_command.h"

#include <set>

#include "command_test_support.h"
#include "core/registry.h"
#include "elements/textlabel.h"
#include "panel/register_elements.h"
#include "scales/skale_bogen.h"

using namespace pw;
using namespace pw::test;

namespace {

struct ScaleAssistantCommand : CommandFixture {
    ScaleAssistant assistant;

    ScaleAssistantCommand() {
        RegisterBuiltinElementClasses();
        panel.ViewWidth = 800;
        panel.ViewHeight = 600;
        assistant.Show();
    }
    bool Run(bool ok) {
        int shown = 0;
        const bool placed = pw::ScaleAssistantCommand(panel, clipboard, assistant, [&] {
            ++shown;
            return ok;
        });
        EXPECT_EQ(shown, 1);
        return placed;
    }
    TScale* Placed() { return dynamic_cast<TScale*>(panel.Element(panel.ElementCount() - 1)); }
    // Every element of the tree below g has the pen colour.
    static bool AllInColour(const TGruppe& g, Color c) {
        for (const auto& m : g.Members()) {
            if (m->StiftFarbe() != c) return false;
            if (auto* sub = dynamic_cast<const TGruppe*>(m.get()); sub && !AllInColour(*sub, c)) return false;
        }
        return true;
    }
    // The fill colours of the elements of a class below g.
    template <class T>
    static std::set<Color> Fills(const TGruppe& g) {
        std::set<Color> out;
        for (const auto& m : g.Members()) {
            if (dynamic_cast<const T*>(m.get())) out.insert(m->BrushFarbe());
            if (auto* sub = dynamic_cast<const TGruppe*>(m.get())) out.merge(Fills<T>(*sub));
        }
        return out;
    }
};

TEST_F(ScaleAssistantCommand, OkPastesTheScaleInBlackOntoALightPanel) {
    TRechteck* box = AddBox(0, 0, 500, 500);
    panel.SelectElement(box, true);
    ASSERT_TRUE(Run(true));
    ASSERT_EQ(panel.ElementCount(), 2u);
    TScale* scale = Placed();
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(scale->StiftFarbe(), kBlack);
    EXPECT_TRUE(AllInColour(*scale, kBlack));
    EXPECT_EQ(scale->MemberCount(), assistant.Scale().MemberCount());
    // It follows the mouse, alone selected, like a pasted selection.
    EXPECT_EQ(panel.EditMode(), emPaste);
    EXPECT_TRUE(scale->GetSelected());
    EXPECT_FALSE(box->GetSelected());
    // The clipboard holds it; whether Paste is offered stays as it was.
    EXPECT_GT(clipboard.stream.bytes.size(), 100u);
    EXPECT_FALSE(clipboard.filled);
    // The assistant keeps its scale, unselected, as built.
    EXPECT_EQ(assistant.Preview().ElementCount(), 1u);
    EXPECT_FALSE(assistant.Scale().GetSelected());
    EXPECT_EQ(assistant.Scale().StiftFarbe(), kBlack);
}

TEST_F(ScaleAssistantCommand, OnADarkPanelTheScaleArrivesWhite) {
    for (Color dark : {Color{0x000000}, Color{0x7F7F7F}, Color{0x2020F0}}) {
        panel.SetFrontplattenFarbe(dark);
        EXPECT_EQ(MarkingColour(panel), kWhite) << std::hex << dark;
    }
    EXPECT_EQ(MarkingColour(panel), kWhite);
    ASSERT_TRUE(Run(true));
    EXPECT_EQ(Placed()->StiftFarbe(), kWhite);
    EXPECT_TRUE(AllInColour(*Placed(), kWhite));
    // The inscriptions are filled white as well, not black inside a white edge.
    EXPECT_EQ(Fills<TTextLabel>(*Placed()), std::set<Color>{kWhite});
    // The preview keeps the scale black.
    EXPECT_TRUE(AllInColour(assistant.Scale(), kBlack));
    EXPECT_EQ(Fills<TTextLabel>(assistant.Scale()), std::set<Color>{kBlack});
    // A mean of 128 counts as light.
    panel.SetFrontplattenFarbe(0x808080);
    EXPECT_EQ(MarkingColour(panel), kBlack);
}

TEST_F(ScaleAssistantCommand, ArcBandsTurnWhiteAndSegmentBandsKeepRedAndGreen) {
    panel.SetFrontplattenFarbe(0x303030);
    assistant.ChangeStyle(ssDecreasingArc);
    ASSERT_TRUE(Run(true));
    EXPECT_EQ(Fills<TSkaleBogen>(*Placed()), std::set<Color>{kWhite});
    panel.SetEditMode(emStandard);
    assistant.ChangeStyle(ssEmpirical);
    const std::set<Color> segmentFills = Fills<TSkaleBogen>(assistant.Scale());
    ASSERT_EQ(segmentFills.size(), 2u);
    ASSERT_TRUE(Run(true));
    EXPECT_EQ(Fills<TSkaleBogen>(*Placed()), segmentFills);
    EXPECT_EQ(Fills<TTextLabel>(*Placed()), std::set<Color>{kWhite});
}

TEST_F(ScaleAssistantCommand, AClickPlacesItAndUndoTakesItBack) {
    ASSERT_TRUE(Run(true));
    MouseEvent e;
    e.pos = {50, 50};  // the middle of the 100 mm panel at zoom 1
    panel.MouseMove(e);
    panel.MouseDown(e);
    panel.MouseUp(e);
    EXPECT_NE(panel.EditMode(), emPaste);
    ASSERT_EQ(panel.ElementCount(), 1u);
    const MRect b = NormaliseRect(Placed()->GetBounds());
    const MPoint at = panel.PixelToModel({50 + panel.ScrollX, 50 + panel.ScrollY});
    EXPECT_NEAR(static_cast<double>((b.x1 + b.x2) / 2), static_cast<double>(at.x), 100);
    EXPECT_NEAR(static_cast<double>((b.y1 + b.y2) / 2), static_cast<double>(at.y), 100);
    ASSERT_TRUE(panel.UndoAvailable());
    panel.Undo();
    EXPECT_EQ(panel.ElementCount(), 0u);
}

TEST_F(ScaleAssistantCommand, CancelLeavesPanelClipboardAndUndoAlone) {
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_FALSE(panel.UndoAvailable());
    EXPECT_TRUE(undo.bytes.empty());
    EXPECT_TRUE(clipboard.stream.bytes.empty());

    // An earlier snapshot stays the one Undo restores.
    AddBox(0, 0, 100, 100);
    panel.SaveUndo();
    const std::vector<uint8_t> before = undo.bytes;
    AddBox(0, 0, 200, 200);
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(undo.bytes, before);
    panel.Undo();
    EXPECT_EQ(panel.ElementCount(), 1u);
}

TEST_F(ScaleAssistantCommand, ALaterPasteInsertsAnotherCopy) {
    clipboard.filled = true;
    ASSERT_TRUE(Run(true));
    panel.SetEditMode(emStandard);
    PasteCommand(panel, clipboard);
    ASSERT_EQ(panel.ElementCount(), 2u);
    EXPECT_STREQ(panel.Element(1)->ClassName(), "TScale");
}

}  // namespace
