#include "render/pdf_readback.h"

#include <stdlib.h>
#include <unistd.h>

#include <QImageReader>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

namespace pw::test {

namespace {

std::string Run(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

// A temporary copy of the bytes, removed with the object.
struct TempPdf {
    std::string path;
    explicit TempPdf(const QByteArray& bytes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "pw-pdf-XXXXXX").string();
        int fd = mkstemp(pattern.data());
        if (fd >= 0) close(fd);
        path = pattern;
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
    }
    ~TempPdf() { std::filesystem::remove(path); }
};

}  // namespace

PdfInfo ReadPdfInfo(const std::string& path) {
    PdfInfo info;
    const std::string out = Run("pdfinfo '" + path + "' 2>/dev/null");
    std::smatch m;
    if (std::regex_search(out, m, std::regex("Pages:\\s+(\\d+)"))) info.pages = std::stoi(m[1]);
    if (std::regex_search(out, m, std::regex("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))) {
        info.widthPt = std::stod(m[1]);
        info.heightPt = std::stod(m[2]);
    }
    return info;
}

PdfInfo ReadPdfInfo(const QByteArray& pdf) {
    TempPdf file(pdf);
    return ReadPdfInfo(file.path);
}

QImage RasterisePage(const std::string& path, int page, int dotsPerInch) {
    const std::string prefix = path + "-page";
    const std::string p = std::to_string(page);
    Run("pdftoppm -aa no -aaVector no -singlefile -png -r " + std::to_string(dotsPerInch) + " -f " + p +
        " -l " + p + " '" + path + "' '" + prefix + "' 2>/dev/null");
    QImageReader::setAllocationLimit(512);  // A4 at 600 dpi is 140 MB
    QImage image(QString::fromStdString(prefix + ".png"));
    std::filesystem::remove(prefix + ".png");
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage RasterisePage(const QByteArray& pdf, int page, int dotsPerInch) {
    TempPdf file(pdf);
    return RasterisePage(file.path, page, dotsPerInch);
}

}  // namespace pw::test
