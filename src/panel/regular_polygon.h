#pragma once
// The regular polygon made by the regular-polygon command from its dialog's values: corner
// count, radius in mm (outer, or inner when asked), start angle in degrees. The command shows
// the dialog and calls these; the construction lives here so it can be tested on its own.

#include <memory>
#include <string>

#include "elements/polygon.h"

namespace pw {

class TPlatine;

struct RegularPolygonInput {
    int corners = 3;                   // the spin edit: 3 to 999
    std::string radiusText = "10";     // mm, decimal comma or point
    bool innerRadius = false;          // "Innenradius" chosen rather than "Aussenradius"
    std::string startAngleText = "0";  // degrees
};

// The corner count the dialog allows (3 to 999).
int ClampCorners(int corners);

// The circumradius in mm: the typed radius, divided by cos(pi / n) when it is the inner one.
Real RegularPolygonRadiusMm(const RegularPolygonInput& in);

// Where the centre lies before snapping: 1.2 radii from both panel edges.
MPoint RegularPolygonCentreBeforeSnap(Real radiusMm);

// The closed polygon about the given centre; the first corner lies at the start angle,
// counter-clockwise from the positive x axis on screen.
std::unique_ptr<TPolygon> BuildRegularPolygon(MPoint centre, const RegularPolygonInput& in);

// The whole construction for a panel: the panel's current pen colour, brush colour, pen width,
// fill flag and brush style, and the centre snapped to the panel's grid. The polygon is not
// added to the panel.
std::unique_ptr<TPolygon> BuildRegularPolygonFor(TPlatine& panel, const RegularPolygonInput& in);

}  // namespace pw
