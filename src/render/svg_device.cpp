#include "render/svg_device.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

#include "core/numbers.h"
#include "render/vector_paint_engine.h"

namespace pw {

namespace {

constexpr double kMmPerInchD = static_cast<double>(kMmPerInch);

QByteArray ColourText(const QColor& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return QByteArray(text, 7);
}

// What a shape's look consists of; shapes with equal keys share a class.
struct StyleKey {
    bool filled = false;
    QRgb fill = 0;
    bool evenOdd = false;
    bool stroked = false;
    QRgb stroke = 0;
    int64_t width = 0;  // tenths
    int cap = 0, join = 0;
    auto Tie() const { return std::tie(filled, fill, evenOdd, stroked, stroke, width, cap, join); }
    bool operator<(const StyleKey& o) const { return Tie() < o.Tie(); }
    bool operator==(const StyleKey& o) const { return Tie() == o.Tie(); }
};

QByteArray ClassName(size_t index) {
    QByteArray name;
    do {
        name.prepend(static_cast<char>('a' + index % 26));
        index /= 26;
    } while (index > 0);
    return name;
}

}  // namespace

class SvgPaintEngine : public VectorPaintEngine {
  public:
    bool begin(QPaintDevice*) override {
        ResetState();
        body_.clear();
        run_.clear();
        clipDefs_.clear();
        styles_.clear();
        clips_.clear();
        currentClass_ = -1;
        inClip_ = false;
        return true;
    }
    bool end() override {
        CloseGroups();
        return true;
    }

  protected:
    void Shape(const QPainterPath& path, bool area, bool closeAll) override {
        WriteShape(path, area, closeAll);
    }

    void Picture(const QRectF& r, const QImage& image) override {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        SyncClip();
        SetClass(-1);
        body_ += "<image x=\"";
        PutTenths(body_, Tenths(r.x()));
        body_ += "\" y=\"";
        PutTenths(body_, Tenths(r.y()));
        body_ += "\" width=\"";
        PutTenths(body_, Tenths(r.width()));
        body_ += "\" height=\"";
        PutTenths(body_, Tenths(r.height()));
        body_ += "\" preserveAspectRatio=\"none\"";
        const QTransform& t = transform();
        if (!t.isIdentity()) {
            body_ += " transform=\"matrix(" + QByteArray::number(t.m11(), 'g', 9) + ' ' +
                     QByteArray::number(t.m12(), 'g', 9) + ' ' + QByteArray::number(t.m21(), 'g', 9) + ' ' +
                     QByteArray::number(t.m22(), 'g', 9) + ' ' + QByteArray::number(t.dx(), 'g', 9) + ' ' +
                     QByteArray::number(t.dy(), 'g', 9) + ")\"";
        }
        body_ += " xlink:href=\"data:image/png;base64," + png.toBase64() + "\"/>\n";
    }

  public:
    // The style sheet and the drawing body.
    QByteArray StyleSheet() const {
        QByteArray css;
        for (const auto& [key, index] : styles_) {
            css += '.' + ClassName(index) + '{';
            css += key.filled ? "fill:" + ColourText(QColor::fromRgb(key.fill)) : QByteArray("fill:none");
            if (key.filled && key.evenOdd) css += ";fill-rule:evenodd";
            if (key.stroked) {
                css += ";stroke:" + ColourText(QColor::fromRgb(key.stroke)) + ";stroke-width:";
                PutTenths(css, key.width);
                static const char* const caps[] = {"butt", "square", "round"};
                static const char* const joins[] = {"miter", "bevel", "round"};
                if (key.cap != 0) css += QByteArray(";stroke-linecap:") + caps[key.cap];
                if (key.join != 0) css += QByteArray(";stroke-linejoin:") + joins[key.join];
            }
            css += "}\n";
        }
        return css;
    }
    const QByteArray& Body() const { return body_; }
    QByteArray ClipDefinitions() const { return clipDefs_; }

  private:
    StyleKey KeyFor(bool closedArea, Qt::FillRule rule) const {
        StyleKey key;
        key.filled = closedArea && brush().style() != Qt::NoBrush;
        if (key.filled) {
            key.fill = brush().color().rgb();
            key.evenOdd = rule == Qt::OddEvenFill;
        }
        key.stroked = pen().style() != Qt::NoPen;
        if (key.stroked) {
            key.stroke = pen().color().rgb();
            key.width = std::max<int64_t>(Tenths(pen().widthF()), pen().widthF() > 0 ? 1 : 10);
            key.cap = pen().capStyle() == Qt::SquareCap ? 1 : pen().capStyle() == Qt::RoundCap ? 2 : 0;
            key.join = pen().joinStyle() == Qt::BevelJoin ? 1 : pen().joinStyle() == Qt::RoundJoin ? 2 : 0;
        }
        return key;
    }

    void CloseGroups() {
        SetClass(-1);
        if (inClip_) body_ += "</g>\n";
        inClip_ = false;
    }

    // Opens the clip group the current clip asks for, when it differs from the open one.
    void SyncClip() {
        const bool want = Clipped();
        if (want == inClip_ && (!want || openClip_ == ClipRect())) return;
        SetClass(-1);
        if (inClip_) body_ += "</g>\n";
        inClip_ = want;
        if (!want) return;
        openClip_ = ClipRect();
        const QRect r = openClip_.toAlignedRect();
        const auto key = std::make_tuple(r.x(), r.y(), r.width(), r.height());
        auto found = clips_.find(key);
        if (found == clips_.end()) {
            found = clips_.emplace(key, clips_.size()).first;
            clipDefs_ += "<clipPath id=\"k" + QByteArray::number(static_cast<qulonglong>(found->second)) +
                         "\"><rect x=\"" + QByteArray::number(r.x()) + "\" y=\"" + QByteArray::number(r.y()) +
                         "\" width=\"" + QByteArray::number(r.width()) + "\" height=\"" +
                         QByteArray::number(r.height()) + "\"/></clipPath>\n";
        }
        body_ +=
            "<g clip-path=\"url(#k" + QByteArray::number(static_cast<qulonglong>(found->second)) + ")\">\n";
    }

    // Shapes of one style in a row share a group of that class; a single one carries the class.
    void SetClass(int index) {
        if (index == currentClass_) return;
        if (currentClass_ >= 0 && !run_.empty()) {
            const QByteArray name = ClassName(static_cast<size_t>(currentClass_));
            if (run_.size() == 1) {
                body_ += "<path class=\"" + name + "\" d=\"" + run_[0] + "\"/>\n";
            } else {
                body_ += "<g class=\"" + name + "\">\n";
                for (const QByteArray& d : run_) body_ += "<path d=\"" + d + "\"/>\n";
                body_ += "</g>\n";
            }
        }
        run_.clear();
        currentClass_ = index;
    }

    void WriteShape(const QPainterPath& given, bool area, bool closeAll) {
        if (given.isEmpty()) return;
        const StyleKey key = KeyFor(area, given.fillRule());
        if (!key.filled && !key.stroked) return;
        SyncClip();
        auto found = styles_.find(key);
        if (found == styles_.end()) found = styles_.emplace(key, static_cast<int>(styles_.size())).first;
        SetClass(found->second);
        const QPainterPath path = transform().isIdentity() ? given : transform().map(given);
        QByteArray d;
        WritePathData(d, path, closeAll);
        run_.push_back(std::move(d));
    }

    // Relative path commands; a letter is written only where it changes. A closed subpath ends
    // with z instead of the straight piece back to its start.
    static void WritePathData(QByteArray& d, const QPainterPath& path, bool closeAll) {
        int64_t cx = 0, cy = 0, sx = 0, sy = 0, lastQx = 0, lastQy = 0;
        char last = 0;
        bool afterLetter = false, open = false;
        auto command = [&](char c) {
            if (c != last) {
                d += c;
                afterLetter = true;
            }
            last = c;
        };
        auto number = [&](int64_t t) {
            if (!afterLetter && t >= 0) d += ' ';
            afterLetter = false;
            PutTenths(d, t);
        };
        auto close = [&] {
            if (open && (closeAll || (cx == sx && cy == sy))) {
                command('z');
                last = 0;
                cx = sx, cy = sy;
            }
            open = false;
        };
        const int n = path.elementCount();
        for (int i = 0; i < n; ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const int64_t x = Tenths(e.x), y = Tenths(e.y);
            if (e.isMoveTo()) {
                close();
                command('m');
                number(x - cx);
                number(y - cy);
                last = 'l';  // pairs after a move are straight pieces
                cx = sx = x;
                cy = sy = y;
                open = true;
            } else if (e.isLineTo()) {
                const bool endsSubpath = i + 1 == n || path.elementAt(i + 1).isMoveTo();
                if ((x == cx && y == cy) || (endsSubpath && x == sx && y == sy)) {
                    cx = x, cy = y;
                    continue;
                }
                if (y == cy) {
                    command('h');
                    number(x - cx);
                } else if (x == cx) {
                    command('v');
                    number(y - cy);
                } else {
                    command('l');
                    number(x - cx);
                    number(y - cy);
                }
                cx = x, cy = y;
            } else if (e.isCurveTo() && i + 2 < n) {
                const QPointF start = path.elementAt(i - 1);
                const QPointF c1 = path.elementAt(i), c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
                i += 2;
                // A quadratic piece raised to a cubic: both inner points lead back to one control.
                const QPointF q1 = (c1 * 3 - start) / 2, q2 = (c2 * 3 - end) / 2;
                if (std::abs(q1.x() - q2.x()) < 1e-3 && std::abs(q1.y() - q2.y()) < 1e-3) {
                    const int64_t qx = Tenths(q1.x()), qy = Tenths(q1.y());
                    // After a quadratic piece, a control point that mirrors the last one in the
                    // current point is implied (as along the runs of glyph outlines).
                    if ((last == 'q' || last == 't') && qx == 2 * cx - lastQx && qy == 2 * cy - lastQy) {
                        command('t');
                    } else {
                        command('q');
                        number(qx - cx);
                        number(qy - cy);
                    }
                    lastQx = qx, lastQy = qy;
                } else {
                    command('c');
                    number(Tenths(c1.x()) - cx);
                    number(Tenths(c1.y()) - cy);
                    number(Tenths(c2.x()) - cx);
                    number(Tenths(c2.y()) - cy);
                }
                const int64_t ex = Tenths(end.x()), ey = Tenths(end.y());
                number(ex - cx);
                number(ey - cy);
                cx = ex, cy = ey;
            }
        }
        close();
    }

    bool inClip_ = false;
    QRectF openClip_;
    std::map<StyleKey, int> styles_;
    std::map<std::tuple<int, int, int, int>, size_t> clips_;
    QByteArray body_, clipDefs_;
    int currentClass_ = -1;
    std::vector<QByteArray> run_;  // path data of the shapes of the current class
};

SvgDevice::SvgDevice(QSize size, int dotsPerInch, const QString& title)
    : size_(size), dotsPerInch_(dotsPerInch), engine_(std::make_unique<SvgPaintEngine>()) {
    title_ = title;
}

SvgDevice::~SvgDevice() = default;

QPaintEngine* SvgDevice::paintEngine() const {
    return engine_.get();
}

int SvgDevice::metric(PaintDeviceMetric m) const {
    const QSizeF mm(size_.width() * kMmPerInchD / dotsPerInch_, size_.height() * kMmPerInchD / dotsPerInch_);
    if (const std::optional<int> value = VectorPageMetric(m, size_, mm, dotsPerInch_)) return *value;
    return QPaintDevice::metric(m);
}

QByteArray SvgDevice::Document() const {
    // Millimetres as the shortest text that reads back to the same number.
    auto mm = [&](int units) {
        return QByteArray::number(units * kMmPerInchD / dotsPerInch_, 'g', QLocale::FloatingPointShortest);
    };
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "version=\"1.1\" width=\"" +
        mm(size_.width()) + "mm\" height=\"" + mm(size_.height()) + "mm\" viewBox=\"0 0 " +
        QByteArray::number(size_.width()) + ' ' + QByteArray::number(size_.height()) + "\">\n";
    out += "<title>" + title_.toHtmlEscaped().toUtf8() + "</title>\n";
    out += "<style>\n" + engine_->StyleSheet() + "</style>\n";
    const QByteArray clips = engine_->ClipDefinitions();
    if (!clips.isEmpty()) out += "<defs>\n" + clips + "</defs>\n";
    out += engine_->Body();
    out += "</svg>\n";
    return out;
}

}  // namespace pw
