#pragma once
// A canvas that keeps the mapping and measures text but draws nothing; the panel model uses it
// for coordinate conversions when no real surface is attached.

#include "core/canvas.h"

namespace pw {

class NullCanvas : public Canvas {
public:
    explicit NullCanvas(IRect deviceBounds = {0, 0, 1, 1}) : bounds_(deviceBounds) {}
    void SetDeviceBounds(const IRect& r) { bounds_ = r; }

protected:
    IRect DeviceBounds() const override { return bounds_; }
    void DevPolyline(const IPoint*, size_t) override {}
    void DevPolyPolygon(const IPoint*, const int32_t*, size_t) override {}
    void DevRectangle(const IRect&) override {}
    void DevEllipse(const IRect&) override {}
    void DevArc(const IRect&, IPoint, IPoint) override {}
    void DevText(IPoint, std::string_view, int32_t) override {}
    void DevImage(const IRect&, const Image&) override {}
    void DevClipChanged() override {}

private:
    IRect bounds_;
};

}  // namespace pw
