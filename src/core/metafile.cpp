// Reading the headers of metafiles, playing them onto a canvas, and converting WMF to EMF.
#include "core/metafile.h"

#include <algorithm>
#include <cmath>

#include "core/emf_canvas.h"
#include "core/language.h"
#include "core/metafile_formats.h"

namespace pw {

std::string DamagedRecordText(size_t offset) {
    return std::string(
               Tr("Beschädigter Datensatz in der Metadatei bei Byte ", "Damaged metafile record at byte ")) +
           std::to_string(offset);
}

std::string NotAMetafileText() {
    return Tr("Keine Metadatei (weder EMF noch WMF)", "Not a metafile (neither EMF nor WMF)");
}

std::string TruncatedText() {
    return Tr("Die Metadatei ist unvollständig", "The metafile is truncated");
}

namespace {
std::string EmptyText() {
    return Tr("Die Metadatei hat keine Größe", "The metafile has no size");
}

bool IsEmf(const uint8_t* data, size_t size) {
    return size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0 && data[3] == 0;
}

// Collects the device area every drawing call reaches.
class BoundsCanvas : public Canvas {
  public:
    std::optional<IRect> bounds;

  protected:
    IRect DeviceBounds() const override { return {-kCoordLimit, -kCoordLimit, kCoordLimit, kCoordLimit}; }
    void DevPolyline(const IPoint* pts, size_t n) override { AddPoints(pts, n); }
    void DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) override {
        size_t total = 0;
        for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(std::max(counts[i], 0));
        AddPoints(pts, total);
    }
    void DevRectangle(const IRect& r) override { AddBox(r); }
    void DevEllipse(const IRect& r) override { AddBox(r); }
    void DevArc(const IRect& box, IPoint, IPoint) override { AddBox(box); }
    void DevText(IPoint p, std::string_view, int32_t h) override { AddBox({p.x, p.y, p.x + h, p.y + h}); }
    void DevImage(const IRect& dest, const Image&) override { AddBox(dest); }
    void DevClipChanged() override {}

  private:
    void AddPoints(const IPoint* pts, size_t n) {
        for (size_t i = 0; i < n; ++i) AddBox({pts[i].x, pts[i].y, pts[i].x, pts[i].y});
    }
    void AddBox(const IRect& r) {
        IRect n{std::min(r.x1, r.x2), std::min(r.y1, r.y2), std::max(r.x1, r.x2), std::max(r.y1, r.y2)};
        bounds = bounds ? IRect{std::min(bounds->x1, n.x1), std::min(bounds->y1, n.y1),
                                std::max(bounds->x2, n.x2), std::max(bounds->y2, n.y2)}
                        : n;
    }
};

bool Empty(const IRect& r) {
    return r.x2 == r.x1 || r.y2 == r.y1;
}

// The logical area a WMF covers: its placeable box, the window it sets, or else what it draws.
std::optional<IRect> WmfFrame(const WmfHeader& h, const uint8_t* data, size_t size) {
    if (h.placeable && !Empty(h.box)) return h.box;
    if (h.window) return h.window;
    BoundsCanvas probe;
    MetafilePlayer player(probe, MetafilePlayer::Flavour::Wmf, DRect{0, 0, 1, 1}, DRect{0, 0, 1, 1}, 0, 0,
                          h.objects);
    PlayWmfRecords(player, h, data, size, nullptr);
    if (!probe.bounds || Empty(*probe.bounds)) return std::nullopt;
    return probe.bounds;
}

// Pixels of the reference device per millimetre; a damaged header counts as a 96 dpi screen.
double PixelsPerMm(int32_t pixels, int32_t mm) {
    return pixels > 0 && mm > 0 ? static_cast<double>(pixels) / mm : 96 / 25.4;
}
}  // namespace

MetafileInfo ReadMetafileInfo(const uint8_t* data, size_t size) {
    MetafileInfo info;
    if (IsEmf(data, size)) {
        std::optional<EmfHeader> h = ReadEmfHeader(data, size, &info.error);
        if (!h) return info;
        info.valid = info.enhanced = true;
        info.frame = h->frame;
        info.bounds = h->bounds;
        info.records = h->records;
        info.bytes = h->bytes;
        return info;
    }
    std::optional<WmfHeader> h = ReadWmfHeader(data, size, &info.error);
    if (!h) return info;
    std::optional<IRect> frame = WmfFrame(*h, data, size);
    if (!frame) {
        info.error = EmptyText();
        return info;
    }
    info.valid = true;
    info.frame = info.bounds = *frame;
    info.records = h->records;
    info.bytes = static_cast<uint32_t>(
        std::min<uint64_t>(uint64_t(h->words) * 2 + (h->placeable ? 22 : 0), UINT32_MAX));
    return info;
}

bool PlayMetafile(Canvas& canvas, const uint8_t* data, size_t size, const IRect& dest, std::string* error) {
    std::string reason;
    const DRect destDevice{
        static_cast<double>(canvas.DeviceX(dest.x1)), static_cast<double>(canvas.DeviceY(dest.y1)),
        static_cast<double>(canvas.DeviceX(dest.x2)), static_cast<double>(canvas.DeviceY(dest.y2))};
    const Canvas::State saved = canvas.SaveState();
    // The picture is played in device units: each point is rounded once, on its way from the
    // picture's logical units to the device.
    canvas.SetMapMode(MapMode::Text);
    canvas.SetWindowOrg(0, 0);
    canvas.SetViewportOrg(0, 0);
    bool ok = false;
    if (IsEmf(data, size)) {
        if (std::optional<EmfHeader> h = ReadEmfHeader(data, size, &reason)) {
            const double px = PixelsPerMm(h->deviceX, h->mmX), py = PixelsPerMm(h->deviceY, h->mmY);
            DRect frame{h->frame.x1 * px / 100, h->frame.y1 * py / 100, h->frame.x2 * px / 100,
                        h->frame.y2 * py / 100};
            if (Empty(h->frame))
                frame = {double(h->bounds.x1), double(h->bounds.y1), double(h->bounds.x2),
                         double(h->bounds.y2)};
            if (frame.x2 == frame.x1 || frame.y2 == frame.y1) {
                reason = EmptyText();
            } else {
                MetafilePlayer player(canvas, MetafilePlayer::Flavour::Emf, frame, destDevice, px, py,
                                      h->handles);
                ok = PlayEmfRecords(player, *h, data, size, &reason);
            }
        }
    } else if (std::optional<WmfHeader> h = ReadWmfHeader(data, size, &reason)) {
        if (std::optional<IRect> f = WmfFrame(*h, data, size)) {
            const DRect frame{double(f->x1), double(f->y1), double(f->x2), double(f->y2)};
            MetafilePlayer player(canvas, MetafilePlayer::Flavour::Wmf, frame, destDevice, 0, 0, h->objects);
            ok = PlayWmfRecords(player, *h, data, size, &reason);
        } else {
            reason = EmptyText();
        }
    }
    canvas.RestoreState(saved);
    if (error) *error = ok ? std::string() : reason;
    return ok;
}

std::optional<std::vector<uint8_t>> ConvertWmfToEmf(const uint8_t* data, size_t size, std::string* error) {
    std::string reason;
    std::optional<WmfHeader> h = ReadWmfHeader(data, size, &reason);
    std::optional<IRect> frame = h ? WmfFrame(*h, data, size) : std::nullopt;
    if (!frame) {
        if (error) *error = h ? EmptyText() : reason;
        return std::nullopt;
    }
    // The size in 0.01 mm: the placeable header says how many units make an inch; a plain
    // picture counts as drawn on a 96 dpi screen.
    const double perInch = h->placeable && h->inch > 0 ? h->inch : 96;
    auto hundredths = [&](int64_t units) {
        return static_cast<int32_t>(
            std::clamp(std::fabs(static_cast<double>(units) * 2540.0 / perInch), 1.0, 1e8));
    };
    const int32_t w = hundredths(int64_t(frame->x2) - frame->x1),
                  ht = hundredths(int64_t(frame->y2) - frame->y1);
    EmfCanvas emf(w, ht);
    PlayMetafile(emf, data, size, IRect{0, 0, w, ht}, &reason);
    if (error) *error = reason;
    return emf.Finish();
}

}  // namespace pw
