// The contour walker on hand-made outlines: starts, closes, implied points, cubics, bad input.
#include "text/glyph_shape.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pw;

namespace {

constexpr char On = FT_CURVE_TAG_ON, Off = FT_CURVE_TAG_CONIC, Cubic = FT_CURVE_TAG_CUBIC;

struct P {
    long x, y;
    char tag;
};

// A FreeType outline owning its arrays.
class HandOutline {
  public:
    explicit HandOutline(std::vector<std::vector<P>> contours) {
        for (const auto& c : contours) {
            for (const P& p : c) {
                points_.push_back({p.x, p.y});
                tags_.push_back(p.tag);
            }
            ends_.push_back(static_cast<short>(points_.size() - 1));
        }
    }
    FT_Outline& Get() {
        outline_.n_contours = static_cast<short>(ends_.size());
        outline_.n_points = static_cast<short>(points_.size());
        outline_.points = points_.data();
        outline_.tags = tags_.data();
        outline_.contours = ends_.data();
        return outline_;
    }
    std::vector<short>& Ends() { return ends_; }

  private:
    std::vector<FT_Vector> points_;
    std::vector<char> tags_;
    std::vector<short> ends_;
    FT_Outline outline_{};
};

struct Piece {
    OutlineOp op;
    std::vector<FontPoint> pts;
    friend bool operator==(const Piece&, const Piece&) = default;
};

std::vector<Piece> Runs(const GlyphShape& s) {
    std::vector<Piece> out;
    for (const OutlineRecord& r : s.records) {
        out.push_back({r.op, {s.points.begin() + r.first, s.points.begin() + r.first + r.count}});
    }
    return out;
}

std::vector<Piece> Read(std::vector<std::vector<P>> contours) {
    HandOutline o(std::move(contours));
    GlyphShape s;
    EXPECT_TRUE(ReadOutlineRuns(o.Get(), s));
    return Runs(s);
}

const OutlineOp S = OutlineOp::Start, L = OutlineOp::Line, Q = OutlineOp::Quadratic, C = OutlineOp::Close;

TEST(OutlineRuns, StraightClosingSegmentIsLeftToTheClose) {
    EXPECT_EQ(Read({{{0, 0, On}, {10, 0, On}, {10, 10, On}, {0, 10, On}}}),
              (std::vector<Piece>{{S, {{0, 0}}}, {L, {{10, 0}, {10, 10}, {0, 10}}}, {C, {}}}));
}

TEST(OutlineRuns, ClosingCurveEndsAtTheStart) {
    EXPECT_EQ(Read({{{0, 0, On}, {10, 0, On}, {10, 10, Off}, {0, 10, Off}}}),
              (std::vector<Piece>{{S, {{0, 0}}}, {L, {{10, 0}}}, {Q, {{10, 10}, {0, 10}, {0, 0}}}, {C, {}}}));
}

TEST(OutlineRuns, RunsAlternateAsTheTagsDo) {
    EXPECT_EQ(Read({{{0, 0, On},
                     {5, 5, Off},
                     {10, 0, On},
                     {20, 0, On},
                     {30, 0, On},
                     {35, 5, Off},
                     {40, 5, Off},
                     {45, 0, On}}}),
              (std::vector<Piece>{{S, {{0, 0}}},
                                  {Q, {{5, 5}, {10, 0}}},
                                  {L, {{20, 0}, {30, 0}}},
                                  {Q, {{35, 5}, {40, 5}, {45, 0}}},
                                  {C, {}}}));
}

TEST(OutlineRuns, ContourStartingOffTheCurveStartsAtItsFirstOnPoint) {
    EXPECT_EQ(
        Read({{{0, 10, Off}, {10, 10, On}, {10, 0, On}, {0, 0, Off}}}),
        (std::vector<Piece>{{S, {{10, 10}}}, {L, {{10, 0}}}, {Q, {{0, 0}, {0, 10}, {10, 10}}}, {C, {}}}));
}

TEST(OutlineRuns, ContourWithoutOnPointStartsAtAnImpliedMidpoint) {
    // Four control points around the origin: a closed round curve through their midpoints.
    EXPECT_EQ(
        Read({{{10, 0, Off}, {0, 10, Off}, {-10, 0, Off}, {0, -10, Off}}}),
        (std::vector<Piece>{{S, {{5, -5}}}, {Q, {{10, 0}, {0, 10}, {-10, 0}, {0, -10}, {5, -5}}}, {C, {}}}));
}

TEST(OutlineRuns, SinglePointContoursAreSkippedOthersKept) {
    std::vector<Piece> runs = Read({{{3, 3, On}}, {{0, 0, On}, {4, 0, On}, {4, 4, On}}, {{7, 7, Off}}});
    EXPECT_EQ(runs, (std::vector<Piece>{{S, {{0, 0}}}, {L, {{4, 0}, {4, 4}}}, {C, {}}}));
    GlyphShape none;
    HandOutline dots({{{1, 1, On}}, {{2, 2, On}}});
    EXPECT_TRUE(ReadOutlineRuns(dots.Get(), none));
    EXPECT_FALSE(none.HasOutline());
}

TEST(OutlineRuns, CubicBecomesTwoQuadraticsMeetingOnTheCurve) {
    const FontPoint a{0, 0}, b{0, 60}, c{90, 120}, d{120, 0};
    std::vector<Piece> runs = Read({{{0, 0, On}, {0, 60, Cubic}, {90, 120, Cubic}, {120, 0, On}}});
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0], (Piece{S, {a}}));
    ASSERT_EQ(runs[1].op, Q);
    ASSERT_EQ(runs[1].pts.size(), 3u);
    EXPECT_EQ(runs[1].pts[2], d);
    EXPECT_EQ(runs[2].op, C);
    auto cubic = [&](double t) {
        double u = 1 - t;
        return FontPoint{u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
                         u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y};
    };
    auto quad = [](FontPoint p, FontPoint q, FontPoint r, double t) {
        double u = 1 - t;
        return FontPoint{u * u * p.x + 2 * u * t * q.x + t * t * r.x,
                         u * u * p.y + 2 * u * t * q.y + t * t * r.y};
    };
    const FontPoint q1 = runs[1].pts[0], q2 = runs[1].pts[1];
    const FontPoint m{(q1.x + q2.x) / 2, (q1.y + q2.y) / 2};
    EXPECT_NEAR(m.x, cubic(0.5).x, 1e-9);
    EXPECT_NEAR(m.y, cubic(0.5).y, 1e-9);
    // Both halves stay within a small fraction of the curve's size.
    for (double t = 0; t <= 1; t += 0.125) {
        FontPoint first = quad(a, q1, m, t), second = quad(m, q2, d, t);
        FontPoint e1 = cubic(t / 2), e2 = cubic(0.5 + t / 2);
        EXPECT_LT(std::hypot(first.x - e1.x, first.y - e1.y), 1.5) << t;
        EXPECT_LT(std::hypot(second.x - e2.x, second.y - e2.y), 1.5) << t;
    }
}

TEST(OutlineRuns, MalformedOutlinesLeaveTheShapeAsItWas) {
    const std::vector<std::vector<std::vector<P>>> bad = {
        {{{0, 0, On}, {1, 1, Cubic}, {2, 2, Cubic}, {3, 3, Cubic}, {4, 0, On}}},  // three cubic controls
        {{{0, 0, On}, {1, 1, Cubic}, {5, 0, On}}},                                // one cubic control
        {{{0, 0, On}, {1, 1, Off}, {2, 2, Cubic}, {4, 0, On}}},                   // mixed curve kinds
        {{{0, 0, On}, {1, 1, 3}, {4, 0, On}}},                                    // unknown tag
        {{{1, 1, Cubic}, {2, 2, Cubic}, {3, 0, Cubic}}},                          // cubic without on point
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        HandOutline o(bad[i]);
        GlyphShape s;
        s.advance = 7;
        EXPECT_FALSE(ReadOutlineRuns(o.Get(), s)) << i;
        EXPECT_FALSE(s.HasOutline()) << i;
        EXPECT_TRUE(s.points.empty()) << i;
    }
    // Contour ends that run backwards or past the points.
    HandOutline backwards({{{0, 0, On}, {1, 0, On}, {1, 1, On}}, {{5, 5, On}, {6, 5, On}, {6, 6, On}}});
    backwards.Ends() = {4, 2};
    GlyphShape s;
    EXPECT_FALSE(ReadOutlineRuns(backwards.Get(), s));
    EXPECT_FALSE(s.HasOutline());
    backwards.Ends() = {2, 9};
    EXPECT_FALSE(ReadOutlineRuns(backwards.Get(), s));
    EXPECT_FALSE(s.HasOutline());
}

}  // namespace
