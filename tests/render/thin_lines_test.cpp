// Hairlines and the dots of patterned lines as they reach the reader: SVG and PDF pages drawn by
// rsvg-convert and pdftoppm against our own picture at the same resolution, and dotted lines
// drawn where each dot is far less than a pixel long.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

#include "elements/pattern_line.h"
#include "render/external_readers.h"
#include "render/image_probe.h"
#include "render/panel_render.h"
#include "render/render_targets.h"
#include "scales/scale_document.h"

using namespace pw;
using pw::test::InkAmount;
using pw::test::InkMarks;

namespace {

TEST(VectorHairlines, TheDefaultKnobScaleShowsTheInkOfItsPicture) {
    // Its ticks, labels and centre cross are hairlines.
    std::vector<std::string> corrections;
    std::unique_ptr<TScale> scale = MakeScale(ScaleOptions{}, corrections);
    const MRect b = scale->GetBounds();
    scale->Move({500 - b.x1, 500 - b.y1});
    TPlatine panel;
    panel.Width = b.x2 - b.x1 + 1000;
    panel.Height = b.y2 - b.y1 + 1000;
    panel.AddElement(std::move(scale));
    const double picture = InkAmount(RenderPanelImage(panel, 150, false));
    const QImage svg = test::SvgAsPicture(RenderPanelSvg(panel, false), 150);
    const QImage pdf = test::PdfAsPicture(RenderPanelsPdf({&panel}, false), 150);
    ASSERT_FALSE(svg.isNull());
    ASSERT_FALSE(pdf.isNull());
    EXPECT_GT(picture, 1000);
    EXPECT_NEAR(InkAmount(svg), picture, 0.3 * picture);
    EXPECT_NEAR(InkAmount(pdf), picture, 0.3 * picture);
}

struct PatternCase {
    int32_t penWidth;
    TPattern pattern;
    int marks;
};
// 50 mm lines: dotted under a 0.5 mm pen (13 dots) and a hairline (51), dash-dot (3 dashes,
// 3 dots, the closing dash).
constexpr PatternCase kPatterns[] = {{25, ptPunkt, 13}, {0, ptPunkt, 51}, {25, ptPunktStrich, 7}};

// Draws the case at true size on a 60 x 10 mm area.
void DrawPattern(Canvas& c, double dotsPerInch, const PatternCase& p) {
    MapTrueSize(c, dotsPerInch);
    c.SetPenWidth(p.penWidth);
    c.MoveTo({250, 250});
    DrawPatternLine(c, {2750, 250}, p.penWidth * 10 + 100, p.pattern);
}

TEST(PatternLines, EveryDotShowsOnScreenAndInPictures) {
    for (double dpi : {96.0, 150.0})
        for (const PatternCase& p : kPatterns) {
            ImageTarget t(static_cast<int>(dpi * 60 / 25.4), static_cast<int>(dpi * 10 / 25.4));
            DrawPattern(t.Canvas(), dpi, p);
            EXPECT_EQ(InkMarks(t.Finish()), p.marks) << dpi << " dpi, pen " << p.penWidth;
        }
}

TEST(PatternLines, EveryDotReachesThePrinter) {
    for (const PatternCase& p : kPatterns) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(150);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(60, 10), QPageSize::Millimeter),
                                         QPageLayout::Portrait, QMarginsF()));
        PrinterTarget target(writer);
        DrawPattern(target.Canvas(), 150, p);
        target.Finish();
        EXPECT_EQ(InkMarks(test::PdfAsPicture(bytes, 150)), p.marks) << "pen " << p.penWidth;
    }
}

}  // namespace
