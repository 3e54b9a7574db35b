// Painting a text element: the pen and brush, the baseline origins of the characters and each
// character's glyph outline as one even-odd polygon set.
#include <cmath>

#include "core/cp1252.h"
#include "elements/glyph_polygons.h"
#include "elements/textlabel.h"

namespace pw {

Real TTextLabel::TextAngle() const {
    return FlippedH ? Direction(Corners[1], Corners[0]) : Direction(Corners[0], Corners[1]);
}

void TTextLabel::ComputeCharOrigins() const {
    FontEngine& engine = FontEngine::Instance();
    chars_ = Utf8ToUtf32(labelText_);
    if (chars_.size() > kMaxTextLength) chars_.resize(kMaxTextLength);
    // Prefix widths once, so that each origin costs one lookup rather than a measurement.
    prefixWidths_.resize(chars_.size() + 1);
    prefixWidths_[0] = 0;
    for (size_t k = 0; k < chars_.size(); ++k)
        prefixWidths_[k + 1] = prefixWidths_[k] + engine.Advance(labelFont_, chars_[k]);
    const int64_t width = prefixWidths_.back();

    const Real theta = TextAngle();
    const Real cs = std::cos(theta), sn = std::sin(theta);
    const IPoint b = RoundPoint(Corners[3]);
    const Real delta = engine.Metrics(labelFont_).descent;
    const Real s = width > 0 ? Distance(Corners[3], Corners[2]) / width : 0;
    // Baseline direction u = (cos, -sin) and upward normal n = (-sin, -cos); the baseline lies
    // delta above the bottom edge, below the top edge when flipped top to bottom, and the
    // characters run backwards when mirrored left to right.
    const Real nSign = FlippedV ? -1 : 1, uSign = FlippedH ? -1 : 1;
    charOrigins_.resize(chars_.size());
    for (size_t k = 0; k < chars_.size(); ++k) {
        const Real e = RoundEven(s * prefixWidths_[k]) * uSign;
        const Real d = delta * nSign;
        charOrigins_[k] = RoundPoint({b.x - d * sn + e * cs, b.y - d * cs - e * sn});
    }
}

GlyphMatrix TTextLabel::ComputeMatrix(int64_t textWidth) const {
    GlyphMatrix m;
    const Real stretch = textWidth > 0 ? Distance(Corners[3], Corners[2]) / textWidth : 0;
    m.m11 = ToFixed16(FlippedH ? -stretch : stretch);
    const Real phi = AngleBetween(Corners[3], Corners[2], Corners[3], Corners[0]);
    Real shear = std::cos(phi) / std::sin(phi);
    if (FlippedV) shear = -shear;
    m.m21 = ToFixed16(shear);
    m.m12 = 0;
    m.m22 = FlippedV ? 0x10000 : -0x10000;
    return m;
}

void TTextLabel::Paint(Canvas& c) const {
    if ((Hidden() && !GetSelected()) || (!Visible() && !XORFlag())) return;
    // Colour before style: a clear brush stays clear.
    c.SetBrushColor(BrushFarbe());
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenColor(StiftFarbe());
    c.SetBrushStyle(BrushStyle());
    if (Fraesen()) {
        c.SetPenColor(kGrey);
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(kGrey);
    }
    if (StiftPattern() == ptClear && !UmrissFlag()) c.SetPenStyle(PenStyle::Clear);
    if (UmrissFlag()) {
        c.SetPenColor(kBlack);
        c.SetBrushColor(kBlack);
    }
    c.SetPenWidth(RoundToInt(StiftBreite()));
    c.SetFont(labelFont_);

    if (XORFlag()) {
        c.SetPenWidth(2);
        c.SetPenColor(kGhostColor);
        c.SetBrushStyle(bsClear);
        c.SetPenStyle(PenStyle::Solid);
        IPoint frame[5];
        for (size_t i = 0; i < 5; ++i) frame[i] = RoundPoint(Corners[i % 4]);
        c.Polyline(frame, 5);
        return;
    }

    if (GlyphCacheFitsFrame()) {
        Matrix = glyphCache_.matrix;
    } else {
        if (!StartGlyphUpdate()) return;
        FinishGlyphUpdate();
    }
    c.SetPolyFillMode(FillMode::Alternate);
    if (c.DrawsCurves()) {
        PaintGlyphCurves(c);
        return;
    }
    GlyphCache& g = glyphCache_;
    for (GlyphCache::Glyph& glyph : g.glyphs)
        c.PolyPolygon(g.points.data() + glyph.firstPoint, g.counts.data() + glyph.firstCount, glyph.polygons,
                      glyph.shape);
}

bool TTextLabel::GlyphCacheFitsFrame() const {
    const GlyphCache& g = glyphCache_;
    return g.valid && g.frame == Corners && g.flippedH == FlippedH && g.flippedV == FlippedV &&
           g.text == labelText_ && g.font == labelFont_ && g.curveStep == CurveStep;
}

bool TTextLabel::StartGlyphUpdate() const {
    ComputeCharOrigins();
    const int64_t width = prefixWidths_.back();
    if (width <= 0) return false;
    Matrix = ComputeMatrix(width);
    const Real theta = TextAngle();
    GlyphUpdate& u = update_;
    u.cosAngle = std::cos(theta);
    u.sinAngle = std::sin(theta);
    u.rebuild = !GlyphCacheMatches(u.cosAngle, u.sinAngle);
    if (u.rebuild) u.outlines = FontEngine::Instance().Outlines(labelFont_, chars_);
    u.pending = true;
    return true;
}

void TTextLabel::FinishGlyphUpdate() const {
    GlyphUpdate& u = update_;
    if (!u.pending) return;
    if (u.rebuild) BuildGlyphCache(u.cosAngle, u.sinAngle, u.outlines);
    GlyphCache& g = glyphCache_;
    g.frame = Corners;
    g.flippedH = FlippedH;
    g.flippedV = FlippedV;
    g.text = labelText_;
    u = GlyphUpdate{};
}

bool TTextLabel::BeginPreparePaint() const {
    // Hidden texts are not painted, ghosts are painted as their frame.
    if ((Hidden() && !GetSelected()) || !Visible() || XORFlag()) return false;
    return !GlyphCacheFitsFrame() && StartGlyphUpdate();
}

void TTextLabel::PreparePaint() const {
    FinishGlyphUpdate();
}

void TTextLabel::PaintGlyphCurves(Canvas& c) const {
    const GlyphCache& g = glyphCache_;
    FontEngine& engine = FontEngine::Instance();
    GlyphCurves glyph;
    for (size_t k = 0; k < g.chars.size() && k < g.origins.size(); ++k) {
        const IPoint o = g.origins[k];
        glyph.Begin({static_cast<Real>(o.x), static_cast<Real>(o.y)}, g.cosAngle, g.sinAngle, kMaxContours);
        if (engine.Outline(labelFont_, g.chars[k], g.matrix, glyph)) c.CurvePolygon(glyph.Path());
    }
}

bool TTextLabel::GlyphCacheMatches(Real cosAngle, Real sinAngle) const {
    const GlyphCache& g = glyphCache_;
    return g.valid && g.font == labelFont_ && g.chars == chars_ && g.origins == charOrigins_ &&
           g.matrix.m11 == Matrix.m11 && g.matrix.m12 == Matrix.m12 && g.matrix.m21 == Matrix.m21 &&
           g.matrix.m22 == Matrix.m22 && g.cosAngle == cosAngle && g.sinAngle == sinAngle &&
           g.curveStep == CurveStep;
}

void TTextLabel::BuildGlyphCache(Real cosAngle, Real sinAngle, const GlyphOutlines& outlines) const {
    GlyphCache& g = glyphCache_;
    // Not valid until every glyph is in, should building stop half way.
    g.valid = false;
    g.font = labelFont_;
    g.chars = chars_;
    g.origins = charOrigins_;
    g.matrix = Matrix;
    g.cosAngle = cosAngle;
    g.sinAngle = sinAngle;
    g.curveStep = CurveStep;
    g.glyphs.clear();
    g.points.clear();
    g.counts.clear();
    thread_local GlyphPolygons glyph;
    for (size_t k = 0; k < chars_.size(); ++k) {
        const IPoint o = charOrigins_[k];
        glyph.Begin({static_cast<Real>(o.x), static_cast<Real>(o.y)}, cosAngle, sinAngle, CurveStep,
                    kMaxContours);
        if (!outlines.Feed(k, Matrix, glyph) || glyph.PolygonCount() == 0) continue;
        GlyphCache::Glyph& kept = g.glyphs.emplace_back();
        kept.firstCount = g.counts.size();
        kept.polygons = glyph.PolygonCount();
        kept.firstPoint = g.points.size();
        g.points.insert(g.points.end(), glyph.Points().begin(), glyph.Points().end());
        g.counts.insert(g.counts.end(), glyph.Counts().begin(), glyph.Counts().end());
    }
    g.valid = true;
}

}  // namespace pw
