// Coordinates, zoom, snapping and painting of the panel.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <functional>
#include <optional>
#include <span>

#include "core/language.h"
#include "panel/platine.h"
#include "panel/prepare_ahead.h"
#include "panel/tools/pixel_mapping.h"
#include "text/font_engine.h"

namespace pw {

void TPlatine::PrepareCanvas(Canvas& c) const {
    View().ApplyTo(c);
}

MPoint TPlatine::PixelToModel(IPoint p) const {
    IPoint l = View().ToModel(IPoint{p.x - ScrollX, p.y - ScrollY});
    return {static_cast<Real>(l.x), static_cast<Real>(l.y)};
}

IPoint TPlatine::ModelToPixel(MPoint p) const {
    IPoint d = View().ToDevice(RoundPoint(p));
    return {d.x + ScrollX, d.y + ScrollY};
}

Real TPlatine::SnapValue(Real v, Real o) const {
    Real s = SnapSpacing;
    if (!(s > 0) || !std::isfinite(s)) return v;
    Real d = RoundEven(v - o);
    // The half spacing is added without rounding the sum: with an odd spacing the sum ends in
    // .5, and rounding it to even would move some values to the farther grid line (with
    // spacing 1, 3 would snap to 4).
    d = d > 0 ? d + s / 2 : d - s / 2;
    Real n = std::trunc(d / s);
    return o + n * s;
}

MPoint TPlatine::SnapPoint(int32_t x, int32_t y) const {
    MPoint p = PixelToModel({x, y});
    if (State.snapping) {
        p.x = std::min(p.x, Width);
        p.y = std::min(p.y, Height);
        p.x = SnapValue(p.x, GridOrigin.x);
        p.y = SnapValue(p.y, GridOrigin.y);
    }
    return p;
}

namespace {
int32_t ControlExtent(Real size, double zoom) {
    return RoundToInt(size * zoom / kUnitsPerMm) + 4;
}

// The zoom tool's step: a click zooms in by it, a click of the right button out.
constexpr double kZoomToolStep = 1.4;

double ZoomWithinRange(double z) {
    return std::isfinite(z) ? std::clamp(z, 0.5, 50.0) : 1.0;
}
}  // namespace

int32_t TPlatine::ControlWidth() const {
    return ControlExtent(Width, zoom_);
}
int32_t TPlatine::ControlHeight() const {
    return ControlExtent(Height, zoom_);
}

IPoint TPlatine::ScrollWithin(int32_t x, int32_t y, double zoom) const {
    return {std::clamp(x, 0, std::max(0, ControlExtent(Width, zoom) - ViewWidth)),
            std::clamp(y, 0, std::max(0, ControlExtent(Height, zoom) - ViewHeight))};
}

void TPlatine::ScrollTo(int32_t x, int32_t y) {
    const IPoint s = ScrollWithin(x, y, zoom_);
    ScrollX = s.x;
    ScrollY = s.y;
    Raise(OnScroll);
}

void TPlatine::SetZoom(double z) {
    PrepareCanvas(*canvas_);
    zoom_ = ZoomWithinRange(z);
    if (Sizer) UpdateSelectionFrame();
}

std::optional<double> TPlatine::PanelFittingZoom() const {
    if (!(Width > 0 && Height > 0)) return std::nullopt;
    return ZoomWithinRange(
        std::min(ViewWidth / static_cast<double>(Width) * 46, ViewHeight / static_cast<double>(Height) * 46));
}

void TPlatine::ZoomToPanel() {
    if (const std::optional<double> zoom = PanelFittingZoom()) SetZoom(*zoom);
    ScrollTo(ScrollX, ScrollY);
    Raise(OnChange);
}

ViewMapping TPlatine::ViewAfterZoomToPanel() const {
    const double zoom = PanelFittingZoom().value_or(zoom_);
    return ViewMapping(zoom, ScrollWithin(ScrollX, ScrollY, zoom));
}

std::optional<TPlatine::ZoomedView> TPlatine::ContentFitted(bool selectedOnly) const {
    bool any = std::any_of(elements_.begin(), elements_.end(),
                           [&](const auto& e) { return !selectedOnly || e->GetSelected(); });
    if (!any) return std::nullopt;
    MRect b = SelectionBounds(selectedOnly);
    IPoint a = ModelToPixel({b.x1, b.y1}), c = ModelToPixel({b.x2, b.y2});
    double pw = std::max(std::abs(c.x - a.x), 1), ph = std::max(std::abs(c.y - a.y), 1);
    MPoint centre = PixelToModel({(a.x + c.x) / 2, (a.y + c.y) / 2});
    const double zoom =
        ZoomWithinRange(std::min((ViewWidth - 30) / pw * zoom_, (ViewHeight - 30) / ph * zoom_));
    return ZoomedView{zoom,
                      ScrollWithin(RoundToInt(centre.x * zoom / kUnitsPerMm) - (ViewWidth - 20) / 2,
                                   RoundToInt(centre.y * zoom / kUnitsPerMm) - (ViewHeight - 20) / 2, zoom)};
}

void TPlatine::ZoomToContent(bool selectedOnly) {
    const std::optional<ZoomedView> to = ContentFitted(selectedOnly);
    if (!to) return;
    SetZoom(to->zoom);
    ScrollTo(to->scroll.x, to->scroll.y);
    Raise(OnChange);
}

ViewMapping TPlatine::ViewAfterZoomToContent(bool selectedOnly) const {
    const std::optional<ZoomedView> to = ContentFitted(selectedOnly);
    return to ? ViewMapping(to->zoom, to->scroll) : View();
}

TPlatine::ZoomedView TPlatine::StepZoom(const ZoomedView& from, IPoint p, bool in) const {
    // The model point under p stays under it.
    const IPoint l = ViewMapping(from.zoom, from.scroll).ToModel(p);
    const MPoint m{static_cast<Real>(l.x), static_cast<Real>(l.y)};
    const double zoom = ZoomWithinRange(in ? from.zoom * 1.03 : from.zoom / 1.03);
    return {zoom, ScrollWithin(RoundToInt(m.x * zoom / kUnitsPerMm) - p.x,
                               RoundToInt(m.y * zoom / kUnitsPerMm) - p.y, zoom)};
}

void TPlatine::ZoomStep(IPoint p, bool in) {
    const ZoomedView to = StepZoom({zoom_, {ScrollX, ScrollY}}, p, in);
    SetZoom(to.zoom);
    ScrollTo(to.scroll.x, to.scroll.y);
    Raise(OnChange);
}

ViewMapping TPlatine::ViewAfterZoomSteps(IPoint p, int steps) const {
    ZoomedView v{zoom_, {ScrollX, ScrollY}};
    for (int i = 0; i < std::abs(steps); ++i) v = StepZoom(v, p, steps > 0);
    return ViewMapping(v.zoom, v.scroll);
}

void TPlatine::ZoomToView(Real left, Real top, Real visibleWidth, Real visibleHeight) {
    if (visibleWidth > 0 && visibleHeight > 0)
        SetZoom(std::min(ViewWidth / static_cast<double>(visibleWidth) * kUnitsPerMm,
                         ViewHeight / static_cast<double>(visibleHeight) * kUnitsPerMm));
    ScrollTo(RoundToInt(left * zoom_), RoundToInt(top * zoom_));
    Raise(OnChange);
}

TPlatine::ZoomedView TPlatine::CentredAt(IPoint p, double zoom) const {
    const MPoint centre = PixelToModel({p.x + ScrollX, p.y + ScrollY});
    zoom = ZoomWithinRange(zoom);
    return {zoom, ScrollWithin(RoundToInt(centre.x * zoom / kUnitsPerMm) - ViewWidth / 2,
                               RoundToInt(centre.y * zoom / kUnitsPerMm) - ViewHeight / 2, zoom)};
}

void TPlatine::ShowZoomed(const ZoomedView& to) {
    SetZoom(to.zoom);
    ScrollTo(to.scroll.x, to.scroll.y);
    Raise(OnChange);
    Repaint();
}

void TPlatine::ZoomToBand(const IRect& band) {
    IRect b = band.Ordered();
    int32_t bw = b.x2 - b.x1, bh = b.y2 - b.y1;
    const IPoint middle{(b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2};
    if (bw < 5 || bh < 5) {
        ShowZoomed(CentredAt(middle, zoom_ * kZoomToolStep));
        return;
    }
    ShowZoomed(CentredAt(middle, std::min(ViewWidth / static_cast<double>(bw) * zoom_,
                                          ViewHeight / static_cast<double>(bh) * zoom_)));
}

void TPlatine::ZoomOutAt(IPoint p) {
    ShowZoomed(CentredAt(p, zoom_ / kZoomToolStep));
}

ViewMapping TPlatine::ViewAfterZoomToolClick(IPoint p) const {
    const ZoomedView v = CentredAt(p, zoom_ * kZoomToolStep);
    return ViewMapping(v.zoom, v.scroll);
}

// --- Painting ---

Real TPlatine::GridStep() const {
    Real g = SnapSpacing;
    if (!(g > 0) || !std::isfinite(g)) return 0;
    while (g * zoom_ < 250) g *= 2;
    return g;
}

Color TPlatine::GridColor() const {
    Color c = GetFrontplattenFarbe();
    if ((c & 0xFFFFFF) == 0) return kSilver;
    auto ch = [](uint8_t v) { return static_cast<uint8_t>(v <= 204 ? v + 50 : v - 50); };
    return RGBColor(ch(RedOf(c)), ch(GreenOf(c)), ch(BlueOf(c)));
}

Color TPlatine::ContrastColor() const {
    Color c = GetFrontplattenFarbe();
    int mean = (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3;
    if (mean < 128) return RGBColor(255 - RedOf(c), 255 - GreenOf(c), 255 - BlueOf(c));
    return c & 0xFFFFFF;
}

void TPlatine::PaintGrid(Canvas& c) const {
    Real g = GridStep();
    if (g <= 0) return;
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    c.SetPenWidth(0);
    c.SetPenColor(GridColor());
    IRect clip = c.ClipBox();
    // Lines beyond the clip area would not show; only the visible ones are drawn. Lines are at
    // least five pixels apart, so a clip area holds a bounded number of them.
    auto run = [](Real k0, Real k1, auto each) {
        Real count = k1 - k0 + 1;
        if (!(count >= 1)) return;
        int64_t n = count > 100000 ? 100000 : static_cast<int64_t>(count);
        for (int64_t i = 0; i < n; ++i) each(k0 + static_cast<Real>(i));
    };
    auto lines = [&](Real origin, Real extent, int32_t lo, int32_t hi, auto draw) {
        // Forward: k = 1, 2, ... while the previous line lay below the extent.
        Real kmax = std::max<Real>(1, std::ceil((extent - origin) / g));
        run(std::max<Real>(1, std::floor((lo - origin) / g)), std::min(kmax, std::ceil((hi - origin) / g)),
            [&](Real k) { draw(RoundToInt(origin + k * g)); });
        // Backward: k = 0, 1, ... while the previous line lay above 0.
        Real bmax = std::max<Real>(0, std::ceil(origin / g));
        run(std::max<Real>(0, std::floor((origin - hi) / g)), std::min(bmax, std::ceil((origin - lo) / g)),
            [&](Real k) { draw(RoundToInt(origin - k * g)); });
    };
    int32_t w = RoundToInt(Width), h = RoundToInt(Height);
    lines(GridOrigin.y, Height, clip.y1, clip.y2, [&](int32_t y) {
        c.MoveTo({0, y});
        c.LineTo({w, y});
    });
    lines(GridOrigin.x, Width, clip.x1, clip.x2, [&](int32_t x) {
        c.MoveTo({x, 0});
        c.LineTo({x, h});
    });
}

void TPlatine::PaintGround(Canvas& c) const {
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(GetFrontplattenFarbe());
    c.SetPenColor(kBlack);
    c.SetPenWidth(0);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    c.Rectangle({0, 0, RoundToInt(Width), RoundToInt(Height)});
    if (GridVisible) PaintGrid(c);
}

std::vector<const TBauteil*> TPlatine::VisibleElements(const Canvas& c, size_t& fresh) const {
    IRect clip = c.ClipBox();
    // Only elements near the clip area are visited; the margin takes in the 20 units around
    // the bounds and their rounding.
    constexpr Real kReach = 22;
    // The bounds the index reads and what the visible elements draw are built on all cores
    // first where many elements have them still to build: the elements the index has not read
    // yet (after opening a document or pasting), and the visible ones.
    const MRect reach{clip.x1 - kReach, clip.y1 - kReach, clip.x2 + kReach, clip.y2 + kReach};
    const auto meets = [&](const MRect& bounds) {
        IRect eb = RoundRect(bounds.Expanded(20));
        return !(eb.x2 < clip.x1 || eb.x1 > clip.x2 || eb.y2 < clip.y1 || eb.y1 > clip.y2);
    };
    std::vector<const TBauteil*> visible;
    // A document the index has not read at all (just opened) has every bounds built ahead; the
    // visible elements are then picked from them, and the index is built while the other
    // threads build what those elements draw.
    const bool unread = index_.Size() == 0 && !elements_.empty();
    const bool allBounds =
        index_.Size() < elements_.size() && PrepareBoundsAhead(std::span(elements_).subspan(index_.Size()));
    std::function<void()> alongside;
    if (unread && allBounds) {
        visible.reserve(elements_.size());
        for (const auto& e : elements_)
            if (meets(e->GetBounds().Normalised())) visible.push_back(e.get());
        alongside = [&] { ElementsMeeting(reach); };
    } else {
        const std::vector<size_t> near = ElementsMeeting(reach);
        visible.reserve(near.size());
        for (size_t i : near)
            if (meets(elements_[i]->GetBounds().Normalised())) visible.push_back(elements_[i].get());
    }
    fresh = PreparePaintAhead(visible, 0, alongside);
    return visible;
}

void TPlatine::PaintPanel(Canvas& c) const {
    PaintGround(c);
    size_t fresh = 0;
    const std::vector<const TBauteil*> visible = VisibleElements(c, fresh);
    // Where many of the visible elements are new, their shapes are derived on all cores even
    // under the mapping the canvas derived under before (a document opened into a view that
    // showed another, a large change undone); a few new ones among many kept are not worth a
    // first pass over all of them.
    if (fresh >= 64 && fresh * 4 >= visible.size()) c.ExpectNewShapes();
    auto paintVisible = [&] {
        for (const TBauteil* e : visible) e->Paint(c);
    };
    // Should an element's drawing throw, the canvas still leaves the pass it is in, so that the
    // next paint draws (and keeps what was derived).
    struct Passes {
        Canvas& c;
        int in = 0;  // 1: the first pass, 2: the second
        ~Passes() {
            if (in == 1) c.EndDerivePass();
            if (in == 2) c.EndDrawBehind();
        }
    } passes{c};
    // The second pass starts while the last shapes of the first are still being derived.
    if (c.BeginDerivePass()) {
        passes.in = 1;
        paintVisible();
        passes.in = 0;
        c.EndDerivePassDrawingBehind();
    } else {
        c.BeginDrawBehind();
    }
    passes.in = 2;
    paintVisible();
    passes.in = 0;
    c.EndDrawBehind();
}

void TPlatine::ClipToPixels(Canvas& c, const IRect& pixels) {
    PixelMapping mapping(c);
    c.ResetClip();
    c.IntersectClipRect(pixels);
}

void TPlatine::DeriveViewAhead(Canvas& c, const ViewMapping& view) const {
    const Canvas::State saved = c.SaveState();
    struct Restore {
        Canvas& c;
        const Canvas::State& saved;
        bool ahead = false;
        ~Restore() {
            if (ahead) c.EndDeriveAhead();
            c.RestoreState(saved);
        }
    } restore{c, saved};
    // The clip of a whole repaint (PaintView): the view, then the panel.
    ClipToPixels(c, {0, 0, ViewWidth, ViewHeight});
    view.ApplyTo(c);
    c.IntersectClipRect({0, 0, RoundToInt(Width), RoundToInt(Height)});
    if (!c.BeginDeriveAhead()) return;
    restore.ahead = true;
    // The ground draws nothing here, but leaves the state the elements start from.
    PaintGround(c);
    size_t fresh = 0;
    for (const TBauteil* e : VisibleElements(c, fresh)) e->Paint(c);
}

void TPlatine::PaintTo(Canvas& c, bool selectedOnly, bool withBackground) const {
    if (withBackground) {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(GetFrontplattenFarbe());
        c.SetPenColor(kBlack);
        c.SetPenWidth(0);
        c.SetPenStyle(PenStyle::Solid);
        c.Rectangle({0, 0, RoundToInt(Width), RoundToInt(Height)});
    }
    if (GridVisible) PaintGrid(c);
    for (auto& e : elements_)
        if (!selectedOnly || e->GetSelected()) e->Paint(c);
}

void TPlatine::PaintOriginMarker(Canvas& c) const {
    int32_t a = RoundToInt(400 / zoom_);
    IPoint o = RoundPoint(GridOrigin);
    c.SetPenWidth(0);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    c.SetPenColor(ContrastColor() ^ GetFrontplattenFarbe());
    c.SetBrushStyle(bsClear);
    c.MoveTo({o.x, o.y - 2 * a});
    c.LineTo({o.x, o.y + 2 * a});
    c.MoveTo({o.x - 2 * a, o.y});
    c.LineTo({o.x + 2 * a, o.y});
    c.Ellipse({o.x - a, o.y - a, o.x + a, o.y + a});
}

void TPlatine::PaintMarkerPoint(Canvas& c) const {
    int32_t a = RoundToInt(400 / zoom_) / 2;
    IPoint m = RoundPoint(MarkerPoint);
    c.SetPenWidth(0);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    c.SetPenColor(kRed);
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(kRed);
    c.Ellipse({m.x - a, m.y - a, m.x + a, m.y + a});
}

namespace {
std::string NowText() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[64];
    std::strftime(buf, sizeof buf, IsEnglish() ? "%H:%M:%S - %Y-%m-%d" : "%H:%M:%S - %d.%m.%Y", &tm);
    return buf;
}
}  // namespace

void TPlatine::PrintPaint(Canvas& c, const IRect& clip) const {
    int32_t w = RoundToInt(Width), h = RoundToInt(Height);
    IRect panel{0, 0, w, h};
    c.IntersectClipRect({std::max(panel.x1, clip.x1), std::max(panel.y1, clip.y1),
                         std::min(panel.x2, clip.x2), std::min(panel.y2, clip.y2)});
    c.SetPenWidth(0);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenMode(PenMode::Copy);
    c.SetPenColor(WillsteRahmen ? kBlack : kWhite);
    if (WillsteHintergrund && !umrissModus_) {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(GetFrontplattenFarbe());
    } else {
        c.SetBrushColor(GetFrontplattenFarbe());
        c.SetBrushStyle(bsClear);
    }
    c.Rectangle(panel);
    for (auto& e : elements_) {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(kGrey);
        e->Paint(c);
    }
    c.ResetClip();
    if (!WillsteInfos && !WillsteLineale) return;
    c.IntersectClipRect(clip);
    FontSpec font;
    font.name = "ARIAL";
    font.height = 150;
    c.SetFont(font);
    c.SetTextColor(kBlack);
    c.SetBrushStyle(bsClear);
    c.SetPenColor(kBlack);
    c.SetPenWidth(5);
    bool mirrored = c.WindowExt().x < 0;
    if (WillsteInfos) {
        int32_t r = WillsteLineale ? 450 : 0;
        int32_t x = mirrored ? w : 0;
        std::string view =
            std::string(Tr("Ansicht: ", "View: ")) + (mirrored ? Tr("gespiegelt", "mirrored") : "normal");
        c.TextOut({x, h + r + 100}, view);
        c.TextOut({x, h + r + 250}, "Original " + std::to_string(RoundToInt(Width / kUnitsPerMm)) + " x " +
                                        std::to_string(RoundToInt(Height / kUnitsPerMm)) + " mm");
        c.TextOut({x, h + r + 400}, NowText());
    }
    if (WillsteLineale) {
        // Panels never exceed 600 mm; a damaged file must not make the rulers endless.
        int32_t wmm = std::min(TruncToInt(Width / kUnitsPerMm), 10000),
                hmm = std::min(TruncToInt(Height / kUnitsPerMm), 10000);
        for (int32_t k = 0; k <= wmm; ++k) {
            int32_t x = kUnitsPerMm * k;
            bool longTick = k % 10 == 0;
            c.MoveTo({x, h + 100});
            c.LineTo({x, h + (longTick ? 475 : 200)});
            if (longTick) c.TextOut({mirrored ? x - 50 : x + 50, h + 350}, std::to_string(k));
        }
        for (int32_t k = 0; k <= hmm; ++k) {
            int32_t y = kUnitsPerMm * k;
            bool longTick = k % 10 == 0;
            c.MoveTo({-100, y});
            c.LineTo({longTick ? -500 : -200, y});
            if (longTick) {
                std::string text = std::to_string(k);
                c.TextOut({mirrored ? TextWidth(c, text) - 500 : -500, y + 50}, text);
            }
        }
    }
    c.ResetClip();
}

}  // namespace pw
