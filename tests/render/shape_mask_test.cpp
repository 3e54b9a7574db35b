// The mask the painter draws single shapes on: read back, a shape's fill and outline runs are the
// pixels the painter draws on a picture under the same clip, and the mask is left clear for the
// next shape, on any thread.
#include "render/shape_mask.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <thread>

using namespace pw;

namespace {

constexpr int kWidth = 120, kHeight = 90;

// The picture the painter draws: 1 where the outline went, 2 where only the fill did; and the
// same from runs read back.
QImage Painted(const MaskDrawing& d, const std::function<void(QPainter&)>& draw) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    if (d.clip)
        p.setClipRect(QRect(d.clip->x1, d.clip->y1, d.clip->x2 - d.clip->x1, d.clip->y2 - d.clip->y1));
    QPen pen = d.pen;
    if (pen.style() != Qt::NoPen) pen.setColor(QColor(1, 1, 1));
    p.setPen(pen);
    p.setBrush(d.fill ? QBrush(QColor(2, 2, 2)) : QBrush(Qt::NoBrush));
    draw(p);
    return image;
}
QImage FromRuns(const OwnShape& shape) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (const auto& [runs, value] : {std::pair{&shape.fill, 2}, std::pair{&shape.outlineRuns, 1}})
        for (const PixelRun& r : *runs)
            for (int32_t x = r.x1; x <= r.x2; ++x) image.setPixel(x, r.y, qRgb(value, value, value));
    return image;
}

TEST(ShapeMask, ReadsBackWhatThePainterDrawsAndIsLeftClear) {
    ShapeMask mask;
    const QPolygon cut({QPoint(-20, 10), QPoint(70, -5), QPoint(100, 80), QPoint(30, 60)});
    const IPoint cutPts[] = {{-20, 10}, {70, -5}, {100, 80}, {30, 60}};
    const QRectF ellipse(40.5, 20.5, 50, 33);
    const IPoint ellipseCorners[] = {{40, 20}, {91, 54}};
    for (const std::optional<IRect> clip :
         {std::optional<IRect>{}, std::optional<IRect>{IRect{10, 5, 95, 70}}}) {
        const IRect area = clip ? *clip : IRect{0, 0, kWidth, kHeight};
        for (int pen = 0; pen < 3; ++pen)
            for (const bool fill : {false, true}) {
                const MaskDrawing d{QSize(kWidth, kHeight), clip, area,
                                    pen == 0 ? QPen(Qt::NoPen) : QPen(Qt::black, pen == 1 ? 0 : 5), fill};
                OwnShape polygon, oval;
                const auto drawPolygon = [&](QPainter& p) { p.drawPolygon(cut); };
                const auto drawEllipse = [&](QPainter& p) { p.drawEllipse(ellipse); };
                mask.Draw(d, MaskBox(cutPts, 4, 7), drawPolygon, polygon);
                mask.Draw(d, MaskBox(ellipseCorners, 2, 7), drawEllipse, oval);
                EXPECT_EQ(FromRuns(polygon), Painted(d, drawPolygon)) << pen << fill;
                EXPECT_EQ(FromRuns(oval), Painted(d, drawEllipse)) << pen << fill;
            }
    }
    // Another thread draws on a mask of its own alike.
    const MaskDrawing d{QSize(kWidth, kHeight), std::nullopt, IRect{0, 0, kWidth, kHeight},
                        QPen(Qt::black, 3), true};
    OwnShape here, there;
    const auto draw = [&](QPainter& p) { p.drawPolygon(cut); };
    mask.Draw(d, MaskBox(cutPts, 4, 5), draw, here);
    std::thread([&] {
        ShapeMask own;
        own.Draw(d, MaskBox(cutPts, 4, 5), draw, there);
    }).join();
    EXPECT_EQ(FromRuns(there), FromRuns(here));
    EXPECT_FALSE(here.outlineRuns.empty());
}

}  // namespace
