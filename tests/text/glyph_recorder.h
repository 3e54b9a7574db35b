#pragma once
// A glyph sink that keeps what it receives, for comparing outlines in tests.

#include <vector>

#include "text/font_engine.h"

namespace pw::test {

struct GlyphRecord {
    enum Kind { Start, Line, Quadratic, Close } kind;
    std::vector<GlyphPoint> pts;
    friend bool operator==(const GlyphRecord&, const GlyphRecord&) = default;
};

class GlyphRecorder : public GlyphSink {
  public:
    std::vector<GlyphRecord> records;

    void StartContour(GlyphPoint p) override { records.push_back({GlyphRecord::Start, {p}}); }
    void LineRun(const GlyphPoint* p, size_t n) override {
        records.push_back({GlyphRecord::Line, {p, p + n}});
    }
    void QuadraticRun(const GlyphPoint* p, size_t n) override {
        records.push_back({GlyphRecord::Quadratic, {p, p + n}});
    }
    void CloseContour() override { records.push_back({GlyphRecord::Close, {}}); }

    int Count(GlyphRecord::Kind k) const {
        int n = 0;
        for (const GlyphRecord& r : records) n += r.kind == k;
        return n;
    }
};

}  // namespace pw::test
