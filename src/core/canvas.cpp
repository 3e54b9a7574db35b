#include "core/canvas.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace pw {

namespace {
// LPtoDP for runs of points, giving exactly what LPtoDP gives for each, faster.
//
// With SSE2 both coordinates of a point go side by side. (x - windowOrg) * viewportExt is exact
// in double while |viewportExt| < 2^21; the quotient by windowExt is then first taken by
// multiplying with its reciprocal, which differs from the divided value by a few units in the
// last place. That changes the rounded result only where the value lies within a hair of a half
// (or the quotient is huge): such points, and every point of a mapping with a larger viewport
// extent, are mapped again with the division itself. The floor of the clamped value is the
// truncation corrected by one where it went up, exact within the coordinate bound. Where the
// processor has AVX, two points go side by side in the same way, and the floor is its own
// instruction.
static_assert(sizeof(IPoint) == 8, "points are read as two 32-bit coordinates");

class PointMapper {
  public:
    PointMapper(IPoint windowOrg, IPoint windowExt, IPoint viewportOrg, IPoint viewportExt)
        : wox_(windowOrg.x),
          woy_(windowOrg.y),
          wex_(windowExt.x),
          wey_(windowExt.y),
          vox_(viewportOrg.x),
          voy_(viewportOrg.y),
          vex_(viewportExt.x),
          vey_(viewportExt.y) {}

    void Map(const IPoint* in, IPoint* out, size_t n) const {
#if defined(__SSE2__)
        const __m128d wo = _mm_set_pd(woy_, wox_), ve = _mm_set_pd(vey_, vex_);
        const __m128d we = _mm_set_pd(wey_, wex_), vo = _mm_set_pd(voy_, vox_);
        const __m128d recip = _mm_div_pd(_mm_set1_pd(1.0), we);
        const __m128d half = _mm_set1_pd(0.5), one = _mm_set1_pd(1.0);
        const __m128d hi = _mm_set1_pd(kCoordLimit), lo = _mm_set1_pd(-kCoordLimit);
        const __m128d nearLo = _mm_set1_pd(1.0 / 4096), nearHi = _mm_set1_pd(1.0 - 1.0 / 4096);
        const __m128d huge = _mm_set1_pd(2147483648.0), sign = _mm_set1_pd(-0.0);
        const bool productsExact = std::fabs(vex_) < 2097152.0 && std::fabs(vey_) < 2097152.0;
        size_t i = 0;
#if defined(__x86_64__) && defined(__GNUC__)
        static const bool avx = __builtin_cpu_supports("avx");
        if (avx && productsExact) i = MapPairs(in, out, n);
#endif
        for (; i < n; ++i) {
            const __m128d p = _mm_cvtepi32_pd(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + i)));
            const __m128d a = _mm_mul_pd(_mm_sub_pd(p, wo), ve);
            if (productsExact) {
                const __m128d q = _mm_mul_pd(a, recip);
                const __m128d r = Clamped(_mm_add_pd(_mm_add_pd(q, vo), half), lo, hi);
                const __m128i t = _mm_cvttpd_epi32(r);
                const __m128d up = _mm_cmpgt_pd(_mm_cvtepi32_pd(t), r);
                const __m128d frac = _mm_sub_pd(r, _mm_sub_pd(_mm_cvtepi32_pd(t), _mm_and_pd(up, one)));
                const __m128d unsure =
                    _mm_or_pd(_mm_or_pd(_mm_cmplt_pd(frac, nearLo), _mm_cmpgt_pd(frac, nearHi)),
                              _mm_cmpgt_pd(_mm_andnot_pd(sign, q), huge));
                if (_mm_movemask_pd(unsure) == 0) {
                    Store(out + i, t, up);
                    continue;
                }
            }
            const __m128d r = Clamped(_mm_add_pd(_mm_add_pd(_mm_div_pd(a, we), vo), half), lo, hi);
            const __m128i t = _mm_cvttpd_epi32(r);
            Store(out + i, t, _mm_cmpgt_pd(_mm_cvtepi32_pd(t), r));
        }
#else
        for (size_t i = 0; i < n; ++i) {
            const double x = (static_cast<double>(in[i].x) - wox_) * vex_ / wex_ + vox_;
            const double y = (static_cast<double>(in[i].y) - woy_) * vey_ / wey_ + voy_;
            out[i] = {RoundHalfUp(x), RoundHalfUp(y)};
        }
#endif
    }

  private:
#if defined(__x86_64__) && defined(__GNUC__)
    // Maps the points in pairs, as far as they go, while the products are exact; a pair with a
    // point in doubt is mapped with the division. Returns how many points it mapped.
    __attribute__((target("avx"))) size_t MapPairs(const IPoint* in, IPoint* out, size_t n) const {
        const __m256d wo = _mm256_set_pd(woy_, wox_, woy_, wox_), ve = _mm256_set_pd(vey_, vex_, vey_, vex_);
        const __m256d we = _mm256_set_pd(wey_, wex_, wey_, wex_), vo = _mm256_set_pd(voy_, vox_, voy_, vox_);
        const __m256d recip = _mm256_div_pd(_mm256_set1_pd(1.0), we);
        const __m256d half = _mm256_set1_pd(0.5);
        const __m256d hi = _mm256_set1_pd(kCoordLimit), lo = _mm256_set1_pd(-kCoordLimit);
        const __m256d nearLo = _mm256_set1_pd(1.0 / 4096), nearHi = _mm256_set1_pd(1.0 - 1.0 / 4096);
        const __m256d huge = _mm256_set1_pd(2147483648.0), sign = _mm256_set1_pd(-0.0);
        size_t i = 0;
        for (; i + 2 <= n; i += 2) {
            const __m256d p = _mm256_cvtepi32_pd(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i)));
            const __m256d a = _mm256_mul_pd(_mm256_sub_pd(p, wo), ve);
            const __m256d q = _mm256_mul_pd(a, recip);
            __m256d r = _mm256_min_pd(_mm256_max_pd(_mm256_add_pd(_mm256_add_pd(q, vo), half), lo), hi);
            __m256d f = _mm256_floor_pd(r);
            const __m256d frac = _mm256_sub_pd(r, f);
            const __m256d unsure = _mm256_or_pd(_mm256_or_pd(_mm256_cmp_pd(frac, nearLo, _CMP_LT_OQ),
                                                             _mm256_cmp_pd(frac, nearHi, _CMP_GT_OQ)),
                                                _mm256_cmp_pd(_mm256_andnot_pd(sign, q), huge, _CMP_GT_OQ));
            if (_mm256_movemask_pd(unsure) != 0) {
                r = _mm256_add_pd(_mm256_add_pd(_mm256_div_pd(a, we), vo), half);
                f = _mm256_floor_pd(_mm256_min_pd(_mm256_max_pd(r, lo), hi));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm256_cvttpd_epi32(f));
        }
        return i;
    }
#endif
#if defined(__SSE2__)
    static __m128d Clamped(__m128d v, __m128d lo, __m128d hi) {
        return _mm_min_pd(_mm_max_pd(v, lo), hi);
    }
    // The truncated coordinates, one less where truncation went up: the floor.
    static void Store(IPoint* out, __m128i truncated, __m128d up) {
        const __m128i minusOne = _mm_shuffle_epi32(_mm_castpd_si128(up), _MM_SHUFFLE(3, 1, 2, 0));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_add_epi32(truncated, minusOne));
    }
#endif

    double wox_, woy_, wex_, wey_, vox_, voy_, vex_, vey_;
};
}  // namespace

void Canvas::SetMapMode(MapMode mode) {
    mapMode_ = mode;
    if (mode == MapMode::Text) {
        windowExt_ = viewportExt_ = requestedViewportExt_ = {1, 1};
    } else if (mode == MapMode::Isotropic) {
        AdjustIsotropic();
    }
}

void Canvas::SetWindowExt(int32_t x, int32_t y) {
    if (mapMode_ == MapMode::Text || x == 0 || y == 0) return;
    windowExt_ = {x, y};
    if (mapMode_ == MapMode::Isotropic) {
        viewportExt_ = requestedViewportExt_;
        AdjustIsotropic();
    }
}

void Canvas::SetViewportExt(int32_t x, int32_t y) {
    if (mapMode_ == MapMode::Text || x == 0 || y == 0) return;
    viewportExt_ = requestedViewportExt_ = {x, y};
    if (mapMode_ == MapMode::Isotropic) AdjustIsotropic();
}

void Canvas::AdjustIsotropic() {
    // One logical unit has the same device length in x and y: the larger scale shrinks.
    double xdim = std::fabs(static_cast<double>(viewportExt_.x) / windowExt_.x);
    double ydim = std::fabs(static_cast<double>(viewportExt_.y) / windowExt_.y);
    if (xdim > ydim) {
        int32_t v = static_cast<int32_t>(std::floor(viewportExt_.x * ydim / xdim + 0.5));
        viewportExt_.x = v ? v : (viewportExt_.x >= 0 ? 1 : -1);
    } else if (xdim < ydim) {
        int32_t v = static_cast<int32_t>(std::floor(viewportExt_.y * xdim / ydim + 0.5));
        viewportExt_.y = v ? v : (viewportExt_.y >= 0 ? 1 : -1);
    }
}

double Canvas::ScaleX() const {
    return static_cast<double>(viewportExt_.x) / windowExt_.x;
}
double Canvas::ScaleY() const {
    return static_cast<double>(viewportExt_.y) / windowExt_.y;
}

Real Canvas::DeviceX(Real lx) const {
    return (lx - windowOrg_.x) * viewportExt_.x / windowExt_.x + viewportOrg_.x;
}
Real Canvas::DeviceY(Real ly) const {
    return (ly - windowOrg_.y) * viewportExt_.y / windowExt_.y + viewportOrg_.y;
}
Real Canvas::LogicalX(Real dx) const {
    return (dx - viewportOrg_.x) * windowExt_.x / viewportExt_.x + windowOrg_.x;
}
Real Canvas::LogicalY(Real dy) const {
    return (dy - viewportOrg_.y) * windowExt_.y / viewportExt_.y + windowOrg_.y;
}

IPoint Canvas::LPtoDP(IPoint p) const {
    double x = (static_cast<double>(p.x) - windowOrg_.x) * viewportExt_.x / windowExt_.x + viewportOrg_.x;
    double y = (static_cast<double>(p.y) - windowOrg_.y) * viewportExt_.y / windowExt_.y + viewportOrg_.y;
    return {RoundHalfUp(x), RoundHalfUp(y)};
}

IPoint Canvas::DPtoLP(IPoint p) const {
    double x = (static_cast<double>(p.x) - viewportOrg_.x) * windowExt_.x / viewportExt_.x + windowOrg_.x;
    double y = (static_cast<double>(p.y) - viewportOrg_.y) * windowExt_.y / viewportExt_.y + windowOrg_.y;
    return {RoundHalfUp(x), RoundHalfUp(y)};
}

IRect Canvas::LPtoDP(const IRect& r) const {
    IPoint a = LPtoDP(IPoint{r.x1, r.y1}), b = LPtoDP(IPoint{r.x2, r.y2});
    return {a.x, a.y, b.x, b.y};
}

IRect Canvas::DPtoLP(const IRect& r) const {
    IPoint a = DPtoLP(IPoint{r.x1, r.y1}), b = DPtoLP(IPoint{r.x2, r.y2});
    return {a.x, a.y, b.x, b.y};
}

int32_t Canvas::DevicePenWidth() const {
    if (pen_.width <= 0) return 1;
    int32_t w = RoundHalfUp(pen_.width * std::fabs(ScaleX()));
    return std::max(w, 1);
}

void Canvas::SetBrushColor(Color c) {
    brush_.color = c;
    if (brush_.style == bsClear) brush_.style = bsSolid;
}

namespace {
// Whether any of the points differs from the first.
bool HasLength(const IPoint* pts, size_t n) {
    for (size_t i = 1; i < n; ++i)
        if (!(pts[i] == pts[0])) return true;
    return false;
}
}  // namespace

void Canvas::LineTo(IPoint p) {
    IPoint pts[2] = {LPtoDP(position_), LPtoDP(p)};
    lineHasLength_ = !(position_ == p);
    position_ = p;
    DevPolyline(pts, 2);
}

void Canvas::Polyline(const IPoint* pts, size_t n) {
    if (n < 2) return;
    lineHasLength_ = HasLength(pts, n);
    scratch_.resize(n);
    PointMapper(windowOrg_, windowExt_, viewportOrg_, viewportExt_).Map(pts, scratch_.data(), n);
    DevPolyline(scratch_.data(), n);
}

void Canvas::CurvePolygon(const CurvePath& path) {
    if (path.Empty()) return;
    DevCurves(path.Mapped([this](CurvePoint p) {
        return CurvePoint{static_cast<double>(DeviceX(p.x)), static_cast<double>(DeviceY(p.y))};
    }),
              true);
}

void Canvas::CurvePolyline(const CurvePath& path) {
    if (path.Empty()) return;
    lineHasLength_ = true;
    DevCurves(path.Mapped([this](CurvePoint p) {
        return CurvePoint{static_cast<double>(DeviceX(p.x)), static_cast<double>(DeviceY(p.y))};
    }),
              false);
}

void Canvas::DevCurves(const CurvePath& devicePath, bool filled) {
    std::vector<IPoint> points;
    std::vector<int32_t> counts;
    devicePath.Flatten(kCurveFlattenStep, points, counts);
    if (filled) {
        DevPolyPolygon(points.data(), counts.data(), counts.size());
        return;
    }
    size_t at = 0;
    for (int32_t count : counts) {
        DevPolyline(points.data() + at, static_cast<size_t>(count));
        at += static_cast<size_t>(count);
    }
}

void Canvas::Polygon(const IPoint* pts, size_t n) {
    if (n < 2) return;
    int32_t count = static_cast<int32_t>(n);
    PolyPolygon(pts, &count, 1);
}

bool Canvas::MapPolygons(const IPoint* pts, const int32_t* counts, size_t polygons) {
    size_t total = 0;
    for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(std::max(counts[i], 0));
    if (total == 0) return false;
    scratch_.resize(total);
    PointMapper(windowOrg_, windowExt_, viewportOrg_, viewportExt_).Map(pts, scratch_.data(), total);
    return true;
}

void Canvas::PolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) {
    if (MapPolygons(pts, counts, polygons)) DevPolyPolygon(scratch_.data(), counts, polygons);
}

void Canvas::Polyline(const std::vector<IPoint>& pts, ShapeCache& cache) {
    const size_t n = pts.size();
    if (n < 2) return;
    lineHasLength_ = HasLength(pts.data(), n);
    if (!cache.Empty() && DevRedraw(ShapeCall::Polyline, IRect{}, cache)) return;
    scratch_.resize(n);
    PointMapper(windowOrg_, windowExt_, viewportOrg_, viewportExt_).Map(pts.data(), scratch_.data(), n);
    DevPolylineKeep(scratch_.data(), n, cache);
}

void Canvas::Polygon(const std::vector<IPoint>& pts, ShapeCache& cache) {
    if (pts.size() < 2) return;
    const int32_t count = static_cast<int32_t>(pts.size());
    PolyPolygon(pts.data(), &count, 1, cache);
}

void Canvas::PolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache& cache) {
    if (!cache.Empty() && DevRedraw(ShapeCall::PolyPolygon, IRect{}, cache)) return;
    if (MapPolygons(pts, counts, polygons)) DevPolyPolygonKeep(scratch_.data(), counts, polygons, cache);
}

void Canvas::Ellipse(const IRect& r, ShapeCache& cache) {
    const IRect box = LPtoDP(r);
    if (!cache.Empty() && DevRedraw(ShapeCall::Ellipse, box, cache)) return;
    DevEllipseKeep(box, cache);
}

bool Canvas::DevRedraw(ShapeCall, const IRect&, ShapeCache&) {
    return false;
}

void Canvas::DevPolylineKeep(const IPoint* pts, size_t n, ShapeCache&) {
    DevPolyline(pts, n);
}

void Canvas::DevPolyPolygonKeep(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache&) {
    DevPolyPolygon(pts, counts, polygons);
}

void Canvas::DevEllipseKeep(const IRect& r, ShapeCache&) {
    DevEllipse(r);
}

void Canvas::Rectangle(const IRect& r) {
    DevRectangle(LPtoDP(r));
}

void Canvas::Ellipse(const IRect& r) {
    DevEllipse(LPtoDP(r));
}

void Canvas::Arc(const IRect& box, IPoint start, IPoint end) {
    DevArc(LPtoDP(box), LPtoDP(start), LPtoDP(end));
}

void Canvas::TextOut(IPoint p, std::string_view utf8) {
    int32_t h = RoundHalfUp(font_.height * std::fabs(ScaleY()));
    DevText(LPtoDP(p), utf8, h);
}

void Canvas::StretchImage(const IRect& dest, const Image& image) {
    if (image.IsNull()) return;
    DevImage(LPtoDP(dest), image);
}

bool Canvas::ParallelogramImage(IPoint p0, IPoint p1, IPoint p3, const Image& image) {
    if (image.IsNull()) return false;
    return DevParallelogramImage(LPtoDP(p0), LPtoDP(p1), LPtoDP(p3), image);
}

bool Canvas::DevParallelogramImage(IPoint, IPoint, IPoint, const Image&) {
    return false;
}

void Canvas::IntersectClipRect(const IRect& logical) {
    IRect n = LPtoDP(logical).Ordered();
    if (clip_) {
        n = {std::max(n.x1, clip_->x1), std::max(n.y1, clip_->y1), std::min(n.x2, clip_->x2),
             std::min(n.y2, clip_->y2)};
        if (n.x2 < n.x1) n.x2 = n.x1;
        if (n.y2 < n.y1) n.y2 = n.y1;
    }
    clip_ = n;
    DevClipChanged();
}

void Canvas::ResetClip() {
    clip_.reset();
    DevClipChanged();
}

Canvas::State Canvas::SaveState() const {
    return {mapMode_, windowOrg_, windowExt_, viewportOrg_, viewportExt_, requestedViewportExt_,
            pen_,     brush_,     fillMode_,  font_,        textColor_,   position_,
            clip_};
}

void Canvas::RestoreState(const State& s) {
    mapMode_ = s.mapMode;
    windowOrg_ = s.windowOrg;
    windowExt_ = s.windowExt;
    viewportOrg_ = s.viewportOrg;
    viewportExt_ = s.viewportExt;
    requestedViewportExt_ = s.requestedViewportExt;
    pen_ = s.pen;
    brush_ = s.brush;
    fillMode_ = s.fillMode;
    font_ = s.font;
    textColor_ = s.textColor;
    position_ = s.position;
    if (clip_ != s.clip) {
        clip_ = s.clip;
        DevClipChanged();
    }
}

IRect Canvas::ClipBox() const {
    IRect d = clip_ ? *clip_ : DeviceBounds();
    return DPtoLP(d).Ordered();
}

}  // namespace pw
