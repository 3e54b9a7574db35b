#pragma once
// TPolygon: a contour drawn vertex by vertex with the polygon tool; open until the user
// closes it.

#include "elements/rechteck.h"

namespace pw {

class TPolygon : public TRechteck {
  public:
    TPolygon() { closed_ = false; }
    const char* ClassName() const override { return "TPolygon"; }
    std::string KindName() const override;
    // The vertex count ("6 Knoten").
    std::string InfoText() const override;
};

}  // namespace pw
