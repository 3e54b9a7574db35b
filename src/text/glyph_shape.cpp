#include "text/glyph_shape.h"

namespace pw {

namespace {

FontPoint Mid(FontPoint a, FontPoint b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// Collects the runs of one glyph's contours in the shape.
class RunWriter {
  public:
    explicit RunWriter(GlyphShape& shape) : shape_(shape) {}

    void Emit(OutlineOp op, const FontPoint* pts, size_t n) {
        shape_.records.push_back({op, static_cast<uint32_t>(shape_.points.size()), static_cast<uint32_t>(n)});
        shape_.points.insert(shape_.points.end(), pts, pts + n);
    }
    void Emit(OutlineOp op, const std::vector<FontPoint>& pts) { Emit(op, pts.data(), pts.size()); }
    void Start(FontPoint p) { Emit(OutlineOp::Start, &p, 1); }
    void Close() { Emit(OutlineOp::Close, nullptr, 0); }

    // Cubic from a with controls b, c to d: halved at its middle, each half approximated by one
    // quadratic; the middle is then exactly the midpoint of the two quadratic control points.
    void Cubic(FontPoint a, FontPoint b, FontPoint c, FontPoint d) {
        FontPoint ab = Mid(a, b), bc = Mid(b, c), cd = Mid(c, d);
        FontPoint abc = Mid(ab, bc), bcd = Mid(bc, cd), m = Mid(abc, bcd);
        // A cubic half p0 p1 p2 p3 is met closely by the quadratic control (3 (p1 + p2) - p0 - p3) / 4.
        FontPoint q1{(3 * (ab.x + abc.x) - a.x - m.x) / 4, (3 * (ab.y + abc.y) - a.y - m.y) / 4};
        FontPoint q2{(3 * (bcd.x + cd.x) - m.x - d.x) / 4, (3 * (bcd.y + cd.y) - m.y - d.y) / 4};
        FontPoint pts[3] = {q1, q2, d};
        Emit(OutlineOp::Quadratic, pts, 3);
    }

  private:
    GlyphShape& shape_;
};

bool ReadContour(const FT_Outline& o, int first, int last, RunWriter& out) {
    const int n = last - first + 1;
    if (n < 2) return true;
    auto point = [&](int i) {
        return FontPoint{static_cast<double>(o.points[i].x), static_cast<double>(o.points[i].y)};
    };
    auto tag = [&](int i) { return FT_CURVE_TAG(o.tags[i]); };

    int start = -1;
    for (int i = first; i <= last && start < 0; ++i) {
        if (tag(i) == FT_CURVE_TAG_ON) start = i;
    }
    if (start < 0) {
        // Only control points: the curve passes through the implied midpoints, one of which starts it.
        std::vector<FontPoint> run;
        for (int i = first; i <= last; ++i) {
            if (tag(i) != FT_CURVE_TAG_CONIC) return false;
            run.push_back(point(i));
        }
        FontPoint s = Mid(point(last), point(first));
        run.push_back(s);
        out.Start(s);
        out.Emit(OutlineOp::Quadratic, run);
        out.Close();
        return true;
    }

    FontPoint current = point(start);
    out.Start(current);
    std::vector<FontPoint> line, controls;
    bool cubic = false;
    auto flushLine = [&] {
        if (!line.empty()) out.Emit(OutlineOp::Line, line);
        line.clear();
    };
    // Visit every point after the start and the start once more at the end.
    for (int k = 1; k <= n; ++k) {
        const int i = first + (start - first + k) % n;
        const FontPoint p = point(i);
        switch (tag(i)) {
            case FT_CURVE_TAG_ON:
                if (cubic) {
                    if (controls.size() != 2) return false;
                    out.Cubic(current, controls[0], controls[1], p);
                    controls.clear();
                    cubic = false;
                } else if (!controls.empty()) {
                    controls.push_back(p);
                    out.Emit(OutlineOp::Quadratic, controls);
                    controls.clear();
                } else {
                    line.push_back(p);
                }
                current = p;
                break;
            case FT_CURVE_TAG_CONIC:
                if (cubic) return false;
                flushLine();
                controls.push_back(p);
                break;
            case FT_CURVE_TAG_CUBIC:
                if (!controls.empty() && !cubic) return false;
                flushLine();
                cubic = true;
                controls.push_back(p);
                if (controls.size() > 2) return false;
                break;
            default:
                return false;
        }
    }
    // The last point visited was the start itself; a straight way back to it is implied by the close.
    if (!line.empty()) line.pop_back();
    flushLine();
    out.Close();
    return true;
}

}  // namespace

bool ReadOutlineRuns(const FT_Outline& outline, GlyphShape& shape) {
    const size_t records = shape.records.size(), points = shape.points.size();
    RunWriter out(shape);
    int first = 0;
    for (int c = 0; c < outline.n_contours; ++c) {
        const int last = outline.contours[c];
        bool ok = last >= first && last < outline.n_points && ReadContour(outline, first, last, out);
        if (!ok) {
            shape.records.resize(records);
            shape.points.resize(points);
            return false;
        }
        first = last + 1;
    }
    return true;
}

}  // namespace pw
