#pragma once
// A fixed text field as stored: one length byte and 40 character bytes (Windows-1252). Bytes
// after the text are kept as they are, so a field read from a file is written back unchanged.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

struct ShortString40 {
    static constexpr size_t kCapacity = 40;
    std::array<uint8_t, 41> bytes{};

    // The text as UTF-8 (a length byte above 40 counts as 40).
    std::string Text() const;
    // Stores at most 40 characters; the bytes after the new text stay as they were.
    void SetText(std::string_view utf8);
    friend bool operator==(const ShortString40&, const ShortString40&) = default;
};

}  // namespace pw
