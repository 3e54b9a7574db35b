// The playback context's state: mapping, world transform, objects, clip and saved states.
#include "core/metafile_player.h"

#include <algorithm>
#include <cmath>

#include "core/metafile_records.h"

namespace pw {

namespace {
// Saved states a picture may stack up; more SaveDC records are ignored.
constexpr size_t kMaxSavedStates = 1024;

bool Finite(const XForm& x) {
    return std::isfinite(x.m11) && std::isfinite(x.m12) && std::isfinite(x.m21) && std::isfinite(x.m22) &&
           std::isfinite(x.dx) && std::isfinite(x.dy);
}
}  // namespace

XForm XForm::Then(const XForm& o) const {
    return {m11 * o.m11 + m12 * o.m21, m11 * o.m12 + m12 * o.m22,      m21 * o.m11 + m22 * o.m21,
            m21 * o.m12 + m22 * o.m22, dx * o.m11 + dy * o.m21 + o.dx, dx * o.m12 + dy * o.m22 + o.dy};
}

MetafilePlayer::MetafilePlayer(Canvas& canvas, Flavour flavour, const DRect& frame, const DRect& destDevice,
                               double refPixelsPerMmX, double refPixelsPerMmY, size_t objects)
    : canvas_(canvas),
      flavour_(flavour),
      frame_(frame),
      pxPerMmX_(refPixelsPerMmX),
      pxPerMmY_(refPixelsPerMmY) {
    objects_.resize(objects);
    const double fw = frame.x2 - frame.x1, fh = frame.y2 - frame.y1;
    const double sx = fw != 0 ? (destDevice.x2 - destDevice.x1) / fw : 1;
    const double sy = fh != 0 ? (destDevice.y2 - destDevice.y1) / fh : 1;
    frameToDest_ = {sx, 0, 0, sy, destDevice.x1 - frame.x1 * sx, destDevice.y1 - frame.y1 * sy};
    auto round = [](double v) { return static_cast<int32_t>(std::clamp(std::floor(v + 0.5), -1e9, 1e9)); };
    base_ = {round(std::min(destDevice.x1, destDevice.x2)), round(std::min(destDevice.y1, destDevice.y2)),
             round(std::max(destDevice.x1, destDevice.x2)), round(std::max(destDevice.y1, destDevice.y2))};
    if (canvas.HasClip()) {
        IRect c = canvas.ClipBox();
        base_ = {std::max(base_.x1, c.x1), std::max(base_.y1, c.y1), std::min(base_.x2, c.x2),
                 std::min(base_.y2, c.y2)};
        if (base_.x2 < base_.x1) base_.x2 = base_.x1;
        if (base_.y2 < base_.y1) base_.y2 = base_.y1;
    }
    if (flavour == Flavour::Wmf) {
        // Until the picture sets a window of its own, its logical units are those of the frame.
        auto whole = [](double v) { return static_cast<int32_t>(std::clamp(v, -2e9, 2e9)); };
        s_.windowOrg = {whole(frame.x1), whole(frame.y1)};
        s_.windowExt = {std::max(1, whole(fw)), std::max(1, whole(fh))};
    }
    canvas_.SetPenMode(PenMode::Copy);
    ApplyClip();
    Update();
}

void MetafilePlayer::Update() {
    XForm page;
    const IPoint wo = s_.windowOrg, vo = s_.viewportOrg;
    if (flavour_ == Flavour::Wmf) {
        const double sx = (frame_.x2 - frame_.x1) / s_.windowExt.x,
                     sy = (frame_.y2 - frame_.y1) / s_.windowExt.y;
        page = {sx, 0, 0, sy, frame_.x1 - wo.x * sx, frame_.y1 - wo.y * sy};
    } else {
        double sx = 1, sy = 1;
        double mm = 0;  // millimetres per logical unit in the fixed modes
        switch (s_.mapMode) {
            case gdi::MM_LOMETRIC:
                mm = 0.1;
                break;
            case gdi::MM_HIMETRIC:
                mm = 0.01;
                break;
            case gdi::MM_LOENGLISH:
                mm = 0.254;
                break;
            case gdi::MM_HIENGLISH:
                mm = 0.0254;
                break;
            case gdi::MM_TWIPS:
                mm = 25.4 / 1440;
                break;
            case gdi::MM_ISOTROPIC:
            case gdi::MM_ANISOTROPIC: {
                sx = static_cast<double>(s_.viewportExt.x) / s_.windowExt.x;
                sy = static_cast<double>(s_.viewportExt.y) / s_.windowExt.y;
                if (s_.mapMode == gdi::MM_ISOTROPIC) {
                    // One logical unit as long in x as in y: the larger scale shrinks.
                    double m = std::min(std::fabs(sx), std::fabs(sy));
                    sx = std::copysign(m, sx);
                    sy = std::copysign(m, sy);
                }
                break;
            }
            default:
                break;
        }
        if (mm > 0) {
            sx = mm * pxPerMmX_;
            sy = -mm * pxPerMmY_;
        }
        page = {sx, 0, 0, sy, vo.x - wo.x * sx, vo.y - wo.y * sy};
    }
    total_ = s_.world.Then(page).Then(frameToDest_);
}

void MetafilePlayer::SetMapMode(uint32_t mode) {
    if (mode < gdi::MM_TEXT || mode > gdi::MM_ANISOTROPIC) return;
    s_.mapMode = mode;
    if (flavour_ == Flavour::Emf && mode != gdi::MM_ISOTROPIC && mode != gdi::MM_ANISOTROPIC)
        s_.windowExt = s_.viewportExt = {1, 1};
    Update();
}

void MetafilePlayer::SetWindowOrg(int32_t x, int32_t y) {
    s_.windowOrg = {x, y};
    Update();
}

void MetafilePlayer::SetWindowExt(int32_t x, int32_t y) {
    if (x == 0 || y == 0) return;
    if (flavour_ == Flavour::Emf && s_.mapMode != gdi::MM_ISOTROPIC && s_.mapMode != gdi::MM_ANISOTROPIC)
        return;
    s_.windowExt = {x, y};
    s_.windowSet = true;
    Update();
}

void MetafilePlayer::SetViewportOrg(int32_t x, int32_t y) {
    s_.viewportOrg = {x, y};
    Update();
}

void MetafilePlayer::SetViewportExt(int32_t x, int32_t y) {
    if (x == 0 || y == 0) return;
    if (flavour_ == Flavour::Emf && s_.mapMode != gdi::MM_ISOTROPIC && s_.mapMode != gdi::MM_ANISOTROPIC)
        return;
    s_.viewportExt = {x, y};
    Update();
}

namespace {
int32_t Scaled(int32_t v, int32_t num, int32_t den) {
    if (den == 0) return v;
    int64_t r = static_cast<int64_t>(v) * num / den;
    return static_cast<int32_t>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}
}  // namespace

void MetafilePlayer::ScaleWindowExt(int32_t xn, int32_t xd, int32_t yn, int32_t yd) {
    SetWindowExt(Scaled(s_.windowExt.x, xn, xd), Scaled(s_.windowExt.y, yn, yd));
}

void MetafilePlayer::ScaleViewportExt(int32_t xn, int32_t xd, int32_t yn, int32_t yd) {
    SetViewportExt(Scaled(s_.viewportExt.x, xn, xd), Scaled(s_.viewportExt.y, yn, yd));
}

void MetafilePlayer::SetWorldTransform(const XForm& x) {
    if (!Finite(x) || x.m11 * x.m22 - x.m12 * x.m21 == 0) return;
    s_.world = x;
    Update();
}

void MetafilePlayer::ModifyWorldTransform(const XForm& x, uint32_t mode) {
    switch (mode) {
        case gdi::MWT_IDENTITY:
            s_.world = XForm{};
            break;
        case gdi::MWT_LEFTMULTIPLY:
            SetWorldTransform(x.Then(s_.world));
            return;
        case gdi::MWT_RIGHTMULTIPLY:
            SetWorldTransform(s_.world.Then(x));
            return;
        case gdi::MWT_SET:
            SetWorldTransform(x);
            return;
        default:
            return;
    }
    Update();
}

void MetafilePlayer::CreateObject(uint32_t index, const MfObject& object) {
    if (index < objects_.size()) objects_[index] = object;
}

void MetafilePlayer::CreateObjectInFreeSlot(const MfObject& object) {
    for (MfObject& o : objects_)
        if (o.kind == MfObject::Kind::None) {
            o = object;
            return;
        }
}

void MetafilePlayer::SelectObject(uint32_t index) {
    if (index & emr::kStockObject) {
        SelectStockObject(index & ~emr::kStockObject);
        return;
    }
    if (index >= objects_.size()) return;
    const MfObject& o = objects_[index];
    switch (o.kind) {
        case MfObject::Kind::Pen:
            s_.pen = o.pen;
            break;
        case MfObject::Kind::Brush:
            s_.brush = o.brush;
            break;
        case MfObject::Kind::Font:
            s_.font = o.font;
            break;
        default:
            break;
    }
}

void MetafilePlayer::SelectStockObject(uint32_t stock) {
    switch (stock) {
        case gdi::WHITE_BRUSH:
            s_.brush = {gdi::BS_SOLID, kWhite, 0};
            break;
        case gdi::LTGRAY_BRUSH:
            s_.brush = {gdi::BS_SOLID, 0xC0C0C0, 0};
            break;
        case gdi::GRAY_BRUSH:
            s_.brush = {gdi::BS_SOLID, 0x808080, 0};
            break;
        case gdi::DKGRAY_BRUSH:
            s_.brush = {gdi::BS_SOLID, 0x404040, 0};
            break;
        case gdi::BLACK_BRUSH:
            s_.brush = {gdi::BS_SOLID, kBlack, 0};
            break;
        case gdi::NULL_BRUSH:
            s_.brush = {gdi::BS_NULL, kBlack, 0};
            break;
        case gdi::WHITE_PEN:
            s_.pen = {gdi::PS_SOLID, 0, true, kWhite};
            break;
        case gdi::BLACK_PEN:
            s_.pen = {gdi::PS_SOLID, 0, true, kBlack};
            break;
        case gdi::NULL_PEN:
            s_.pen = {gdi::PS_NULL, 0, true, kBlack};
            break;
        case gdi::DC_BRUSH:
            s_.brush = {gdi::BS_SOLID, kWhite, 0};
            break;
        case gdi::DC_PEN:
            s_.pen = {gdi::PS_SOLID, 0, true, kBlack};
            break;
        default:
            if (stock >= 10 && stock <= 17) s_.font = MfFont{};
            break;
    }
}

void MetafilePlayer::DeleteObject(uint32_t index) {
    if (index < objects_.size()) objects_[index] = MfObject{};
}

void MetafilePlayer::ApplyClip() {
    canvas_.ResetClip();
    canvas_.IntersectClipRect(base_);
    if (s_.clip) canvas_.IntersectClipRect(*s_.clip);
}

void MetafilePlayer::IntersectClipRect(const IRect& logical) {
    DPoint a = ToDevice({static_cast<double>(logical.x1), static_cast<double>(logical.y1)});
    DPoint b = ToDevice({static_cast<double>(logical.x2), static_cast<double>(logical.y2)});
    DPoint c = ToDevice({static_cast<double>(logical.x1), static_cast<double>(logical.y2)});
    DPoint d = ToDevice({static_cast<double>(logical.x2), static_cast<double>(logical.y1)});
    // A turned rectangle clips to its bounding box, the nearest the canvas can express.
    IPoint lo = Round({std::min({a.x, b.x, c.x, d.x}), std::min({a.y, b.y, c.y, d.y})});
    IPoint hi = Round({std::max({a.x, b.x, c.x, d.x}), std::max({a.y, b.y, c.y, d.y})});
    IRect r{lo.x, lo.y, hi.x, hi.y};
    if (s_.clip)
        r = {std::max(r.x1, s_.clip->x1), std::max(r.y1, s_.clip->y1), std::min(r.x2, s_.clip->x2),
             std::min(r.y2, s_.clip->y2)};
    if (r.x2 < r.x1) r.x2 = r.x1;
    if (r.y2 < r.y1) r.y2 = r.y1;
    s_.clip = r;
    ApplyClip();
}

void MetafilePlayer::ResetClip() {
    s_.clip.reset();
    ApplyClip();
}

void MetafilePlayer::SetClipRegion(const IRect& deviceBox, uint32_t mode) {
    DPoint a = frameToDest_.Apply({static_cast<double>(deviceBox.x1), static_cast<double>(deviceBox.y1)});
    DPoint b = frameToDest_.Apply({static_cast<double>(deviceBox.x2), static_cast<double>(deviceBox.y2)});
    IPoint lo = Round({std::min(a.x, b.x), std::min(a.y, b.y)}),
           hi = Round({std::max(a.x, b.x), std::max(a.y, b.y)});
    IRect r{lo.x, lo.y, hi.x, hi.y};
    if (mode == gdi::RGN_AND && s_.clip)
        r = {std::max(r.x1, s_.clip->x1), std::max(r.y1, s_.clip->y1), std::min(r.x2, s_.clip->x2),
             std::min(r.y2, s_.clip->y2)};
    else if (mode != gdi::RGN_AND && mode != gdi::RGN_COPY)
        return;  // union, difference and exclusive-or are beyond a rectangle
    if (r.x2 < r.x1) r.x2 = r.x1;
    if (r.y2 < r.y1) r.y2 = r.y1;
    s_.clip = r;
    ApplyClip();
}

void MetafilePlayer::OffsetClip(int32_t dx, int32_t dy) {
    if (!s_.clip) return;
    const double ox = total_.m11 * dx + total_.m21 * dy, oy = total_.m12 * dx + total_.m22 * dy;
    const IPoint o = Round({ox, oy});
    auto moved = [](int32_t v, int32_t d) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t(v) + d, -kCoordLimit, kCoordLimit));
    };
    s_.clip = IRect{moved(s_.clip->x1, o.x), moved(s_.clip->y1, o.y), moved(s_.clip->x2, o.x),
                    moved(s_.clip->y2, o.y)};
    ApplyClip();
}

void MetafilePlayer::SaveDC() {
    if (saved_.size() < kMaxSavedStates) saved_.push_back(s_);
}

void MetafilePlayer::RestoreDC(int32_t which) {
    // Negative: relative to the latest saved state; positive: the n-th one saved.
    int64_t index = which < 0 ? static_cast<int64_t>(saved_.size()) + which : static_cast<int64_t>(which) - 1;
    if (index < 0 || index >= static_cast<int64_t>(saved_.size())) return;
    s_ = saved_[static_cast<size_t>(index)];
    saved_.resize(static_cast<size_t>(index));
    ApplyClip();
    Update();
}

IPoint MetafilePlayer::Round(DPoint p) const {
    auto r = [](double v) {
        if (!std::isfinite(v)) return 0;
        return static_cast<int32_t>(
            std::clamp(std::floor(v + 0.5), -double(kCoordLimit), double(kCoordLimit)));
    };
    return {r(p.x), r(p.y)};
}

std::vector<IPoint> MetafilePlayer::RoundAll(const std::vector<DPoint>& pts) const {
    std::vector<IPoint> out;
    out.reserve(pts.size());
    for (const DPoint& p : pts) out.push_back(Round(ToDevice(p)));
    return out;
}

}  // namespace pw
