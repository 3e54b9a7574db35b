#pragma once
// PDF documents read back by poppler's tools, not by ours: page count and page size from
// pdfinfo, pages as pictures from pdftoppm (without smoothing, so edges stay sharp).

#include <QByteArray>
#include <QImage>
#include <string>

namespace pw::test {

struct PdfInfo {
    int pages = 0;
    double widthPt = 0;
    double heightPt = 0;
};

PdfInfo ReadPdfInfo(const std::string& path);
PdfInfo ReadPdfInfo(const QByteArray& pdf);

// Page (counted from 1) at the resolution; a null image when the tool failed.
QImage RasterisePage(const std::string& path, int page, int dotsPerInch);
QImage RasterisePage(const QByteArray& pdf, int page, int dotsPerInch);

}  // namespace pw::test
