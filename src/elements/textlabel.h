#pragma once
// TTextLabel: lettering on a panel. Every character is drawn from its glyph outline in the
// element's font, scaled to model units, stretched, sheared, rotated and mirrored with the
// element's four-corner frame, and filled like a polygon, so a text keeps its size in
// millimetres and its shape on every canvas and under every transformation.
//
// Text is measured through the font engine at the element's own font; a canvas measures with
// the same engine, so the figures are the ones the canvas would give.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bauteil.h"
#include "core/font.h"
#include "text/font_engine.h"

namespace pw {

class TTextLabel : public TBauteil {
  public:
    TTextLabel();
    // A text at a position (the top-left corner of its frame), measured in its font.
    TTextLabel(const FontSpec& font, std::string_view text, MPoint position);
    const char* ClassName() const override { return "TTextLabel"; }

    static constexpr size_t kMaxTextLength = 255;
    static constexpr size_t kMaxContours = 7500;
    static constexpr double kCurveStep = 0.2;

    // --- Text and font ---
    const std::string& LabelText() const { return labelText_; }
    // Keeps at most 255 characters, each as the file stores it (characters Windows-1252 cannot
    // hold become '?'); the frame is left as it is.
    void SetLabelText(std::string_view utf8);
    const FontSpec& LabelFont() const { return labelFont_; }
    // Assigns the font without touching the frame.
    void SetLabelFont(const FontSpec& font) { labelFont_ = font; }
    // Assigns the font and fits the frame to the text's size in it: the reference corner stays,
    // direction, shear, mirroring and stretch are kept.
    void ChangeFont(const FontSpec& font);
    // Natural width and cell height of the text in its font (model units).
    int32_t NaturalWidth() const;
    int32_t NaturalHeight() const;

    // Axis-parallel frame at Corners[0] of the text's natural size.
    void Measure();

    // --- Properties dialog ---
    // The dialog: receives the text to show, returns the confirmed text or nothing when
    // cancelled. The program installs it; without one the dialog counts as cancelled.
    using DialogFunction = std::function<std::optional<std::string>(const std::string& text)>;
    static void SetDialog(DialogFunction dialog);
    // Notes the font height and the text width, shows the dialog; true when confirmed, and the
    // confirmed text is then in EditedText for ApplyEditedText.
    bool EditProperties() override;
    // Takes EditedText as the new text; the frame grows or shrinks along its baseline in
    // proportion to the natural width, keeping direction, shear, height and stretch.
    void ApplyEditedText();

    // --- Element operations ---
    void Paint(Canvas& canvas) const override;
    std::optional<Region> GetRegion(const Canvas& canvas) const override;
    bool HitTest(IPoint p, const Canvas& canvas) const override;
    void Move(MPoint offset) override;
    void Scale(MPoint origin, Real fx, Real fy) override;
    MRect GetBounds() const override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    std::string KindName() const override;
    std::string InfoText() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;
    // Building ahead: the glyph polygons, from outlines the font engine gives on the painting
    // thread.
    bool BeginPreparePaint() const override;
    void PreparePaint() const override;

    // Baseline origins of the characters, as the last paint computed them.
    const std::vector<IPoint>& CharOrigins() const { return charOrigins_; }
    // Computes CharOrigins for the current frame (Paint does this before drawing).
    void ComputeCharOrigins() const;
    // Angle of the baseline (radians), reversed for a text mirrored left to right.
    Real TextAngle() const;

    // --- Fields ---
    // [0] top-left (the reference point), [1] top-right, [2] bottom-right, [3] bottom-left while
    // neither rotated nor mirrored; a parallelogram in general.
    std::array<MPoint, 4> Corners{};
    bool FlippedV = false;
    bool FlippedH = false;
    // The glyph matrix of the last paint, derived from the frame (stretch, shear, mirroring).
    mutable GlyphMatrix Matrix{0x10000, 0, 0, -0x10000};
    double CurveStep = kCurveStep;
    int32_t SavedHeight = 0;
    int32_t SavedWidth = 0;
    std::string EditedText;

  private:
    // Lays the frame out anew from Corners[0]: the baseline edge and the height side are scaled
    // by new / old; an edge of zero length, or an old size of zero, gives an edge of the new
    // size in the edge's natural direction.
    void FitFrame(Real newWidth, Real oldWidth, Real newHeight, Real oldHeight);
    // Unit vector of the baseline edge ([3] -> [2]) and of the height side ([0] -> [3]), derived
    // from each other when one has no length.
    MPoint BaselineUnit() const;
    MPoint SideUnit() const;
    // The glyph matrix for the current frame: stretch, shear, mirroring.
    GlyphMatrix ComputeMatrix(int64_t textWidth) const;

    // The glyph polygons of the last paint and everything they were made from: the next paint
    // with the same font, characters, origins, direction, matrix and curve step draws them
    // again without reading and sampling the outlines anew.
    struct GlyphCache {
        // The frame, mirroring and text of the last paint (the origins follow from them).
        std::array<MPoint, 4> frame{};
        bool flippedH = false, flippedV = false;
        std::string text;
        FontSpec font;
        std::u32string chars;
        std::vector<IPoint> origins;
        GlyphMatrix matrix;
        Real cosAngle = 0, sinAngle = 0;
        double curveStep = 0;
        bool valid = false;
        // Per character with polygons: its first polygon in counts, the polygon count, its
        // first point, and what the canvas derived from its polygons.
        struct Glyph {
            size_t firstCount = 0, polygons = 0, firstPoint = 0;
            ShapeCache shape;
        };
        std::vector<Glyph> glyphs;
        std::vector<IPoint> points;
        std::vector<int32_t> counts;
    };
    // The characters as exact glyph curves, for canvases that draw curves (after the cache is
    // up to date).
    void PaintGlyphCurves(Canvas& canvas) const;
    // Whether the cache was made for the current frame, mirroring, text, font and step.
    bool GlyphCacheFitsFrame() const;
    bool GlyphCacheMatches(Real cosAngle, Real sinAngle) const;
    void BuildGlyphCache(Real cosAngle, Real sinAngle, const GlyphOutlines& outlines) const;
    // Bringing the cache up to date with the frame, in two steps: the origins, the matrix and,
    // where the polygons must be made anew, the outlines from the font engine (on the painting
    // thread; false when the text has no width), then the polygons (on any thread).
    bool StartGlyphUpdate() const;
    void FinishGlyphUpdate() const;

    std::string labelText_;
    FontSpec labelFont_;
    // What the last paint derived from the text, font and frame.
    mutable GlyphCache glyphCache_;
    // Between the two steps of an update: the angle, and the outlines when polygons are due.
    struct GlyphUpdate {
        bool pending = false, rebuild = false;
        Real cosAngle = 0, sinAngle = 0;
        GlyphOutlines outlines;
    };
    mutable GlyphUpdate update_;
    mutable std::vector<IPoint> charOrigins_;
    // Prefix widths of the characters of the last paint: [k] = width of the first k characters.
    mutable std::vector<int64_t> prefixWidths_;
    mutable std::u32string chars_;
};

}  // namespace pw
