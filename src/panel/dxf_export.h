#pragma once
// The panel as a DXF drawing for the milling and engraving shop: millimetres, y upward with the
// origin at the panel's lower-left corner. The panel's outline is on PANEL, drill holes are
// circles on DRILL, milled elements on MILL, the dimensions on DIMENSION and everything else
// that shows on ENGRAVE. Circles stay circles and arcs arcs; smoothed contours are flattened
// within 0.01 mm, texts are their glyph outlines. Groups, dimensions and scales are walked
// down to their members; hidden elements are left out.

#include <cstddef>
#include <string>

namespace pw {

class TPlatine;

struct DxfExportResult {
    std::string text;
    // Elements of a kind the drawing has no geometry for (pictures), not exported.
    size_t skipped = 0;
};

// Every element of the panel, or only the selected ones; withOutline adds the panel's outline.
DxfExportResult PanelDxf(TPlatine& panel, bool selectedOnly = false, bool withOutline = true);

}  // namespace pw
