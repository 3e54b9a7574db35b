#include "render/image_probe.h"

#include <vector>

namespace pw::test {

Color PixelColor(const QImage& image, int x, int y) {
    QRgb p = image.pixel(x, y);
    return RGBColor(static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
                    static_cast<uint8_t>(qBlue(p)));
}

QRect PaintedBox(const QImage& image, Color ground) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelColor(image, x, y) != ground) box |= QRect(x, y, 1, 1);
    return box;
}

int CountColor(const QImage& image, Color c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelColor(image, x, y) == c) ++n;
    return n;
}

double InkAmount(const QImage& image) {
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += (255 - qGray(image.pixel(x, y))) / 255.0;
    return ink;
}

int InkMarks(const QImage& image, int darkerThan) {
    const int w = image.width(), h = image.height();
    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    auto ink = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && !seen[static_cast<size_t>(y) * w + x] &&
               qGray(image.pixel(x, y)) < darkerThan;
    };
    int marks = 0;
    std::vector<QPoint> open;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!ink(x, y)) continue;
            ++marks;
            open.assign(1, QPoint(x, y));
            seen[static_cast<size_t>(y) * w + x] = 1;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (ink(p.x() + dx, p.y() + dy)) {
                            seen[static_cast<size_t>(p.y() + dy) * w + p.x() + dx] = 1;
                            open.push_back(QPoint(p.x() + dx, p.y() + dy));
                        }
            }
        }
    return marks;
}

}  // namespace pw::test
