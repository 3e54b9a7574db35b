#pragma once
// Helpers for the text and dimension tests: figures computed from the font file itself, and the
// recorded polygon sets of a paint.

#include <cmath>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "support/hook_guards.h"
#include "support/recording_canvas.h"
#include "text/reference_font.h"

namespace pw::test {

// Width of a text at a cell height, from the font's own advance table: each advance scaled to
// the height and rounded to nearest, halves to even, then summed.
inline long ReferenceWidth(const ReferenceFont& font, std::u32string_view text, long height) {
    long sum = 0;
    for (char32_t c : text) {
        long double scaled = static_cast<long double>(font.Advance(c)) * height / font.Cell();
        sum += std::lrint(scaled);  // default rounding mode: ties to even
    }
    return sum;
}

// Descent of the cell at a height: the cell minus the rounded ascent.
inline long ReferenceDescent(const ReferenceFont& font, long height) {
    return height - std::lrint(static_cast<long double>(font.WinAscent()) * height / font.Cell());
}

inline std::vector<const RecordedCall*> PolygonSets(const RecordingCanvas& c) {
    std::vector<const RecordedCall*> out;
    for (const RecordedCall& call : c.calls)
        if (call.kind == RecordedCall::Kind::PolyPolygon) out.push_back(&call);
    return out;
}

// Even-odd containment of a point in a recorded polygon set (crossings of a ray to the right).
inline bool EvenOddContains(const RecordedCall& set, double x, double y) {
    bool inside = false;
    size_t first = 0;
    for (int32_t count : set.counts) {
        for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
            const IPoint& a = set.pts[first + i];
            const IPoint& b = set.pts[first + (i + 1) % count];
            if ((a.y > y) != (b.y > y)) {
                double xc = a.x + (y - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
                if (xc > x) inside = !inside;
            }
        }
        first += static_cast<size_t>(count);
    }
    return inside;
}

// Sets a language for one test and restores the one before afterwards.
using LanguageScope = LanguageGuard;

}  // namespace pw::test
