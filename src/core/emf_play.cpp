// Reading EMF records and playing them through the playback context.
#include <algorithm>
#include <vector>

#include "core/cp1252.h"
#include "core/dib.h"
#include "core/le_bytes.h"
#include "core/metafile_formats.h"
#include "core/metafile_records.h"

namespace pw {

namespace {
constexpr size_t kMinHeader = 88;

IRect ReadRect(LeReader& r) {
    IRect b;
    b.x1 = r.I32();
    b.y1 = r.I32();
    b.x2 = r.I32();
    b.y2 = r.I32();
    return b;
}

XForm ReadXForm(LeReader& r) {
    XForm x;
    x.m11 = r.F32();
    x.m12 = r.F32();
    x.m21 = r.F32();
    x.m22 = r.F32();
    x.dx = r.F32();
    x.dy = r.F32();
    return x;
}

DPoint P(int32_t x, int32_t y) {
    return {static_cast<double>(x), static_cast<double>(y)};
}

// Points of 16 or 32 bits; nothing when the count does not fit into what remains.
std::optional<std::vector<DPoint>> ReadPoints(LeReader& r, uint64_t count, bool small) {
    if (count > r.Remaining() / (small ? 4 : 8)) return std::nullopt;
    std::vector<DPoint> pts(static_cast<size_t>(count));
    for (DPoint& p : pts) {
        if (small) {
            int16_t x = r.I16();
            p = P(x, r.I16());
        } else {
            int32_t x = r.I32();
            p = P(x, r.I32());
        }
    }
    return pts;
}

// A DIB inside a record: header and bits at offsets from the record's start.
std::optional<Image> RecordDib(const uint8_t* rec, size_t recSize, uint32_t offBmi, uint32_t cbBmi,
                               uint32_t offBits, uint32_t cbBits) {
    if (cbBmi == 0 || uint64_t(offBmi) + cbBmi > recSize || uint64_t(offBits) + cbBits > recSize)
        return std::nullopt;
    return ReadDib(rec + offBmi, cbBmi, rec + offBits, cbBits);
}

// The part of a picture a transfer takes: x and y from its bottom-left corner, as DIB rows run
// bottom-up; the whole picture when the part is not inside it.
Image SourcePart(Image image, int32_t x, int32_t y, int32_t cx, int32_t cy) {
    if (x < 0 || y < 0 || cx <= 0 || cy <= 0 || int64_t(x) + cx > image.width ||
        int64_t(y) + cy > image.height || (cx == image.width && cy == image.height))
        return image;
    Image part{cx, cy, std::vector<uint32_t>(static_cast<size_t>(cx) * cy)};
    const int32_t top = image.height - y - cy;
    for (int32_t row = 0; row < cy; ++row)
        std::copy_n(image.pixels.begin() + static_cast<size_t>(top + row) * image.width + x, cx,
                    part.pixels.begin() + static_cast<size_t>(row) * cx);
    return part;
}

std::u16string ReadUtf16(const uint8_t* p, size_t n) {
    std::u16string s(n, 0);
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return s;
}

std::string Utf8Of(const std::u16string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        out.push_back(c);
    }
    return Utf32ToUtf8(out);
}

// Plays one record; false when its contents do not fit into its size.
bool PlayRecord(MetafilePlayer& pl, uint32_t type, const uint8_t* rec, size_t size) {
    LeReader r(rec + 8, size - 8);
    using namespace emr;
    switch (type) {
        case POLYBEZIER:
        case POLYGON:
        case POLYLINE:
        case POLYBEZIERTO:
        case POLYLINETO:
        case POLYBEZIER16:
        case POLYGON16:
        case POLYLINE16:
        case POLYBEZIERTO16:
        case POLYLINETO16: {
            const bool small = type >= POLYBEZIER16;
            ReadRect(r);
            auto pts = ReadPoints(r, r.U32(), small);
            if (!pts || r.Overrun()) return false;
            switch (small ? type - POLYBEZIER16 + POLYBEZIER : type) {
                case POLYBEZIER:
                    pl.PolyBezier(*pts);
                    break;
                case POLYGON:
                    pl.Polygon(*pts);
                    break;
                case POLYLINE:
                    pl.Polyline(*pts);
                    break;
                case POLYBEZIERTO:
                    pl.PolyBezierTo(*pts);
                    break;
                default:
                    pl.PolylineTo(*pts);
                    break;
            }
            return true;
        }
        case POLYPOLYLINE:
        case POLYPOLYGON:
        case POLYPOLYLINE16:
        case POLYPOLYGON16: {
            const bool small = type == POLYPOLYLINE16 || type == POLYPOLYGON16;
            ReadRect(r);
            const uint32_t polys = r.U32(), total = r.U32();
            if (polys > r.Remaining() / 4) return false;
            std::vector<uint32_t> counts(polys);
            uint64_t sum = 0;
            for (uint32_t& c : counts) sum += (c = r.U32());
            if (sum != total) return false;
            auto pts = ReadPoints(r, total, small);
            if (!pts || r.Overrun()) return false;
            if (type == POLYPOLYGON || type == POLYPOLYGON16)
                pl.PolyPolygon(*pts, counts);
            else
                pl.PolyPolyline(*pts, counts);
            return true;
        }
        case SETWINDOWEXTEX: {
            int32_t x = r.I32();
            pl.SetWindowExt(x, r.I32());
            break;
        }
        case SETWINDOWORGEX: {
            int32_t x = r.I32();
            pl.SetWindowOrg(x, r.I32());
            break;
        }
        case SETVIEWPORTEXTEX: {
            int32_t x = r.I32();
            pl.SetViewportExt(x, r.I32());
            break;
        }
        case SETVIEWPORTORGEX: {
            int32_t x = r.I32();
            pl.SetViewportOrg(x, r.I32());
            break;
        }
        case SCALEVIEWPORTEXTEX:
        case SCALEWINDOWEXTEX: {
            int32_t a = r.I32(), b = r.I32(), c = r.I32(), d = r.I32();
            if (type == SCALEWINDOWEXTEX)
                pl.ScaleWindowExt(a, b, c, d);
            else
                pl.ScaleViewportExt(a, b, c, d);
            break;
        }
        case SETMAPMODE:
            pl.SetMapMode(r.U32());
            break;
        case SETBKMODE:
            pl.SetBkMode(r.U32());
            break;
        case SETPOLYFILLMODE:
            pl.SetPolyFillMode(r.U32());
            break;
        case SETROP2:
            pl.SetRop2(r.U32());
            break;
        case SETTEXTALIGN:
            pl.SetTextAlign(r.U32());
            break;
        case SETTEXTCOLOR:
            pl.SetTextColor(r.U32());
            break;
        case SETBKCOLOR:
            pl.SetBkColor(r.U32());
            break;
        case SETARCDIRECTION:
            pl.SetArcDirection(r.U32());
            break;
        case OFFSETCLIPRGN: {
            int32_t x = r.I32();
            pl.OffsetClip(x, r.I32());
            break;
        }
        case MOVETOEX: {
            int32_t x = r.I32();
            pl.MoveTo(P(x, r.I32()));
            break;
        }
        case LINETO: {
            int32_t x = r.I32();
            pl.LineTo(P(x, r.I32()));
            break;
        }
        case SETPIXELV: {
            int32_t x = r.I32();
            int32_t y = r.I32();
            pl.SetPixel(P(x, y), r.U32());
            break;
        }
        case INTERSECTCLIPRECT:
            pl.IntersectClipRect(ReadRect(r));
            break;
        case EXCLUDECLIPRECT:
            break;  // a hole in the clip is beyond a rectangle
        case SAVEDC:
            pl.SaveDC();
            break;
        case RESTOREDC:
            pl.RestoreDC(r.I32());
            break;
        case SETWORLDTRANSFORM:
            pl.SetWorldTransform(ReadXForm(r));
            break;
        case MODIFYWORLDTRANSFORM: {
            XForm x = ReadXForm(r);
            pl.ModifyWorldTransform(x, r.U32());
            break;
        }
        case SELECTOBJECT:
            pl.SelectObject(r.U32());
            break;
        case DELETEOBJECT:
            pl.DeleteObject(r.U32());
            break;
        case CREATEPEN: {
            MfObject o;
            o.kind = MfObject::Kind::Pen;
            uint32_t index = r.U32();
            o.pen.style = r.U32();
            o.pen.width = r.I32();
            r.I32();
            o.pen.color = r.U32() & 0xFFFFFF;
            if (r.Overrun()) return false;
            pl.CreateObject(index, o);
            return true;
        }
        case EXTCREATEPEN: {
            MfObject o;
            o.kind = MfObject::Kind::Pen;
            uint32_t index = r.U32();
            r.Skip(16);
            o.pen.style = r.U32();
            o.pen.width = static_cast<int32_t>(std::min<uint32_t>(r.U32(), 1u << 30));
            const uint32_t brushStyle = r.U32();
            o.pen.color = r.U32() & 0xFFFFFF;
            if (r.Overrun()) return false;
            // Cosmetic pens (type bits 0) are one pixel wide whatever their width says.
            o.pen.cosmetic = (o.pen.style & 0x000F0000) == 0;
            if (brushStyle == gdi::BS_NULL) o.pen.style = gdi::PS_NULL;
            pl.CreateObject(index, o);
            return true;
        }
        case CREATEBRUSHINDIRECT: {
            MfObject o;
            o.kind = MfObject::Kind::Brush;
            uint32_t index = r.U32();
            o.brush.style = r.U32();
            o.brush.color = r.U32() & 0xFFFFFF;
            o.brush.hatch = r.U32();
            if (r.Overrun()) return false;
            pl.CreateObject(index, o);
            return true;
        }
        case CREATEDIBPATTERNBRUSHPT: {
            // A picture pattern: drawn as a mid-grey solid brush.
            MfObject o;
            o.kind = MfObject::Kind::Brush;
            o.brush = {gdi::BS_SOLID, 0x808080, 0};
            pl.CreateObject(r.U32(), o);
            break;
        }
        case EXTCREATEFONTINDIRECTW: {
            MfObject o;
            o.kind = MfObject::Kind::Font;
            uint32_t index = r.U32();
            o.font.height = r.I32();
            r.Skip(12);
            o.font.weight = r.I32();
            o.font.italic = r.U8();
            o.font.underline = r.U8();
            o.font.strikeOut = r.U8();
            r.Skip(5);
            if (r.Remaining() < 64) return false;
            std::u16string face = ReadUtf16(rec + 8 + r.Position(), 32);
            face = face.substr(0, face.find(u'\0'));
            o.font.face = Utf8Of(face);
            pl.CreateObject(index, o);
            return true;
        }
        case ELLIPSE:
            pl.Ellipse(ReadRect(r));
            break;
        case RECTANGLE:
            pl.Rectangle(ReadRect(r));
            break;
        case ROUNDRECT: {
            IRect b = ReadRect(r);
            int32_t w = r.I32();
            pl.RoundRect(b, w, r.I32());
            break;
        }
        case ARC:
        case ARCTO:
        case CHORD:
        case PIE: {
            IRect b = ReadRect(r);
            int32_t sx = r.I32(), sy = r.I32(), ex = r.I32(), ey = r.I32();
            if (r.Overrun()) return false;
            using K = MetafilePlayer::ArcKind;
            K k = type == ARC ? K::Arc : type == ARCTO ? K::ArcTo : type == CHORD ? K::Chord : K::Pie;
            pl.ArcShape(k, b, P(sx, sy), P(ex, ey));
            return true;
        }
        case ANGLEARC: {
            int32_t x = r.I32(), y = r.I32();
            uint32_t radius = r.U32();
            float start = r.F32(), sweep = r.F32();
            if (r.Overrun()) return false;
            pl.AngleArc(P(x, y), radius, start, sweep);
            return true;
        }
        case BEGINPATH:
            pl.BeginPath();
            break;
        case ENDPATH:
            pl.EndPath();
            break;
        case CLOSEFIGURE:
            pl.CloseFigure();
            break;
        case FILLPATH:
            pl.FillPath();
            break;
        case STROKEPATH:
            pl.StrokePath();
            break;
        case STROKEANDFILLPATH:
            pl.StrokeAndFillPath();
            break;
        case ABORTPATH:
            pl.AbortPath();
            break;
        case SELECTCLIPPATH:
            pl.SelectClipPath();
            break;
        case EXTSELECTCLIPRGN: {
            const uint32_t cb = r.U32(), mode = r.U32();
            if (cb == 0) {
                if (mode == gdi::RGN_COPY) pl.ResetClip();
                break;
            }
            if (cb > r.Remaining() || cb < 32) return false;
            r.Skip(16);
            IRect box = ReadRect(r);  // the region's bounding rectangle
            pl.SetClipRegion(box, mode);
            break;
        }
        case EXTTEXTOUTW:
        case EXTTEXTOUTA: {
            ReadRect(r);
            r.Skip(12);
            int32_t x = r.I32(), y = r.I32();
            const uint32_t chars = r.U32(), off = r.U32(), options = r.U32();
            IRect box = ReadRect(r);
            if (r.Overrun()) return false;
            const uint64_t bytes = uint64_t(chars) * (type == EXTTEXTOUTW ? 2 : 1);
            if (off < 8 || uint64_t(off) + bytes > size) return false;
            std::string text =
                type == EXTTEXTOUTW
                    ? Utf8Of(ReadUtf16(rec + off, chars))
                    : Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(rec + off), chars));
            std::optional<IRect> opaque;
            if (options & gdi::ETO_OPAQUE) opaque = box;
            pl.Text(P(x, y), text, opaque);
            return true;
        }
        case BITBLT:
        case STRETCHBLT: {
            IRect bounds = ReadRect(r);
            (void)bounds;
            int32_t x = r.I32(), y = r.I32(), cx = r.I32(), cy = r.I32();
            const uint32_t rop = r.U32();
            r.Skip(8 + 24 + 4 + 4);
            const uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
            if (r.Overrun()) return false;
            if (cbBmi == 0) {
                // No source: a pattern fill, or black or white.
                if (rop == 0x00000042)
                    pl.FillBox(x, y, cx, cy, kBlack);
                else if (rop == 0x00FF0062)
                    pl.FillBox(x, y, cx, cy, kWhite);
                else if (rop == 0x00F00021)
                    pl.FillBox(x, y, cx, cy, std::nullopt);
                return true;
            }
            if (rop != gdi::SRCCOPY) return true;
            if (auto image = RecordDib(rec, size, offBmi, cbBmi, offBits, cbBits))
                pl.Picture(x, y, cx, cy, *image);
            return true;
        }
        case STRETCHDIBITS:
        case SETDIBITSTODEVICE: {
            ReadRect(r);
            int32_t x = r.I32(), y = r.I32();
            int32_t xSrc = r.I32(), ySrc = r.I32();
            int32_t cxSrc = r.I32(), cySrc = r.I32();
            const uint32_t offBmi = r.U32(), cbBmi = r.U32(), offBits = r.U32(), cbBits = r.U32();
            r.U32();
            uint32_t rop = gdi::SRCCOPY;
            int32_t cx = cxSrc, cy = cySrc;
            if (type == STRETCHDIBITS) {
                rop = r.U32();
                cx = r.I32();
                cy = r.I32();
            }
            if (r.Overrun()) return false;
            if (rop != gdi::SRCCOPY) return true;
            if (auto image = RecordDib(rec, size, offBmi, cbBmi, offBits, cbBits))
                pl.Picture(x, y, cx, cy, SourcePart(std::move(*image), xSrc, ySrc, cxSrc, cySrc));
            return true;
        }
        default:
            break;  // records without effect on the picture, and those not played
    }
    return !r.Overrun();
}
}  // namespace

std::optional<EmfHeader> ReadEmfHeader(const uint8_t* data, size_t size, std::string* error) {
    LeReader r(data, size);
    EmfHeader h;
    const uint32_t type = r.U32();
    h.headerSize = r.U32();
    h.bounds = ReadRect(r);
    h.frame = ReadRect(r);
    const uint32_t signature = r.U32();
    r.U32();
    h.bytes = r.U32();
    h.records = r.U32();
    h.handles = r.U16();
    r.U16();
    r.Skip(12);
    h.deviceX = r.I32();
    h.deviceY = r.I32();
    h.mmX = r.I32();
    h.mmY = r.I32();
    if (size < kMinHeader || type != emr::HEADER || signature != emr::kSignature) {
        if (error) *error = NotAMetafileText();
        return std::nullopt;
    }
    if (h.headerSize < kMinHeader || h.headerSize % 4 || h.headerSize > size || h.bytes < h.headerSize) {
        if (error) *error = DamagedRecordText(0);
        return std::nullopt;
    }
    return h;
}

bool PlayEmfRecords(MetafilePlayer& player, const EmfHeader& header, const uint8_t* data, size_t size,
                    std::string* error) {
    bool intact = header.bytes <= size;
    const size_t end = std::min<size_t>(size, header.bytes);
    size_t pos = header.headerSize;
    while (true) {
        if (end - pos < 8) {
            if (error) *error = TruncatedText();
            return false;
        }
        LeReader r(data + pos, end - pos);
        const uint32_t type = r.U32(), recordSize = r.U32();
        if (recordSize < 8 || recordSize % 4 || recordSize > end - pos) {
            if (error)
                *error =
                    recordSize > end - pos && recordSize % 4 == 0 ? TruncatedText() : DamagedRecordText(pos);
            return false;
        }
        if (type == emr::EOF_) break;
        // Comments, EMF+ records among them, carry nothing the EMF records do not draw.
        if (type != emr::GDICOMMENT && !PlayRecord(player, type, data + pos, recordSize)) {
            if (error) *error = DamagedRecordText(pos);
            intact = false;
        }
        pos += recordSize;
    }
    if (!intact && error && error->empty()) *error = TruncatedText();
    return intact;
}

}  // namespace pw
