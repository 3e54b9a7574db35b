#pragma once
// Rounding and 16.16 fixed-point conversion inline, for the loops that convert every point of a
// flattened curve or glyph. Each gives exactly what its counterpart gives in the current rounding
// mode (the model never leaves round-to-nearest, ties to even), without a call.

#include <algorithm>
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

// ToFixed16 and FromFixed16 (core/geometry.h), inline.
inline int32_t ToFixed16Inline(Real v) {
    // Integer part (floor, so also for negative values) in the high 16 bits, the fraction
    // scaled by 65535 in the low 16 bits: two's complement 16.16.
    if (!std::isfinite(v)) return 0;
    v = std::clamp(v, static_cast<Real>(-32768), static_cast<Real>(32767));
    // floor through the nearest integer, kept as an integer: floorl, and converting an extended
    // value to an integer by truncation, switch the x87 rounding mode for every call.
    long long floorInt = RoundExtendedToInt64(v);
    if (static_cast<Real>(floorInt) > v) --floorInt;
    const Real ip = static_cast<Real>(floorInt);
    const uint32_t frac = static_cast<uint32_t>(RoundToIntInline((v - ip) * 65535)) & 0xFFFFu;
    const uint32_t hi = static_cast<uint32_t>(static_cast<int32_t>(floorInt)) << 16;
    return static_cast<int32_t>(hi | frac);
}

inline Real FromFixed16Inline(int32_t f) {
    const int32_t hi = f >> 16;  // arithmetic shift: floor of the value
    return static_cast<Real>(hi) + static_cast<Real>(static_cast<uint32_t>(f) & 0xFFFFu) / 65535;
}

}  // namespace pw
