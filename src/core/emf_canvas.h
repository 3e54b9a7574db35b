#pragma once
// EmfCanvas: a canvas that records what is painted on it as an enhanced metafile (EMF). Its
// device units are 0.01 mm, and they are the metafile's logical units: a caller that paints in
// model units (1/50 mm) maps one model unit to two device units. Pens, brushes (solid, clear
// and the six hatches), fonts, the fill rule, the mix mode, the text colour and the clip are
// written as records when they change before a drawing call; pictures go in as 32-bit DIBs.
//
//     EmfCanvas emf(widthInHundredthsOfMm, heightInHundredthsOfMm);
//     ... paint through it ...
//     std::vector<uint8_t> bytes = emf.Finish();

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/canvas.h"

namespace pw {

class EmfCanvas : public Canvas {
  public:
    // The picture's size in 0.01 mm (at least 1 on each side); the description is stored in
    // the header (the program's name and the picture's title).
    EmfCanvas(int32_t width, int32_t height, const std::string& title = {});

    // Ends the metafile and gives its bytes; drawing afterwards is not recorded.
    std::vector<uint8_t> Finish();

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

  protected:
    IRect DeviceBounds() const override { return {0, 0, width_, height_}; }
    void DevPolyline(const IPoint* pts, size_t n) override;
    void DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) override;
    void DevRectangle(const IRect& r) override;
    void DevEllipse(const IRect& r) override;
    void DevArc(const IRect& box, IPoint start, IPoint end) override;
    void DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) override;
    void DevImage(const IRect& dest, const Image& image) override;
    void DevClipChanged() override;

  private:
    // Object slots: each kind has two, so that a new object is created and selected before the
    // one it replaces is deleted.
    enum Slot : uint32_t { kPenSlot = 1, kBrushSlot = 3, kFontSlot = 5, kSlots = 7 };

    void Begin(uint32_t type);
    void End();
    void Simple(uint32_t type, std::initializer_list<int32_t> values);
    void WriteHeader(const std::string& title);
    void SelectPen();
    void SelectBrush(bool filled);
    void SelectFont(int32_t deviceHeight);
    void SelectModes();
    void Replace(uint32_t& current, uint32_t first);
    // Grows the picture's bounds by the box (inclusive) and the pen's reach.
    void AddBounds(IRect box, bool outlined);
    void WriteBox(const IRect& r);
    void WritePoints(uint32_t type16, uint32_t type32, const IPoint* pts, size_t n, const int32_t* counts,
                     size_t polygons);

    int32_t width_, height_;
    std::vector<uint8_t> bytes_;
    size_t recordStart_ = 0;
    uint32_t records_ = 0;
    bool finished_ = false;
    std::optional<IRect> bounds_;

    // What the metafile holds now.
    struct PenKey {
        int32_t width;
        Color color;
        PenStyle style;
        friend bool operator==(const PenKey&, const PenKey&) = default;
    };
    struct BrushKey {
        TBrushStyle style;
        Color color;
        friend bool operator==(const BrushKey&, const BrushKey&) = default;
    };
    std::optional<PenKey> pen_;
    std::optional<BrushKey> brush_;
    std::optional<FontSpec> font_;
    uint32_t penSlot_ = 0, brushSlot_ = 0, fontSlot_ = 0;
    std::optional<FillMode> fillMode_;
    std::optional<PenMode> mode_;
    std::optional<Color> textColor_;
};

}  // namespace pw
