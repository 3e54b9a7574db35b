#include "elements/polygon.h"

#include "core/language.h"

namespace pw {

std::string TPolygon::KindName() {
    return "Polygon";
}

std::string TPolygon::InfoText() {
    return std::to_string(PointCount()) + Tr(" Knoten", " Points");
}

}  // namespace pw
