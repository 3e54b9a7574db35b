#include "panel/scale_assistant.h"

#include <gtest/gtest.h>

#include "scale_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

// Style 1 ("runde Skale mit linearer Teilung"): the rows the tests use.
constexpr size_t kAngle = 0, kRunningLine = 2, kSegments1 = 4, kLength1 = 5;

// An assistant whose preview sits in a view of 249 x 277 pixels and counts its repaints.
struct Assistant : ::testing::Test {
    ScaleAssistant a;
    int repaints = 0;

    Assistant() {
        a.Preview().ViewWidth = 249;
        a.Preview().ViewHeight = 277;
        a.Preview().OnRepaint = [this] { ++repaints; };
        a.Show();
        repaints = 0;
    }
    TScaleParam& Param(size_t i) { return a.Scale().Params()[i]; }
};

TEST_F(Assistant, PreviewHoldsTheOneScaleAndShowsItWhole) {
    TPlatine& p = a.Preview();
    EXPECT_EQ(p.EditMode(), emZoom);
    EXPECT_EQ(p.State.cursor, crLupe);
    EXPECT_EQ(p.Width, 30000);
    ASSERT_EQ(p.ElementCount(), 1u);
    EXPECT_EQ(p.Element(0), &a.Scale());
    EXPECT_EQ(a.Scale().TextFont, p.CurrentFont);
    EXPECT_EQ(p.StoredFrontplattenFarbe(), TPlatine().StoredFrontplattenFarbe());
    EXPECT_EQ(a.Scale().Style(), ssRoundLinear);
    EXPECT_EQ(a.CurrentParam(), 0u);
    // Zoomed so that the scale fills the view but for a margin.
    const MRect b = NormaliseRect(a.Scale().GetBounds());
    const IPoint tl = p.ModelToView({b.x1, b.y1}), br = p.ModelToView({b.x2, b.y2});
    EXPECT_GE(tl.x, 0);
    EXPECT_GE(tl.y, 0);
    EXPECT_LE(br.x, 249);
    EXPECT_LE(br.y, 277);
    EXPECT_GT(std::max(br.x - tl.x, br.y - tl.y), 200);
}

TEST_F(Assistant, StyleChangeGoesBackToTheDefaultsAndSwitchesTheInscriptionButton) {
    a.SelectParam(kLength1, "");
    EXPECT_EQ(a.CommitCurrent("3"), ParamCommit::Changed);
    const std::vector<std::string> texts = a.Scale().Inscriptions;
    for (int s = 0; s < kScaleStyleCount; ++s) {
        a.ChangeStyle(s);
        EXPECT_EQ(a.Scale().Style(), s);
        EXPECT_EQ(a.InscriptionsEnabled(), s <= 6) << s;
        EXPECT_EQ(a.CurrentParam(), 0u);
    }
    // Styles without inscriptions leave the texts alone.
    EXPECT_EQ(a.Scale().Inscriptions, texts);
    a.ChangeStyle(ssRoundLinear);
    EXPECT_EQ(Param(kLength1).RealValue, StyleParams(ssRoundLinear)[kLength1].RealValue);
    // Choosing the style shown also restores its defaults.
    a.SelectParam(kAngle, "");
    a.CommitCurrent("90");
    a.ChangeStyle(ssRoundLinear);
    EXPECT_EQ(Param(kAngle).RealValue, 270);
}

TEST_F(Assistant, ZeroForTheTickLengthIsCorrectedToTheInnerBound) {
    EXPECT_EQ(a.SelectParam(kLength1, "270"), ParamCommit::Unchanged);
    EXPECT_TRUE(a.CurrentEditable());
    EXPECT_EQ(a.CommitCurrent("0"), ParamCommit::Corrected);
    EXPECT_EQ(Param(kLength1).RealValue, -0.01L);
    EXPECT_EQ(a.ValueTexts("Ja", "Nein")[kLength1], "-0,01");
    EXPECT_GT(repaints, 0);
    ScaleLanguage english(Language::English);
    EXPECT_EQ(a.ValueTexts("Yes", "No")[kLength1], "-0.01");
}

TEST_F(Assistant, CommaOrPointAndTheStoredValueAgain) {
    a.SelectParam(kLength1, "");
    EXPECT_EQ(a.CommitCurrent("2,5"), ParamCommit::Changed);
    EXPECT_EQ(Param(kLength1).RealValue, 2.5L);
    EXPECT_GT(repaints, 0);
    // The same value again: no rebuild.
    repaints = 0;
    EXPECT_EQ(a.CommitCurrent("2.5"), ParamCommit::Unchanged);
    EXPECT_EQ(a.CommitCurrent(" 2,50 "), ParamCommit::Unchanged);
    EXPECT_EQ(repaints, 0);
    // An empty cell reads 0.
    EXPECT_EQ(a.CommitCurrent(""), ParamCommit::Corrected);
    EXPECT_EQ(Param(kLength1).RealValue, -0.01L);
}

TEST_F(Assistant, WholeNumbersAreRoundedAndRowChangesCommitFirst) {
    a.SelectParam(kSegments1, "");
    // Leaving the row commits what its cell holds.
    EXPECT_EQ(a.SelectParam(kLength1, "12,5"), ParamCommit::Changed);
    EXPECT_EQ(Param(kSegments1).IntValue, 12);
    EXPECT_EQ(a.CurrentParam(), kLength1);
    EXPECT_EQ(a.Scale().TickGroup->MemberCount(), 13u);
    a.SelectParam(kSegments1, "7");
    EXPECT_EQ(a.CommitCurrent("12.4"), ParamCommit::Unchanged);
    EXPECT_EQ(a.CommitCurrent("99"), ParamCommit::Corrected);
    EXPECT_EQ(Param(kSegments1).IntValue, 50);
}

TEST_F(Assistant, KeysAndDoubleClickSetYesNoValuesOnly) {
    a.SelectParam(kRunningLine, "270");
    EXPECT_FALSE(a.CurrentEditable());
    ASSERT_TRUE(Param(kRunningLine).BoolValue);
    EXPECT_FALSE(a.KeyOnCurrent(U'j'));  // already yes
    EXPECT_TRUE(a.KeyOnCurrent(U'N'));
    EXPECT_FALSE(Param(kRunningLine).BoolValue);
    EXPECT_TRUE(a.KeyOnCurrent(U'y'));
    EXPECT_TRUE(a.KeyOnCurrent(U' '));
    EXPECT_FALSE(Param(kRunningLine).BoolValue);
    EXPECT_TRUE(a.ToggleCurrent());
    EXPECT_TRUE(Param(kRunningLine).BoolValue);
    repaints = 0;
    EXPECT_FALSE(a.KeyOnCurrent(U'x'));
    EXPECT_FALSE(a.KeyOnCurrent(U'Y'));
    EXPECT_EQ(repaints, 0);
    // A yes/no row is never committed from a cell text.
    EXPECT_EQ(a.CommitCurrent("0"), ParamCommit::Unchanged);
    EXPECT_TRUE(Param(kRunningLine).BoolValue);
    // The keys leave numbers alone.
    a.SelectParam(kAngle, "");
    EXPECT_TRUE(a.CurrentEditable());
    EXPECT_FALSE(a.KeyOnCurrent(U' '));
    EXPECT_FALSE(a.ToggleCurrent());
    EXPECT_EQ(Param(kAngle).RealValue, 270);
}

}  // namespace
