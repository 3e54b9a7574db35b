#include "elements/meta.h"

#include "core/canvas.h"
#include "core/language.h"
#include "core/metafile.h"
#include "core/stream.h"
#include "elements/picture_frame.h"

namespace pw {

namespace {
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr size_t kMinHeader = 88;

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
IRect RectAt(const uint8_t* p) {
    return {static_cast<int32_t>(Le32(p)), static_cast<int32_t>(Le32(p + 4)),
            static_cast<int32_t>(Le32(p + 8)), static_cast<int32_t>(Le32(p + 12))};
}
}  // namespace

std::optional<EmfHeader> ReadEmfHeader(const uint8_t* d, size_t size, std::string* error) {
    auto fail = [&](const char* german, const char* english) {
        if (error) *error = Tr(german, english);
        return std::nullopt;
    };
    if (size < kMinHeader || Le32(d) != kEmrHeader || Le32(d + 40) != kEmfSignature)
        return fail("Keine erweiterte Metadatei", "Not an enhanced metafile");
    EmfHeader h;
    h.bounds = RectAt(d + 8);
    h.frame = RectAt(d + 24);
    h.bytes = Le32(d + 48);
    h.records = Le32(d + 52);
    const uint32_t headerSize = Le32(d + 4);
    if (headerSize < kMinHeader || h.bytes < headerSize || h.bytes > size)
        return fail("Metadatei unvollständig", "Metafile is truncated");
    return h;
}

TMeta::TMeta() {
    KindCode = kcMetafile;
    SetPictureDefaults(*this);
}

bool TMeta::LoadFile(const std::vector<uint8_t>& file, std::string* error) {
    if (std::optional<EmfHeader> h = ReadEmfHeader(file.data(), file.size())) {
        emf_.assign(file.begin(), file.begin() + h->bytes);
        return true;
    }
    std::optional<std::vector<uint8_t>> emf = ConvertWmfToEmf(file.data(), file.size(), error);
    if (!emf || !ReadEmfHeader(emf->data(), emf->size(), error)) return false;
    emf_ = std::move(*emf);
    return true;
}

void TMeta::Paint(Canvas& c) {
    if ((Hidden() && !GetSelected()) || (!Visible() && !XORFlag())) return;
    bool drawn = IsUprightPicture(*this);
    if (drawn && !XORFlag() && !UmrissFlag() && !Fraesen())
        drawn = PlayMetafile(c, emf_.data(), emf_.size(), PictureTarget(*this));
    PaintPictureFrame(*this, c, drawn);
}

std::string TMeta::KindName() {
    return "Metafile";
}

void TMeta::Write(TWriter& w) {
    TRechteck::Write(w);
    w.WriteRaw(emf_.data(), emf_.size());
}

void TMeta::Read(TReader& r) {
    TRechteck::Read(r);
    std::span<const uint8_t> rest = r.Rest();
    std::string error;
    std::optional<EmfHeader> h = ReadEmfHeader(rest.data(), rest.size(), &error);
    // Without a length the records after the picture cannot be found.
    if (!h) throw StreamError("Metafile: " + error);
    emf_.assign(rest.begin(), rest.begin() + h->bytes);
    r.Seek(r.Position() + h->bytes);
    KindCode = kcMetafile;
}

}  // namespace pw
