#pragma once
// TBemassung: a dimension. It measures the straight distance between two points A and B and
// shows it with two extension lines, a dimension line with open arrowheads and the value in
// millimetres, on the side of the line through A and B where the offset point C lies. It is a
// group whose members it builds itself from the three points: every change of a point throws
// the members away and builds them anew, always in one colour, solid, with the thinnest pen.

#include <string>

#include "elements/gruppe.h"

namespace pw {

class TLinie;
class TTextLabel;

class TBemassung : public TGruppe {
  public:
    TBemassung();
    const char* ClassName() const override { return "TBemassung"; }

    // Places the three points and builds the members.
    void SetPoints(MPoint a, MPoint b, MPoint c);
    // Destroys the members and builds them from the points.
    void Build();

    // The measured distance (model units) and its text ("20,00").
    Real MeasuredDistance() const { return Distance(FirstPoint, SecondPoint); }
    std::string ValueText() const;
    // Signed distance of C from the line A -> B, positive on its left.
    Real Offset() const;
    // Whether the value fits between the arrows (true while there is no value label).
    bool TextFits() const;
    // Frame points: PA(s, t) is s from A towards B and t to the left of A -> B; PB(s, t) is s from
    // B towards A and t on the same side.
    MPoint PA(Real s, Real t) const;
    MPoint PB(Real s, Real t) const;

    // The transformations move the points, rebuild and select.
    void Move(MPoint offset) override;
    void Scale(MPoint origin, Real fx, Real fy) override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    // Maps the points from one rectangle onto another (move, scale, pen-width rule), rather
    // than resizing the members one by one.
    void Resize(const MRect& oldRect, const MRect& newRect) override;
    std::string KindName() const override;
    // The parts of a dimension follow the dimension filter alone: the filter for other objects
    // leaves them as they are, so that it does not show the parts of a hidden dimension.
    void HideOthers(bool) override {}
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;

    // One colour, solid, thinnest pen: these ignore their arguments.
    void SetStiftBreite(Real v) override;
    void SetStiftPattern(TPattern v) override;
    void SetBrushFarbe(Color v) override;
    void SetBrushStyle(TBrushStyle v) override;
    // Pen colour of the dimension and every member, then the brush colour to match.
    void SetStiftFarbe(Color v) override;

    // The measured points A and B and the offset point C (the dimension tool moves them by
    // address and then calls Build).
    MPoint FirstPoint{1000, 1000};
    MPoint SecondPoint{2000, 1500};
    MPoint OffsetPoint{1500, 1300};

    // The members of the last build, in member order; null before the first build.
    TTextLabel* ValueLabel = nullptr;
    TGruppe* ArrowGroup = nullptr;
    TLinie* ExtensionA = nullptr;
    TLinie* ExtensionB = nullptr;

    static constexpr int32_t kTextHeight = 100;  // 2 mm
    static constexpr Real kTextGap = 120;        // between B and a value outside
    static constexpr Real kStub = 200;           // dimension line outside A
    static constexpr Real kArrowLength = 100;
    static constexpr Real kOverhang = 100;  // extension lines beyond the dimension line

  private:
    // Gives the new members the dimension's own attributes.
    void ApplyOwnAttributes();
};

}  // namespace pw
