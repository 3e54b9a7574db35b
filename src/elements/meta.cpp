#include "elements/meta.h"

#include "core/canvas.h"
#include "core/language.h"
#include "core/metafile.h"
#include "core/stream.h"
#include "elements/picture_frame.h"

namespace pw {

namespace {
// The length of the EMF at the start of data: its header's, checked against the bytes there.
std::optional<size_t> EmfLength(const uint8_t* data, size_t size, std::string* error) {
    const MetafileInfo info = ReadMetafileInfo(data, size);
    if (!info.valid || !info.enhanced) {
        if (error)
            *error = info.valid ? Tr("Keine erweiterte Metadatei", "Not an enhanced metafile") : info.error;
        return std::nullopt;
    }
    if (info.bytes > size) {
        if (error) *error = Tr("Metadatei unvollständig", "Metafile is truncated");
        return std::nullopt;
    }
    return info.bytes;
}
}  // namespace

TMeta::TMeta() {
    KindCode = kcMetafile;
    SetPictureDefaults(*this);
}

bool TMeta::LoadFile(const std::vector<uint8_t>& file, std::string* error) {
    if (std::optional<size_t> n = EmfLength(file.data(), file.size(), nullptr)) {
        emf_.assign(file.begin(), file.begin() + static_cast<ptrdiff_t>(*n));
        return true;
    }
    std::optional<std::vector<uint8_t>> emf = ConvertWmfToEmf(file.data(), file.size(), error);
    if (!emf || !EmfLength(emf->data(), emf->size(), error)) return false;
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
    std::optional<size_t> n = EmfLength(rest.data(), rest.size(), &error);
    // Without a length the records after the picture cannot be found.
    if (!n) throw StreamError("Metafile: " + error);
    emf_.assign(rest.begin(), rest.begin() + static_cast<ptrdiff_t>(*n));
    r.Seek(r.Position() + *n);
    KindCode = kcMetafile;
}

}  // namespace pw
