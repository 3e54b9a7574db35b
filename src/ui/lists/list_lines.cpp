#include "ui/lists/list_lines.h"

#include <algorithm>

#include "core/font_list.h"
#include "core/pen_list.h"
#include "elements/pattern_line.h"
#include "render/render_targets.h"
#include "text/font_engine.h"

namespace pw {

namespace {

const FontSpec kNameFont{"Arial", 14, 0};
const FontSpec kHeightFont{"Arial", 12, 0};
constexpr int kSampleStart = 5;
constexpr int kSampleEnd = 25;
constexpr int kSamplePeriod = 5;

// A filled rectangle without outline.
void Fill(QtCanvas& c, const IRect& r, Color colour) {
    c.SetPenStyle(PenStyle::Clear);
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(colour);
    c.Rectangle(r);
    c.SetPenStyle(PenStyle::Solid);
}

// Texts are smoothed for reading; samples and swatches keep the panel's exact pixels.
void Text(QtCanvas& c, IPoint at, const FontSpec& font, Color colour, const std::string& text) {
    c.SetFont(font);
    c.SetTextColor(colour);
    c.SetAntialiasing(true);
    c.TextOut(at, text);
    c.SetAntialiasing(false);
}

// The blue bar of a selected pen or brush line and the name beside the sample.
void NamePart(QtCanvas& c, QSize size, const std::string& name, bool selected) {
    if (selected) Fill(c, {30, 1, size.width(), size.height() - 1}, kBlue);
    c.IntersectClipRect({30, 0, size.width(), size.height()});
    Text(c, {33, 1}, kNameFont, selected ? kWhite : kBlack, name);
    c.ResetClip();
}

}  // namespace

QImage PenLineImage(QSize size, const std::string& name, const PenValues& pen, bool selected,
                    Color background) {
    ImageTarget target(size.width(), size.height(), background);
    QtCanvas& c = target.Canvas();
    NamePart(c, size, name, selected);
    const int mid = size.height() / 2;
    c.SetPenColor(pen.color);
    c.SetPenWidth(PenList::SampleWidth(pen.width));
    c.MoveTo({kSampleStart, mid});
    DrawPatternLine(c, {kSampleEnd, mid}, kSamplePeriod, pen.pattern);
    return target.Finish();
}

QImage BrushLineImage(QSize size, const std::string& name, const BrushValues& brush, bool selected,
                      Color background) {
    ImageTarget target(size.width(), size.height(), background);
    QtCanvas& c = target.Canvas();
    NamePart(c, size, name, selected);
    // Colour before style, so that "no fill" stays clear.
    c.SetPenStyle(PenStyle::Clear);
    c.SetBrushColor(brush.color);
    c.SetBrushStyle(brush.style);
    c.Rectangle({0, 0, kSampleEnd, size.height()});
    return target.Finish();
}

QImage FontLineImage(QSize size, const std::string& description, const FontValues& font, bool selected) {
    ImageTarget target(size.width(), size.height(), selected ? kBlue : kListBackground);
    QtCanvas& c = target.Canvas();
    const Color ink = selected ? kWhite : font.color;
    c.IntersectClipRect({0, 0, std::max(0, size.width() - 40), size.height()});
    Text(c, {3, 1}, FontSpec{font.font.name, 20, font.font.style}, ink, description);
    c.ResetClip();
    const std::string height = FontList::HeightLabel(font.font.height);
    c.SetFont(kHeightFont);
    Text(c, {size.width() - 5 - TextWidth(c, height), 6}, kHeightFont, selected ? kWhite : kBlack, height);
    return target.Finish();
}

QImage FontSampleImage(QSize size, const std::string& family, bool highlighted) {
    ImageTarget target(size.width(), size.height(), highlighted ? kBlue : kWhite);
    QtCanvas& c = target.Canvas();
    const Color ink = highlighted ? kWhite : kBlack;
    const std::string sample = "Abc";
    const FontSpec sampleFont{family, std::max(8, size.height() - 2), 0};
    c.SetFont(sampleFont);
    const int sampleLeft = size.width() - 4 - TextWidth(c, sample);
    c.IntersectClipRect({0, 0, std::max(0, sampleLeft - 4), size.height()});
    Text(c, {3, (size.height() - kNameFont.height) / 2}, kNameFont, ink, family);
    c.ResetClip();
    Text(c, {sampleLeft, 1}, sampleFont, ink, sample);
    return target.Finish();
}

QImage FontLabelImage(QSize size, const FontValues& font, Color background) {
    // A light font shows on grey.
    const int brightness = RedOf(font.color) + GreenOf(font.color) + BlueOf(font.color);
    ImageTarget target(size.width(), size.height(), brightness > 3 * 160 ? kGrey : background);
    QtCanvas& c = target.Canvas();
    const int32_t pixels = std::min(50, font.font.height / 10);
    const FontSpec sampleFont{font.font.name, pixels, font.font.style};
    c.SetFont(sampleFont);
    const std::string sample = "Abc";
    Text(c, {(size.width() - TextWidth(c, sample)) / 2, (size.height() - pixels) / 2}, sampleFont, font.color,
         sample);
    return target.Finish();
}

QImage BrushPreviewImage(QSize size, const BrushValues& brush) {
    ImageTarget target(size.width(), size.height(), kSilver);
    QtCanvas& c = target.Canvas();
    c.SetPenColor(kBlack);
    c.SetPenWidth(0);
    c.SetBrushColor(brush.color);
    c.SetBrushStyle(brush.style);
    c.Rectangle({6, 6, size.width() - 6, size.height() - 6});
    return target.Finish();
}

}  // namespace pw
