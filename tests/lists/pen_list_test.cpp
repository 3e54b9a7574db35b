// The pen list: Stifte.ini read and written, the buttons' operations and the current pen.
#include "core/pen_list.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "lists/list_test_support.h"

namespace pw::test {
namespace {

struct PenListTest : ::testing::Test {
    ListDir dir;
    std::string path = dir.File("Stifte.ini");

    // Anzahl 3, but six pen sections in the file.
    void WriteSixPens() {
        std::string text = "[Stifte]\nAnzahl=3\n";
        for (int i = 0; i < 6; ++i)
            text += "[Stift" + std::to_string(i) + "]\nName=P" + std::to_string(i) +
                    "\nFarbe=" + std::to_string(i) + "\nBreite=" + std::to_string(10 * i) +
                    "\nPattern=" + std::to_string(i % 5) + "\n";
        dir.Write("Stifte.ini", text);
    }
};

TEST_F(PenListTest, CountTakesOnlyTheFirstSectionsAndDeletingRenumbers) {
    WriteSixPens();
    PenList pens(path);
    ASSERT_TRUE(pens.Load());
    ASSERT_EQ(pens.Entries().Count(), 3);
    EXPECT_EQ(pens.Entries().At(0).name, "P0");
    EXPECT_EQ(pens.Entries().At(2).name, "P2");
    EXPECT_EQ(pens.Entries().Selected(), 0);

    pens.SelectLine(1);
    EXPECT_EQ(pens.Current().width, 10);
    ASSERT_TRUE(pens.DeleteSelected());
    EXPECT_EQ(pens.Entries().Selected(), 1);  // the former third line moved into its place
    EXPECT_EQ(pens.Current().width, 20);

    IniFile written(path);
    ASSERT_TRUE(written.Load());
    EXPECT_EQ(written.ReadInteger("Stifte", "Anzahl", -1), 2);
    EXPECT_EQ(written.ReadString("Stift1", "Name"), "P2");
    EXPECT_EQ(written.ReadInteger("Stift1", "Breite", -1), 20);
    EXPECT_EQ(written.ReadInteger("Stift1", "Pattern", -1), 2);
    // Sections of the former longer list stay.
    EXPECT_EQ(written.ReadString("Stift5", "Name"), "P5");
    PenList again(path);
    again.Load();
    EXPECT_EQ(again.Entries().Count(), 2);
}

TEST_F(PenListTest, WritesTheLayoutByteForByte) {
    PenList pens(path);
    pens.SetColour(0x0000FF);
    pens.SetPattern(ptPunkt);
    pens.Add("1", "Rot gepunktet \xC3\xBC");
    EXPECT_EQ(dir.Read("Stifte.ini"),
              "[Stifte]\r\nAnzahl=1\r\n\r\n[Stift0]\r\nName=Rot gepunktet \xFC\r\nFarbe=255\r\n"
              "Breite=50\r\nPattern=1\r\n");
    EXPECT_FALSE(pens.WriteFailed());
}

TEST_F(PenListTest, ValuesFromTheFileAreKeptInRange) {
    dir.Write("Stifte.ini",
              "[Stifte]\nAnzahl=99999\n[Stift0]\nName=a\nFarbe=-5\nBreite=-20\nPattern=9\n"
              "[Stift1]\nName=b\nFarbe=300000000\nBreite=100000\nPattern=-1\n[Stift3]\nName=gap\n");
    PenList pens(path);
    pens.Load();
    ASSERT_EQ(pens.Entries().Count(), 2);  // Stift2 is missing
    const PenValues& a = pens.Entries().At(0).value;
    const PenValues& b = pens.Entries().At(1).value;
    EXPECT_EQ(a.color, 0u);
    EXPECT_EQ(a.width, 0);
    EXPECT_EQ(a.pattern, ptClear);
    EXPECT_EQ(b.color, 0xFFFFFFu);
    EXPECT_EQ(b.width, 500);
    EXPECT_EQ(b.pattern, ptDurchgezogen);
}

TEST_F(PenListTest, MissingFileGivesAnEmptyListAndTheDefaultPen) {
    PenList pens(path);
    EXPECT_TRUE(pens.Load());
    EXPECT_TRUE(pens.Entries().Empty());
    EXPECT_FALSE(pens.Entries().HasSelection());
    EXPECT_EQ(pens.Current().width, 25);
    EXPECT_FALSE(pens.DeleteSelected());
    EXPECT_FALSE(std::filesystem::exists(path));  // nothing changed, nothing written
}

TEST_F(PenListTest, AddingClampsTheWidthAndRefusesText) {
    PenList pens(path);
    PenList::AddResult r = pens.Add("7,5", "neuer Stift");  // beyond the 5 mm of the warning
    EXPECT_EQ(r.outcome, PenList::AddOutcome::Corrected);
    EXPECT_EQ(r.width, 250);
    EXPECT_EQ(pens.Entries().At(0).value.width, 250);
    EXPECT_EQ(pens.Current().width, 250);
    EXPECT_EQ(pens.Add("5", "x").outcome, PenList::AddOutcome::Added);

    r = pens.Add(" 0.35 ", "b");  // 17.5 units: halves to even
    EXPECT_EQ(r.outcome, PenList::AddOutcome::Added);
    EXPECT_EQ(pens.Entries().At(0).value.width, 18);
    EXPECT_EQ(pens.Entries().Selected(), 0);
    EXPECT_EQ(pens.Entries().At(2).name, "neuer Stift");

    EXPECT_EQ(pens.Add("-1", "c").width, 0);
    EXPECT_EQ(pens.Add("abc", "d").outcome, PenList::AddOutcome::Invalid);
    EXPECT_EQ(pens.Add("2 mm", "e").outcome, PenList::AddOutcome::Invalid);
    EXPECT_EQ(pens.Entries().Count(), 4);
}

TEST_F(PenListTest, ControlsFeedTheCurrentPen) {
    WriteSixPens();
    PenList pens(path);
    pens.Load();
    pens.SetWidthText("1,5");
    EXPECT_EQ(pens.Current().width, 75);
    EXPECT_TRUE(pens.Entries().HasSelection());  // typing alone keeps the line
    pens.SetWidthText("-3");
    EXPECT_EQ(pens.Current().width, 0);
    pens.SetWidthText("x");
    EXPECT_EQ(pens.Current().width, 0);
    pens.SetPattern(ptStrich);
    EXPECT_FALSE(pens.Entries().HasSelection());

    pens.SelectLine(2);
    pens.SetColour(0x00FF00);
    EXPECT_FALSE(pens.Entries().HasSelection());
    EXPECT_EQ(pens.Current().width, 20);
    pens.ShowElement({-4, 0x123456, ptPunktStrich});
    EXPECT_EQ(pens.Current().width, 0);
    EXPECT_EQ(pens.Current().pattern, ptPunktStrich);
}

TEST_F(PenListTest, MovingAndRenamingWriteTheFile) {
    WriteSixPens();
    PenList pens(path);
    pens.Load();
    EXPECT_FALSE(pens.MoveSelected(-1));
    EXPECT_TRUE(pens.MoveSelected(1));
    EXPECT_EQ(pens.Entries().Selected(), 1);
    EXPECT_EQ(pens.Entries().At(1).name, "P0");
    EXPECT_TRUE(pens.Rename(0, "\xCE\xA9 erste\nZeile"));  // what the file cannot hold
    EXPECT_EQ(pens.Entries().At(0).name, "? erste Zeile");
    EXPECT_TRUE(pens.Rename(0, "erste\nZeile"));
    EXPECT_FALSE(pens.Rename(0, "erste Zeile"));  // unchanged
    EXPECT_FALSE(pens.Rename(7, "none"));

    IniFile written(path);
    written.Load();
    EXPECT_EQ(written.ReadString("Stift0", "Name"), "erste Zeile");
    EXPECT_EQ(written.ReadString("Stift1", "Name"), "P0");
}

TEST_F(PenListTest, SampleWidthIsAPixelPerTwelveUnits) {
    EXPECT_EQ(PenList::SampleWidth(50), 4);
    EXPECT_EQ(PenList::SampleWidth(11), 0);
    EXPECT_EQ(PenList::SampleWidth(500), 41);
}

TEST_F(PenListTest, UnwritableFileIsReported) {
    PenList pens(dir.File("missing-folder/Stifte.ini"));
    pens.Add("1", "x");
    EXPECT_TRUE(pens.WriteFailed());
    EXPECT_EQ(pens.Entries().Count(), 1);
}

}  // namespace
}  // namespace pw::test
