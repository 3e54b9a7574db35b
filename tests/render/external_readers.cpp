#include "render/external_readers.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

namespace pw::test {

namespace {
// Writes the bytes to a file in a fresh folder, runs the command (where IN and OUT stand for
// the input file and the picture to make) and reads the picture.
QImage Draw(const QByteArray& bytes, const std::string& command, const QString& picture) {
    QTemporaryDir dir;
    QFile in(dir.filePath("in"));
    if (!in.open(QIODevice::WriteOnly) || in.write(bytes) != bytes.size()) return QImage();
    in.close();
    const std::string folder = dir.path().toStdString();
    if (std::system(("cd '" + folder + "' && " + command + " >/dev/null 2>&1").c_str()) != 0) return QImage();
    return QImage(dir.filePath(picture)).convertToFormat(QImage::Format_RGB32);
}
}  // namespace

QImage SvgAsPicture(const QByteArray& svg, int dotsPerInch) {
    const std::string d = std::to_string(dotsPerInch);
    return Draw(svg, "rsvg-convert -d " + d + " -p " + d + " -b white -o out.png in", "out.png");
}

QImage PdfAsPicture(const QByteArray& pdf, int dotsPerInch) {
    return Draw(pdf, "pdftoppm -r " + std::to_string(dotsPerInch) + " -f 1 -l 1 -singlefile -png in out",
                "out.png");
}

}  // namespace pw::test
