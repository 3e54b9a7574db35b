#include "panel/tools/picture_tool.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/bmp_codec.h"
#include "elements/btmap.h"
#include "elements/meta.h"
#include "panel/platine.h"

namespace pw {

namespace {
int32_t Extent(int32_t from, int32_t to) {
    return static_cast<int32_t>(std::min<int64_t>(std::abs(static_cast<int64_t>(to) - from), INT32_MAX));
}

// The size a picture is placed at: a bitmap's pixels at its resolution, a metafile's frame.
std::optional<MPoint> PictureSize(TBauteil& e) {
    if (auto* b = dynamic_cast<TBtmap*>(&e)) {
        std::optional<BmpInfo> info = ReadBmpInfo(b->FileBytes().data(), b->FileBytes().size());
        if (!info) return std::nullopt;
        return PictureTool::BitmapSize(info->width, info->height, b->ResolutionX, b->ResolutionY);
    }
    if (auto* m = dynamic_cast<TMeta*>(&e)) {
        const MetafileInfo h = m->Header();
        if (!h.valid) return std::nullopt;
        return PictureTool::MetafileSize(Extent(h.frame.x1, h.frame.x2), Extent(h.frame.y1, h.frame.y2));
    }
    return std::nullopt;
}

PictureTool::SizeQuery& Query() {
    static PictureTool::SizeQuery query;
    return query;
}
}  // namespace

void PictureTool::SetSizeQuery(SizeQuery query) {
    Query() = std::move(query);
}

MPoint PictureTool::BitmapSize(int32_t w, int32_t h, int32_t dpiX, int32_t dpiY) {
    return {static_cast<Real>(w) / dpiX * kMmPerInch * kUnitsPerMm,
            static_cast<Real>(h) / dpiY * kMmPerInch * kUnitsPerMm};
}

MPoint PictureTool::MetafileSize(int32_t w, int32_t h) {
    return {static_cast<Real>(w) / 2, static_cast<Real>(h) / 2};
}

MPoint PictureTool::FitToPanel(MPoint size, Real panelWidth, Real panelHeight) {
    // Halving an absurd size reaches the panel's in a bounded number of steps.
    for (int i = 0; i < 200 && (size.x > panelWidth || size.y > panelHeight); ++i) size = size * 0.5L;
    return size;
}

TBauteil* PictureTool::Unfinished() const {
    return panel_.ElementCount() ? panel_.Element(panel_.ElementCount() - 1) : nullptr;
}

ToolResult PictureTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    // The right button takes the picture back.
    if (e.Right()) return ToolResult::Cancel;
    if (!e.Left()) return ToolResult::Continue;
    TBauteil* last = Unfinished();
    auto* picture = dynamic_cast<TRechteck*>(last);
    std::optional<MPoint> natural;
    if (picture) natural = Query() ? Query()(*picture) : PictureSize(*picture);
    if (natural) {
        MPoint size = FitToPanel(*natural, p.Width, p.Height);
        MPoint m = p.SnapAt(e.pos);
        p.InvalidateElement(picture);
        picture->ClearPoints();
        picture->AddPoint({m.x, m.y - size.y});
        picture->AddPoint({m.x + size.x, m.y - size.y});
        picture->AddPoint({m.x + size.x, m.y});
        picture->AddPoint(m);
    }
    if (picture) p.InvalidateElement(picture);
    return ToolResult::Done;
}

}  // namespace pw
