#pragma once
// Our vector outputs drawn by programs that are not ours, at a resolution, on white: SVG by
// rsvg-convert, the first page of a PDF by pdftoppm. A null image when the program fails.

#include <QByteArray>
#include <QImage>

namespace pw::test {

QImage SvgAsPicture(const QByteArray& svg, int dotsPerInch);
QImage PdfAsPicture(const QByteArray& pdf, int dotsPerInch);

}  // namespace pw::test
