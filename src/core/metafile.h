#pragma once
// Windows metafiles kept as their file bytes: the enhanced format (EMF), which documents store,
// and the older WMF (placeable or plain), which the picture import converts to EMF. Reading
// them never trusts a size in the file: every record is checked against the bytes that remain.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"

namespace pw {

class Canvas;

// What the header of a metafile says.
struct MetafileInfo {
    bool valid = false;
    bool enhanced = false;  // EMF; false for WMF
    IRect frame;            // EMF: the picture frame in 0.01 mm; WMF: the bounding box in its units
    IRect bounds;           // EMF: the bounds in device pixels of the recording device
    uint32_t records = 0;   // number of records
    uint32_t bytes = 0;     // size the header gives for the whole file
    std::string error;      // why it is not valid, in the program's language
};

MetafileInfo ReadMetafileInfo(const uint8_t* data, size_t size);

// Plays an EMF or WMF onto the canvas, its frame stretched into dest (logical coordinates of
// the canvas). The canvas state (mapping, pen, brush, font, clip) is as before afterwards.
// Returns false, with the reason in error, when the bytes are no metafile this can play; a
// picture damaged part-way draws what it could and returns false.
bool PlayMetafile(Canvas& canvas, const uint8_t* data, size_t size, const IRect& dest,
                  std::string* error = nullptr);

// Converts a WMF (placeable or plain) into an EMF that shows the same picture; nothing, with
// the reason in error, when it cannot be read.
std::optional<std::vector<uint8_t>> ConvertWmfToEmf(const uint8_t* data, size_t size,
                                                    std::string* error = nullptr);

}  // namespace pw
