#pragma once
// The 10-byte extended format of stored lengths: a 64-bit mantissa with an explicit integer
// bit, then 16 bits of sign and exponent (bias 16383), little-endian.

#include <array>
#include <cstdint>

#include "core/numbers.h"

namespace pw {

using ExtendedBytes = std::array<uint8_t, 10>;

// Exact for every finite value, both zeros and subnormals. Infinities and NaNs keep their bits
// where the machine's long double is this very format (x86); elsewhere they become the
// machine's own infinity or NaN.
ExtendedBytes EncodeExtended(Real v);
Real DecodeExtended(const uint8_t* bytes);
inline Real DecodeExtended(const ExtendedBytes& b) { return DecodeExtended(b.data()); }

}  // namespace pw
