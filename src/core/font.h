#pragma once
// A font as elements and canvases use it: family name, cell height in model (logical) units and
// the style bits as stored.

#include <cstdint>
#include <string>

namespace pw {

enum FontStyleBits : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct FontSpec {
    std::string name = "Arial";
    // Character cell height (ascent + descent), positive, in logical units.
    int32_t height = 200;
    uint8_t style = 0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct TextMetrics {
    int32_t height = 0;   // ascent + descent
    int32_t ascent = 0;
    int32_t descent = 0;
};

}  // namespace pw
