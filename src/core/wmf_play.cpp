// Reading WMF records (placeable or plain) and playing them through the playback context.
#include <algorithm>
#include <vector>

#include "core/cp1252.h"
#include "core/dib.h"
#include "core/le_bytes.h"
#include "core/metafile_formats.h"
#include "core/metafile_records.h"

namespace pw {

namespace {
constexpr size_t kPlaceableSize = 22, kHeaderSize = 18;

DPoint P(int16_t x, int16_t y) {
    return {static_cast<double>(x), static_cast<double>(y)};
}

// A rectangle stored bottom, right, top, left, as WMF records keep their parameters.
IRect ReverseRect(LeReader& r) {
    IRect b;
    b.y2 = r.I16();
    b.x2 = r.I16();
    b.y1 = r.I16();
    b.x1 = r.I16();
    return b;
}

std::optional<std::vector<DPoint>> ReadPoints(LeReader& r, size_t count) {
    if (count > r.Remaining() / 4) return std::nullopt;
    std::vector<DPoint> pts(count);
    for (DPoint& p : pts) {
        int16_t x = r.I16();
        p = P(x, r.I16());
    }
    return pts;
}

std::string AnsiText(const uint8_t* p, size_t n) {
    std::string_view s(reinterpret_cast<const char*>(p), n);
    return Cp1252ToUtf8(s.substr(0, s.find('\0')));
}

bool PlayRecord(MetafilePlayer& pl, uint16_t fn, const uint8_t* rec, size_t size) {
    LeReader r(rec + 6, size - 6);
    using namespace wmf;
    switch (fn) {
        case SETBKMODE:
            pl.SetBkMode(r.U16());
            break;
        case SETMAPMODE:
            pl.SetMapMode(r.U16());
            break;
        case SETROP2:
            pl.SetRop2(r.U16());
            break;
        case SETPOLYFILLMODE:
            pl.SetPolyFillMode(r.U16());
            break;
        case SETTEXTALIGN:
            pl.SetTextAlign(r.U16());
            break;
        case SETTEXTCOLOR:
            pl.SetTextColor(r.U32());
            break;
        case SETBKCOLOR:
            pl.SetBkColor(r.U32());
            break;
        case SETWINDOWORG: {
            int16_t y = r.I16();
            pl.SetWindowOrg(r.I16(), y);
            break;
        }
        case SETWINDOWEXT: {
            int16_t y = r.I16();
            pl.SetWindowExt(r.I16(), y);
            break;
        }
        case SETVIEWPORTORG: {
            int16_t y = r.I16();
            pl.SetViewportOrg(r.I16(), y);
            break;
        }
        case SETVIEWPORTEXT: {
            int16_t y = r.I16();
            pl.SetViewportExt(r.I16(), y);
            break;
        }
        case OFFSETWINDOWORG: {
            int16_t y = r.I16();
            pl.OffsetWindowOrg(r.I16(), y);
            break;
        }
        case OFFSETVIEWPORTORG: {
            int16_t y = r.I16();
            pl.OffsetViewportOrg(r.I16(), y);
            break;
        }
        case SCALEWINDOWEXT:
        case SCALEVIEWPORTEXT: {
            int16_t yd = r.I16(), yn = r.I16(), xd = r.I16(), xn = r.I16();
            if (fn == SCALEWINDOWEXT)
                pl.ScaleWindowExt(xn, xd, yn, yd);
            else
                pl.ScaleViewportExt(xn, xd, yn, yd);
            break;
        }
        case MOVETO: {
            int16_t y = r.I16();
            pl.MoveTo(P(r.I16(), y));
            break;
        }
        case LINETO: {
            int16_t y = r.I16();
            pl.LineTo(P(r.I16(), y));
            break;
        }
        case SETPIXEL: {
            Color c = r.U32();
            int16_t y = r.I16();
            pl.SetPixel(P(r.I16(), y), c);
            break;
        }
        case INTERSECTCLIPRECT:
            pl.IntersectClipRect(ReverseRect(r));
            break;
        case EXCLUDECLIPRECT:
            break;
        case SELECTCLIPREGION:
            pl.ResetClip();
            break;
        case SAVEDC:
            pl.SaveDC();
            break;
        case RESTOREDC:
            pl.RestoreDC(r.I16());
            break;
        case SELECTOBJECT:
            pl.SelectObject(r.U16());
            break;
        case DELETEOBJECT:
            pl.DeleteObject(r.U16());
            break;
        case CREATEPENINDIRECT: {
            MfObject o;
            o.kind = MfObject::Kind::Pen;
            o.pen.style = r.U16();
            o.pen.width = r.I16();
            r.I16();
            o.pen.color = r.U32() & 0xFFFFFF;
            if (r.Overrun()) return false;
            pl.CreateObjectInFreeSlot(o);
            return true;
        }
        case CREATEBRUSHINDIRECT: {
            MfObject o;
            o.kind = MfObject::Kind::Brush;
            o.brush.style = r.U16();
            o.brush.color = r.U32() & 0xFFFFFF;
            o.brush.hatch = r.U16();
            if (r.Overrun()) return false;
            pl.CreateObjectInFreeSlot(o);
            return true;
        }
        case CREATEFONTINDIRECT: {
            MfObject o;
            o.kind = MfObject::Kind::Font;
            o.font.height = r.I16();
            r.Skip(6);
            o.font.weight = r.I16();
            o.font.italic = r.U8();
            o.font.underline = r.U8();
            o.font.strikeOut = r.U8();
            r.Skip(5);
            if (r.Overrun()) return false;
            o.font.face = AnsiText(rec + 6 + r.Position(), std::min<size_t>(32, r.Remaining()));
            pl.CreateObjectInFreeSlot(o);
            return true;
        }
        case DIBCREATEPATTERNBRUSH:
        case CREATEPALETTE:
        case CREATEREGION: {
            // Every object takes a slot, also those drawn otherwise or not at all.
            MfObject o;
            o.kind = fn == DIBCREATEPATTERNBRUSH ? MfObject::Kind::Brush : MfObject::Kind::Other;
            o.brush = {gdi::BS_SOLID, 0x808080, 0};
            pl.CreateObjectInFreeSlot(o);
            break;
        }
        case RECTANGLE:
            pl.Rectangle(ReverseRect(r));
            break;
        case ELLIPSE:
            pl.Ellipse(ReverseRect(r));
            break;
        case ROUNDRECT: {
            int16_t h = r.I16(), w = r.I16();
            pl.RoundRect(ReverseRect(r), w, h);
            break;
        }
        case ARC:
        case PIE:
        case CHORD: {
            int16_t ey = r.I16(), ex = r.I16(), sy = r.I16(), sx = r.I16();
            IRect b = ReverseRect(r);
            if (r.Overrun()) return false;
            using K = MetafilePlayer::ArcKind;
            pl.ArcShape(fn == ARC ? K::Arc : fn == PIE ? K::Pie : K::Chord, b, P(sx, sy), P(ex, ey));
            return true;
        }
        case POLYGON:
        case POLYLINE: {
            int16_t n = r.I16();
            auto pts = ReadPoints(r, n < 0 ? 0 : static_cast<size_t>(n));
            if (!pts || r.Overrun()) return false;
            if (fn == POLYGON)
                pl.Polygon(*pts);
            else
                pl.Polyline(*pts);
            return true;
        }
        case POLYPOLYGON: {
            uint16_t polys = r.U16();
            if (polys > r.Remaining() / 2) return false;
            std::vector<uint32_t> counts(polys);
            size_t total = 0;
            for (uint32_t& c : counts) total += (c = r.U16());
            auto pts = ReadPoints(r, total);
            if (!pts || r.Overrun()) return false;
            pl.PolyPolygon(*pts, counts);
            return true;
        }
        case TEXTOUT: {
            int16_t n = r.I16();
            if (n < 0 || static_cast<size_t>(n) + (n & 1) + 4 > r.Remaining()) return false;
            std::string text = AnsiText(rec + 6 + r.Position(), static_cast<size_t>(n));
            r.Skip(static_cast<size_t>(n + (n & 1)));
            int16_t y = r.I16();
            pl.Text(P(r.I16(), y), text, std::nullopt);
            break;
        }
        case EXTTEXTOUT: {
            int16_t y = r.I16(), x = r.I16(), n = r.I16();
            uint16_t options = r.U16();
            std::optional<IRect> box;
            if (options & (gdi::ETO_OPAQUE | gdi::ETO_CLIPPED)) {
                IRect b;
                b.x1 = r.I16();
                b.y1 = r.I16();
                b.x2 = r.I16();
                b.y2 = r.I16();
                if (options & gdi::ETO_OPAQUE) box = b;
            }
            if (r.Overrun() || n < 0 || static_cast<size_t>(n) > r.Remaining()) return false;
            pl.Text(P(x, y), AnsiText(rec + 6 + r.Position(), static_cast<size_t>(n)), box);
            return true;
        }
        case DIBBITBLT:
        case DIBSTRETCHBLT:
        case STRETCHDIB: {
            const uint32_t rop = r.U32();
            if (fn == STRETCHDIB) r.U16();  // colour usage
            int16_t sh = 0, sw = 0;
            if (fn != DIBBITBLT) {
                sh = r.I16();
                sw = r.I16();
            }
            r.I16();
            r.I16();  // source origin
            int16_t h = r.I16(), w = r.I16();
            int16_t y = r.I16(), x = r.I16();
            if (fn == DIBBITBLT) sh = h, sw = w;
            (void)sh;
            (void)sw;
            if (r.Overrun()) return false;
            if (r.Remaining() < 40) {
                // Without a picture: a fill of the area.
                if (rop == 0x00000042)
                    pl.FillBox(x, y, w, h, kBlack);
                else if (rop == 0x00FF0062)
                    pl.FillBox(x, y, w, h, kWhite);
                else if (rop == 0x00F00021)
                    pl.FillBox(x, y, w, h, std::nullopt);
                return true;
            }
            if (rop != gdi::SRCCOPY) return true;
            const uint8_t* dib = rec + 6 + r.Position();
            const size_t dibSize = r.Remaining();
            // The bits follow the header and its colour table.
            LeReader d(dib, dibSize);
            const uint32_t headerSize = d.U32();
            size_t infoSize = headerSize;
            if (headerSize >= 40) {
                d.Seek(14);
                const uint16_t bits = d.U16();
                const uint32_t compression = d.U32();
                d.Seek(32);
                uint32_t used = d.U32();
                if (bits <= 8) infoSize += 4 * static_cast<size_t>(used && used < 256u ? used : 1u << bits);
                if (compression == 3) infoSize += 12;
            } else if (headerSize == 12) {
                d.Seek(10);
                const uint16_t bits = d.U16();
                if (bits <= 8) infoSize += 3 * (size_t(1) << bits);
            }
            if (infoSize > dibSize) return false;
            if (auto image = ReadDib(dib, infoSize, dib + infoSize, dibSize - infoSize))
                pl.Picture(x, y, w, h, *image);
            return true;
        }
        default:
            break;
    }
    return !r.Overrun();
}

// Size of a record in bytes, checked against what remains; 0 when it does not fit.
size_t RecordSize(const uint8_t* data, size_t remaining) {
    if (remaining < 6 || remaining > (size_t(1) << 62)) return 0;
    LeReader r(data, remaining);
    const uint64_t bytes = uint64_t(r.U32()) * 2;
    return bytes < 6 || bytes > remaining ? 0 : static_cast<size_t>(bytes);
}
}  // namespace

std::optional<WmfHeader> ReadWmfHeader(const uint8_t* data, size_t size, std::string* error) {
    WmfHeader h;
    LeReader r(data, size);
    if (r.U32() == wmf::kPlaceableKey) {
        h.placeable = true;
        r.U16();
        h.box.x1 = r.I16();
        h.box.y1 = r.I16();
        h.box.x2 = r.I16();
        h.box.y2 = r.I16();
        h.inch = r.U16();
        h.recordsAt = kPlaceableSize;
    }
    if (size < h.recordsAt + kHeaderSize) {
        if (error) *error = NotAMetafileText();
        return std::nullopt;
    }
    r.Seek(h.recordsAt);
    const uint16_t type = r.U16(), headerWords = r.U16(), version = r.U16();
    h.words = r.U32();
    h.objects = r.U16();
    if (r.Overrun() || (type != 1 && type != 2) || headerWords != 9 ||
        (version != 0x300 && version != 0x100)) {
        if (error) *error = NotAMetafileText();
        return std::nullopt;
    }
    h.recordsAt += kHeaderSize;
    // Walk the chain once: count the records and find the window the picture sets first.
    std::optional<IPoint> org, ext;
    for (size_t pos = h.recordsAt;;) {
        const size_t n = RecordSize(data + pos, size - pos);
        if (n == 0) break;
        ++h.records;
        LeReader rr(data + pos + 4, n - 4);
        const uint16_t fn = rr.U16();
        if (fn == wmf::EOF_) break;
        if ((fn == wmf::SETWINDOWORG || fn == wmf::SETWINDOWEXT) && n >= 10) {
            int16_t y = rr.I16(), x = rr.I16();
            if (fn == wmf::SETWINDOWORG && !org) org = IPoint{x, y};
            if (fn == wmf::SETWINDOWEXT && !ext) ext = IPoint{x, y};
        }
        pos += n;
    }
    if (ext && ext->x != 0 && ext->y != 0) {
        IPoint o = org.value_or(IPoint{0, 0});
        h.window = IRect{o.x, o.y, o.x + ext->x, o.y + ext->y};
    }
    return h;
}

bool PlayWmfRecords(MetafilePlayer& player, const WmfHeader& header, const uint8_t* data, size_t size,
                    std::string* error) {
    bool intact = true;
    for (size_t pos = header.recordsAt;;) {
        const size_t n = RecordSize(data + pos, size - pos);
        if (n == 0) {
            if (error) *error = size - pos < 6 ? TruncatedText() : DamagedRecordText(pos);
            return false;
        }
        const uint16_t fn = static_cast<uint16_t>(data[pos + 4] | (data[pos + 5] << 8));
        if (fn == wmf::EOF_) break;
        if (!PlayRecord(player, fn, data + pos, n)) {
            if (error) *error = DamagedRecordText(pos);
            intact = false;
        }
        pos += n;
    }
    return intact;
}

}  // namespace pw
