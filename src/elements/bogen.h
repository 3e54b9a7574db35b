#pragma once
// TBogen: the arc. An open circular arc, a pie slice or an arc closed by its chord, drawn as a
// line of 21 vertices on a slightly enlarged circle that is always smoothed as a quadratic
// B-spline, so that the drawn curve runs close to the true arc. Centre, rim, start and end
// point are the input of BuildArc and are kept and stored alongside the vertices.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "elements/linie.h"

namespace pw {

class TBogen : public TLinie {
  public:
    enum : uint8_t { kOpenArc = 0, kPie = 1, kChord = 2 };
    static constexpr int kArcVertices = 21;

    TBogen();
    const char* ClassName() const override { return "TBogen"; }

    // Rebuilds the vertices from the four defining points: from the start direction clockwise
    // on screen to the end direction; equal directions give the full circle.
    void BuildArc();
    // 0 open arc, 1 pie slice, 2 arc with chord; other values are kept without changing Closed.
    void SetStil(int style);
    uint8_t Stil() const { return stil_; }

    // The open smoothed outline, ended by the centre and first vertex (pie) or the first vertex
    // (chord); Closed follows the style.
    void BuildPolyline(std::vector<IPoint>& out, double curveStep,
                       CurvePath* curves = nullptr) const override;
    void Move(MPoint offset) override;
    void Scale(MPoint origin, Real fx, Real fy) override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    // Exclusive-or circle or arc while the arc is constructed or one of its points dragged.
    void DrawFeedback(Canvas& canvas, MPoint* dragged) override;
    bool EditProperties() override;
    std::string KindName() const override;
    std::string InfoText() const override { return {}; }
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;

    // An arc stays a B-spline whatever it is given.
    void SetGlaetten(bool v) override;
    void SetGlaettenStil(TGlaettenStil v) override;

    // The arc dialog: receives the current style index and returns the chosen one, or nothing
    // when cancelled. The program installs it; without one the dialog counts as cancelled.
    using DialogFunction = std::function<std::optional<int>(int styleIndex)>;
    static void SetDialog(DialogFunction dialog);
    // The dialog's style items in the current language.
    static std::vector<std::string> StyleNames();

    // The defining points. The mouse tools hold their addresses as pending points; after
    // writing Centre directly (not through BuildArc or a transformation) call PointsChanged.
    MPoint Centre;
    MPoint RimPoint;
    MPoint StartPoint;
    MPoint EndPoint;
    // The start and end last drawn by DrawFeedback, to erase them again.
    MPoint FeedbackStart;
    MPoint FeedbackEnd;

  private:
    uint8_t stil_ = kOpenArc;
};

}  // namespace pw
