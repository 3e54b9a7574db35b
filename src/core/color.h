#pragma once
// Colours are 32-bit values 0x00BBGGRR.

#include <cstdint>

namespace pw {

using Color = uint32_t;

constexpr Color RGBColor(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr uint8_t RedOf(Color c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GreenOf(Color c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t BlueOf(Color c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kGrey = 0x808080;
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
// Blue exclusive-or silver: the colour of exclusive-or ghosts and aids.
constexpr Color kGhostColor = 0x3FC0C0;

}  // namespace pw
