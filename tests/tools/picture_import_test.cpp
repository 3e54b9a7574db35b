// Importing a picture and placing it: the kind follows the chosen filter, the picture waits in
// its placing mode and lands at its own size (pixels at its resolution, the metafile's frame),
// halved until it fits the panel.
#include "panel/picture_import.h"

#include "elements/btmap.h"
#include "elements/meta.h"
#include "elements/picture_frame.h"
#include "support/picture_bytes.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class PictureImport : public ToolTest {
  protected:
    MPoint PlacedSize() {
        auto* e = Last<TRechteck>();
        EXPECT_EQ(e->PointCount(), 4u);
        return e->Point(2) - e->Point(0);
    }
};

TEST_F(PictureImport, BitmapOf300DotsPerInchIsPlacedAtItsPrintedSize) {
    std::vector<uint32_t> pixels(300 * 150, 0x123456);
    ASSERT_EQ(ImportPicture(panel, PictureKind::Bitmap, Bmp24(300, 150, pixels, 11811)), std::nullopt);
    auto* b = Last<TBtmap>();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Point(2), (MPoint{100, 100}));
    EXPECT_EQ(panel.EditMode(), emBitmap);
    EXPECT_TRUE(panel.UndoAvailable());
    Press(400, 300);
    EXPECT_EQ(PlacedSize(), (MPoint{1270, 635}));
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(IsUprightPicture(*b));
}

TEST_F(PictureImport, LargePictureIsHalvedUntilItFitsAndRightButtonTakesItBack) {
    // 2000 x 1000 pixels without resolution: 150 dpi, 16933 units wide; halved once.
    const size_t stride = (2000 + 31) / 32 * 4;
    ASSERT_FALSE(ImportPicture(panel, PictureKind::Bitmap,
                               BmpFile(2000, 1000, 1, 0, {0, 0xFFFFFF}, PictureBytes(stride * 1000))));
    Press(100, 500);
    const MPoint size = PlacedSize();
    EXPECT_NEAR(static_cast<double>(size.x), 2000 * 25.4 * 50 / 150 / 2, 1e-6);
    EXPECT_NEAR(static_cast<double>(size.y), 1000 * 25.4 * 50 / 150 / 2, 1e-6);
    ASSERT_FALSE(ImportPicture(panel, PictureKind::Bitmap, Bmp24(1, 1, {0})));
    EXPECT_EQ(panel.ElementCount(), 2u);
    Press(100, 100, MouseButton::Right);
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_EQ(panel.EditMode(), emStandard);
}

TEST_F(PictureImport, MetafileIsPlacedAtItsFrameAndTheFilterDecidesTheKind) {
    EXPECT_EQ(PictureKindOfFilter(0), PictureKind::Bitmap);
    EXPECT_EQ(PictureKindOfFilter(1), PictureKind::Metafile);
    EXPECT_EQ(PictureKindOfFilter(kPreselectedPictureFilter), PictureKind::Metafile);
    const PictureBytes emf = EmfRectangle(100, 50, 2540, 1270, 0xFF);
    ASSERT_FALSE(ImportPicture(panel, PictureKind::Metafile, emf));
    ASSERT_TRUE(Last<TMeta>());
    EXPECT_EQ(panel.EditMode(), emMeta);
    Press(400, 300);
    EXPECT_EQ(PlacedSize(), (MPoint{1270, 635}));
    // A file of the other kind is refused with its reason; nothing is added.
    std::optional<std::string> error = ImportPicture(panel, PictureKind::Bitmap, emf);
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->empty());
    EXPECT_TRUE(ImportPicture(panel, PictureKind::Metafile, Bmp24(1, 1, {0})));
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_EQ(panel.EditMode(), emStandard);
}

}  // namespace
