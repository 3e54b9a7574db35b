#include "cli/element_info.h"

#include <cstdio>

#include "core/bmp_codec.h"
#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/btmap.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/meta.h"
#include "elements/textlabel.h"
#include "text/font_engine.h"

namespace pw::cli {

double Round3(Real v) {
    return static_cast<double>(RoundEven(v * 1000) / 1000);
}

Json PointJson(MPoint p) {
    return Json{{"x", Round3(p.x)}, {"y", Round3(p.y)}};
}

std::string ColorText(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(c));
    return buf;
}

namespace {

// Lines, contours, rectangles and polygons: the vertices and whether the contour is closed.
bool ContourInfo(TBauteil& e, Json& out) {
    auto* l = dynamic_cast<TLinie*>(&e);
    if (!l) return false;
    Json points = Json::array();
    for (const MPoint& p : l->Points()) points.push_back(PointJson(p));
    out["points"] = std::move(points);
    out["closed"] = l->Closed();
    return true;
}

Json RectJson(const IRect& r) {
    return Json::array({r.x1, r.y1, r.x2, r.y2});
}

// Bitmaps: pixel size, resolution, key colour and switch, then the contour; a picture that
// cannot be shown says why.
bool BitmapInfo(TBauteil& e, Json& out) {
    auto* b = dynamic_cast<TBtmap*>(&e);
    if (!b) return false;
    Json pic;
    pic["bytes"] = b->FileBytes().size();
    if (std::optional<BmpInfo> info = ReadBmpInfo(b->FileBytes().data(), b->FileBytes().size())) {
        pic["width"] = info->width;
        pic["height"] = info->height;
        pic["bitCount"] = info->bitCount;
    }
    pic["dpiX"] = b->ResolutionX;
    pic["dpiY"] = b->ResolutionY;
    pic["transparentColor"] = ColorText(b->TransparentColor());
    pic["transparent"] = b->Transparent();
    if (!b->Picture()) pic["error"] = b->PictureError();
    out["bitmap"] = std::move(pic);
    return ContourInfo(e, out);
}

// Metafiles: the frame in 0.01 mm and the number of records, then the contour.
bool MetafileInfoJson(TBauteil& e, Json& out) {
    auto* m = dynamic_cast<TMeta*>(&e);
    if (!m) return false;
    Json pic;
    pic["bytes"] = m->FileBytes().size();
    const MetafileInfo h = m->Header();
    if (h.valid) {
        pic["frame"] = RectJson(h.frame);
        pic["records"] = h.records;
    } else {
        pic["error"] = h.error;
    }
    out["metafile"] = std::move(pic);
    return ContourInfo(e, out);
}

bool ArcInfo(TBauteil& e, Json& out) {
    auto* a = dynamic_cast<TBogen*>(&e);
    if (!a) return false;
    out["centre"] = PointJson(a->Centre);
    out["rimPoint"] = PointJson(a->RimPoint);
    out["startPoint"] = PointJson(a->StartPoint);
    out["endPoint"] = PointJson(a->EndPoint);
    out["style"] = a->Stil();
    return true;
}

bool CircleInfo(TBauteil& e, Json& out) {
    auto* k = dynamic_cast<TKreis*>(&e);
    if (!k) return false;
    out["centre"] = PointJson(k->Centre);
    out["rimPoint"] = PointJson(k->RimPoint);
    return true;
}

bool DrillInfo(TBauteil& e, Json& out) {
    auto* d = dynamic_cast<TBohrung*>(&e);
    if (!d) return false;
    out["centre"] = PointJson(d->Centre);
    out["diameter"] = Round3(d->Diameter);
    return true;
}

// Texts: the text, the font and the frame with its mirroring.
bool TextInfo(TBauteil& e, Json& out) {
    auto* t = dynamic_cast<TTextLabel*>(&e);
    if (!t) return false;
    out["text"] = t->LabelText();
    out["fontName"] = t->LabelFont().name;
    // The family actually drawn, and whether it stands in for a font that is not installed.
    out["fontShown"] = FontEngine::Instance().ResolvedFamily(t->LabelFont());
    out["fontReplaced"] = FontEngine::Instance().IsFallback(t->LabelFont());
    out["fontHeight"] = t->LabelFont().height;
    out["fontStyle"] = t->LabelFont().style;
    Json corners = Json::array();
    for (const MPoint& c : t->Corners) corners.push_back(PointJson(c));
    out["corners"] = std::move(corners);
    out["flippedH"] = t->FlippedH;
    out["flippedV"] = t->FlippedV;
    return true;
}

bool GroupInfo(TBauteil& e, Json& out);

// Dimensions: the measured points A and B, the offset point C and the value as shown; the
// members it built follow as for any group.
bool DimensionInfo(TBauteil& e, Json& out) {
    auto* d = dynamic_cast<TBemassung*>(&e);
    if (!d) return false;
    out["pointA"] = PointJson(d->FirstPoint);
    out["pointB"] = PointJson(d->SecondPoint);
    out["pointC"] = PointJson(d->OffsetPoint);
    out["valueText"] = d->ValueLabel ? d->ValueLabel->LabelText() : d->ValueText();
    return GroupInfo(e, out);
}

bool GroupInfo(TBauteil& e, Json& out) {
    auto* g = dynamic_cast<TGruppe*>(&e);
    if (!g) return false;
    out["name"] = g->GroupName.Text();
    Json members = Json::array();
    for (const auto& m : g->Members()) members.push_back(ElementJson(*m));
    out["members"] = std::move(members);
    return true;
}

// Derived kinds stand before their bases: the first writer that takes an element wins.
constexpr KindWriter kKindWriters[] = {
    &BitmapInfo, &MetafileInfoJson, &ArcInfo,       &ContourInfo, &CircleInfo,
    &DrillInfo,  &TextInfo,         &DimensionInfo, &GroupInfo,
};

}  // namespace

Json ElementJson(TBauteil& e) {
    MRect b = e.GetBounds();
    Json j;
    j["class"] = e.ClassName();
    j["kind"] = e.KindCode;
    j["bounds"] = Json::array({Round3(b.x1), Round3(b.y1), Round3(b.x2), Round3(b.y2)});
    j["penWidth"] = Round3(e.StiftBreite());
    j["penColor"] = ColorText(e.StiftFarbe());
    j["penPattern"] = e.StiftPattern();
    j["brushColor"] = ColorText(e.BrushFarbe());
    j["brushStyle"] = e.BrushStyle();
    j["description"] = e.Description.Text();
    j["insertPoint"] = PointJson(e.InsertPoint);
    j["flags"] = Json{{"fill", e.FuellenFlag()}, {"milled", e.Fraesen()}, {"smooth", e.Glaetten()}};
    for (KindWriter w : kKindWriters)
        if (w(e, j)) break;
    return j;
}

Json PanelJson(TPlatine& p) {
    Json j;
    j["name"] = p.Name.Text();
    j["width"] = Round3(p.Width);
    j["height"] = Round3(p.Height);
    j["gridOrigin"] = PointJson(p.GridOrigin);
    j["snapSpacing"] = Round3(p.SnapSpacing);
    j["gridVisible"] = p.GridVisible;
    j["color"] = ColorText(p.StoredFrontplattenFarbe());
    Json elements = Json::array();
    for (const auto& e : p.Elements()) elements.push_back(ElementJson(*e));
    j["elements"] = std::move(elements);
    return j;
}

Json ViewJson(const TView& v) {
    return Json{{"left", Round3(v.left)},     {"top", Round3(v.top)}, {"width", Round3(v.width)},
                {"height", Round3(v.height)}, {"panel", v.panel},     {"name", v.name}};
}

Json DocumentJson(const LoadedDocument& doc) {
    Json j;
    j["version"] = doc.version;
    Json panels = Json::array();
    for (const auto& p : doc.panels) panels.push_back(PanelJson(*p));
    j["panels"] = std::move(panels);
    Json views = Json::array();
    for (const TView& v : doc.views) views.push_back(ViewJson(v));
    j["views"] = std::move(views);
    return j;
}

}  // namespace pw::cli
