#include "render/image_probe.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <string>

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

int InkStretches(const QImage& image, int darkerThan) {
    int stretches = 0;
    bool inked = false;
    for (int x = 0; x < image.width(); ++x) {
        bool column = false;
        for (int y = 0; y < image.height() && !column; ++y) column = qGray(image.pixel(x, y)) < darkerThan;
        stretches += column && !inked;
        inked = column;
    }
    return stretches;
}

namespace {
// Writes the bytes to "in" in a fresh folder, runs the command there and reads "out.png".
QImage Drawn(const QByteArray& bytes, const std::string& command) {
    QTemporaryDir dir;
    QFile in(dir.filePath("in"));
    if (!in.open(QIODevice::WriteOnly) || in.write(bytes) != bytes.size()) return QImage();
    in.close();
    const std::string line = "cd '" + dir.path().toStdString() + "' && " + command + " >/dev/null 2>&1";
    if (std::system(line.c_str()) != 0) return QImage();
    return QImage(dir.filePath("out.png")).convertToFormat(QImage::Format_RGB32);
}
}  // namespace

QImage SvgAsPicture(const QByteArray& svg, int dotsPerInch) {
    const std::string d = std::to_string(dotsPerInch);
    return Drawn(svg, "rsvg-convert -d " + d + " -p " + d + " -b white -o out.png in");
}

QImage SmoothPdfPage(const QByteArray& pdf, int dotsPerInch) {
    return Drawn(pdf, "pdftoppm -r " + std::to_string(dotsPerInch) + " -f 1 -l 1 -singlefile -png in out");
}

bool SucceedsWithinMemory(size_t extraBytes, const std::function<bool()>& work) {
    size_t pages = 0;  // the address space in use: the first number of statm
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + extraBytes;
    const pid_t child = fork();
    if (child == 0) {
        const rlimit l{limit, limit};
        bool ok = false;
        try {
            ok = setrlimit(RLIMIT_AS, &l) == 0 && work();
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace pw::test
