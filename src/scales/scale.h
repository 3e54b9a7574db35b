#pragma once
// TScale: a knob or slider scale made by the scale generator. It is a group whose children are
// ordinary elements (lines, circles, arcs, polygons, texts, nested groups, arc bands), generated
// by Build from a style, the style's typed parameters, the inscription texts and the text font.
// The assistant owns one scale, edits its parameters and rebuilds it after every change; a copy
// placed on a panel is a finished group that is moved, rotated, mirrored and stored with its
// children and never rebuilt. The parameters are not stored.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/font.h"
#include "elements/gruppe.h"
#include "scales/scale_param.h"
#include "scales/scale_styles.h"

namespace pw {

class TSkaleBogen;

class TScale : public TGruppe {
  public:
    TScale();
    ~TScale() override;
    const char* ClassName() const override { return "TScale"; }

    // --- Style and parameters ---
    uint8_t Style() const { return style_; }
    // A different style replaces the parameters by that style's defaults; the same style keeps
    // the current values.
    void SetStyle(uint8_t style);
    // The parameter list of the current style with default values and names in the current
    // language (empty for a style outside 0 ... 12).
    void BuildParams();
    std::vector<TScaleParam>& Params() { return params_; }
    const std::vector<TScaleParam>& Params() const { return params_; }
    // The values by index; an index outside the list reads as no, 0.
    bool ParamBool(size_t index) const;
    int32_t ParamInt(size_t index) const;
    Real ParamReal(size_t index) const;
    static bool CheckRange(TScaleParam& p) { return pw::CheckRange(p); }
    // Stores a value in parameter `index` (numbers as given, whole numbers rounded, switches yes
    // for anything but 0) and checks the range of a numeric one. False when the value had to be
    // corrected or the index does not exist.
    bool SetParam(size_t index, Real value);

    // --- Angles of round scales and shapes ---
    // The rotation parameter in degrees (0 for styles without one).
    Real RotationParam() const;
    // Radians. The scale runs clockwise (decreasing angle) from the start to the end angle.
    Real StartAngle() const;
    // When it agrees with the start angle (A = 360, and A = 0 up to rounding) it lies one full
    // turn below it, so that the scale covers the whole circle.
    Real EndAngle() const;
    // The span S covered from the start to the end angle, in (0, 2 pi].
    Real Span() const;

    // Destroys every child and generates the scale anew.
    void Build();

    // --- Element operations ---
    void Move(MPoint offset) override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    std::string KindName() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;

    // --- Fields ---
    // Entry i labels mark (or segment boundary) i. Build appends the mark numbers that are
    // missing; it never changes or removes an entry.
    std::vector<std::string> Inscriptions;
    // Font of the inscriptions; Build gives each label a copy at the style's text height.
    FontSpec TextFont;
    // Centre of round scales and shapes, middle of the base line of straight scales.
    MPoint Centre{15000, 15000};
    // Rotation applied to the scale as a whole (radians) and the mirror state; they follow the
    // element's rotations and mirrorings.
    Real Rotation = 0;
    bool FlippedV = false;
    bool FlippedH = false;
    // The child groups of the last build; valid only until the next one (none after reading).
    TGruppe* TickGroup = nullptr;
    TGruppe* SubTickGroup = nullptr;
    TGruppe* CrossGroup = nullptr;
    TGruppe* LabelGroup = nullptr;
    // Stored and read back, used nowhere else.
    Real LegacyReal1 = 5000, LegacyReal2 = 5000, LegacyReal3 = 245, LegacyReal4 = 1000, LegacyReal5 = 500;
    bool LegacyBool1 = true, LegacyBool2 = true, LegacyBool3 = false;
    int32_t LegacyInt1 = 10, LegacyInt2 = 5;

    // Angles within this distance count as the same direction: the arithmetic of A = 0 and
    // A = 360 leaves differences of a few units in the last place.
    static constexpr Real kSameAngle = 1e-12L;

  private:
    // --- Build steps ---
    TGruppe* AppendGroup();
    // Divided styles (0 to 5).
    void BuildFirstDivision();
    void BuildRunningLine();
    void BuildSecondDivision();
    // Position of first-division mark i: x (straight) or angle (round).
    Real FirstPosition(int i) const;
    // Position of second-division mark j between first-division marks i and i + 1.
    Real SecondPosition(int i, int j) const;
    // A tick line or a dot at a position, of the given length or dot radius (model units).
    std::unique_ptr<TBauteil> MakeMark(Real position, Real size) const;
    // Shapes (styles 6 to 12).
    void BuildShape();
    void BuildEmpirical();
    void BuildSegmentLines();
    // A band from the start angle clockwise to the end angle on the style's diameter and width;
    // emptyWhenEqual: equal directions mean no extent rather than a full ring.
    TSkaleBogen* AddBand(uint8_t kind, Real endAngle, Real startAngle, bool emptyWhenEqual = false);
    void BuildRegularPolygon();
    void BuildSineCurve();
    // Shared pieces.
    void BuildCentreCross();
    void BuildInscriptions();
    // Centre of label i (model units), before the text is placed.
    MPoint LabelCentre(size_t i) const;
    void AppendDefaultInscriptions(size_t count);
    void FinalPass();

    uint8_t style_ = 0;
    std::vector<TScaleParam> params_;
    // The style the parameter list was built for; Build rebuilds a list that belongs to
    // another style (a scale read from a file keeps only its style).
    int paramsStyle_ = -1;
    // Angles of the current build.
    Real start_ = 0, end_ = 0, span_ = 0;
    // Style 6: the segment boundary angles and the bands of the current build.
    std::vector<Real> boundaries_;
    std::vector<TSkaleBogen*> bands_;
};

}  // namespace pw
