// A panel split over sheets, and the calibration factors: reading, measuring, keeping per printer.
#include <gtest/gtest.h>

#include "core/print_calibration.h"
#include "core/print_plan.h"

using namespace pw;

namespace {

SheetGeometry Printable(double widthMm, double heightMm, double dpi = 254) {
    SheetGeometry s;
    s.dpiX = s.dpiY = dpi;
    s.printableWidth = s.paperWidth = widthMm * dpi / 25.4;
    s.printableHeight = s.paperHeight = heightMm * dpi / 25.4;
    return s;
}

TEST(SheetSplit, SixHundredMillimetresOverA4) {
    PrintSettings s;
    s.split = true;
    PrintPlan plan = PlanPrint(30000, 30000, s, {}, Printable(200, 287));
    // Columns: 4 x 200 - 3 x 10 = 770 mm >= 600 > 580; rows: 3 x 287 - 2 x 10 = 841 >= 600 > 564.
    EXPECT_EQ(plan.split.columns, 4);
    EXPECT_EQ(plan.split.rows, 3);
    EXPECT_EQ(plan.SheetCount(), 12);
    EXPECT_EQ(plan.split.overlap, 500);
    // Centred: as much paper left of the panel as right of it.
    const SheetSplit& sp = plan.split;
    EXPECT_NEAR(static_cast<double>(sp.start.x), -(770 - 600) / 2.0 * 50, 1e-6);
    EXPECT_EQ(plan.Origin(5, 0, 0), RoundPoint({sp.start.x + sp.step.x, sp.start.y + sp.step.y}));
    // Neighbours share the overlap: the next sheet starts 10 mm before this one ends.
    EXPECT_NEAR(static_cast<double>(sp.start.x + sp.step.x),
                static_cast<double>(sp.start.x + sp.area.x - 500), 1e-6);
}

TEST(SheetSplit, PanelsThatFitTakeOneSheetAndOverlapStaysSmallerThanTheSheet) {
    PrintSettings s;
    s.split = true;
    EXPECT_EQ(PlanPrint(10000, 14350, s, {}, Printable(200, 287)).SheetCount(), 1);
    s.oneToOne = false;
    s.magnification = 200;  // 101 mm prints 202 mm
    PrintPlan twice = PlanPrint(5050, 5000, s, {}, Printable(200, 287));
    EXPECT_EQ(twice.split.columns, 2);
    EXPECT_EQ(twice.split.overlap, 250);  // 10 mm on paper
    // A panel that fills its sheets exactly takes one more, for its crop marks.
    s.magnification = 100;
    s.oneToOne = true;
    EXPECT_EQ(PlanPrint(3 * 9500 + 500, 10000, s, {}, Printable(200, 287)).split.columns, 4);
    s.overlap = 100000;
    PrintPlan plan = PlanPrint(30000, 30000, s, {}, Printable(200, 287));
    EXPECT_EQ(plan.split.overlap, plan.split.area.x / 2);
    EXPECT_GT(plan.split.step.x, 0);
}

TEST(SheetSplit, MarksLieInTheOverlapsAndAtTheCorners) {
    PrintSettings s;
    s.split = true;
    PrintPlan plan = PlanPrint(30000, 30000, s, {}, Printable(200, 287));
    const SheetSplit& sp = plan.split;
    std::vector<IPoint> marks = AlignmentMarks(sp);
    // Three strips between four columns in three rows, two strips between rows in four columns.
    ASSERT_EQ(marks.size(), 3u * 3 + 2u * 4);
    for (size_t i = 0; i < 9; ++i) {
        const int k = static_cast<int>(i) / 3;
        const Real from = sp.start.x + (k + 1) * sp.step.x, to = sp.start.x + k * sp.step.x + sp.area.x;
        EXPECT_GE(marks[i].x, from);
        EXPECT_LE(marks[i].x, to);
    }
    std::vector<Segment> crops = CropMarks(30000, 30000, 1.0);
    ASSERT_EQ(crops.size(), 8u);
    for (const Segment& c : crops) {
        // Outside the panel, along one of its edges.
        const bool outside = c.first.x < 0 || c.first.x > 30000 || c.first.y < 0 || c.first.y > 30000;
        EXPECT_TRUE(outside);
        EXPECT_TRUE(c.first.x == c.second.x || c.first.y == c.second.y);
    }
    // 5 mm on paper, also when the print is enlarged three times.
    EXPECT_EQ(crops[0].second.x - crops[0].first.x, -250);
    std::vector<Segment> enlarged = CropMarks(30000, 30000, 1.0 / 3);
    EXPECT_NEAR(enlarged[0].second.x - enlarged[0].first.x, -250.0 / 3, 1);
    // Mirrored, the columns count from the other side.
    EXPECT_EQ(sp.AssemblyColumn(0, true), 3);
    EXPECT_EQ(sp.AssemblyColumn(0, false), 0);
}

TEST(Calibration, FactorsAcceptACommaAndStayWithinRange) {
    auto c = ParseCalibration("1,02", " 0.98 ");
    ASSERT_TRUE(c);
    EXPECT_DOUBLE_EQ(c->h, 1.02);
    EXPECT_DOUBLE_EQ(c->v, 0.98);
    EXPECT_TRUE(ParseCalibration("0.8", "1.2"));
    EXPECT_FALSE(ParseCalibration("1.21", "1"));
    EXPECT_FALSE(ParseCalibration("1", "abc"));  // no number reads as 0
    EXPECT_EQ(FormatFactor(1.02, ','), "1,02000");
}

TEST(Calibration, AMeasuredTestPrintGivesTheFactor) {
    // 100 mm printed as 98.6 mm: stretch by 100 / 98.6.
    EXPECT_NEAR(*FactorFromMeasurement(1.0, 100, 98.6), 1.014199, 1e-6);
    // Printed with 1.02 already and still 0.5 mm short.
    EXPECT_NEAR(*FactorFromMeasurement(1.02, 100, 99.5), 1.02 * 100 / 99.5, 1e-12);
    EXPECT_FALSE(FactorFromMeasurement(1.0, 100, 0));
    EXPECT_FALSE(FactorFromMeasurement(1.0, -1, 100));
}

TEST(Calibration, KeptPerPrinterInTheSettings) {
    IniFile ini;
    WriteCalibration(ini, "Laser", {1.02, 0.98});
    WriteCalibration(ini, "odd=name", {0.9, 1.1});
    EXPECT_EQ(ReadCalibration(ini, "laser"), (Calibration{1.02, 0.98}));
    EXPECT_EQ(ReadCalibration(ini, "odd=name"), (Calibration{0.9, 1.1}));
    EXPECT_EQ(ReadCalibration(ini, "Inkjet"), Calibration{});
    ini.Parse("[Kalibrierung]\r\nLaser=3 1\r\n");
    EXPECT_EQ(ReadCalibration(ini, "Laser"), Calibration{});
    IniFile again;
    WriteCalibration(ini, "Laser", {1.1, 1.0});
    again.Parse(ini.Serialise());
    EXPECT_EQ(ReadCalibration(again, "Laser"), (Calibration{1.1, 1.0}));
}

}  // namespace
