// Glyph outlines from the engine: run structure, points against the font file, matrices, cache.
#include <gtest/gtest.h>

#include <cmath>

#include "core/geometry.h"
#include "glyph_recorder.h"
#include "reference_font.h"
#include "text/font_engine.h"

using namespace pw;
using test::GlyphRecord;
using test::GlyphRecorder;

namespace {

const FontSpec kArial{"Arial", 200, 0};

GlyphRecorder Record(char32_t c, const FontSpec& f = kArial, const GlyphMatrix& m = {}) {
    GlyphRecorder r;
    EXPECT_TRUE(FontEngine::Instance().Outline(f, c, m, r)) << static_cast<int>(c);
    return r;
}

std::vector<GlyphPoint> AllPoints(const GlyphRecorder& r) {
    std::vector<GlyphPoint> out;
    for (const GlyphRecord& rec : r.records) out.insert(out.end(), rec.pts.begin(), rec.pts.end());
    return out;
}

Real X(GlyphPoint p) {
    return FromFixed16(p.x);
}
Real Y(GlyphPoint p) {
    return FromFixed16(p.y);
}

TEST(GlyphOutline, ContoursAndRunsOfSimpleLetters) {
    EXPECT_EQ(Record(U'o').Count(GlyphRecord::Start), 2);
    EXPECT_EQ(Record(U'O').Count(GlyphRecord::Start), 2);
    EXPECT_EQ(Record(U'B').Count(GlyphRecord::Start), 3);
    for (char32_t c : {U'l', U'I'}) {
        GlyphRecorder r = Record(c);
        EXPECT_EQ(r.Count(GlyphRecord::Start), 1);
        EXPECT_EQ(r.Count(GlyphRecord::Close), 1);
        EXPECT_EQ(r.Count(GlyphRecord::Quadratic), 0);
        // A rectangle: three more corners, the way back to the start is left to the close.
        ASSERT_EQ(r.records.size(), 3u);
        EXPECT_EQ(r.records[1].pts.size(), 3u);
    }
    for (char32_t c : {U'o', U'O', U'S'}) {
        GlyphRecorder r = Record(c);
        EXPECT_GT(r.Count(GlyphRecord::Quadratic), 0);
        EXPECT_EQ(r.Count(GlyphRecord::Start), r.Count(GlyphRecord::Close));
        for (const GlyphRecord& rec : r.records) {
            size_t least = rec.kind == GlyphRecord::Quadratic ? 2 : rec.kind == GlyphRecord::Line ? 1 : 0;
            EXPECT_GE(rec.pts.size(), least);
        }
    }
}

TEST(GlyphOutline, BlanksAndMissingGlyphsHaveNoOutline) {
    for (char32_t c : {U' ', U'\u00A0', U'\uE000', U'\U000E0100'}) {
        GlyphRecorder r;
        EXPECT_FALSE(FontEngine::Instance().Outline(kArial, c, {}, r)) << static_cast<int>(c);
        EXPECT_TRUE(r.records.empty());
    }
}

// Each contour of the engine, read back as its point sequence, is the font's contour started at
// its first on-curve point, scaled to the height, with the start repeated after a closing curve;
// line points and run ends are on the curve, the other points of quadratic runs are not.
TEST(GlyphOutline, PointsAreTheFontsOwnScaledToTheHeight) {
    test::ReferenceFont ref("Liberation Sans", "Regular");
    ASSERT_TRUE(ref.IsOpen());
    for (char32_t c : U"oOBga&8%@Q") {
        if (c == 0) continue;
        const int32_t h = 200;
        GlyphRecorder r = Record(c, {"Arial", h, 0});
        const FT_Outline* o = ref.Outline(c);
        ASSERT_NE(o, nullptr);
        size_t rec = 0;
        int first = 0;
        for (int k = 0; k < o->n_contours; first = o->contours[k] + 1, ++k) {
            const int n = o->contours[k] - first + 1;
            int s = first;
            while (s <= o->contours[k] && FT_CURVE_TAG(o->tags[s]) != FT_CURVE_TAG_ON) ++s;
            ASSERT_LE(s, o->contours[k]) << "contour without on-curve point";
            std::vector<GlyphPoint> expected;
            std::vector<bool> on;
            for (int j = 0; j < n; ++j) {
                int i = first + (s - first + j) % n;
                expected.push_back({ToFixed16(static_cast<Real>(o->points[i].x) * h / ref.Cell()),
                                    ToFixed16(static_cast<Real>(o->points[i].y) * h / ref.Cell())});
                on.push_back(FT_CURVE_TAG(o->tags[i]) == FT_CURVE_TAG_ON);
            }
            if (!on.back()) {  // a closing curve ends at the start; a closing line is implied
                expected.push_back(expected.front());
                on.push_back(true);
            }
            ASSERT_LT(rec, r.records.size());
            ASSERT_EQ(r.records[rec].kind, GlyphRecord::Start);
            std::vector<GlyphPoint> got{r.records[rec].pts[0]};
            std::vector<bool> gotOn{true};
            for (++rec; rec < r.records.size() && r.records[rec].kind != GlyphRecord::Close; ++rec) {
                const GlyphRecord& run = r.records[rec];
                for (size_t j = 0; j < run.pts.size(); ++j) {
                    got.push_back(run.pts[j]);
                    gotOn.push_back(run.kind == GlyphRecord::Line || j + 1 == run.pts.size());
                }
            }
            ASSERT_LT(rec++, r.records.size());
            EXPECT_EQ(got, expected) << "character " << static_cast<char>(c) << " contour " << k;
            EXPECT_EQ(gotOn, on) << "character " << static_cast<char>(c) << " contour " << k;
        }
        EXPECT_EQ(rec, r.records.size());
    }
}

TEST(GlyphOutline, MatrixMirrorsShearsAndScales) {
    const std::vector<GlyphPoint> plain = AllPoints(Record(U'R'));
    auto transformed = [&](Real m11, Real m12, Real m21, Real m22) {
        GlyphMatrix m{ToFixed16(m11), ToFixed16(m12), ToFixed16(m21), ToFixed16(m22)};
        GlyphRecorder r = Record(U'R', kArial, m);
        GlyphRecorder base = Record(U'R');
        EXPECT_EQ(r.records.size(), base.records.size());
        for (size_t i = 0; i < std::min(r.records.size(), base.records.size()); ++i) {
            EXPECT_EQ(r.records[i].kind, base.records[i].kind);
            EXPECT_EQ(r.records[i].pts.size(), base.records[i].pts.size());
        }
        return AllPoints(r);
    };
    // The engine applies the matrix as its fixed numbers give it (0.5 is 32768 / 65535 after the
    // round trip), so the expected points use the same factors.
    const Real half = FromFixed16(ToFixed16(0.5L)), eps = 3.0L / 65535;
    std::vector<GlyphPoint> mirrored = transformed(-1, 0, 0, 1);
    std::vector<GlyphPoint> flipped = transformed(1, 0, 0, -1);
    std::vector<GlyphPoint> sheared = transformed(1, 0, 0.5, 1);
    std::vector<GlyphPoint> stretched = transformed(2, 0, 0, 1);
    std::vector<GlyphPoint> turned = transformed(0, 1, -1, 0);  // a quarter turn
    ASSERT_EQ(mirrored.size(), plain.size());
    bool anyNonZeroX = false;
    for (size_t i = 0; i < plain.size(); ++i) {
        const Real x = X(plain[i]), y = Y(plain[i]);
        anyNonZeroX |= x > 1;
        EXPECT_NEAR(X(mirrored[i]), -x, eps);
        EXPECT_EQ(mirrored[i].y, plain[i].y);
        EXPECT_NEAR(Y(flipped[i]), -y, eps);
        EXPECT_EQ(flipped[i].x, plain[i].x);
        EXPECT_NEAR(X(sheared[i]), x + y * half, eps);
        EXPECT_EQ(sheared[i].y, plain[i].y);
        EXPECT_NEAR(X(stretched[i]), 2 * x, eps);
        EXPECT_NEAR(X(turned[i]), -y, eps);
        EXPECT_NEAR(Y(turned[i]), x, eps);
    }
    EXPECT_TRUE(anyNonZeroX);
}

TEST(GlyphOutline, HeightScalesTheOutline) {
    std::vector<GlyphPoint> big = AllPoints(Record(U'g', {"Arial", 200, 0}));
    std::vector<GlyphPoint> small = AllPoints(Record(U'g', {"Arial", 100, 0}));
    ASSERT_EQ(big.size(), small.size());
    for (size_t i = 0; i < big.size(); ++i) {
        EXPECT_NEAR(X(small[i]) * 2, X(big[i]), 3.0L / 65535);
        EXPECT_NEAR(Y(small[i]) * 2, Y(big[i]), 3.0L / 65535);
    }
    // Heights enough that some share a place among the outlines the engine keeps ready: each
    // still gets its own, also when asked for again.
    for (int round = 0; round < 2; ++round)
        for (int32_t h = 50; h < 650; ++h) {
            const std::vector<GlyphPoint> scaled = AllPoints(Record(U'g', {"Arial", h, 0}));
            ASSERT_EQ(scaled.size(), big.size());
            const Real within = (200.0L + h) * 2 / 65535;
            for (size_t i = 0; i < big.size(); i += 7) {
                ASSERT_NEAR(X(scaled[i]) * 200, X(big[i]) * h, within) << h;
                ASSERT_NEAR(Y(scaled[i]) * 200, Y(big[i]) * h, within) << h;
            }
        }
    // The outline stands in the cell: nothing above the ascent nor below the descent.
    TextMetrics m = FontEngine::Instance().Metrics({"Arial", 200, 0});
    for (const GlyphPoint& p : big) {
        EXPECT_LE(Y(p), m.ascent);
        EXPECT_GE(Y(p), -m.descent);
    }
}

TEST(GlyphOutline, ItalicSlantsAndBoldThickens) {
    auto spread = [](const std::vector<GlyphPoint>& pts, bool alongX) {
        Real lo = 1e9, hi = -1e9;
        for (const GlyphPoint& p : pts) {
            lo = std::min(lo, alongX ? X(p) : Y(p));
            hi = std::max(hi, alongX ? X(p) : Y(p));
        }
        return hi - lo;
    };
    std::vector<GlyphPoint> upright = AllPoints(Record(U'l'));
    std::vector<GlyphPoint> italic = AllPoints(Record(U'l', {"Arial", 200, fsItalic}));
    std::vector<GlyphPoint> bold = AllPoints(Record(U'l', {"Arial", 200, fsBold}));
    EXPECT_GT(spread(italic, true), 2 * spread(upright, true));
    EXPECT_GT(spread(bold, true), spread(upright, true) * 1.2L);
}

TEST(GlyphOutline, OutlinesOutsideTheFixedRangeAreRefused) {
    GlyphRecorder r;
    EXPECT_FALSE(FontEngine::Instance().Outline({"Arial", 100000, 0}, U'l', {}, r));
    EXPECT_TRUE(r.records.empty());
    EXPECT_FALSE(FontEngine::Instance().Outline(kArial, U'l', {ToFixed16(20000), 0, 0, 0x10000}, r));
    EXPECT_TRUE(r.records.empty());
    EXPECT_FALSE(FontEngine::Instance().Outline({"Arial", 0, 0}, U'l', {}, r));
    EXPECT_TRUE(FontEngine::Instance().Outline({"Arial", 20000, 0}, U'l', {}, r));
}

TEST(GlyphOutline, RepeatedAndReloadedOutlinesAreIdentical) {
    FontEngine& e = FontEngine::Instance();
    const GlyphMatrix m{ToFixed16(0.8L), 0, ToFixed16(0.25L), ToFixed16(-1)};
    for (const FontSpec& f : {kArial, FontSpec{"Times New Roman", 150, fsBold | fsItalic}}) {
        GlyphRecorder first = Record(U'&', f, m);
        GlyphRecorder again = Record(U'&', f, m);
        e.ClearCaches();
        GlyphRecorder reloaded = Record(U'&', f, m);
        EXPECT_FALSE(first.records.empty());
        EXPECT_EQ(first.records, again.records);
        EXPECT_EQ(first.records, reloaded.records);
    }
}

TEST(GlyphOutline, OutlinesTakenAheadFeedWhatTheEngineFeeds) {
    FontEngine& e = FontEngine::Instance();
    const std::u32string text = U"Ag &\u00e4\u2603x";
    const GlyphMatrix m{ToFixed16(0.8L), 0, ToFixed16(0.25L), ToFixed16(-1)};
    for (const FontSpec& f : {kArial, FontSpec{"Times New Roman", 150, fsBold}, FontSpec{"Arial", 0, 0}}) {
        const GlyphOutlines ahead = e.Outlines(f, text);
        ASSERT_EQ(ahead.Size(), text.size());
        for (size_t k = 0; k < text.size(); ++k) {
            GlyphRecorder direct, fed;
            EXPECT_EQ(e.Outline(f, text[k], m, direct), ahead.Feed(k, m, fed)) << k;
            EXPECT_EQ(direct.records, fed.records) << k;
        }
        GlyphRecorder beyond;
        EXPECT_FALSE(ahead.Feed(text.size(), m, beyond));
    }
}

TEST(GlyphOutline, FallbackFontsDrawToo) {
    GlyphRecorder r = Record(U'o', {"No Such Family 4711", 200, 0});
    EXPECT_EQ(r.Count(GlyphRecord::Start), 2);
}

}  // namespace
