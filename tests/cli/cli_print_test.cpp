// "plattenwerk-cli print": the options reach the printout (paper, orientation, calibration,
// mirroring, offset, copies, splitting), read back with poppler's tools; wrong options are
// refused and a panel that does not fit is reported.
#include <gtest/gtest.h>

#include "cli/cli_fixture.h"
#include "render/image_probe.h"
#include "render/pdf_readback.h"

using namespace pw::test;

namespace {

class CliPrint : public testing::Test {
  protected:
    void SetUp() override { WriteFile(doc, SampleDocument()); }

    // Prints the first panel with the options; the result's page 1 at 10 pixels per mm.
    QImage PrintPage(std::vector<std::string> options) {
        std::vector<std::string> args = {"print", doc, pdf};
        args.insert(args.end(), options.begin(), options.end());
        CliResult r = RunCli(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return RasterisePage(pdf, 1, 254);
    }

    TempDir dir;
    std::string doc = dir.File("doc.fpl");
    std::string pdf = dir.File("out.pdf");
};

// Only the drill holes: no surface, frame, rulers or data.
const std::vector<std::string> kDrillsOnly = {"--hide", "background,frame,rulers,data"};

TEST_F(CliPrint, PaperAndOrientation) {
    ASSERT_EQ(RunCli({"print", doc, pdf}).code, 0);
    PdfInfo a4 = ReadPdfInfo(pdf);
    EXPECT_EQ(a4.pages, 1);
    EXPECT_NEAR(a4.widthPt, 595.276, 0.01);
    ASSERT_EQ(RunCli({"print", doc, pdf, "--paper", "a3", "--landscape"}).code, 0);
    PdfInfo a3 = ReadPdfInfo(pdf);
    EXPECT_NEAR(a3.widthPt, 1190.55, 0.01);
    EXPECT_NEAR(a3.heightPt, 841.89, 0.01);
    ASSERT_EQ(RunCli({"print", doc, pdf, "--paper=120x150"}).code, 0);
    EXPECT_NEAR(ReadPdfInfo(pdf).widthPt, 120 * 72 / 25.4, 0.01);
}

TEST_F(CliPrint, CalibrationMirrorAndOffsetMoveAndStretchTheDrills) {
    std::vector<std::string> o = kDrillsOnly;
    QRect normal = PaintedBox(PrintPage(o), pw::kWhite);
    // The drills span 8.5 to 63 mm across and 7 to 33 mm down on the panel.
    EXPECT_NEAR(normal.width(), 545, 2);
    EXPECT_NEAR(normal.height(), 260, 2);
    o.insert(o.end(), {"--calibrate", "1.02,0.98"});
    QRect calibrated = PaintedBox(PrintPage(o), pw::kWhite);
    EXPECT_NEAR(calibrated.width(), 545 * 1.02, 2);
    EXPECT_NEAR(calibrated.height(), 260 * 0.98, 2);
    o = kDrillsOnly;
    o.push_back("--mirror");
    QImage mirroredPage = PrintPage(o);
    QRect mirrored = PaintedBox(mirroredPage, pw::kWhite);
    EXPECT_NEAR(mirrored.left(), mirroredPage.width() - 1 - normal.right(), 2);
    EXPECT_EQ(mirrored.top(), normal.top());
    o = kDrillsOnly;
    o.insert(o.end(), {"--offset", "10,20"});
    QRect placed = PaintedBox(PrintPage(o), pw::kWhite);
    // 5 mm margin + 10 mm + 8.5 mm, 5 mm + 20 mm + 7 mm.
    EXPECT_NEAR(placed.left(), 235, 2);
    EXPECT_NEAR(placed.top(), 320, 2);
}

TEST_F(CliPrint, CopiesAndSplitting) {
    std::vector<std::string> o = kDrillsOnly;
    o.insert(o.end(), {"--copies", "2x3", "--gap", "5,5"});
    QRect block = PaintedBox(PrintPage(o), pw::kWhite);
    // From the first copy's first drill to the last copy's last: 105 mm and 2 x 55 mm further.
    EXPECT_NEAR(block.width(), 545 + 1050, 3);
    EXPECT_NEAR(block.height(), 260 + 1100, 3);
    // 100 x 50 mm at 300 %: 300 mm across needs two A4 sheets.
    ASSERT_EQ(RunCli({"print", doc, pdf, "--zoom", "300", "--split", "--overlap", "15"}).code, 0);
    EXPECT_EQ(ReadPdfInfo(pdf).pages, 2);
}

TEST_F(CliPrint, APanelThatDoesNotFitIsReported) {
    CliResult r = RunCli({"print", doc, pdf, "--zoom", "250"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.err.find("--split"), std::string::npos);
    EXPECT_EQ(RunCli({"print", doc, pdf, "--zoom", "150"}).err, "");
}

TEST_F(CliPrint, WrongOptionsAreRefusedAndNothingIsWritten) {
    for (std::vector<std::string> bad : {std::vector<std::string>{"--calibrate", "1.3,1"},
                                         {"--calibrate", "1"},
                                         {"--copies", "21x1"},
                                         {"--copies", "2x2", "--split"},
                                         {"--zoom", "0"},
                                         {"--hide", "frame,colour"},
                                         {"--paper", "B5"},
                                         {"--paper", "10x10"},
                                         {"--offset", "10"},
                                         {"--panel", "7"},
                                         {"--overlap", "80"},
                                         {"--bogus"}}) {
        std::vector<std::string> args = {"print", doc, pdf};
        args.insert(args.end(), bad.begin(), bad.end());
        CliResult r = RunCli(args);
        EXPECT_EQ(r.code, 2) << bad[0];
        EXPECT_FALSE(r.err.empty()) << bad[0];
    }
    EXPECT_EQ(RunCli({"print", doc}).code, 2);
    EXPECT_EQ(RunCli({"print", doc, "--printer", "no-such-printer"}).code, 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_NE(RunCli({"print", "--help"}).out.find("--split"), std::string::npos);
}

}  // namespace
