#pragma once
// The two metafile formats' headers and record readers, which play records through the
// playback context (metafile_player.h). Internal to the metafile code (metafile.cpp).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/geometry.h"
#include "core/metafile_player.h"

namespace pw {

struct EmfHeader {
    IRect bounds, frame;
    uint32_t headerSize = 0, bytes = 0, records = 0;
    uint16_t handles = 0;
    int32_t deviceX = 0, deviceY = 0, mmX = 0, mmY = 0;
};

// The header of an EMF, checked against the bytes; nothing, with the reason, when it is none.
std::optional<EmfHeader> ReadEmfHeader(const uint8_t* data, size_t size, std::string* error);
// Plays the records after the header; false, with the reason, where the picture is damaged.
bool PlayEmfRecords(MetafilePlayer& player, const EmfHeader& header, const uint8_t* data, size_t size,
                    std::string* error);

struct WmfHeader {
    bool placeable = false;
    IRect box;             // placeable: the bounding box in logical units
    uint16_t inch = 0;     // placeable: logical units per inch
    size_t recordsAt = 0;  // where the first record starts
    uint16_t objects = 0;
    uint32_t words = 0;           // size the header gives, in 16-bit words
    uint32_t records = 0;         // counted while checking the chain
    std::optional<IRect> window;  // the first window origin and extent the records set
};

std::optional<WmfHeader> ReadWmfHeader(const uint8_t* data, size_t size, std::string* error);
bool PlayWmfRecords(MetafilePlayer& player, const WmfHeader& header, const uint8_t* data, size_t size,
                    std::string* error);

// The damage messages, in the program's language.
std::string DamagedRecordText(size_t offset);
std::string NotAMetafileText();
std::string TruncatedText();

}  // namespace pw
