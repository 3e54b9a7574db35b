#pragma once
// Rounding inline, for the loops that round every point of a flattened curve or glyph. Each
// gives exactly what its library counterpart gives in the current rounding mode (the model never
// leaves round-to-nearest, ties to even), without the library call.

#include <cmath>
#include <cstdint>

#include "core/numbers.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <emmintrin.h>
#define PW_X86_ROUNDING 1
#endif

namespace pw {

// llrint of an extended value within the 64-bit range (callers clamp first): the x87 store
// rounds in the current mode, as llrint does.
inline long long RoundExtendedToInt64(long double v) {
#ifdef PW_X86_ROUNDING
    long long r;
    __asm__("fistpll %0" : "=m"(r) : "t"(v) : "st");
    return r;
#else
    return std::llrint(v);
#endif
}

// lrint of a double within the 32-bit range (callers clamp first): the SSE conversion rounds in
// the current mode, as lrint does.
inline int32_t RoundDoubleToInt32(double v) {
#ifdef PW_X86_ROUNDING
    return _mm_cvtsd_si32(_mm_set_sd(v));
#else
    return static_cast<int32_t>(std::lrint(v));
#endif
}

// RoundToInt (core/numbers.h), inline.
inline int32_t RoundToIntInline(Real v) {
    if (std::isnan(v)) return 0;
    if (v >= kCoordLimit) return kCoordLimit;
    if (v <= -kCoordLimit) return -kCoordLimit;
    return static_cast<int32_t>(RoundExtendedToInt64(v));
}

}  // namespace pw
