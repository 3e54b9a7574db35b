#pragma once
// Helpers shared by the element tests: canvases mapped as the panel maps them, written
// records, round trips, and the hand-assembled pieces of byte records.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/bauteil.h"
#include "core/registry.h"
#include "core/stream.h"
#include "panel/platine.h"
#include "support/recording_canvas.h"

namespace pw::test {

using Bytes = std::vector<uint8_t>;

// A recording canvas mapped like a panel view at the given zoom (pixels per mm); zoom 50
// maps one model unit to one pixel.
inline void MapLikePanel(Canvas& canvas, double zoom) {
    TPlatine panel;
    panel.SetZoom(zoom);
    panel.PrepareCanvas(canvas);
}

struct PanelCanvas : RecordingCanvas {
    explicit PanelCanvas(double zoom = 50) : RecordingCanvas({0, 0, 100000, 100000}) {
        MapLikePanel(*this, zoom);
    }
};

inline Bytes Record(TBauteil& e) {
    Bytes out;
    TWriter w(out);
    e.Write(w);
    return out;
}

// A reader over bytes as the given source, at the given format version ("2,02", "1,00").
inline TReader ReaderFor(const Bytes& bytes, StreamSource source = StreamSource::File,
                         const char* version = "2,02") {
    TReader r(bytes, source);
    r.SetVersion(FormatVersion::FromHeader(reinterpret_cast<const uint8_t*>(version)));
    return r;
}

// Reads the element's record into a new element of the same registered class.
inline std::unique_ptr<TBauteil> ReadBack(TBauteil& e, StreamSource source = StreamSource::File) {
    Bytes bytes = Record(e);
    std::unique_ptr<TBauteil> copy = CreateElement(e.ClassName());
    TReader r = ReaderFor(bytes, source);
    copy->Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    return copy;
}

// Byte pieces of records, assembled by hand.
struct RecordBuilder {
    Bytes b;
    RecordBuilder& Raw(std::initializer_list<uint8_t> bytes) {
        b.insert(b.end(), bytes);
        return *this;
    }
    RecordBuilder& Zeros(size_t n) {
        b.insert(b.end(), n, 0);
        return *this;
    }
    // Raw extended value without tag whose 64-bit mantissa has only its top 16 bits set
    // (1000 is 0xFA00 with exponent 0x4008, 500 is 0xFA00 with 0x4007).
    RecordBuilder& RawExt(uint16_t topMantissa, uint16_t signExponent) {
        Zeros(6);
        return Raw({static_cast<uint8_t>(topMantissa & 0xFF), static_cast<uint8_t>(topMantissa >> 8),
                    static_cast<uint8_t>(signExponent & 0xFF), static_cast<uint8_t>(signExponent >> 8)});
    }
    // The same value as a float (tag 5).
    RecordBuilder& Float(uint16_t topMantissa, uint16_t signExponent) {
        Raw({5});
        return RawExt(topMantissa, signExponent);
    }
    RecordBuilder& FloatZero() {
        Raw({5});
        return Zeros(10);
    }
    // Base record items 12 to 15 for a zero smoothing amount, empty description and insertion
    // point (0, 0).
    RecordBuilder& BaseTail() {
        FloatZero();
        Zeros(41);
        FloatZero();
        return FloatZero();
    }
};

}  // namespace pw::test
