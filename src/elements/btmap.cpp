#include "elements/btmap.h"

#include "core/bmp_codec.h"
#include "core/canvas.h"
#include "core/language.h"
#include "core/stream.h"
#include "elements/picture_frame.h"

namespace pw {

namespace {
TBtmap::DialogFunction& Dialog() {
    static TBtmap::DialogFunction dialog;
    return dialog;
}

// 0xAARRGGBB of the picture from 0x00BBGGRR.
uint32_t PixelOf(Color c) {
    return static_cast<uint32_t>(RedOf(c)) << 16 | static_cast<uint32_t>(GreenOf(c)) << 8 | BlueOf(c);
}
}  // namespace

TBtmap::TBtmap() {
    KindCode = kcBitmap;
    SetPictureDefaults(*this);
}

void TBtmap::SetDialog(DialogFunction dialog) {
    Dialog() = std::move(dialog);
}

Color TBtmap::PlainColor(Color key) {
    return key == kButtonFaceKey ? kButtonFaceColor : key & 0xFFFFFF;
}

void TBtmap::TakeFile(std::vector<uint8_t> file) {
    // A file header without the length gets the true one, so the saved document reads back.
    if (file.size() >= 6 && file[2] == 0 && file[3] == 0 && file[4] == 0 && file[5] == 0) {
        const size_t n = file.size();
        for (int k = 0; k < 4; ++k) file[2 + k] = static_cast<uint8_t>(n >> (8 * k));
    }
    file_ = std::move(file);
    decoded_ = false;
    picture_.reset();
    keyed_.reset();
    ResolutionX = ResolutionY = 150;
    if (std::optional<BmpInfo> info = ReadBmpInfo(file_.data(), file_.size())) {
        ResolutionX = BmpDotsPerInch(info->pixelsPerMetreX);
        ResolutionY = BmpDotsPerInch(info->pixelsPerMetreY);
    }
}

bool TBtmap::LoadFile(const std::vector<uint8_t>& file, std::string* error) {
    std::optional<size_t> n = BmpFileLength(file.data(), file.size(), error);
    if (!n) return false;
    std::vector<uint8_t> bytes(file.begin(), file.begin() + static_cast<ptrdiff_t>(*n));
    if (!DecodeBmp(bytes.data(), bytes.size(), error)) return false;
    TakeFile(std::move(bytes));
    return true;
}

void TBtmap::Decode() const {
    if (decoded_) return;
    decoded_ = true;
    error_.clear();
    picture_ = DecodeBmp(file_.data(), file_.size(), &error_);
}

const Image* TBtmap::Picture() const {
    Decode();
    return picture_ ? &*picture_ : nullptr;
}

const std::string& TBtmap::PictureError() const {
    Decode();
    return error_;
}

const Image* TBtmap::ShownPicture() const {
    const Image* picture = Picture();
    if (!picture || !transparent_) return picture;
    if (!keyed_) {
        keyed_ = *picture;
        const uint32_t key = PixelOf(PlainColor(key_));
        for (uint32_t& px : keyed_->pixels)
            if ((px & 0xFFFFFF) == key) px = 0;
    }
    return &*keyed_;
}

void TBtmap::SetTransparency(bool on, Color key) {
    transparent_ = on;
    key_ = key;
    keyed_.reset();
}

void TBtmap::Paint(Canvas& c) {
    if ((Hidden() && !GetSelected()) || (!Visible() && !XORFlag())) return;
    bool drawn = IsUprightPicture(*this);
    if (!XORFlag() && !UmrissFlag() && !Fraesen()) {
        const Image* shown = ShownPicture();
        if (!shown)
            drawn = false;
        else if (drawn)
            c.StretchImage(PictureTarget(*this), *shown);
        else if (PointCount() >= 4)
            drawn = c.ParallelogramImage(RoundPoint(Point(0)), RoundPoint(Point(1)), RoundPoint(Point(3)),
                                         *shown);
    }
    PaintPictureFrame(*this, c, drawn);
}

std::string TBtmap::KindName() {
    return "Bitmap";
}

bool TBtmap::EditProperties() {
    if (!Dialog()) return false;
    std::optional<Transparency> t = Dialog()(*this);
    if (!t) return false;
    // Confirmed without transparency, the key colour is kept but no longer applied.
    SetTransparency(t->on, t->key);
    return true;
}

void TBtmap::Write(TWriter& w) {
    TRechteck::Write(w);
    w.WriteRaw(file_.data(), file_.size());
    w.WriteRawColor(key_);
    w.WriteBoolean(transparent_);
}

void TBtmap::Read(TReader& r) {
    TRechteck::Read(r);
    std::span<const uint8_t> rest = r.Rest();
    std::string error;
    std::optional<size_t> n = BmpFileLength(rest.data(), rest.size(), &error);
    // Without a length the records after the picture cannot be found.
    if (!n) throw StreamError("Bitmap: " + error);
    TakeFile(std::vector<uint8_t>(rest.begin(), rest.begin() + static_cast<ptrdiff_t>(*n)));
    r.Seek(r.Position() + *n);
    const Color key = r.ReadRawColor();
    SetTransparency(r.ReadBoolean(), key);
}

}  // namespace pw
