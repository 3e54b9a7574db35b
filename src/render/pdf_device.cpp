#include "render/pdf_device.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "render/vector_paint_engine.h"

namespace pw {

namespace {

constexpr double kPointsPerUnit = 72.0 / PdfDevice::kDotsPerInch;
constexpr double kPointsPerMm = 72.0 / 25.4;
// Fast compression: the content of a crowded panel is numbers, which the slower levels shrink
// by a few per cent only, at several times the cost.
constexpr int kCompression = 1;

// Deflate data, as a PDF stream's FlateDecode expects it (without Qt's length prefix).
QByteArray Deflate(const QByteArray& data) {
    return qCompress(data, kCompression).mid(4);
}

QByteArray Real(double v, int decimals) {
    QByteArray text = QByteArray::number(v, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0')) text.chop(1);
        if (text.endsWith('.')) text.chop(1);
    }
    if (text == "-0") text = "0";
    return text;
}

QByteArray ColourText(const QColor& c) {
    return Real(c.redF(), 3) + ' ' + Real(c.greenF(), 3) + ' ' + Real(c.blueF(), 3);
}

struct Page {
    QSizeF sizeMm;
    QByteArray content;
    std::vector<size_t> images;  // indices into the document's images
};

struct ImageObject {
    int width = 0, height = 0;
    QByteArray rgb, alpha;  // deflated; alpha empty when opaque
};

// A stream object of deflated data.
QByteArray StreamObject(const QByteArray& dictionary, const QByteArray& data) {
    return "<< " + dictionary + " /Filter /FlateDecode /Length " + QByteArray::number(data.size()) +
           " >>\nstream\n" + data + "\nendstream";
}

// The page object and its content stream (object number `content`).
void AddPageObjects(std::vector<QByteArray>& objects, const Page& p, size_t content,
                    const std::vector<size_t>& imageNumber) {
    QByteArray xobjects;
    for (size_t image : p.images)
        xobjects += " /Im" + QByteArray::number(qulonglong(image)) + ' ' +
                    QByteArray::number(qulonglong(imageNumber[image])) + " 0 R";
    const QByteArray resources =
        xobjects.isEmpty() ? QByteArray("<< >>") : "<< /XObject <<" + xobjects + " >> >>";
    objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
                      Real(p.sizeMm.width() * kPointsPerMm, 6) + ' ' +
                      Real(p.sizeMm.height() * kPointsPerMm, 6) + "] /Resources " + resources +
                      " /Contents " + QByteArray::number(qulonglong(content)) + " 0 R >>");
    objects.push_back(StreamObject("", Deflate(p.content)));
}

// The picture (object `number`) and its transparency mask, if any, as the next object.
void AddImageObjects(std::vector<QByteArray>& objects, const ImageObject& im, size_t number) {
    const QByteArray size = "/Type /XObject /Subtype /Image /Width " + QByteArray::number(im.width) +
                            " /Height " + QByteArray::number(im.height) + " /BitsPerComponent 8 /ColorSpace ";
    QByteArray picture = size + "/DeviceRGB";
    if (!im.alpha.isEmpty()) picture += " /SMask " + QByteArray::number(qulonglong(number + 1)) + " 0 R";
    objects.push_back(StreamObject(picture, im.rgb));
    if (!im.alpha.isEmpty()) objects.push_back(StreamObject(size + "/DeviceGray", im.alpha));
}

// The objects numbered from 1, with the cross-reference table and the trailer.
QByteArray AssembleDocument(const std::vector<QByteArray>& objects) {
    QByteArray out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<qsizetype> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += QByteArray::number(qulonglong(i + 1)) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(qulonglong(objects.size() + 1)) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<< /Size " + QByteArray::number(qulonglong(objects.size() + 1)) +
           " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace

class PdfPaintEngine : public VectorPaintEngine {
  public:
    bool begin(QPaintDevice*) override {
        ResetState();
        ForgetDrawnState();
        return true;
    }
    bool end() override {
        CloseClip();
        return true;
    }

    void StartPage(QSizeF mm) {
        if (!pages_.empty()) CloseClip();
        pages_.push_back(Page{mm, {}, {}});
        ForgetDrawnState();
        // Device units of 0.01 mm, y downward from the top edge.
        Out() += Real(kPointsPerUnit, 12) + " 0 0 " + Real(-kPointsPerUnit, 12) + " 0 " +
                 Real(mm.height() * kPointsPerMm, 6) + " cm\n";
    }

    // Objects: 1 catalog, 2 page tree, 3 information, then per page its page and content, then
    // per image its picture and mask.
    QByteArray Document(const QString& creator) const {
        const size_t firstPage = 4;
        std::vector<size_t> imageNumber(images_.size());
        size_t next = firstPage + 2 * pages_.size();
        for (size_t i = 0; i < images_.size(); ++i) {
            imageNumber[i] = next;
            next += images_[i].alpha.isEmpty() ? 1 : 2;
        }
        QByteArray kids;
        for (size_t i = 0; i < pages_.size(); ++i)
            kids += QByteArray::number(qulonglong(firstPage + 2 * i)) + " 0 R ";
        std::vector<QByteArray> objects{
            "<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [" + kids.trimmed() + "] /Count " +
                QByteArray::number(qulonglong(pages_.size())) + " >>",
            "<< /Creator (" + creator.toLatin1() + ") /Producer (" + creator.toLatin1() + ") >>"};
        for (size_t i = 0; i < pages_.size(); ++i)
            AddPageObjects(objects, pages_[i], firstPage + 2 * i + 1, imageNumber);
        for (size_t i = 0; i < images_.size(); ++i) AddImageObjects(objects, images_[i], imageNumber[i]);
        return AssembleDocument(objects);
    }

  protected:
    void Shape(const QPainterPath& given, bool area, bool closeAll) override {
        if (given.isEmpty()) return;
        const bool filled = area && brush().style() != Qt::NoBrush;
        const bool stroked = pen().style() != Qt::NoPen;
        if (!filled && !stroked) return;
        SyncClip();
        QByteArray& out = Out();
        if (filled && !(fillSet_ && fill_ == brush().color().rgb())) {
            fill_ = brush().color().rgb();
            fillSet_ = true;
            out += ColourText(brush().color()) + " rg\n";
        }
        if (stroked) SetStroke(out);
        const QPainterPath path = transform().isIdentity() ? given : transform().map(given);
        WritePath(out, path, closeAll);
        const bool evenOdd = path.fillRule() == Qt::OddEvenFill;
        if (filled && stroked)
            out += evenOdd ? "B*\n" : "B\n";
        else if (filled)
            out += evenOdd ? "f*\n" : "f\n";
        else
            out += "S\n";
    }

    void Picture(const QRectF& r, const QImage& image) override {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        ImageObject im;
        im.width = argb.width();
        im.height = argb.height();
        QByteArray rgb, alpha;
        rgb.reserve(qsizetype(im.width) * im.height * 3);
        alpha.reserve(qsizetype(im.width) * im.height);
        bool opaque = true;
        for (int y = 0; y < im.height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < im.width; ++x) {
                rgb += char(qRed(line[x]));
                rgb += char(qGreen(line[x]));
                rgb += char(qBlue(line[x]));
                alpha += char(qAlpha(line[x]));
                opaque &= qAlpha(line[x]) == 255;
            }
        }
        im.rgb = Deflate(rgb);
        if (!opaque) im.alpha = Deflate(alpha);
        images_.push_back(std::move(im));
        const size_t index = images_.size() - 1;
        pages_.back().images.push_back(index);
        SyncClip();
        // The image's unit square, its first row at the top, onto r, then the painter's transform.
        const QTransform m =
            QTransform(r.width(), 0, 0, -r.height(), r.x(), r.y() + r.height()) * transform();
        Out() += "q " + Real(m.m11(), 6) + ' ' + Real(m.m12(), 6) + ' ' + Real(m.m21(), 6) + ' ' +
                 Real(m.m22(), 6) + ' ' + Real(m.dx(), 3) + ' ' + Real(m.dy(), 3) + " cm /Im" +
                 QByteArray::number(qulonglong(index)) + " Do Q\n";
    }

  private:
    QByteArray& Out() { return pages_.back().content; }

    // The content's graphics state is unknown at the start of a page and after a clip ends.
    void ForgetDrawnState() {
        fillSet_ = strokeSet_ = false;
        inClip_ = false;
    }

    void SetStroke(QByteArray& out) {
        const QPen& p = pen();
        const int64_t width = std::max<int64_t>(Tenths(p.widthF()), p.widthF() > 0 ? 1 : 10);
        const int cap = p.capStyle() == Qt::SquareCap ? 2 : p.capStyle() == Qt::RoundCap ? 1 : 0;
        const int join = p.joinStyle() == Qt::BevelJoin ? 2 : p.joinStyle() == Qt::RoundJoin ? 1 : 0;
        if (strokeSet_ && stroke_ == p.color().rgb() && width_ == width && cap_ == cap && join_ == join)
            return;
        if (!strokeSet_ || stroke_ != p.color().rgb()) out += ColourText(p.color()) + " RG\n";
        if (!strokeSet_ || width_ != width) {
            PutTenths(out, width);
            out += " w\n";
        }
        if (!strokeSet_ || cap_ != cap) out += QByteArray::number(cap) + " J\n";
        if (!strokeSet_ || join_ != join) out += QByteArray::number(join) + " j\n";
        stroke_ = p.color().rgb();
        width_ = width;
        cap_ = cap;
        join_ = join;
        strokeSet_ = true;
    }

    void CloseClip() {
        if (!inClip_) return;
        Out() += "Q\n";
        ForgetDrawnState();
    }

    void SyncClip() {
        if (Clipped() == inClip_ && (!inClip_ || openClip_ == ClipRect())) return;
        CloseClip();
        if (!Clipped()) return;
        openClip_ = ClipRect();
        QByteArray& out = Out();
        out += "q ";
        PutTenths(out, Tenths(openClip_.x()));
        out += ' ';
        PutTenths(out, Tenths(openClip_.y()));
        out += ' ';
        PutTenths(out, Tenths(openClip_.width()));
        out += ' ';
        PutTenths(out, Tenths(openClip_.height()));
        out += " re W n\n";
        inClip_ = true;
    }

    static void Point(QByteArray& out, QPointF p) {
        PutTenths(out, Tenths(p.x()));
        out += ' ';
        PutTenths(out, Tenths(p.y()));
        out += ' ';
    }

    // A subpath that ends on its start, and with closeAll every one, is closed instead of
    // drawing the straight piece back.
    static void WritePath(QByteArray& out, const QPainterPath& path, bool closeAll) {
        const int n = path.elementCount();
        int64_t sx = 0, sy = 0, cx = 0, cy = 0;
        bool open = false;
        auto close = [&] {
            if (open && (closeAll || (cx == sx && cy == sy))) out += "h\n";
            open = false;
        };
        for (int i = 0; i < n; ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const int64_t x = Tenths(e.x), y = Tenths(e.y);
            if (e.isMoveTo()) {
                close();
                Point(out, e);
                out += "m\n";
                sx = cx = x, sy = cy = y;
                open = true;
            } else if (e.isLineTo()) {
                const bool endsSubpath = i + 1 == n || path.elementAt(i + 1).isMoveTo();
                if (!(endsSubpath && x == sx && y == sy)) {
                    Point(out, e);
                    out += "l\n";
                }
                cx = x, cy = y;
            } else if (e.isCurveTo() && i + 2 < n) {
                Point(out, e);
                Point(out, path.elementAt(i + 1));
                Point(out, path.elementAt(i + 2));
                out += "c\n";
                cx = Tenths(path.elementAt(i + 2).x), cy = Tenths(path.elementAt(i + 2).y);
                i += 2;
            }
        }
        close();
    }

    std::vector<Page> pages_;
    std::vector<ImageObject> images_;
    bool fillSet_ = false, strokeSet_ = false, inClip_ = false;
    QRgb fill_ = 0, stroke_ = 0;
    int64_t width_ = 0;
    int cap_ = 0, join_ = 0;
    QRectF openClip_;
};

PdfDevice::PdfDevice(double widthMm, double heightMm, const QString& creator)
    : pageMm_(widthMm, heightMm), creator_(creator), engine_(std::make_unique<PdfPaintEngine>()) {
    engine_->StartPage(pageMm_);
}

PdfDevice::~PdfDevice() = default;

void PdfDevice::NewPage(double widthMm, double heightMm) {
    pageMm_ = QSizeF(widthMm, heightMm);
    engine_->StartPage(pageMm_);
}

QPaintEngine* PdfDevice::paintEngine() const {
    return engine_.get();
}

int PdfDevice::metric(PaintDeviceMetric m) const {
    const double unitsPerMm = kDotsPerInch / 25.4;
    const QSize pixels(static_cast<int>(std::lround(pageMm_.width() * unitsPerMm)),
                       static_cast<int>(std::lround(pageMm_.height() * unitsPerMm)));
    if (const std::optional<int> value = VectorPageMetric(m, pixels, pageMm_, kDotsPerInch)) return *value;
    return QPaintDevice::metric(m);
}

QByteArray PdfDevice::Document() const {
    return engine_->Document(creator_);
}

}  // namespace pw
