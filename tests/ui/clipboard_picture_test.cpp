// The picture of the selection that a copy puts on the system clipboard.
#include "ui/main/clipboard_picture.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "elements/rechteck.h"
#include "panel/platine.h"

namespace pw {
namespace {

TRechteck* AddBox(TPlatine& panel, Real x1, Real y1, Real x2, Real y2, Color colour) {
    auto r = std::make_unique<TRechteck>();
    for (MPoint p : {MPoint{x1, y1}, MPoint{x2, y1}, MPoint{x2, y2}, MPoint{x1, y2}}) r->AddPoint(p);
    r->SetStiftBreite(0);
    r->SetStiftFarbe(colour);
    return static_cast<TRechteck*>(panel.AddElement(std::move(r)));
}

TEST(ClipboardPicture, ExactlyTheSelectionAtTrueSize) {
    TPlatine panel;
    AddBox(panel, 100, 100, 600, 350, RGBColor(255, 0, 0));
    TRechteck* other = AddBox(panel, 2000, 2000, 2500, 2500, RGBColor(0, 0, 255));
    EXPECT_TRUE(SelectionSvg(panel).isEmpty());
    panel.SelectElement(panel.Element(0), true);
    const QByteArray svg = SelectionSvg(panel);
    // 500 x 250 units are 10 x 5 mm.
    EXPECT_TRUE(svg.contains(R"(width="10mm")")) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains(R"(height="5mm")"));
    EXPECT_TRUE(svg.contains("#ff0000"));
    EXPECT_FALSE(svg.contains("#0000ff"));
    (void)other;
}

TEST(ClipboardPicture, TheClipboardHoldsTheDrawingAndABitmap) {
    TPlatine panel;
    AddBox(panel, 0, 0, 500, 500, RGBColor(255, 0, 0));
    panel.SelectAll(true);
    CopySelectionPicture(panel);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("image/svg+xml"));
    ASSERT_TRUE(data->hasImage());
    // 10 mm at 150 dpi.
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).width(), 59);
}

}  // namespace
}  // namespace pw
