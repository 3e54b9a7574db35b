#include "panel/dxf_writer.h"

#include <charconv>
#include <cmath>

namespace pw {

namespace {

constexpr DxfLayer kLayers[] = {DxfLayer::Panel, DxfLayer::Drill, DxfLayer::Mill, DxfLayer::Engrave,
                                DxfLayer::Dimension};

// The colour numbers of the layers: white, red, blue, green, grey.
int LayerColour(DxfLayer layer) {
    switch (layer) {
        case DxfLayer::Panel:
            return 7;
        case DxfLayer::Drill:
            return 1;
        case DxfLayer::Mill:
            return 5;
        case DxfLayer::Engrave:
            return 3;
        case DxfLayer::Dimension:
            return 8;
    }
    return 7;
}

// One group: its code on one line, its value on the next.
void Group(std::string& out, int code, std::string_view value) {
    out += std::to_string(code);
    out += '\n';
    out += value;
    out += '\n';
}

void Group(std::string& out, int code, double value) {
    Group(out, code, DxfNumber(value));
}

void Group(std::string& out, int code, int value) {
    Group(out, code, std::to_string(value));
}

void Start(std::string& out, std::string_view type, DxfLayer layer) {
    Group(out, 0, type);
    Group(out, 8, DxfLayerName(layer));
}

}  // namespace

std::string_view DxfLayerName(DxfLayer layer) {
    switch (layer) {
        case DxfLayer::Panel:
            return "PANEL";
        case DxfLayer::Drill:
            return "DRILL";
        case DxfLayer::Mill:
            return "MILL";
        case DxfLayer::Engrave:
            return "ENGRAVE";
        case DxfLayer::Dimension:
            return "DIMENSION";
    }
    return "0";
}

std::string DxfNumber(double v) {
    if (!std::isfinite(v)) v = 0;
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 6);
    if (ec != std::errc()) return "0";
    std::string s(buffer, end);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

void DxfWriter::Add(std::string entity) {
    if (seen_.insert(entity).second) entities_.push_back(std::move(entity));
}

void DxfWriter::Circle(DxfLayer layer, double cx, double cy, double r) {
    std::string e;
    Start(e, "CIRCLE", layer);
    Group(e, 10, cx);
    Group(e, 20, cy);
    Group(e, 30, 0.0);
    Group(e, 40, r);
    Add(std::move(e));
}

void DxfWriter::Arc(DxfLayer layer, double cx, double cy, double r, double startDeg, double endDeg) {
    std::string e;
    Start(e, "ARC", layer);
    Group(e, 10, cx);
    Group(e, 20, cy);
    Group(e, 30, 0.0);
    Group(e, 40, r);
    Group(e, 50, startDeg);
    Group(e, 51, endDeg);
    Add(std::move(e));
}

void DxfWriter::Polyline(DxfLayer layer, const std::vector<DxfVertex>& vertices, bool closed) {
    if (vertices.size() < 2) return;
    std::string e;
    Start(e, "POLYLINE", layer);
    Group(e, 66, 1);
    Group(e, 10, 0.0);
    Group(e, 20, 0.0);
    Group(e, 30, 0.0);
    Group(e, 70, closed ? 1 : 0);
    for (const DxfVertex& v : vertices) {
        Start(e, "VERTEX", layer);
        Group(e, 10, v.x);
        Group(e, 20, v.y);
        Group(e, 30, 0.0);
        if (v.bulge != 0) Group(e, 42, v.bulge);
    }
    Start(e, "SEQEND", layer);
    Add(std::move(e));
}

std::string DxfWriter::Finish() const {
    std::string out;
    Group(out, 0, "SECTION");
    Group(out, 2, "HEADER");
    Group(out, 9, "$ACADVER");
    Group(out, 1, "AC1009");
    Group(out, 9, "$INSUNITS");
    Group(out, 70, 4);
    Group(out, 9, "$MEASUREMENT");
    Group(out, 70, 1);
    Group(out, 0, "ENDSEC");

    Group(out, 0, "SECTION");
    Group(out, 2, "TABLES");
    Group(out, 0, "TABLE");
    Group(out, 2, "LTYPE");
    Group(out, 70, 1);
    Group(out, 0, "LTYPE");
    Group(out, 2, "CONTINUOUS");
    Group(out, 70, 0);
    Group(out, 3, "Solid line");
    Group(out, 72, 65);
    Group(out, 73, 0);
    Group(out, 40, 0.0);
    Group(out, 0, "ENDTAB");
    Group(out, 0, "TABLE");
    Group(out, 2, "LAYER");
    Group(out, 70, static_cast<int>(std::size(kLayers)));
    for (DxfLayer layer : kLayers) {
        Group(out, 0, "LAYER");
        Group(out, 2, DxfLayerName(layer));
        Group(out, 70, 0);
        Group(out, 62, LayerColour(layer));
        Group(out, 6, "CONTINUOUS");
    }
    Group(out, 0, "ENDTAB");
    Group(out, 0, "ENDSEC");

    Group(out, 0, "SECTION");
    Group(out, 2, "ENTITIES");
    for (const std::string& e : entities_) out += e;
    Group(out, 0, "ENDSEC");
    Group(out, 0, "EOF");
    return out;
}

}  // namespace pw
