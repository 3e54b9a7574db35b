// A document holding two bitmaps (one with a transparent colour) and a metafile, written here
// byte by byte: it reads, paints the pictures' pixels stretched into their rectangles, never
// shows the key colour, and saves to the very same bytes.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>

#include "elements/btmap.h"
#include "elements/meta.h"
#include "panel/document.h"
#include "render/image_probe.h"
#include "render/panel_render.h"
#include "support/picture_bytes.h"

using namespace pw;
using pw::test::PictureBytes;
using pw::test::PixelColor;

namespace {

struct Doc {
    PictureBytes b;
    void Raw(std::initializer_list<uint8_t> bytes) { b.insert(b.end(), bytes); }
    void Raw(const PictureBytes& bytes) { b.insert(b.end(), bytes.begin(), bytes.end()); }
    // An 80-bit extended value of a whole number, without tag.
    void Ext(uint32_t v) {
        if (v == 0) return b.insert(b.end(), 10, 0), void();
        const int e = 31 - std::countl_zero(v);
        const uint64_t mantissa = static_cast<uint64_t>(v) << (63 - e);
        for (int k = 0; k < 8; ++k) b.push_back(static_cast<uint8_t>(mantissa >> (8 * k)));
        test::Put16(b, 16383 + e);
    }
    void Float(uint32_t v) {
        Raw({5});
        Ext(v);
    }
    // The rectangle record of a picture element: base record with the picture defaults, the
    // four corners, closed.
    void PictureRectangle(uint8_t kind, uint32_t x1, uint32_t y1, uint32_t x2, uint32_t y2) {
        Raw({2, kind, 2, 0, 0, 0, 0, 0, 4, 0x80, 0x80, 0x80, 0, 5, 9, 8, 8, 8, 2, 1});
        Float(0);
        b.insert(b.end(), 41, 0);
        Float(0);
        Float(0);
        Raw({2, 3});
        for (auto [x, y] : {std::pair{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}) Float(x), Float(y);
        Raw({9});
    }
    void ClassName(const char* name) {
        Raw({6, static_cast<uint8_t>(std::strlen(name))});
        b.insert(b.end(), name, name + std::strlen(name));
    }
};

constexpr uint32_t kRedRgb = 0xFF0000, kBlueRgb = 0x0000FF, kGreenRgb = 0x00FF00, kMagentaRgb = 0xFF00FF;
constexpr Color kPanelColour = 0x404040;

PictureBytes PictureDocument() {
    Doc d;
    d.Raw({6, 'B', 'i', 'l', 'd', 'e', 'r'});
    d.b.resize(37, 0);
    d.Raw({'2', ',', '0', '2', 2, 3});
    d.ClassName("TBtmap");  // left red, right blue, no transparency
    d.PictureRectangle(10, 500, 500, 1500, 1000);
    d.Raw(test::Bmp24(2, 1, {kRedRgb, kBlueRgb}, 11811));
    d.Raw({0x0F, 0, 0, 0x80, 8});
    d.ClassName("TBtmap");  // green and magenta checks, magenta transparent
    d.PictureRectangle(10, 1700, 500, 2700, 1500);
    d.Raw(test::Bmp24(2, 2, {kGreenRgb, kMagentaRgb, kMagentaRgb, kGreenRgb}));
    d.Raw({0xFF, 0, 0xFF, 0, 9});
    d.ClassName("TMeta");  // one yellow rectangle
    d.PictureRectangle(11, 500, 1200, 1500, 1800);
    d.Raw(test::EmfRectangle(100, 60, 2540, 1524, 0x00FFFF));
    d.Raw({2, 0});  // panel properties: 60 x 40 mm, snap 1 mm, grid hidden
    d.Float(3000);
    d.Float(2000);
    d.Float(50);
    d.Raw({2, 1});
    d.Ext(0);
    d.Ext(0);
    d.Raw({8, 0x40, 0x40, 0x40, 0});
    d.Raw({2, 0, 2, 1});  // no views, one panel
    return d.b;
}

struct Loaded {
    TPlatine panel;
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    explicit Loaded(const PictureBytes& bytes) {
        ReadDocument(
            bytes, panel, [this]() -> TPlatine& { return *more.emplace_back(new TPlatine); }, views);
    }
};

TEST(PictureDocument, ReadsAndSavesTheSameBytes) {
    const PictureBytes bytes = PictureDocument();
    Loaded doc(bytes);
    ASSERT_EQ(doc.panel.ElementCount(), 3u);
    auto* plain = dynamic_cast<TBtmap*>(doc.panel.Element(0));
    auto* keyed = dynamic_cast<TBtmap*>(doc.panel.Element(1));
    auto* meta = dynamic_cast<TMeta*>(doc.panel.Element(2));
    ASSERT_TRUE(plain && keyed && meta);
    EXPECT_EQ(plain->ResolutionX, 300);
    EXPECT_EQ(plain->TransparentColor(), kButtonFaceKey);
    EXPECT_TRUE(keyed->Transparent());
    EXPECT_EQ(doc.panel.StoredFrontplattenFarbe(), kPanelColour);
    PictureBytes saved;
    WriteDocument(saved, {&doc.panel}, doc.views);
    EXPECT_EQ(saved, bytes);
}

TEST(PictureDocument, PicturesAreStretchedIntoTheirRectanglesAndTheKeyNeverShows) {
    Loaded doc(PictureDocument());
    // 127 dots per inch: five pixels per millimetre, ten model units per pixel.
    const QImage img = RenderPanelImage(doc.panel, 127, true);
    ASSERT_EQ(img.size(), QSize(300, 200));
    EXPECT_EQ(PixelColor(img, 52, 75), RGBColor(255, 0, 0));
    EXPECT_EQ(PixelColor(img, 98, 75), RGBColor(255, 0, 0));
    EXPECT_EQ(PixelColor(img, 102, 75), RGBColor(0, 0, 255));
    EXPECT_EQ(PixelColor(img, 148, 98), RGBColor(0, 0, 255));
    EXPECT_EQ(PixelColor(img, 195, 75), RGBColor(0, 255, 0));
    EXPECT_EQ(PixelColor(img, 245, 125), RGBColor(0, 255, 0));
    EXPECT_EQ(PixelColor(img, 245, 75), kPanelColour);
    EXPECT_EQ(PixelColor(img, 195, 125), kPanelColour);
    for (int y = 50; y < 150; ++y)
        for (int x = 170; x < 270; ++x)
            ASSERT_NE(PixelColor(img, x, y), RGBColor(255, 0, 255)) << x << "," << y;
    // The metafile's one rectangle fills its frame: yellow.
    EXPECT_EQ(PixelColor(img, 55, 125), RGBColor(255, 255, 0));
    EXPECT_EQ(PixelColor(img, 145, 175), RGBColor(255, 255, 0));
    // On paper the see-through parts leave the paper white.
    const QImage paper = RenderPanelImage(doc.panel, 127, false);
    EXPECT_EQ(PixelColor(paper, 245, 75), kWhite);
    EXPECT_EQ(PixelColor(paper, 195, 75), RGBColor(0, 255, 0));
}

TEST(PictureDocument, TurnedPicturesAreDrawnOntoTheirParallelogramOrAsPlaceholder) {
    Loaded doc(PictureDocument());
    // A quarter turn counter-clockwise: the picture's top edge now runs upward, so its left
    // (red) half lies below its right (blue) half.
    for (size_t i : {0u, 2u}) doc.panel.Element(i)->Rotate({1000, 750}, std::acos(-1.0) / 2);
    const QImage img = RenderPanelImage(doc.panel, 127, true);
    EXPECT_EQ(PixelColor(img, 100, 110), RGBColor(255, 0, 0));
    EXPECT_EQ(PixelColor(img, 100, 40), RGBColor(0, 0, 255));
    // The turned metafile shows as the grey hatch, no yellow left.
    EXPECT_EQ(test::CountColor(img, RGBColor(255, 255, 0)), 0);
    EXPECT_GT(test::CountColor(img, kGrey), 0);
}

}  // namespace
