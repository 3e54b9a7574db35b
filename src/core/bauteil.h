#pragma once
// TBauteil: the base of every element that lies on a panel. It holds the drawing attributes all
// elements share, the selection state, a kind code, a description and an insertion point, and
// it defines the operations through which the panel paints, hit-tests, transforms, stores and
// edits elements without knowing their class.

#include <functional>
#include <optional>
#include <string>

#include "core/canvas.h"
#include "core/color.h"
#include "core/geometry.h"
#include "core/region.h"
#include "core/short_string.h"
#include "core/stream.h"

namespace pw {

enum TGlaettenStil : uint8_t { glSpline = 0, glFase = 1, glRundung = 2 };

enum TPattern : uint8_t {
    ptDurchgezogen = 0,
    ptPunkt = 1,
    ptStrich = 2,
    ptPunktStrich = 3,
    ptClear = 4,
};

// Kind codes as stored.
enum KindCodes : uint8_t {
    kcContour = 0,
    kcCircle = 4,
    kcGroup = 6,
    kcText = 7,
    kcDrill = 8,
    kcArc = 9,
    kcBitmap = 10,
    kcMetafile = 11,
};

// The window an element invalidates after a change: device rectangles to repaint.
class InvalidateSink {
public:
    virtual ~InvalidateSink() = default;
    virtual void InvalidateRect(const IRect& device) = 0;
};

class TBauteil {
public:
    TBauteil();
    virtual ~TBauteil();
    TBauteil(const TBauteil&) = delete;
    TBauteil& operator=(const TBauteil&) = delete;

    // The name the element is stored and registered under.
    virtual const char* ClassName() const { return "TBauteil"; }

    // --- Virtual operations ---
    // Drawing leaves the element as it is; what it keeps for the next drawing is a cache.
    virtual void Paint(Canvas& canvas) const;
    virtual void SetSelected(bool value);
    virtual bool GetSelected() const;
    // Device region covering the element; none when it has no area.
    virtual std::optional<Region> GetRegion(const Canvas& canvas) const;
    // Point in device pixels relative to the visible area.
    virtual bool HitTest(IPoint p, const Canvas& canvas) const;
    virtual void Move(MPoint offset);
    virtual void Scale(MPoint origin, Real fx, Real fy);
    virtual MRect GetBounds() const;
    virtual MRect GetShapeBounds() const;
    virtual void Write(TWriter& w) const;
    virtual void Read(TReader& r);
    virtual bool ReservedQueryA() const;
    virtual bool ReservedQueryB() const;
    virtual bool NoReservedQuery() const;
    // The dragged point is identified by its address (one of the element's own points). Not a
    // query: the circle and the arc build their shape from the dragged point as they draw it.
    virtual void DrawFeedback(Canvas& canvas, MPoint* dragged);
    virtual void Rotate(MPoint centre, double angle);
    virtual void Mirror(bool vertical, const MRect& r);
    virtual void Resize(const MRect& oldRect, const MRect& newRect);
    // Shows the element's dialog; true when the user confirmed it.
    virtual bool EditProperties();
    virtual std::string KindName() const;
    virtual std::string InfoText() const;
    virtual void Invalidate(InvalidateSink* window, const Canvas& canvas) const;
    virtual bool IntersectsRect(const IRect& deviceRect, const Canvas& canvas) const;
    virtual MRect GetMoveRange() const;

    // --- Building ahead ---
    // What an element builds on first use and keeps (bounds, flattened outlines, glyph polygons)
    // may be built ahead, so that a paint of many elements builds it on several threads. The
    // queries BoundsPending and BeginPreparePaint run on the painting thread and may use what the
    // elements share (the font engine): each says whether there is something to build and takes
    // what the building needs from shared places. PrepareBounds and PreparePaint then touch only
    // the element's own caches and may run on any thread, one thread per element, while nothing
    // else uses the element; PreparePaint follows a BeginPreparePaint that found work before the
    // element is painted or changed. GetBounds and Paint then give exactly what they would have
    // given without them.
    virtual bool BoundsPending() const { return false; }
    virtual void PrepareBounds() const {}
    virtual bool BeginPreparePaint() const { return false; }
    virtual void PreparePaint() const {}

    // --- Property setters (containers forward them to their members) ---
    virtual void SetFuellenFlag(bool v) { FFuellenFlag = v; }
    virtual void SetUmrissFlag(bool v) { FUmrissFlag = v; }
    virtual void SetHidden(bool v) { FHidden = v; }
    virtual void SetStiftBreite(Real v) { FStiftBreite = v; }
    virtual void SetStiftFarbe(Color v) { FStiftFarbe = v; }
    virtual void SetBrushFarbe(Color v) { FBrushFarbe = v; }
    virtual void SetBrushStyle(TBrushStyle v) { FBrushStyle = v; }
    virtual void SetStiftPattern(TPattern v) { FStiftPattern = v; }
    virtual void SetVisible(bool v) { FVisible = v; }
    virtual void SetXORFlag(bool v) { FXORFlag = v; }
    virtual void SetFraesen(bool v) { FFraesen = v; }
    virtual void SetGlaetten(bool v) { FGlaetten = v; }
    virtual void SetGlaettenStil(TGlaettenStil v) { FGlaettenStil = v; }
    virtual void SetGlaettenBetrag(Real v) { FGlaettenBetrag = v; }

    // --- Property getters ---
    bool UmrissFlag() const { return FUmrissFlag; }
    bool FuellenFlag() const { return FFuellenFlag; }
    bool Visible() const { return FVisible; }
    bool XORFlag() const { return FXORFlag; }
    bool Hidden() const { return FHidden; }
    bool Glaetten() const { return FGlaetten; }
    bool Fraesen() const { return FFraesen; }
    TGlaettenStil GlaettenStil() const { return FGlaettenStil; }
    Real GlaettenBetrag() const { return FGlaettenBetrag; }
    Real StiftBreite() const { return FStiftBreite; }
    Color StiftFarbe() const { return FStiftFarbe; }
    Color BrushFarbe() const { return FBrushFarbe; }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    TPattern StiftPattern() const { return FStiftPattern; }

    // Area elements are painted and hit-tested as filled shapes, the rest as lines.
    bool IsArea() const { return (FFuellenFlag || FFraesen) && !FUmrissFlag; }
    // Exclusive-or feedback of a dragged point: drawn once per position, erased by drawing again.
    void ShowFeedback(Canvas& canvas, MPoint* p);
    void HideFeedback(Canvas& canvas, MPoint* p);

    // --- Fields ---
    uint8_t KindCode = kcContour;
    bool GroupMember = false;
    MPoint FeedbackPos;
    bool FeedbackShown = false;
    MPoint InsertPoint;
    ShortString40 Description;

protected:
    bool Selected = false;
    bool FUmrissFlag = false;
    bool FFuellenFlag = false;
    bool FVisible = true;
    bool FXORFlag = false;
    bool FHidden = false;
    bool FGlaetten = false;
    bool FFraesen = false;
    TGlaettenStil FGlaettenStil = glFase;
    Real FGlaettenBetrag = 0;
    Real FStiftBreite = 0;
    Color FStiftFarbe = 0;
    Color FBrushFarbe = 0;
    TBrushStyle FBrushStyle = bsClear;
    TPattern FStiftPattern = ptDurchgezogen;
};

// The platform beep (a vertex beyond the limit, an arc point on the first). The program
// installs its own; without one nothing sounds.
void Beep();
void SetBeepHandler(std::function<void()> handler);

}  // namespace pw
