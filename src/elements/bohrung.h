#pragma once
// TBohrung: a round hole drilled through the panel, given by centre and diameter. Always
// milled: a grey disc with a silver rim and a white centre cross.

#include <functional>
#include <optional>
#include <string>

#include "core/bauteil.h"

namespace pw {

class TBohrung : public TBauteil {
public:
    TBohrung();
    const char* ClassName() const override { return "TBohrung"; }

    void Paint(Canvas& canvas) const override;
    std::optional<Region> GetRegion(const Canvas& canvas) const override;
    bool HitTest(IPoint p, const Canvas& canvas) const override;
    MRect GetBounds() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;
    void DrawFeedback(Canvas&, MPoint*) override {}
    std::string KindName() const override;
    std::string InfoText() const override;
    void Move(MPoint offset) override;
    void Scale(MPoint origin, Real fx, Real fy) override;
    void Mirror(bool vertical, const MRect& r) override;
    void Rotate(MPoint centre, double angle) override;
    bool EditProperties() override;
    // A drill hole stays milled whatever it is given.
    void SetFraesen(bool) override { FFraesen = true; }

    // The diameter text of the dialog (mm, 4 significant digits) and the value a confirmed text
    // gives (whole units, 20 to 10000).
    std::string DiameterText() const;
    static Real DiameterFromText(const std::string& text);

    // The diameter dialog: receives the text to show, returns the confirmed text or nothing when
    // cancelled. The program installs it; without one the dialog counts as cancelled.
    using DialogFunction = std::function<std::optional<std::string>(const std::string& text)>;
    static void SetDialog(DialogFunction dialog);

    static constexpr Real kMinDiameter = 20;
    static constexpr Real kMaxDiameter = 10000;

    MPoint Centre;
    Real Diameter = 500;

private:
    // What the canvas derived from the hole's disc; the canvas checks its device box itself, so
    // Centre and Diameter may change freely.
  mutable ShapeCache holeShape_;
};

}  // namespace pw
