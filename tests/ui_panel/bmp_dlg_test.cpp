// The bitmap dialog: a click on the picture takes that pixel's colour as the key and switches
// transparency on; the preview shows the backdrop through the keyed pixels.
#include "ui/dialogs/bmp_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include "render/image_probe.h"
#include "ui/dialogs/colour_swatch.h"

using namespace pw;

namespace {

TEST(BmpDlg, ClickOnThePicturePicksItsPixelAsTheKey) {
    Image picture;
    picture.width = 2;
    picture.height = 1;
    picture.pixels = {0xFFFF0000, 0xFF0000FF};  // red, blue
    TBMP_Dlg dialog;
    dialog.SetValues(&picture, {false, kButtonFaceKey});
    dialog.resize(400, 360);
    EXPECT_EQ(dialog.Color_Shape->Colour(), kButtonFaceColor);
    // Beside the picture: no pixel, nothing changes.
    QTest::mouseClick(dialog.PaintBox1, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(dialog.Values().on);
    QTest::mouseClick(dialog.PaintBox1, Qt::LeftButton, {}, QPoint(1, 0));
    EXPECT_TRUE(dialog.cb_Transparent->isChecked());
    EXPECT_EQ(dialog.Values().key, RGBColor(0, 0, 255));
    EXPECT_EQ(dialog.Color_Shape->Colour(), RGBColor(0, 0, 255));
    const QImage keyed = dialog.PaintBox1->grab().toImage();
    EXPECT_EQ(test::PixelColor(keyed, 0, 0), RGBColor(255, 0, 0));
    EXPECT_NE(test::PixelColor(keyed, 1, 0), RGBColor(0, 0, 255));
    dialog.cb_Transparent->setChecked(false);
    EXPECT_FALSE(dialog.Values().on);
    EXPECT_EQ(dialog.Values().key, RGBColor(0, 0, 255));
    EXPECT_EQ(test::PixelColor(dialog.PaintBox1->grab().toImage(), 1, 0), RGBColor(0, 0, 255));
}

}  // namespace
