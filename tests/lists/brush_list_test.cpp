// The brush list: Fuellung.ini read and written and the current brush.
#include "core/brush_list.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "lists/list_test_support.h"

namespace pw::test {
namespace {

TEST(BrushList, ReadsClampedStylesAndWritesTheLayout) {
    ListDir dir;
    const std::string path =
        dir.Write("Fuellung.ini",
                  "[Fuellung]\nAnzahl=2\n[Fuellung0]\nName=Alu\nFarbe=13158600\nStyle=0\n"
                  "[Fuellung1]\nName=Kaputt\nFarbe=5\nStyle=12\n");
    BrushList brushes(path);
    ASSERT_TRUE(brushes.Load());
    ASSERT_EQ(brushes.Entries().Count(), 2);
    EXPECT_EQ(brushes.Current().color, 13158600u);
    EXPECT_EQ(brushes.Current().style, bsSolid);
    EXPECT_EQ(brushes.Entries().At(1).value.style, bsDiagCross);

    brushes.SetStyle(bsHorizontal);
    EXPECT_FALSE(brushes.Entries().HasSelection());
    brushes.SetColour(0x0000FF);
    brushes.Add("neue F\xC3\xBCllung");
    EXPECT_EQ(brushes.Entries().Selected(), 0);
    EXPECT_EQ(dir.Read("Fuellung.ini"),
              "[Fuellung]\r\nAnzahl=3\r\n[Fuellung0]\r\nName=neue F\xFCllung\r\nFarbe=255\r\nStyle=2\r\n"
              "[Fuellung1]\r\nName=Alu\r\nFarbe=13158600\r\nStyle=0\r\n"
              "\r\n[Fuellung2]\r\nName=Kaputt\r\nFarbe=5\r\nStyle=7\r\n");
}

TEST(BrushList, ButtonsFollowTheSelectionAndTheEditor) {
    BrushList brushes;
    EXPECT_EQ(brushes.Entries().Buttons(false), (ListButtons{true, false, false, false}));
    brushes.Add("a");
    brushes.Add("b");
    EXPECT_EQ(brushes.Entries().Buttons(false), (ListButtons{true, true, false, true}));
    EXPECT_EQ(brushes.Entries().Buttons(true), (ListButtons{}));
    EXPECT_TRUE(brushes.MoveSelected(1));
    EXPECT_EQ(brushes.Entries().Buttons(false), (ListButtons{true, true, true, false}));
    brushes.ShowElement({0x123456, bsCross});
    EXPECT_EQ(brushes.Entries().Buttons(false), (ListButtons{true, false, false, false}));
    EXPECT_EQ(brushes.Current().style, bsCross);
    EXPECT_FALSE(brushes.MoveSelected(1));
}

}  // namespace
}  // namespace pw::test
