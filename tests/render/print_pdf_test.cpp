// Printouts as PDF, read back with poppler's tools: sizes on paper, calibration, copies,
// mirroring and a panel split over sheets.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "elements/bohrung.h"
#include "render/image_probe.h"
#include "render/pdf_readback.h"
#include "render/print_job.h"

using namespace pw;
using pw::test::PaintedBox;
using pw::test::PixelColor;

namespace {

constexpr int kDpi = 254;  // ten pixels per millimetre

std::unique_ptr<TPlatine> Panel(Real widthMm, Real heightMm) {
    auto p = std::make_unique<TPlatine>();
    p->Width = widthMm * 50;
    p->Height = heightMm * 50;
    return p;
}

void AddDrill(TPlatine& p, MPoint centreMm, Real diameterMm) {
    auto d = std::make_unique<TBohrung>();
    d->Centre = centreMm * 50;
    d->Diameter = diameterMm * 50;
    p.AddElement(std::move(d));
}

// Only what the elements paint: no surface, frame, rulers or data.
PrintSettings Bare() {
    PrintSettings s;
    s.WillsteHintergrund = s.WillsteRahmen = s.WillsteLineale = s.WillsteInfos = false;
    return s;
}

QByteArray Print(TPlatine& panel, const PrintSettings& s, Calibration c = {},
                 QPageLayout::Orientation o = QPageLayout::Portrait) {
    PrintJob job{&panel, s, c, {}};
    PdfOutput out = PrintToPdf(job, PdfSheetLayout(QPageSize(QPageSize::A4), o));
    EXPECT_EQ(out.failure, PrintFailure::None);
    return out.bytes;
}

// A dark pixel at (x, y) or next to it.
bool Dark(const QImage& img, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (img.valid(x + dx, y + dy) && qGray(img.pixel(x + dx, y + dy)) < 100) return true;
    return false;
}

// Whether the pixel's colour is found at (x, y) of the other picture or next to it.
bool NearSame(const QImage& img, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (img.valid(x + dx, y + dy) && img.pixel(x + dx, y + dy) == colour) return true;
    return false;
}

TEST(PrintPdf, TenMillimetreDrillPrintsTenMillimetresOnAnA4Page) {
    auto p = Panel(40, 40);
    AddDrill(*p, {20, 20}, 10);
    QByteArray pdf = Print(*p, Bare());
    test::PdfInfo info = test::ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_NEAR(info.widthPt, 595.276, 0.01);
    EXPECT_NEAR(info.heightPt, 841.89, 0.01);
    QImage page = test::RasterisePage(pdf, 1, kDpi);
    EXPECT_NEAR(page.width(), 2100, 1);
    EXPECT_NEAR(page.height(), 2970, 1);
    QRect hole = PaintedBox(page, kWhite);
    EXPECT_NEAR(hole.width(), 100, 1);
    EXPECT_NEAR(hole.height(), 100, 1);
    // Centred on the sheet (equal margins).
    EXPECT_NEAR(hole.center().x(), 1050, 1);
    EXPECT_NEAR(hole.center().y(), 1485, 1);
}

TEST(PrintPdf, CalibrationFactorsStretchAndShrinkTheDrill) {
    auto p = Panel(40, 40);
    AddDrill(*p, {20, 20}, 10);
    QImage page = test::RasterisePage(Print(*p, Bare(), {1.02, 0.98}), 1, kDpi);
    QRect hole = PaintedBox(page, kWhite);
    EXPECT_NEAR(hole.width(), 102, 1);
    EXPECT_NEAR(hole.height(), 98, 1);
}

TEST(PrintPdf, ThreeByTwoCopiesSitAtTheirOffsetsWithoutRulersOrData) {
    auto p = Panel(30, 20);
    AddDrill(*p, {10, 10}, 6);
    PrintSettings s;  // rulers and data asked for, frame on, surface off
    s.WillsteHintergrund = false;
    s.WillsteMittig = false;
    s.tilesX = 3;
    s.tilesY = 2;
    s.gapX = s.gapY = 250;
    QImage page = test::RasterisePage(Print(*p, s), 1, kDpi);
    // The block: 5 mm margin + 20 mm offset, 3 x 30 + 2 x 5 mm wide, 2 x 20 + 5 mm high; nothing
    // outside it.
    QRect block = PaintedBox(page, kWhite);
    EXPECT_NEAR(block.left(), 250, 1);
    EXPECT_NEAR(block.top(), 250, 1);
    EXPECT_NEAR(block.width(), 1000, 2);
    EXPECT_NEAR(block.height(), 450, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            const int x = 250 + c * 350 + 100, y = 250 + r * 250 + 100;  // each drill's centre
            EXPECT_EQ(PixelColor(page, x + 10, y + 12), kGrey) << r << c;
            EXPECT_EQ(PixelColor(page, x + 200, y), kWhite) << r << c;
        }
}

TEST(PrintPdf, AMirroredCentredPrintIsTheMirrorImageOfTheNormalOne) {
    auto p = Panel(120, 60);
    AddDrill(*p, {15, 20}, 8);
    AddDrill(*p, {90, 45}, 14);
    PrintSettings s;
    s.WillsteLineale = s.WillsteInfos = false;
    QImage normal = test::RasterisePage(Print(*p, s, {}, QPageLayout::Landscape), 1, 100);
    s.mirrored = true;
    QImage mirrored = test::RasterisePage(Print(*p, s, {}, QPageLayout::Landscape), 1, 100);
    ASSERT_EQ(normal.size(), mirrored.size());
    ASSERT_NE(PaintedBox(normal, kWhite), PaintedBox(normal, kWhite).translated(1, 0));
    // Every pixel of the normal print has its colour at the mirrored place, give or take a pixel.
    int painted = 0, missing = 0;
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb a = normal.pixel(x, y);
            painted += a != qRgb(255, 255, 255);
            missing += !NearSame(mirrored, normal.width() - 1 - x, y, a);
        }
    EXPECT_GT(painted, 50000);
    // A lone pixel where the drill's grey meets its silver rim may fall to either side.
    EXPECT_LT(missing, painted / 5000);
    EXPECT_NE(normal, mirrored);
}

TEST(PrintPdf, ASixHundredMillimetrePanelSplitOverA4HasMarksInTheOverlaps) {
    auto p = Panel(600, 600);
    PrintSettings s = Bare();
    s.split = true;
    QByteArray pdf = Print(*p, s);
    test::PdfInfo info = test::ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 12);  // 4 columns x 3 rows
    EXPECT_NEAR(info.widthPt, 595.276, 0.01);
    // The first two sheets of the top row, at 10 pixels per mm; their printable areas start at
    // 5 mm, the second shows the panel 190 mm further right.
    QImage first = test::RasterisePage(pdf, 1, kDpi), second = test::RasterisePage(pdf, 2, kDpi);
    // The split: 4 x 190 + 10 = 770 mm across, 3 x 277 + 10 = 841 mm down, centred on the panel.
    const double startX = (600 - 770) / 2.0, startY = (600 - 841) / 2.0;
    // The first alignment mark: in the middle of the overlap, halfway down the sheet.
    // Both sheets show it, each at its own place.
    const int markX = 1950 + 50, markY = 1435 + 50;
    const int onSecond = markX - 1900;
    for (int d : {0, 20, -25}) {
        EXPECT_TRUE(Dark(first, markX + d, markY)) << d;
        EXPECT_TRUE(Dark(second, onSecond + d, markY)) << d;
        EXPECT_TRUE(Dark(first, markX, markY + d)) << d;
    }
    EXPECT_FALSE(Dark(first, markX + 60, markY));
    // Crop marks beside the panel's top-left corner: 2 to 7 mm left of it.
    const int cornerX = static_cast<int>(std::lround(50 - startX * 10));
    const int cornerY = static_cast<int>(std::lround(50 - startY * 10));
    EXPECT_TRUE(Dark(first, cornerX - 40, cornerY));
    EXPECT_TRUE(Dark(first, cornerX, cornerY - 40));
    EXPECT_FALSE(Dark(first, cornerX - 10, cornerY - 10));
    // The label in the printable area's corner.
    EXPECT_FALSE(PaintedBox(first.copy(50, 50, 400, 40), kWhite).isEmpty());
}

TEST(PrintPdf, ADeviceWithItsOwnMarginsCentresOnTheExactPrintableArea) {
    // The writer keeps margins to whole points (5 mm are 14.17 points); the printout must not
    // move with them.
    auto p = Panel(40, 40);
    AddDrill(*p, {20, 20}, 10);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(PdfSheetLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait));
        PrintJob job{p.get(), Bare(), {}, {}};
        ASSERT_EQ(PrintOn(job, writer), PrintFailure::None);
    }
    QImage page = test::RasterisePage(bytes, 1, 600);
    QRect hole = PaintedBox(page, kWhite);
    // The drill's centre at 105 mm across (2480.3 pixels) and 148.5 mm down (3507.9 pixels),
    // the page's top edge being where the writer put it (its height rounded to whole points).
    EXPECT_NEAR((hole.left() + hole.right() + 1) / 2.0, 105 / 25.4 * 600, 1.0);
    EXPECT_NEAR((hole.top() + hole.bottom() + 1) / 2.0, 148.5 / 25.4 * 600, 1.0);
}

TEST(PrintPdf, AnOutputThatCannotBeOpenedIsReported) {
    auto p = Panel(40, 40);
    QPdfWriter writer(QStringLiteral("/nonexistent-directory/out.pdf"));
    writer.setPageLayout(PdfSheetLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait));
    PrintJob job{p.get(), PrintSettings{}, {}, {}};
    EXPECT_EQ(PrintOn(job, writer), PrintFailure::NotStarted);
    EXPECT_FALSE(PrintFailureText(PrintFailure::NotStarted).empty());
}

}  // namespace
