// The print arithmetic: exact device scale with calibration, copies and gaps, centring,
// mirroring about the printable area's centre, fitting, dragging and the preview's frame.
#include "core/print_layout.h"

#include <gtest/gtest.h>

#include "core/null_canvas.h"
#include "core/print_plan.h"

using namespace pw;

namespace {

// An A4 sheet at the resolution, 5 mm margins all round.
SheetGeometry A4(double dpi) {
    SheetGeometry s;
    s.dpiX = s.dpiY = dpi;
    const double px = dpi / 25.4;
    s.paperWidth = 210 * px;
    s.paperHeight = 297 * px;
    s.printableLeft = s.printableTop = 5 * px;
    s.printableWidth = 200 * px;
    s.printableHeight = 287 * px;
    return s;
}

// Device x and y of model points under a mapping, unrounded.
struct Mapped {
    NullCanvas canvas;
    explicit Mapped(const CanvasMapping& m) { m.ApplyTo(canvas); }
    double X(Real x) { return static_cast<double>(canvas.DeviceX(x)); }
    double Y(Real y) { return static_cast<double>(canvas.DeviceY(y)); }
};

TEST(PrintScale, LengthsAreTrueWithinAPixelAtAnyResolution) {
    for (double dpi : {72.0, 96.0, 300.0, 600.0, 1200.0, 2540.0}) {
        SheetGeometry sheet = A4(dpi);
        Mapped m(MappingFor(sheet, ScaleOf(sheet, 1.0, {}), {0, 0}, false));
        // 300 mm: rounding to whole pixels per 10 mm would print 1140 instead of 1133.9 pixels at 96 dpi.
        EXPECT_NEAR(m.X(15000) - m.X(0), 300 / 25.4 * dpi, 0.5) << dpi;
        EXPECT_NEAR(m.Y(15000) - m.Y(0), 300 / 25.4 * dpi, 0.5) << dpi;
        // The rounded device points as the canvas gives them.
        EXPECT_NEAR(m.canvas.LPtoDP(IPoint{15000, 0}).x - m.canvas.LPtoDP(IPoint{0, 0}).x, 300 / 25.4 * dpi,
                    1.0);
    }
}

TEST(PrintScale, CalibrationAndMagnificationStretchEachAxis) {
    SheetGeometry sheet = A4(600);
    Mapped calibrated(MappingFor(sheet, ScaleOf(sheet, 1.0, {1.02, 0.98}), {0, 0}, false));
    // A 100 x 50 mm panel measures 102 x 49 mm.
    EXPECT_NEAR(calibrated.X(5000) - calibrated.X(0), 102 / 25.4 * 600, 0.5);
    EXPECT_NEAR(calibrated.Y(2500) - calibrated.Y(0), 49 / 25.4 * 600, 0.5);
    PrintSettings s;
    s.oneToOne = false;
    s.magnification = 250;
    Mapped enlarged(MappingFor(sheet, ScaleOf(sheet, s.Divisor(), {}), {0, 0}, false));
    EXPECT_NEAR(enlarged.X(500) - enlarged.X(0), 25 / 25.4 * 600, 0.5);
}

TEST(PrintCopies, ThreeByTwoWithFiveMillimetreGaps) {
    PrintSettings s;
    s.tilesX = 3;
    s.tilesY = 2;
    s.gapX = s.gapY = 250;
    s.offsetX = s.offsetY = -1000;
    const Real w = 5000, h = 2500;
    EXPECT_EQ(CopyOrigin(w, h, s, 0, 0), (IPoint{-1000, -1000}));
    EXPECT_EQ(CopyOrigin(w, h, s, 0, 1), (IPoint{-1000 - 5250, -1000}));
    EXPECT_EQ(CopyOrigin(w, h, s, 1, 2), (IPoint{-1000 - 10500, -1000 - 2750}));
    EXPECT_EQ(BlockSize(w, h, s).x, 3 * 5000 + 2 * 250);
    EXPECT_EQ(BlockSize(w, h, s).y, 2 * 2500 + 250);
    EXPECT_FALSE(s.Decorations());
    s.tilesX = s.tilesY = 1;
    EXPECT_TRUE(s.Decorations());
    s.split = true;
    EXPECT_FALSE(s.Decorations());
}

TEST(PrintCentring, TheBlockSitsInTheMiddleAndMirroringReflectsAboutIt) {
    SheetGeometry sheet = A4(600);
    PrintSettings s;
    s.tilesX = 2;
    s.gapX = 500;
    const Real w = 4000, h = 2500;
    PrintPlan plan = PlanPrint(w, h, s, {}, sheet);
    ASSERT_TRUE(plan.fits);
    Mapped normal(MappingFor(sheet, plan.scale, plan.Origin(0, 0, 0), false));
    Mapped last(MappingFor(sheet, plan.scale, plan.Origin(0, 0, 1), false));
    // Equal space left of the first copy and right of the last.
    EXPECT_NEAR(normal.X(0), sheet.printableWidth - last.X(w), 1.0);
    EXPECT_NEAR(normal.Y(0), sheet.printableHeight - normal.Y(h), 1.0);
    // Mirrored: every point lands where the normal print has its mirror image.
    Mapped mirrored(MappingFor(sheet, plan.scale, plan.Origin(0, 0, 0), true));
    for (Real x : {0.0L, 1234.0L, 4000.0L})
        EXPECT_NEAR(mirrored.X(x), sheet.printableWidth - normal.X(x), 0.5);
    EXPECT_NEAR(mirrored.Y(777), normal.Y(777), 1e-9);
    EXPECT_LT(mirrored.canvas.WindowExt().x, 0);
    // With calibration the block is still centred on the device.
    PrintPlan calibrated = PlanPrint(w, h, s, {1.2, 0.8}, sheet);
    Mapped c0(MappingFor(sheet, calibrated.scale, calibrated.Origin(0, 0, 0), false));
    Mapped c1(MappingFor(sheet, calibrated.scale, calibrated.Origin(0, 0, 1), false));
    EXPECT_NEAR(c0.X(0), sheet.printableWidth - c1.X(w), 1.0);
}

TEST(PrintFit, ABlockBeyondThePrintableAreaIsReported) {
    SheetGeometry sheet = A4(300);
    PrintSettings s;
    EXPECT_TRUE(PlanPrint(10000, 14000, s, {}, sheet).fits);
    EXPECT_FALSE(PlanPrint(10050, 14000, s, {}, sheet).fits);  // 201 mm on 200 mm
    s.WillsteMittig = false;
    s.offsetX = 100;  // the panel starts 2 mm left of the printable area
    EXPECT_FALSE(PlanPrint(1000, 1000, s, {}, sheet).fits);
    s.offsetX = -1000;
    EXPECT_TRUE(PlanPrint(1000, 1000, s, {}, sheet).fits);
}

TEST(PrintDrag, OffsetsFollowThePointerAndStopAtTheLimit) {
    // 2 preview pixels per mm: 10 pixels to the right are 5 mm, the origin moves 250 units.
    EXPECT_EQ(DraggedOffsets({-1000, -1000}, {100, 100}, {110, 96}, 2, 2, 1.0, false), (IPoint{-1250, -900}));
    EXPECT_EQ(DraggedOffsets({-1000, -1000}, {100, 100}, {110, 100}, 2, 2, 1.0, true), (IPoint{-750, -1000}));
    EXPECT_EQ(DraggedOffsets({-1000, 0}, {100, 100}, {110, 100}, 2, 2, 0.5, false), (IPoint{-1125, 0}));
    EXPECT_EQ(DraggedOffsets({30900, -30900}, {500, 0}, {0, 500}, 1, 1, 1.0, false), (IPoint{31000, -31000}));
}

TEST(PrintPreview, ThePageFitsTheAreaCentredWithItsPaperAround) {
    SheetGeometry sheet = A4(600);
    // A tall area: the width decides.
    PreviewFrame f = FramePreview(sheet, 450, 1050);
    EXPECT_NEAR(f.pageWidth, 400, 1e-9);
    EXPECT_NEAR(f.pageHeight, 400 * 287.0 / 200, 1e-6);
    EXPECT_NEAR(f.pageLeft, 25, 1e-9);
    EXPECT_NEAR(f.pageTop, 25 + (1000 - f.pageHeight) / 2, 1e-9);
    EXPECT_NEAR(f.paperLeft, 15, 1e-9);
    EXPECT_NEAR(f.paperWidth, 420, 1e-9);
    // A wide area: the height decides.
    f = FramePreview(sheet, 2000, 337);
    EXPECT_NEAR(f.pageHeight, 287, 1e-9);
    SheetGeometry preview = PreviewSheet(sheet, f);
    EXPECT_NEAR(preview.PrintableWidthMm(), 200, 1e-9);
    EXPECT_NEAR(preview.originX, f.pageLeft, 1e-9);
    Mapped m(MappingFor(preview, ScaleOf(preview, 1.0, {}), {-1000, -1000}, false));
    EXPECT_NEAR(m.X(0), f.pageLeft + 20, 0.5);  // 20 mm at one pixel per mm
}

}  // namespace
