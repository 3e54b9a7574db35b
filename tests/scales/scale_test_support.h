#pragma once
// Helpers for the scale tests: angles and radii seen from a centre, typed access to the
// generated children, and the language of one test.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/language.h"
#include "elements/gruppe.h"
#include "scales/scale.h"
#include "support/hook_guards.h"

namespace pw::test {

// Direction of p seen from c, in degrees [0, 360).
inline double DegreesAt(MPoint c, MPoint p) {
    return static_cast<double>(Direction(c, p) * 180 / kPi);
}

// Difference of two directions in degrees, folded into (-180, 180].
inline double AngleDiff(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d <= -180) d += 360;
    if (d > 180) d -= 360;
    return d;
}

inline double Radius(MPoint c, MPoint p) {
    return static_cast<double>(Distance(c, p));
}

inline MPoint BoundsCentre(TBauteil& e) {
    const MRect b = e.GetBounds();
    return {(b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2};
}

template <class T>
T& Child(const TGruppe& g, size_t i) {
    T* t = dynamic_cast<T*>(g.Member(i));
    if (!t) throw std::runtime_error("child " + std::to_string(i) + " has another class");
    return *t;
}

// The class names of a group's members, in order.
inline std::vector<std::string> ClassNames(const TGruppe& g) {
    std::vector<std::string> out;
    for (const auto& m : g.Members()) out.push_back(m->ClassName());
    return out;
}

// A scale of the given style with its defaults (style 1 is the constructor's).
inline std::unique_ptr<TScale> ScaleOfStyle(int style) {
    auto s = std::make_unique<TScale>();
    s->SetStyle(static_cast<uint8_t>(style));
    return s;
}

// Sets a language for one test and restores the one before afterwards.
using ScaleLanguage = LanguageGuard;

// Calls f for every element of the tree below g (groups included).
template <class F>
void ForEachElement(const TGruppe& g, F f) {
    for (const auto& m : g.Members()) {
        f(*m);
        if (auto* sub = dynamic_cast<const TGruppe*>(m.get())) ForEachElement(*sub, f);
    }
}

}  // namespace pw::test
