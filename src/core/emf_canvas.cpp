#include "core/emf_canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/cp1252.h"
#include "core/dib.h"
#include "core/le_bytes.h"
#include "core/metafile_records.h"

namespace pw {

namespace {
// UTF-16 units of a UTF-8 text.
std::u16string Utf16Of(std::string_view utf8) {
    std::u16string out;
    for (char32_t c : Utf8ToUtf32(utf8)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

uint32_t HatchOf(TBrushStyle s) {
    switch (s) {
        case bsHorizontal:
            return gdi::HS_HORIZONTAL;
        case bsVertical:
            return gdi::HS_VERTICAL;
        case bsFDiagonal:
            return gdi::HS_FDIAGONAL;
        case bsBDiagonal:
            return gdi::HS_BDIAGONAL;
        case bsCross:
            return gdi::HS_CROSS;
        default:
            return gdi::HS_DIAGCROSS;
    }
}

bool Fits16(const IPoint* pts, size_t n) {
    auto ok = [](int32_t v) {
        return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
    };
    for (size_t i = 0; i < n; ++i)
        if (!ok(pts[i].x) || !ok(pts[i].y)) return false;
    return true;
}

IRect Normalised(const IRect& r) {
    return {std::min(r.x1, r.x2), std::min(r.y1, r.y2), std::max(r.x1, r.x2), std::max(r.y1, r.y2)};
}
}  // namespace

EmfCanvas::EmfCanvas(int32_t width, int32_t height, const std::string& title)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
    WriteHeader(title);
    // The logical unit is the device unit of the reference device below: 0.01 mm.
    Simple(emr::SETMAPMODE, {gdi::MM_ANISOTROPIC});
    Simple(emr::SETWINDOWORGEX, {0, 0});
    Simple(emr::SETWINDOWEXTEX, {width_, height_});
    Simple(emr::SETVIEWPORTORGEX, {0, 0});
    Simple(emr::SETVIEWPORTEXTEX, {width_, height_});
    // Hatches leave the ground between their lines as it is; texts have no box behind them.
    Simple(emr::SETBKMODE, {gdi::TRANSPARENT});
    Simple(emr::SETTEXTALIGN, {0});
}

void EmfCanvas::Begin(uint32_t type) {
    recordStart_ = bytes_.size();
    LeWriter w(bytes_);
    w.U32(type);
    w.U32(0);
}

void EmfCanvas::End() {
    while (bytes_.size() % 4) bytes_.push_back(0);
    LeWriter(bytes_).PatchU32(recordStart_ + 4, static_cast<uint32_t>(bytes_.size() - recordStart_));
    ++records_;
}

void EmfCanvas::Simple(uint32_t type, std::initializer_list<int32_t> values) {
    Begin(type);
    LeWriter w(bytes_);
    for (int32_t v : values) w.I32(v);
    End();
}

void EmfCanvas::WriteHeader(const std::string& title) {
    std::u16string description = Utf16Of("Plattenwerk");
    description.push_back(0);
    description += Utf16Of(title);
    description.push_back(0);
    description.push_back(0);
    // The reference device has a pixel of 0.01 mm and covers the picture.
    const int32_t mmX = (width_ + 99) / 100, mmY = (height_ + 99) / 100;
    Begin(emr::HEADER);
    LeWriter w(bytes_);
    w.Zeros(16);  // bounds, set by Finish
    w.I32(0);
    w.I32(0);
    w.I32(width_);
    w.I32(height_);
    w.U32(emr::kSignature);
    w.U32(0x10000);
    w.U32(0);  // nBytes, set by Finish
    w.U32(0);  // nRecords, set by Finish
    w.U16(kSlots);
    w.U16(0);
    w.U32(static_cast<uint32_t>(description.size()));
    w.U32(108);
    w.U32(0);
    w.I32(mmX * 100);
    w.I32(mmY * 100);
    w.I32(mmX);
    w.I32(mmY);
    w.U32(0);  // no pixel format
    w.U32(0);
    w.U32(0);  // no OpenGL
    w.I32(mmX * 1000);
    w.I32(mmY * 1000);
    for (char16_t c : description) w.U16(c);
    End();
}

std::vector<uint8_t> EmfCanvas::Finish() {
    if (!finished_) {
        Begin(emr::EOF_);
        LeWriter w(bytes_);
        w.U32(0);
        w.U32(16);
        w.U32(20);
        End();
        finished_ = true;
        LeWriter h(bytes_);
        IRect b = bounds_.value_or(IRect{0, 0, -1, -1});
        h.PatchU32(8, static_cast<uint32_t>(b.x1));
        h.PatchU32(12, static_cast<uint32_t>(b.y1));
        h.PatchU32(16, static_cast<uint32_t>(b.x2));
        h.PatchU32(20, static_cast<uint32_t>(b.y2));
        h.PatchU32(48, static_cast<uint32_t>(bytes_.size()));
        h.PatchU32(52, records_);
    }
    return bytes_;
}

void EmfCanvas::Replace(uint32_t& current, uint32_t first) {
    uint32_t old = current;
    current = current == first ? first + 1 : first;
    Simple(emr::SELECTOBJECT, {static_cast<int32_t>(current)});
    if (old) Simple(emr::DELETEOBJECT, {static_cast<int32_t>(old)});
}

void EmfCanvas::SelectModes() {
    if (mode_ != Pen().mode) {
        mode_ = Pen().mode;
        uint32_t rop = *mode_ == PenMode::Xor      ? gdi::R2_XORPEN
                       : *mode_ == PenMode::NotXor ? gdi::R2_NOTXORPEN
                                                   : gdi::R2_COPYPEN;
        Simple(emr::SETROP2, {static_cast<int32_t>(rop)});
    }
}

void EmfCanvas::SelectPen() {
    SelectModes();
    // A pen of no width stays a hairline: one pixel on whatever device plays the picture.
    PenKey key{Pen().width <= 0 ? 0 : DevicePenWidth(), Pen().color, Pen().style};
    if (pen_ == key) return;
    pen_ = key;
    uint32_t next = penSlot_ == kPenSlot ? kPenSlot + 1 : kPenSlot;
    Begin(emr::CREATEPEN);
    LeWriter w(bytes_);
    w.U32(next);
    w.U32(key.style == PenStyle::Clear ? gdi::PS_NULL : gdi::PS_SOLID);
    w.I32(key.width);
    w.I32(0);
    w.U32(key.color & 0xFFFFFF);
    End();
    Replace(penSlot_, kPenSlot);
}

void EmfCanvas::SelectBrush(bool filled) {
    if (fillMode_ != PolyFillMode()) {
        fillMode_ = PolyFillMode();
        Simple(emr::SETPOLYFILLMODE,
               {static_cast<int32_t>(*fillMode_ == FillMode::Winding ? gdi::WINDING : gdi::ALTERNATE)});
    }
    BrushKey key{filled ? Brush().style : bsClear, Brush().color};
    if (key.style == bsClear) key.color = 0;
    if (brush_ == key) return;
    brush_ = key;
    uint32_t next = brushSlot_ == kBrushSlot ? kBrushSlot + 1 : kBrushSlot;
    Begin(emr::CREATEBRUSHINDIRECT);
    LeWriter w(bytes_);
    w.U32(next);
    w.U32(key.style == bsSolid ? gdi::BS_SOLID : key.style == bsClear ? gdi::BS_NULL : gdi::BS_HATCHED);
    w.U32(key.color & 0xFFFFFF);
    w.U32(key.style == bsSolid || key.style == bsClear ? 0 : HatchOf(key.style));
    End();
    Replace(brushSlot_, kBrushSlot);
}

void EmfCanvas::SelectFont(int32_t deviceHeight) {
    FontSpec key = Font();
    key.height = deviceHeight;
    if (font_ != key) {
        font_ = key;
        uint32_t next = fontSlot_ == kFontSlot ? kFontSlot + 1 : kFontSlot;
        Begin(emr::EXTCREATEFONTINDIRECTW);
        LeWriter w(bytes_);
        w.U32(next);
        w.I32(deviceHeight);  // positive: the cell height
        w.I32(0);
        w.I32(0);
        w.I32(0);
        w.I32(key.style & fsBold ? 700 : 400);
        w.U8(key.style & fsItalic ? 1 : 0);
        w.U8(key.style & fsUnderline ? 1 : 0);
        w.U8(key.style & fsStrikeOut ? 1 : 0);
        w.U8(1);  // default character set
        w.U8(0);
        w.U8(0);
        w.U8(0);
        w.U8(0);
        std::u16string face = Utf16Of(key.name).substr(0, 31);
        face.resize(32, 0);
        for (char16_t c : face) w.U16(c);
        // The rest of the font description (full name, style, version, panose) is left empty.
        w.Zeros(320 - 92);
        End();
        Replace(fontSlot_, kFontSlot);
    }
    if (textColor_ != TextColor()) {
        textColor_ = TextColor();
        Simple(emr::SETTEXTCOLOR, {static_cast<int32_t>(*textColor_ & 0xFFFFFF)});
    }
}

void EmfCanvas::AddBounds(IRect box, bool outlined) {
    box = Normalised(box);
    if (outlined && Pen().style != PenStyle::Clear) {
        int32_t reach = Pen().width <= 0 ? 0 : DevicePenWidth() / 2;
        box = {box.x1 - reach, box.y1 - reach, box.x2 + reach, box.y2 + reach};
    }
    if (!bounds_)
        bounds_ = box;
    else
        bounds_ = IRect{std::min(bounds_->x1, box.x1), std::min(bounds_->y1, box.y1),
                        std::max(bounds_->x2, box.x2), std::max(bounds_->y2, box.y2)};
}

void EmfCanvas::WriteBox(const IRect& r) {
    LeWriter w(bytes_);
    w.I32(r.x1);
    w.I32(r.y1);
    w.I32(r.x2);
    w.I32(r.y2);
}

// One record of points: 16-bit coordinates where they fit. With counts, a poly-polygon record.
void EmfCanvas::WritePoints(uint32_t type16, uint32_t type32, const IPoint* pts, size_t n,
                            const int32_t* counts, size_t polygons) {
    const bool small = Fits16(pts, n);
    Begin(small ? type16 : type32);
    WriteBox(PointsBox(pts, n));
    LeWriter w(bytes_);
    if (counts) {
        w.U32(static_cast<uint32_t>(polygons));
        w.U32(static_cast<uint32_t>(n));
        for (size_t i = 0; i < polygons; ++i) w.U32(static_cast<uint32_t>(std::max(counts[i], 0)));
    } else {
        w.U32(static_cast<uint32_t>(n));
    }
    for (size_t i = 0; i < n; ++i) {
        if (small) {
            w.I16(static_cast<int16_t>(pts[i].x));
            w.I16(static_cast<int16_t>(pts[i].y));
        } else {
            w.I32(pts[i].x);
            w.I32(pts[i].y);
        }
    }
    End();
}

void EmfCanvas::DevPolyline(const IPoint* pts, size_t n) {
    if (finished_ || n < 2 || Pen().style == PenStyle::Clear || !LineHasLength()) return;
    SelectPen();
    AddBounds(PointsBox(pts, n), true);
    WritePoints(emr::POLYLINE16, emr::POLYLINE, pts, n, nullptr, 0);
}

void EmfCanvas::DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) {
    if (finished_ || polygons == 0) return;
    size_t total = 0;
    for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(std::max(counts[i], 0));
    if (total == 0) return;
    SelectPen();
    SelectBrush(true);
    AddBounds(PointsBox(pts, total), true);
    if (polygons == 1)
        WritePoints(emr::POLYGON16, emr::POLYGON, pts, total, nullptr, 0);
    else
        WritePoints(emr::POLYPOLYGON16, emr::POLYPOLYGON, pts, total, counts, polygons);
}

void EmfCanvas::DevRectangle(const IRect& r) {
    if (finished_) return;
    SelectPen();
    SelectBrush(true);
    AddBounds(r, true);
    Begin(emr::RECTANGLE);
    WriteBox(r);
    End();
}

void EmfCanvas::DevEllipse(const IRect& r) {
    if (finished_) return;
    SelectPen();
    SelectBrush(true);
    AddBounds(r, true);
    Begin(emr::ELLIPSE);
    WriteBox(r);
    End();
}

void EmfCanvas::DevArc(const IRect& box, IPoint start, IPoint end) {
    if (finished_ || Pen().style == PenStyle::Clear) return;
    SelectPen();
    AddBounds(box, true);
    // The metafile's arcs run counter-clockwise on its device; where this canvas's mapping
    // mirrors one axis the arc runs the other way, from end to start.
    const bool mirrored = (ScaleX() < 0) != (ScaleY() < 0);
    if (mirrored) std::swap(start, end);
    Begin(emr::ARC);
    WriteBox(box);
    LeWriter w(bytes_);
    w.I32(start.x);
    w.I32(start.y);
    w.I32(end.x);
    w.I32(end.y);
    End();
}

void EmfCanvas::DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) {
    if (finished_ || deviceHeight <= 0 || utf8.empty()) return;
    SelectModes();
    SelectFont(deviceHeight);
    std::u16string text = Utf16Of(utf8);
    AddBounds({p.x, p.y, p.x, p.y + deviceHeight}, false);
    Begin(emr::EXTTEXTOUTW);
    LeWriter w(bytes_);
    // Bounds unknown without measuring the text: the empty rectangle that says so.
    w.I32(0);
    w.I32(0);
    w.I32(-1);
    w.I32(-1);
    w.U32(1);  // compatible graphics mode
    w.F32(0);
    w.F32(0);
    w.I32(p.x);
    w.I32(p.y);
    w.U32(static_cast<uint32_t>(text.size()));
    w.U32(76);    // the text follows the fixed part
    w.U32(0);     // no options
    w.Zeros(16);  // no clipping or opaque rectangle
    w.U32(0);     // no spacing array: the font's own advances
    for (char16_t c : text) w.U16(c);
    End();
}

void EmfCanvas::DevImage(const IRect& dest, const Image& image) {
    if (finished_ || image.IsNull() || image.pixels.size() < static_cast<size_t>(image.width) * image.height)
        return;
    SelectModes();
    AddBounds(dest, false);
    std::vector<uint8_t> info = DibInfo32(image), bits = DibBits32(image);
    Begin(emr::STRETCHDIBITS);
    LeWriter w(bytes_);
    WriteBox(Normalised(dest));
    w.I32(dest.x1);
    w.I32(dest.y1);
    w.I32(0);
    w.I32(0);
    w.I32(image.width);
    w.I32(image.height);
    w.U32(80);
    w.U32(static_cast<uint32_t>(info.size()));
    w.U32(static_cast<uint32_t>(80 + info.size()));
    w.U32(static_cast<uint32_t>(bits.size()));
    w.U32(gdi::DIB_RGB_COLORS);
    w.U32(gdi::SRCCOPY);
    w.I32(dest.x2 - dest.x1);
    w.I32(dest.y2 - dest.y1);
    bytes_.insert(bytes_.end(), info.begin(), info.end());
    bytes_.insert(bytes_.end(), bits.begin(), bits.end());
    End();
}

void EmfCanvas::DevClipChanged() {
    if (finished_) return;
    // Back to no clip, then the canvas's clip rectangle.
    Simple(emr::EXTSELECTCLIPRGN, {0, static_cast<int32_t>(gdi::RGN_COPY)});
    if (const std::optional<IRect>& clip = DeviceClip()) {
        Begin(emr::INTERSECTCLIPRECT);
        WriteBox(*clip);
        End();
    }
}

}  // namespace pw
