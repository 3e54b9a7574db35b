#pragma once
// Elements made in one line for the tests.

#include <memory>

#include "elements/bohrung.h"

namespace pw::test {

// A drill hole at (x, y) of the given diameter, in model units.
inline std::unique_ptr<TBohrung> Drill(Real x, Real y, Real diameter) {
    auto d = std::make_unique<TBohrung>();
    d->Centre = {x, y};
    d->Diameter = diameter;
    return d;
}

}  // namespace pw::test
