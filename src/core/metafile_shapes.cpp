// The playback context's drawing: shapes, paths, text and pictures onto the canvas.
#include <algorithm>
#include <cmath>

#include "core/metafile_player.h"
#include "core/metafile_records.h"

namespace pw {

namespace {
constexpr double kTwoPi = 6.283185307179586;
// Segments of a flattened curve: enough for a smooth outline, bounded for huge ones.
constexpr int kMinSegments = 8, kMaxSegments = 2000;

TBrushStyle BrushStyleOf(const MfBrush& b) {
    if (b.style == gdi::BS_NULL) return bsClear;
    if (b.style != gdi::BS_HATCHED) return bsSolid;
    switch (b.hatch) {
        case gdi::HS_HORIZONTAL:
            return bsHorizontal;
        case gdi::HS_VERTICAL:
            return bsVertical;
        case gdi::HS_FDIAGONAL:
            return bsFDiagonal;
        case gdi::HS_BDIAGONAL:
            return bsBDiagonal;
        case gdi::HS_CROSS:
            return bsCross;
        default:
            return bsDiagCross;
    }
}

DPoint D(int32_t x, int32_t y) {
    return {static_cast<double>(x), static_cast<double>(y)};
}
}  // namespace

int32_t MetafilePlayer::DeviceLength(double logical) const {
    const double scale = std::sqrt(std::fabs(total_.m11 * total_.m22 - total_.m12 * total_.m21));
    const double v = std::fabs(logical) * scale;
    return std::isfinite(v) ? static_cast<int32_t>(std::min(std::floor(v + 0.5), 1e6)) : 0;
}

bool MetafilePlayer::Prepare(bool pen, bool brush) {
    const bool penDraws = pen && (s_.pen.style & gdi::PS_STYLE_MASK) != gdi::PS_NULL;
    const bool brushDraws = brush && s_.brush.style != gdi::BS_NULL;
    canvas_.SetPenStyle(penDraws ? PenStyle::Solid : PenStyle::Clear);
    canvas_.SetPenColor(s_.pen.color);
    // A geometric pen's width is in logical units; a hairline stays one device pixel.
    int32_t width = 0;
    if (!s_.pen.cosmetic && s_.pen.width > 0) width = std::max(1, DeviceLength(s_.pen.width));
    canvas_.SetPenWidth(width);
    canvas_.SetPenMode(s_.rop2 == gdi::R2_XORPEN      ? PenMode::Xor
                       : s_.rop2 == gdi::R2_NOTXORPEN ? PenMode::NotXor
                                                      : PenMode::Copy);
    canvas_.SetBrushColor(s_.brush.color);
    canvas_.SetBrushStyle(brushDraws ? BrushStyleOf(s_.brush) : bsClear);
    canvas_.SetPolyFillMode(s_.fillMode == gdi::WINDING ? FillMode::Winding : FillMode::Alternate);
    return penDraws || brushDraws;
}

void MetafilePlayer::StrokeDevice(const std::vector<IPoint>& pts) {
    if (pts.size() >= 2 && Prepare(true, false)) canvas_.Polyline(pts);
}

void MetafilePlayer::FillDevice(const std::vector<IPoint>& pts, const std::vector<int32_t>& counts, bool pen,
                                bool brush) {
    if (pts.empty() || !Prepare(pen, brush)) return;
    canvas_.PolyPolygon(pts.data(), counts.data(), counts.size());
}

void MetafilePlayer::AddFigure(const std::vector<DPoint>& devicePts, bool closed) {
    if (devicePts.empty()) return;
    figures_.push_back({devicePts, closed});
}

// A closed shape given by its logical outline: into the path, or filled and outlined.
void MetafilePlayer::ShapeFromLogical(const std::vector<DPoint>& pts, bool closed) {
    if (pts.size() < 2) return;
    if (inPath_) {
        std::vector<DPoint> device;
        device.reserve(pts.size());
        for (const DPoint& p : pts) device.push_back(ToDevice(p));
        AddFigure(device, closed);
        return;
    }
    std::vector<IPoint> device = RoundAll(pts);
    if (closed)
        FillDevice(device, {static_cast<int32_t>(device.size())}, true, true);
    else
        StrokeDevice(device);
}

void MetafilePlayer::MoveTo(DPoint p) {
    s_.position = p;
    if (inPath_) figures_.push_back({{ToDevice(p)}, false});
}

void MetafilePlayer::LineTo(DPoint p) {
    PolylineTo({p});
}

void MetafilePlayer::Polyline(const std::vector<DPoint>& pts) {
    if (pts.size() < 2) return;
    if (inPath_) {
        MoveTo(pts[0]);
        PolylineTo(std::vector<DPoint>(pts.begin() + 1, pts.end()));
        return;
    }
    StrokeDevice(RoundAll(pts));
}

void MetafilePlayer::PolylineTo(const std::vector<DPoint>& pts) {
    if (pts.empty()) return;
    if (inPath_) {
        if (figures_.empty() || figures_.back().closed) figures_.push_back({{ToDevice(s_.position)}, false});
        for (const DPoint& p : pts) figures_.back().pts.push_back(ToDevice(p));
    } else {
        std::vector<DPoint> all{s_.position};
        all.insert(all.end(), pts.begin(), pts.end());
        StrokeDevice(RoundAll(all));
    }
    s_.position = pts.back();
}

void MetafilePlayer::Polygon(const std::vector<DPoint>& pts) {
    ShapeFromLogical(pts, true);
}

void MetafilePlayer::PolyPolygon(const std::vector<DPoint>& pts, const std::vector<uint32_t>& counts) {
    if (inPath_) {
        size_t at = 0;
        for (uint32_t c : counts) {
            ShapeFromLogical(std::vector<DPoint>(pts.begin() + at, pts.begin() + at + c), true);
            at += c;
        }
        return;
    }
    std::vector<int32_t> n(counts.begin(), counts.end());
    FillDevice(RoundAll(pts), n, true, true);
}

void MetafilePlayer::PolyPolyline(const std::vector<DPoint>& pts, const std::vector<uint32_t>& counts) {
    size_t at = 0;
    for (uint32_t c : counts) {
        Polyline(std::vector<DPoint>(pts.begin() + at, pts.begin() + at + c));
        at += c;
    }
}

std::vector<DPoint> MetafilePlayer::FlattenBezier(DPoint p0, const DPoint* c) const {
    // Enough steps for the device length of the control polygon.
    double len = 0;
    DPoint prev = ToDevice(p0);
    for (int i = 0; i < 3; ++i) {
        DPoint d = ToDevice(c[i]);
        len += std::hypot(d.x - prev.x, d.y - prev.y);
        prev = d;
    }
    const int steps = static_cast<int>(std::clamp(std::isfinite(len) ? len / 2 : 1.0, 1.0, 256.0));
    std::vector<DPoint> out;
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, cc = 3 * u * t * t, d = t * t * t;
        out.push_back({a * p0.x + b * c[0].x + cc * c[1].x + d * c[2].x,
                       a * p0.y + b * c[0].y + cc * c[1].y + d * c[2].y});
    }
    return out;
}

void MetafilePlayer::PolyBezier(const std::vector<DPoint>& pts) {
    if (pts.size() < 4) return;
    std::vector<DPoint> line{pts[0]};
    for (size_t i = 1; i + 2 < pts.size(); i += 3) {
        std::vector<DPoint> seg = FlattenBezier(line.back(), &pts[i]);
        line.insert(line.end(), seg.begin(), seg.end());
    }
    Polyline(line);
}

void MetafilePlayer::PolyBezierTo(const std::vector<DPoint>& pts) {
    std::vector<DPoint> line;
    DPoint from = s_.position;
    for (size_t i = 0; i + 2 < pts.size(); i += 3) {
        std::vector<DPoint> seg = FlattenBezier(from, &pts[i]);
        line.insert(line.end(), seg.begin(), seg.end());
        from = pts[i + 2];
    }
    PolylineTo(line);
}

void MetafilePlayer::Rectangle(const IRect& box) {
    if (!inPath_ && total_.AxisAligned()) {
        if (!Prepare(true, true)) return;
        IPoint a = Round(ToDevice(D(box.x1, box.y1))), b = Round(ToDevice(D(box.x2, box.y2)));
        canvas_.Rectangle(IRect{a.x, a.y, b.x, b.y});
        return;
    }
    ShapeFromLogical({D(box.x1, box.y1), D(box.x2, box.y1), D(box.x2, box.y2), D(box.x1, box.y2)}, true);
}

std::vector<DPoint> MetafilePlayer::ArcPoints(const IRect& box, DPoint start, DPoint end, bool full) const {
    const double x1 = box.x1, y1 = box.y1, x2 = box.x2, y2 = box.y2;
    const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2, a = std::fabs(x2 - x1) / 2,
                 b = std::fabs(y2 - y1) / 2;
    std::vector<DPoint> out;
    if (a == 0 || b == 0) return out;
    // Angles as seen with y downward, counter-clockwise growing.
    const double from = std::atan2(-(start.y - cy) / b, (start.x - cx) / a);
    const double to = std::atan2(-(end.y - cy) / b, (end.x - cx) / a);
    double sweep = full ? kTwoPi : (s_.arcClockwise ? from - to : to - from);
    if (!full) {
        sweep = std::fmod(sweep + 2 * kTwoPi, kTwoPi);
        if (sweep <= 1e-12) sweep = kTwoPi;
    }
    const double dir = s_.arcClockwise ? -1 : 1;
    const int n =
        std::clamp(static_cast<int>(DeviceLength(std::max(a, b)) * sweep / 2), kMinSegments, kMaxSegments);
    for (int i = 0; i <= n; ++i) {
        const double t = from + dir * sweep * i / n;
        out.push_back({cx + a * std::cos(t), cy - b * std::sin(t)});
    }
    return out;
}

std::vector<DPoint> MetafilePlayer::EllipsePoints(const IRect& box) const {
    std::vector<DPoint> pts = ArcPoints(box, {}, {}, true);
    if (!pts.empty()) pts.pop_back();
    return pts;
}

void MetafilePlayer::Ellipse(const IRect& box) {
    if (!inPath_ && total_.AxisAligned()) {
        if (!Prepare(true, true)) return;
        IPoint a = Round(ToDevice(D(box.x1, box.y1))), b = Round(ToDevice(D(box.x2, box.y2)));
        canvas_.Ellipse(IRect{a.x, a.y, b.x, b.y});
        return;
    }
    ShapeFromLogical(EllipsePoints(box), true);
}

void MetafilePlayer::RoundRect(const IRect& box, int32_t cw, int32_t ch) {
    const double x1 = std::min(box.x1, box.x2), x2 = std::max(box.x1, box.x2);
    const double y1 = std::min(box.y1, box.y2), y2 = std::max(box.y1, box.y2);
    const double rx = std::min(std::fabs(cw) / 2.0, (x2 - x1) / 2),
                 ry = std::min(std::fabs(ch) / 2.0, (y2 - y1) / 2);
    if (rx <= 0 || ry <= 0) {
        Rectangle(box);
        return;
    }
    std::vector<DPoint> pts;
    const int n = std::clamp(DeviceLength(std::max(rx, ry)), 2, 64);
    const DPoint centres[4] = {
        {x2 - rx, y1 + ry}, {x1 + rx, y1 + ry}, {x1 + rx, y2 - ry}, {x2 - rx, y2 - ry}};
    for (int corner = 0; corner < 4; ++corner)
        for (int i = 0; i <= n; ++i) {
            const double t = (corner + static_cast<double>(i) / n) * kTwoPi / 4;
            pts.push_back({centres[corner].x + rx * std::cos(t), centres[corner].y - ry * std::sin(t)});
        }
    ShapeFromLogical(pts, true);
}

void MetafilePlayer::ArcShape(ArcKind kind, const IRect& box, DPoint start, DPoint end) {
    if (kind == ArcKind::Arc && !inPath_ && total_.AxisAligned()) {
        if (!Prepare(true, false)) return;
        IPoint a = Round(ToDevice(D(box.x1, box.y1))), b = Round(ToDevice(D(box.x2, box.y2)));
        IPoint s = Round(ToDevice(start)), e = Round(ToDevice(end));
        // The canvas draws counter-clockwise on the device; a mirroring mapping or the
        // clockwise direction turns the arc round.
        const bool mirrored = total_.m11 * total_.m22 < 0;
        if (mirrored != s_.arcClockwise) std::swap(s, e);
        canvas_.Arc(IRect{a.x, a.y, b.x, b.y}, s, e);
        return;
    }
    std::vector<DPoint> pts = ArcPoints(box, start, end, false);
    if (pts.empty()) return;
    switch (kind) {
        case ArcKind::Arc:
            ShapeFromLogical(pts, false);
            break;
        case ArcKind::ArcTo:
            LineTo(pts.front());
            PolylineTo(pts);
            break;
        case ArcKind::Chord:
            ShapeFromLogical(pts, true);
            break;
        case ArcKind::Pie:
            pts.push_back({(double(box.x1) + box.x2) / 2, (double(box.y1) + box.y2) / 2});
            ShapeFromLogical(pts, true);
            break;
    }
}

void MetafilePlayer::AngleArc(DPoint c, double r, double startDeg, double sweepDeg) {
    if (!std::isfinite(r) || !std::isfinite(startDeg) || !std::isfinite(sweepDeg) ||
        std::fabs(sweepDeg) > 36000)
        return;
    const int n =
        std::clamp(static_cast<int>(DeviceLength(r) * std::fabs(sweepDeg) / 90), kMinSegments, kMaxSegments);
    std::vector<DPoint> pts;
    for (int i = 0; i <= n; ++i) {
        const double t = (startDeg + sweepDeg * i / n) * kTwoPi / 360;
        pts.push_back({c.x + r * std::cos(t), c.y - r * std::sin(t)});
    }
    LineTo(pts.front());
    PolylineTo(pts);
}

void MetafilePlayer::SetPixel(DPoint p, Color c) {
    IPoint d = Round(ToDevice(p));
    canvas_.SetPenStyle(PenStyle::Clear);
    canvas_.SetBrushColor(c);
    canvas_.SetBrushStyle(bsSolid);
    canvas_.Rectangle(IRect{d.x, d.y, d.x + 1, d.y + 1});
}

// --- paths ---

void MetafilePlayer::BeginPath() {
    figures_.clear();
    inPath_ = true;
}

void MetafilePlayer::AbortPath() {
    figures_.clear();
    inPath_ = false;
}

void MetafilePlayer::CloseFigure() {
    if (inPath_ && !figures_.empty()) {
        figures_.back().closed = true;
        // A line drawn after closing starts a new figure at the first point.
        s_.position = total_.AxisAligned() && total_.m11 != 0 && total_.m22 != 0
                          ? DPoint{(figures_.back().pts[0].x - total_.dx) / total_.m11,
                                   (figures_.back().pts[0].y - total_.dy) / total_.m22}
                          : s_.position;
    }
}

void MetafilePlayer::DrawPath(bool stroke, bool fill) {
    if (inPath_) return;
    std::vector<IPoint> pts;
    std::vector<int32_t> counts;
    for (const Figure& f : figures_) {
        if (f.pts.size() < 2) continue;
        for (const DPoint& p : f.pts) pts.push_back(Round(p));
        counts.push_back(static_cast<int32_t>(f.pts.size()));
    }
    if (fill) FillDevice(pts, counts, false, true);
    if (stroke) {
        size_t at = 0;
        for (size_t i = 0, k = 0; i < figures_.size(); ++i) {
            const Figure& f = figures_[i];
            if (f.pts.size() < 2) continue;
            std::vector<IPoint> line(pts.begin() + at, pts.begin() + at + counts[k]);
            if (f.closed) line.push_back(line.front());
            StrokeDevice(line);
            at += counts[k++];
        }
    }
    figures_.clear();
}

void MetafilePlayer::SelectClipPath() {
    if (inPath_ || figures_.empty()) return;
    // The path's bounding box: the canvas clips to rectangles only.
    double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
    for (const Figure& f : figures_)
        for (const DPoint& p : f.pts) {
            x1 = std::min(x1, p.x), y1 = std::min(y1, p.y), x2 = std::max(x2, p.x), y2 = std::max(y2, p.y);
        }
    figures_.clear();
    IPoint a = Round({x1, y1}), b = Round({x2, y2});
    IRect r{a.x, a.y, b.x, b.y};
    if (s_.clip)
        r = {std::max(r.x1, s_.clip->x1), std::max(r.y1, s_.clip->y1), std::min(r.x2, s_.clip->x2),
             std::min(r.y2, s_.clip->y2)};
    if (r.x2 < r.x1) r.x2 = r.x1;
    if (r.y2 < r.y1) r.y2 = r.y1;
    s_.clip = r;
    ApplyClip();
}

// --- text and pictures ---

void MetafilePlayer::Text(DPoint p, const std::string& utf8, const std::optional<IRect>& opaque) {
    if (opaque && s_.bkMode == gdi::OPAQUE) {
        MfBrush keep = s_.brush;
        MfPen keepPen = s_.pen;
        s_.brush = {gdi::BS_SOLID, s_.bkColor, 0};
        s_.pen.style = gdi::PS_NULL;
        Rectangle(*opaque);
        s_.brush = keep;
        s_.pen = keepPen;
    }
    if (utf8.empty()) return;
    const bool useCp = s_.textAlign & gdi::TA_UPDATECP;
    if (useCp) p = s_.position;
    // Height: a positive one is the cell, a negative one the character height without the
    // internal leading (a cell about 1.15 times as high for common fonts); 0 the default size.
    double cell = s_.font.height > 0 ? s_.font.height : s_.font.height < 0 ? -s_.font.height * 1.15 : 0;
    int32_t height = cell > 0 ? DeviceLength(cell) : DeviceLength(1) * 16;
    if (height <= 0) return;
    // Without measuring, a character counts half the cell wide and the ascent 0.8 of the cell.
    const size_t chars = std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; });
    const double width = 0.5 * height * static_cast<double>(chars);
    DPoint d = ToDevice(p);
    const uint32_t h = s_.textAlign & gdi::TA_CENTER, v = s_.textAlign & gdi::TA_BASELINE;
    if (h == gdi::TA_CENTER)
        d.x -= width / 2;
    else if (h == gdi::TA_RIGHT)
        d.x -= width;
    if (v == gdi::TA_BASELINE)
        d.y -= 0.8 * height;
    else if (v == gdi::TA_BOTTOM)
        d.y -= height;
    if (useCp) {
        const double sx = total_.m11 != 0 ? total_.m11 : 1;
        s_.position.x += (h == gdi::TA_RIGHT ? -width : width) / sx;
    }
    FontSpec font;
    font.name = s_.font.face.empty() ? "Arial" : s_.font.face;
    font.height = height;
    font.style =
        static_cast<uint8_t>((s_.font.weight >= 600 ? fsBold : 0) | (s_.font.italic ? fsItalic : 0) |
                             (s_.font.underline ? fsUnderline : 0) | (s_.font.strikeOut ? fsStrikeOut : 0));
    canvas_.SetFont(font);
    canvas_.SetTextColor(s_.textColor);
    canvas_.SetPenMode(PenMode::Copy);
    canvas_.TextOut(Round(d), utf8);
}

void MetafilePlayer::Picture(int32_t x, int32_t y, int32_t cx, int32_t cy, const Image& image) {
    if (image.IsNull() || cx == 0 || cy == 0 || inPath_) return;
    // Turned pictures are beyond the canvas.
    if (!total_.AxisAligned()) return;
    DPoint a = ToDevice(D(x, y)), b = ToDevice({static_cast<double>(x) + cx, static_cast<double>(y) + cy});
    const bool flipX = b.x < a.x, flipY = b.y < a.y;
    IPoint p = Round({std::min(a.x, b.x), std::min(a.y, b.y)}),
           q = Round({std::max(a.x, b.x), std::max(a.y, b.y)});
    if (q.x <= p.x || q.y <= p.y) return;
    canvas_.SetPenMode(PenMode::Copy);
    if (!flipX && !flipY) {
        canvas_.StretchImage(IRect{p.x, p.y, q.x, q.y}, image);
        return;
    }
    Image turned = image;
    for (int32_t row = 0; row < image.height; ++row)
        for (int32_t col = 0; col < image.width; ++col) {
            const int32_t sr = flipY ? image.height - 1 - row : row, sc = flipX ? image.width - 1 - col : col;
            turned.pixels[static_cast<size_t>(row) * image.width + col] =
                image.pixels[static_cast<size_t>(sr) * image.width + sc];
        }
    canvas_.StretchImage(IRect{p.x, p.y, q.x, q.y}, turned);
}

void MetafilePlayer::FillBox(int32_t x, int32_t y, int32_t cx, int32_t cy, std::optional<Color> colour) {
    MfBrush keep = s_.brush;
    MfPen keepPen = s_.pen;
    if (colour) s_.brush = {gdi::BS_SOLID, *colour, 0};
    s_.pen.style = gdi::PS_NULL;
    Rectangle(IRect{x, y, static_cast<int32_t>(std::clamp<int64_t>(int64_t(x) + cx, INT32_MIN, INT32_MAX)),
                    static_cast<int32_t>(std::clamp<int64_t>(int64_t(y) + cy, INT32_MIN, INT32_MAX))});
    s_.brush = keep;
    s_.pen = keepPen;
}

}  // namespace pw
