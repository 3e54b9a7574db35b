#include "elements/polygon.h"

#include "core/language.h"

namespace pw {

std::string TPolygon::KindName() const {
    return "Polygon";
}

std::string TPolygon::InfoText() const {
    return std::to_string(PointCount()) + Tr(" Knoten", " Points");
}

}  // namespace pw
