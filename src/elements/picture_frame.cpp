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

void PaintPictureFrame(TRechteck& e, Canvas& canvas, bool drawn) {
    e.SetBrushStyle(bsBDiagonal);
    e.SetBrushFarbe(kGrey);
    e.SetFuellenFlag(!drawn || e.Fraesen());
    e.TLinie::Paint(canvas);
    e.SetFuellenFlag(true);
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
