// Curves in the vector exports: a panel of circles, arcs, rounded shapes and texts drawn from
// our SVG by rsvg-convert and from our PDF by pdftoppm must cover the pixels our own picture of
// it covers, edge pixels aside; and the SVG keeps its curves, its shared styles and coordinates
// of at most 0.001 mm.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "elements/bogen.h"
#include "elements/kreis.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "render/image_probe.h"
#include "render/panel_render.h"
#include "render/render_targets.h"
#include "support/recording_canvas.h"

using namespace pw;
using namespace pw::test;

namespace {

// A 60 x 60 mm panel: a filled circle, an outlined one, a rounded rectangle, a pie, an open arc
// and a text, all black.
std::unique_ptr<TPlatine> CurvedPanel() {
    auto panel = std::make_unique<TPlatine>();
    panel->Width = panel->Height = 3000;
    auto circle = [&](MPoint centre, Real radius, bool filled) {
        auto k = std::make_unique<TKreis>();
        k->Centre = centre;
        k->RimPoint = {centre.x + radius, centre.y};
        k->BuildContour();
        k->SetFuellenFlag(filled);
        panel->AddElement(std::move(k));
    };
    circle({750, 750}, 500, true);
    circle({2200, 750}, 550, false);
    auto rounded = std::make_unique<TRechteck>();
    for (MPoint p : {MPoint{200, 1600}, MPoint{1400, 1600}, MPoint{1400, 2300}, MPoint{200, 2300}})
        rounded->AddPoint(p);
    rounded->SetGlaetten(true);
    rounded->SetGlaettenStil(glRundung);
    rounded->SetGlaettenBetrag(300);
    rounded->SetBrushFarbe(kBlack);
    rounded->SetFuellenFlag(true);
    panel->AddElement(std::move(rounded));
    for (int style : {TBogen::kPie, TBogen::kOpenArc}) {
        auto arc = std::make_unique<TBogen>();
        arc->Centre = {2200, 2000};
        const Real r = style == TBogen::kPie ? 500 : 650;
        arc->RimPoint = {2200 + r, 2000};
        arc->StartPoint = {2200 + r, 2000};
        arc->EndPoint = {2200 - r * 0.6L, 2000 - r * 0.8L};
        arc->SetStil(style);
        arc->BuildArc();
        arc->SetBrushFarbe(kBlack);
        arc->SetFuellenFlag(style == TBogen::kPie);
        panel->AddElement(std::move(arc));
    }
    auto text = std::make_unique<TTextLabel>(FontSpec{"Arial", 300, 0}, "Bogen 8&g", MPoint{200, 2450});
    text->SetBrushStyle(bsSolid);
    text->SetBrushFarbe(kBlack);
    panel->AddElement(std::move(text));
    return panel;
}

bool Dark(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return false;
    return qGray(image.pixel(x, y)) < 128;
}

// Pixels only one picture has that touch no pixel both have: what a wrong outline leaves.
struct Difference {
    BlackComparison counts;
    int far = 0;
};
Difference Compare(const QImage& ours, const QImage& theirs) {
    Difference d;
    d.counts = CompareBlack(
        0, std::min(ours.width(), theirs.width()), [&](int x, int y) { return Dark(theirs, x, y); },
        [&](int x, int y) { return Dark(ours, x, y); },
        [&](int, int, bool nearCommon) { d.far += !nearCommon; });
    return d;
}

TEST(VectorCurves, SvgAndPdfReadersDrawThePanelAsOurPictureShowsIt) {
    const auto panel = CurvedPanel();
    const QImage ours = RenderPanelImage(*panel, 254, false);
    ASSERT_EQ(ours.size(), QSize(600, 600));
    const QImage svg = SvgAsPicture(RenderPanelSvg(*panel, false), 254);
    // Both readers smooth the edges: a hairline outline then darkens the pixels it crosses
    // rather than every one it touches.
    const QImage pdf = SmoothPdfPage(RenderPanelsPdf({panel.get()}, false), 254);
    ASSERT_EQ(svg.size(), ours.size()) << "rsvg-convert (librsvg2-bin) is needed";
    ASSERT_EQ(pdf.size(), ours.size()) << "pdftoppm (poppler-utils) is needed";
    for (const auto& [name, picture] : {std::pair{"svg", svg}, std::pair{"pdf", pdf}}) {
        const Difference d = Compare(ours, picture);
        EXPECT_GT(d.counts.reference, 60000) << name;
        // Edges may move by a pixel (0.1 mm) under smoothing; nothing lies further off.
        EXPECT_LT(d.counts.differing, d.counts.reference / 25) << name;
        EXPECT_LE(d.far, 8) << name;
    }
}

TEST(VectorCurves, SvgKeepsCurvesSharesStylesAndRoundsToAThousandthOfAMillimetre) {
    const auto panel = CurvedPanel();
    const QString svg = QString::fromUtf8(RenderPanelSvg(*panel, false));
    // Six shapes and nine characters drawn with three looks (filled, outlined, text).
    EXPECT_TRUE(svg.contains("<style>")) << svg.left(600).toStdString();
    EXPECT_LE(svg.count("<g class="), 6);
    EXPECT_FALSE(svg.contains("stroke-width=")) << "styles repeated on the shapes";
    // Quadratic pieces: 16 per circle, 4 per rounded rectangle, 19 per arc, and the glyphs'.
    const QRegularExpression pieces("q[-0-9. ]+");
    EXPECT_GT(svg.count(pieces), 5);
    // Device units are 0.01 mm: one decimal at most.
    EXPECT_FALSE(svg.contains(QRegularExpression("[0-9]\\.[0-9][0-9]"))) << svg.toStdString();
    // A circle's outline is a few hundred characters rather than a polyline of kilobytes.
    EXPECT_LT(svg.size(), 8000);
}

TEST(VectorCurves, OnlyVectorCanvasesTakeCurvesTheOthersDrawThemFlattened) {
    ImageTarget image(10, 10);
    PdfTarget pdf(10, 10);
    SvgTarget svg(10, 10);
    RecordingCanvas recording;
    EXPECT_FALSE(image.Canvas().DrawsCurves());
    EXPECT_TRUE(pdf.Canvas().DrawsCurves());
    EXPECT_TRUE(svg.Canvas().DrawsCurves());
    EXPECT_FALSE(recording.DrawsCurves());
    // Handed a path anyway, a canvas without curves draws it sampled, mapped to the device.
    recording.SetMapMode(MapMode::Anisotropic);
    recording.SetWindowExt(1, 1);
    recording.SetViewportExt(2, 3);
    CurvePath path;
    path.MoveTo({0, 0});
    path.QuadTo({10, 0}, {10, 10});
    path.Close();
    recording.CurvePolygon(path);
    recording.CurvePolyline(path);
    ASSERT_EQ(recording.calls.size(), 2u);
    EXPECT_EQ(recording.calls[0].kind, RecordedCall::Kind::PolyPolygon);
    EXPECT_EQ(recording.calls[1].kind, RecordedCall::Kind::Polyline);
    for (const RecordedCall& call : recording.calls) {
        // 19 samples between the ends, the end, and the start again.
        ASSERT_EQ(call.pts.size(), 22u);
        EXPECT_EQ(call.pts[20], (IPoint{20, 30}));
        EXPECT_EQ(call.pts[21], (IPoint{0, 0}));
        // t = 0.2: (3.6, 0.4) mapped to (7.2, 1.2).
        EXPECT_EQ(call.pts[4], (IPoint{7, 1}));
    }
}

}  // namespace
