#pragma once
// A canvas that records every drawing call in device coordinates together with the pen, brush
// and fill rule in force, so tests can check exactly what an element painted.

#include <string>
#include <vector>

#include "core/canvas.h"

namespace pw {

struct RecordedCall {
    enum class Kind { Polyline, PolyPolygon, Rectangle, Ellipse, Arc, Text, Image };
    Kind kind = Kind::Polyline;
    std::vector<IPoint> pts;      // polylines, polygon sets; arcs: start and end
    std::vector<int32_t> counts;  // polygon sets
    IRect rect;                   // rectangles, ellipses, arc boxes, image destinations
    std::string text;
    int32_t textHeight = 0;
    PenState pen;
    int32_t devicePenWidth = 1;
    BrushState brush;
    FillMode fillMode = FillMode::Alternate;
    FontSpec font;
};

class RecordingCanvas : public Canvas {
  public:
    explicit RecordingCanvas(IRect deviceBounds = {0, 0, 1000, 1000}) : bounds_(deviceBounds) {}

    std::vector<RecordedCall> calls;

    void Clear() { calls.clear(); }
    size_t Count(RecordedCall::Kind kind) const;

  protected:
    IRect DeviceBounds() const override { return bounds_; }
    void DevPolyline(const IPoint* pts, size_t n) override;
    void DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) override;
    void DevRectangle(const IRect& r) override;
    void DevEllipse(const IRect& r) override;
    void DevArc(const IRect& box, IPoint start, IPoint end) override;
    void DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) override;
    void DevImage(const IRect& dest, const Image& image) override;
    void DevClipChanged() override {}

  private:
    RecordedCall& Add(RecordedCall::Kind kind);
    IRect bounds_;
};

}  // namespace pw
