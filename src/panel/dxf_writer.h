#pragma once
// A small writer of ASCII DXF drawings in the R12 form that milling and engraving programs
// read: millimetres ($INSUNITS 4), a fixed set of layers, and circles, arcs and polylines (with
// bulges for arc segments). Entities that were already written on the same layer with the same
// figures are written once.

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// The layers of an exported panel.
enum class DxfLayer { Panel, Drill, Mill, Engrave, Dimension };
std::string_view DxfLayerName(DxfLayer layer);

// A polyline vertex in millimetres; bulge = tan(sweep / 4) of the arc to the next vertex
// (positive counter-clockwise), 0 for a straight segment.
struct DxfVertex {
    double x = 0, y = 0, bulge = 0;
};

class DxfWriter {
  public:
    void Circle(DxfLayer layer, double cx, double cy, double r);
    // Counter-clockwise from startDeg to endDeg.
    void Arc(DxfLayer layer, double cx, double cy, double r, double startDeg, double endDeg);
    // Fewer than two vertices write nothing.
    void Polyline(DxfLayer layer, const std::vector<DxfVertex>& vertices, bool closed);

    size_t EntityCount() const { return entities_.size(); }
    // The whole drawing: header, layer table, entities.
    std::string Finish() const;

  private:
    void Add(std::string entity);

    std::vector<std::string> entities_;
    std::set<std::string> seen_;
};

// A number as written into the drawing: fixed point, at most six decimals, no trailing zeros,
// never "-0".
std::string DxfNumber(double v);

}  // namespace pw
