#include "elements/picture_frame.h"

#include "core/canvas.h"
#include "core/numbers.h"
#include "elements/rechteck.h"

namespace pw {

bool IsUprightPicture(const TRechteck& e) {
    if (e.PointCount() < 4) return false;
    const IPoint p0 = RoundPoint(e.Point(0)), p1 = RoundPoint(e.Point(1));
    const IPoint p2 = RoundPoint(e.Point(2)), p3 = RoundPoint(e.Point(3));
    return p0.x == p3.x && p1.x == p2.x && p0.y == p1.y && p2.y == p3.y;
}

IRect PictureTarget(const TRechteck& e) {
    const Real half = e.StiftBreite() / 2;
    const MPoint a = e.Point(0) + MPoint{half, half}, b = e.Point(2) - MPoint{half, half};
    return RoundRect(MRect{a.x, a.y, b.x, b.y});
}

void PaintPictureFrame(const TRechteck& e, Canvas& canvas, bool drawn) {
    // The picture's own pen and display state with the grey hatched brush.
    TBauteil look;
    look.SetStiftBreite(e.StiftBreite());
    look.SetStiftFarbe(e.StiftFarbe());
    look.SetStiftPattern(e.StiftPattern());
    look.SetBrushStyle(bsBDiagonal);
    look.SetBrushFarbe(kGrey);
    look.SetFuellenFlag(!drawn || e.Fraesen());
    look.SetXORFlag(e.XORFlag());
    look.SetVisible(e.Visible());
    look.SetUmrissFlag(e.UmrissFlag());
    e.PaintWith(canvas, look);
}

void SetPictureDefaults(TRechteck& e) {
    e.SetFuellenFlag(true);
    e.SetBrushStyle(bsBDiagonal);
    e.SetBrushFarbe(kGrey);
    e.SetStiftFarbe(kBlack);
    e.SetStiftBreite(0);
    e.SetStiftPattern(ptClear);
}

}  // namespace pw
