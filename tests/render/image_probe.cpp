#include "render/image_probe.h"

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

}  // namespace pw::test
