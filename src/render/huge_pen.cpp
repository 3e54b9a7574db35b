#include "render/huge_pen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pw {

namespace {

using Piece = std::vector<QPointF>;

double Cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

double Dot(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}

// Whether p lies within r of the segment a -> b.
bool Within(QPointF p, QPointF a, QPointF b, double r) {
    const QPointF d = b - a;
    const double len2 = Dot(d, d);
    const double t = len2 > 0 ? std::clamp(Dot(p - a, d) / len2, 0.0, 1.0) : 0.0;
    const QPointF off = p - (a + d * t);
    return Dot(off, off) <= r * r;
}

// Whether the capsule of the segment (convex) holds the rectangle: it holds its corners.
bool CapsuleHolds(QPointF a, QPointF b, double r, const QRectF& rect) {
    return Within(rect.topLeft(), a, b, r) && Within(rect.topRight(), a, b, r) &&
           Within(rect.bottomLeft(), a, b, r) && Within(rect.bottomRight(), a, b, r);
}

// Cuts a convex piece to one side of a line x = bound (alongX) or y = bound, keeping the side of
// larger values when keepAbove.
void CutHalf(Piece& piece, bool alongX, double bound, bool keepAbove, Piece& scratch) {
    scratch.clear();
    auto coord = [&](QPointF p) { return alongX ? p.x() : p.y(); };
    auto inside = [&](QPointF p) { return keepAbove ? coord(p) >= bound : coord(p) <= bound; };
    for (size_t i = 0; i < piece.size(); ++i) {
        const QPointF a = piece[i], b = piece[(i + 1) % piece.size()];
        const bool ia = inside(a), ib = inside(b);
        if (ia) scratch.push_back(a);
        if (ia != ib) {
            QPointF cut = a + (b - a) * ((bound - coord(a)) / (coord(b) - coord(a)));
            (alongX ? cut.rx() : cut.ry()) = bound;
            scratch.push_back(cut);
        }
    }
    piece.swap(scratch);
}

// Adds a convex piece, cut to the rectangle, to the path; all pieces turn the same way, so that
// the nonzero rule fills their union.
void AddPiece(Piece& piece, const QRectF& rect, Piece& scratch, QPainterPath& path) {
    CutHalf(piece, true, rect.left(), true, scratch);
    CutHalf(piece, true, rect.right(), false, scratch);
    CutHalf(piece, false, rect.top(), true, scratch);
    CutHalf(piece, false, rect.bottom(), false, scratch);
    if (piece.size() < 3) return;
    double twiceArea = 0;
    for (size_t i = 0; i < piece.size(); ++i) twiceArea += Cross(piece[i], piece[(i + 1) % piece.size()]);
    if (twiceArea == 0) return;
    if (twiceArea < 0) std::reverse(piece.begin(), piece.end());
    path.addPolygon(QPolygonF(piece.begin(), piece.end()));
    path.closeSubpath();
}

// The band along a -> b (a != b): the points within r of the segment's line whose projection
// falls on it.
void AddBand(QPointF a, QPointF b, double r, const QRectF& rect, Piece& scratch, QPainterPath& path) {
    const QPointF d = b - a;
    const double len = std::sqrt(Dot(d, d));
    if (!(len > 0)) return;
    const QPointF side(-d.y() * r / len, d.x() * r / len);
    Piece band{a + side, b + side, b - side, a - side};
    AddPiece(band, rect, scratch, path);
}

// The dot around v, as far as it can reach the rectangle: seen from a point outside it, the
// sector between the rays to its outermost corners; otherwise the whole flattened circle.
void AddDot(QPointF v, double r, const QRectF& rect, Piece& scratch, QPainterPath& path) {
    const QPointF nearest(std::clamp(v.x(), rect.left(), rect.right()),
                          std::clamp(v.y(), rect.top(), rect.bottom()));
    const QPointF gap = nearest - v;
    if (Dot(gap, gap) > r * r) return;
    const double step = std::min(std::sqrt(8 * kRimTolerance / r), M_PI / 8);
    const bool outside = nearest != v;
    Piece dot;
    double from = 0, span = 2 * M_PI;
    if (outside) {
        // Angles of the corners about the direction to the rectangle's centre: within a half turn.
        const QPointF toCentre = rect.center() - v;
        const double base = std::atan2(toCentre.y(), toCentre.x());
        double lo = 0, hi = 0;
        for (QPointF c : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
            const QPointF to = c - v;
            const double a = std::atan2(Cross(toCentre, to), Dot(toCentre, to));
            lo = std::min(lo, a);
            hi = std::max(hi, a);
        }
        from = base + lo;
        span = hi - lo;
        dot.push_back(v);
    }
    const int steps = std::max(1, static_cast<int>(std::ceil(span / step)));
    for (int k = 0; k <= steps; ++k) {
        if (!outside && k == steps) break;
        const double a = from + span * k / steps;
        dot.emplace_back(v.x() + r * std::cos(a), v.y() + r * std::sin(a));
    }
    AddPiece(dot, rect, scratch, path);
}

}  // namespace

QPainterPath HugeStrokeArea(const QPolygonF& line, double radius, const QRectF& area) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const qsizetype n = line.size();
    if (n == 0 || !(radius > 0) || area.isEmpty()) return path;
    for (qsizetype i = 0; i < std::max<qsizetype>(n - 1, 1); ++i) {
        if (CapsuleHolds(line[i], line[std::min(i + 1, n - 1)], radius, area)) {
            path.addRect(area);
            return path;
        }
    }
    Piece scratch;
    for (qsizetype i = 0; i < n; ++i) {
        if (i == 0 || line[i] != line[i - 1]) AddDot(line[i], radius, area, scratch, path);
        if (i + 1 < n && line[i] != line[i + 1]) AddBand(line[i], line[i + 1], radius, area, scratch, path);
    }
    return path;
}

}  // namespace pw
