#include "core/extended.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>

namespace pw {

namespace {

constexpr int kBias = 16383;

ExtendedBytes Pack(bool negative, uint16_t exponent, uint64_t mantissa) {
    ExtendedBytes out{};
    for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    uint16_t se = static_cast<uint16_t>(exponent | (negative ? 0x8000u : 0u));
    out[8] = static_cast<uint8_t>(se & 0xFF);
    out[9] = static_cast<uint8_t>(se >> 8);
    return out;
}

#if LDBL_MANT_DIG == 64
// On x86 the machine's long double is the stored format; non-finite values are carried over
// bit for bit so that a NaN payload survives a read and a write.
struct X87Image {
    uint64_t mantissa;
    uint16_t signExponent;
    uint16_t pad[3];
};
static_assert(sizeof(X87Image) == sizeof(long double));

ExtendedBytes EncodeNonFinite(Real v) {
    X87Image img = std::bit_cast<X87Image>(v);
    return Pack((img.signExponent & 0x8000u) != 0, img.signExponent & 0x7FFFu, img.mantissa);
}

Real DecodeNonFinite(bool negative, uint64_t mantissa) {
    X87Image img{mantissa, static_cast<uint16_t>(0x7FFFu | (negative ? 0x8000u : 0u)), {0, 0, 0}};
    return std::bit_cast<long double>(img);
}
#else
ExtendedBytes EncodeNonFinite(Real v) {
    bool negative = std::signbit(v);
    if (std::isinf(v)) return Pack(negative, 0x7FFF, 0x8000000000000000ull);
    return Pack(negative, 0x7FFF, 0xC000000000000000ull);
}

Real DecodeNonFinite(bool negative, uint64_t mantissa) {
    if ((mantissa << 1) == 0) {
        Real inf = std::numeric_limits<Real>::infinity();
        return negative ? -inf : inf;
    }
    Real nan = std::numeric_limits<Real>::quiet_NaN();
    return negative ? -nan : nan;
}
#endif

}  // namespace

ExtendedBytes EncodeExtended(Real v) {
    if (!std::isfinite(v)) return EncodeNonFinite(v);
    bool negative = std::signbit(v);
    Real a = std::fabs(v);
    if (a == 0) return Pack(negative, 0, 0);
    int e = 0;
    Real m = std::frexp(a, &e);  // a = m * 2^e, 0.5 <= m < 1
    int exponent = e - 1 + kBias;  // the integer bit carries 2^(e-1)
    int shift = 64;
    if (exponent <= 0) {
        // Subnormal: exponent field 0 means 2^(1 - bias) with no integer bit.
        shift = 64 - (1 - exponent);
        exponent = 0;
    }
    // m * 2^shift is an integer below 2^64 whenever the value is representable in the format.
    Real scaled = std::ldexp(m, shift);
    uint64_t mantissa = static_cast<uint64_t>(scaled);
    return Pack(negative, static_cast<uint16_t>(exponent), mantissa);
}

Real DecodeExtended(const uint8_t* b) {
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | b[i];
    uint16_t se = static_cast<uint16_t>(b[8] | (b[9] << 8));
    bool negative = (se & 0x8000u) != 0;
    int exponent = se & 0x7FFF;
    if (exponent == 0x7FFF) return DecodeNonFinite(negative, mantissa);
    // Value = mantissa * 2^(exponent - bias - 63); exponent 0 counts as 1 (subnormals and
    // pseudo-denormals). Unnormals (integer bit clear) read as the value their bits give.
    int e = (exponent == 0 ? 1 : exponent) - kBias - 63;
    Real v = std::ldexp(static_cast<Real>(mantissa), e);
    return negative ? -v : v;
}

}  // namespace pw
