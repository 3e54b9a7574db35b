#include "support/recording_canvas.h"

#include <algorithm>

namespace pw {

size_t RecordingCanvas::Count(RecordedCall::Kind kind) const {
    return static_cast<size_t>(
        std::count_if(calls.begin(), calls.end(), [&](const RecordedCall& c) { return c.kind == kind; }));
}

RecordedCall& RecordingCanvas::Add(RecordedCall::Kind kind) {
    RecordedCall& c = calls.emplace_back();
    c.kind = kind;
    c.pen = Pen();
    c.devicePenWidth = DevicePenWidth();
    c.brush = Brush();
    c.fillMode = PolyFillMode();
    c.font = Font();
    return c;
}

void RecordingCanvas::DevPolyline(const IPoint* pts, size_t n) {
    Add(RecordedCall::Kind::Polyline).pts.assign(pts, pts + n);
}

void RecordingCanvas::DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) {
    RecordedCall& c = Add(RecordedCall::Kind::PolyPolygon);
    size_t total = 0;
    for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(std::max(counts[i], 0));
    c.pts.assign(pts, pts + total);
    c.counts.assign(counts, counts + polygons);
}

void RecordingCanvas::DevRectangle(const IRect& r) {
    Add(RecordedCall::Kind::Rectangle).rect = r;
}

void RecordingCanvas::DevEllipse(const IRect& r) {
    Add(RecordedCall::Kind::Ellipse).rect = r;
}

void RecordingCanvas::DevArc(const IRect& box, IPoint start, IPoint end) {
    RecordedCall& c = Add(RecordedCall::Kind::Arc);
    c.rect = box;
    c.pts = {start, end};
}

void RecordingCanvas::DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) {
    RecordedCall& c = Add(RecordedCall::Kind::Text);
    c.pts = {p};
    c.text = std::string(utf8);
    c.textHeight = deviceHeight;
}

void RecordingCanvas::DevImage(const IRect& dest, const Image&) {
    Add(RecordedCall::Kind::Image).rect = dest;
}

}  // namespace pw
