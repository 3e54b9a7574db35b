#include <gtest/gtest.h>

#include "core/language.h"
#include "element_test_support.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "support/hook_guards.h"

using namespace pw;
using namespace pw::test;

namespace {

TEST(LinieStorage, HandCheckedRecord) {
    TLinie line;
    line.AddPoint({0, 0});
    line.AddPoint({1000, 500});
    RecordBuilder expected;
    expected
        .Raw({2, 0})                    // kind code 0
        .Raw({2, 50})                   // pen width 50
        .Raw({0xC0, 0xC0, 0xC0, 0x00})  // pen colour silver
        .Raw({0})                       // solid pattern
        .Raw({0, 0, 0, 0})              // brush colour
        .Raw({1})                       // bsClear
        .Raw({8, 8, 8, 8})              // fill, group member, milled, smoothed: false
        .Raw({2, 1})                    // glFase
        .BaseTail()                     // amount, description, insertion point
        .Raw({2, 1})                    // two vertices
        .FloatZero()
        .FloatZero()
        .Float(0xFA00, 0x4008)   // 1000
        .Float(0xFA00, 0x4007);  // 500
    EXPECT_EQ(Record(line), expected.b);
}

TEST(LinieStorage, EmptyLineStoresMinusOneAndReadsNoVertex) {
    TLinie line;
    Bytes bytes = Record(line);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[bytes.size() - 2], 2);
    EXPECT_EQ(bytes[bytes.size() - 1], 0xFF);
    std::unique_ptr<TBauteil> copy = ReadBack(line);
    EXPECT_EQ(static_cast<TLinie&>(*copy).PointCount(), 0u);
}

TEST(LinieStorage, RoundTripsAreByteIdentical) {
    TLinie line;
    line.SetStiftBreite(13.5L);  // stored as 14
    line.SetStiftFarbe(0x123456);
    line.SetStiftPattern(ptPunktStrich);
    line.SetBrushStyle(bsDiagCross);
    line.SetGlaetten(true);
    line.SetGlaettenStil(glRundung);
    line.SetGlaettenBetrag(123.456L);
    line.Description.SetText("Maß");
    line.InsertPoint = {-1.25L, 7};
    for (int i = 0; i < 30; ++i) line.AddPoint({i * 33.3L, (i % 7) * 1e-3L - 5});
    std::unique_ptr<TBauteil> copy = ReadBack(line);
    EXPECT_EQ(Record(*copy), Record(line));
    auto& l = static_cast<TLinie&>(*copy);
    EXPECT_EQ(l.StiftBreite(), 14);
    EXPECT_EQ(l.Points(), line.Points());

    TRechteck rect;
    for (MPoint p : {MPoint{0, 0}, MPoint{10, 0}, MPoint{10, 10}}) rect.AddPoint(p);
    rect.SetClosed(false);
    copy = ReadBack(rect);
    EXPECT_FALSE(static_cast<TRechteck&>(*copy).Closed());
    EXPECT_EQ(Record(*copy), Record(rect));

    TPolygon poly;
    poly.AddPoint({1, 2});
    poly.AddPoint({3, 4});
    poly.SetClosed(true);
    copy = ReadBack(poly);
    EXPECT_STREQ(copy->ClassName(), "TPolygon");
    EXPECT_TRUE(static_cast<TPolygon&>(*copy).Closed());
    EXPECT_EQ(Record(*copy), Record(poly));
}

TEST(LinieStorage, RectangleRecordEndsWithTheClosedFlag) {
    TRechteck rect;
    TLinie line;
    Bytes r = Record(rect), l = Record(line);
    ASSERT_EQ(r.size(), l.size() + 1);
    EXPECT_TRUE(std::equal(l.begin(), l.end(), r.begin()));
    EXPECT_EQ(r.back(), 9);
    TPolygon poly;
    EXPECT_EQ(Record(poly).back(), 8);
}

TEST(LinieStorage, TruncatedRecordFailsWithStreamReadError) {
    TLinie line;
    line.AddPoint({1, 2});
    line.AddPoint({3, 4});
    Bytes bytes = Record(line);
    bytes.resize(bytes.size() - 3);
    TLinie copy;
    TReader r = ReaderFor(bytes);
    EXPECT_THROW(copy.Read(r), StreamError);
    // A huge vertex count is no reason to reserve memory: the data runs out first.
    Bytes head = Record(line);
    TLinie header;
    Bytes forged(head.begin(), head.end() - 2 * 11 * 2 - 2);
    forged.insert(forged.end(), {4, 0xFF, 0xFF, 0xFF, 0x7F, 2, 1, 2, 2});
    TReader r2 = ReaderFor(forged);
    EXPECT_THROW(header.Read(r2), StreamError);
    EXPECT_EQ(header.PointCount(), 1u);
}

TEST(LinieVertices, LimitOfAThousandBeeps) {
    int beeps = 0;
    BeepGuard beep([&] { ++beeps; });
    TLinie line;
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(line.AddPoint({static_cast<Real>(i), 0}));
    EXPECT_FALSE(line.AddPoint({5, 5}));
    EXPECT_FALSE(line.InsertFirstPoint({5, 5}));
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(line.PointCount(), 1000u);
    EXPECT_EQ(line.Point(999), (MPoint{999, 0}));
    // Reading knows no limit.
    line.AddPoint({0, 0});
    std::unique_ptr<TBauteil> big = ReadBack(line);
    EXPECT_EQ(static_cast<TLinie&>(*big).PointCount(), 1000u);
    line.ClearPoints();
    EXPECT_TRUE(line.InsertFirstPoint({7, 7}));
    EXPECT_TRUE(line.InsertFirstPoint({6, 6}));
    EXPECT_EQ(line.Point(0), (MPoint{6, 6}));
}

TEST(LinieTexts, KindNameAndLengthInBothLanguages) {
    TLinie line;
    LanguageGuard language(Language::German);
    EXPECT_EQ(line.KindName(), "Linie");
    EXPECT_EQ(line.InfoText(), "");
    line.AddPoint({0, 0});
    line.AddPoint({300, 400});
    line.AddPoint({300, 1000});
    EXPECT_EQ(line.InfoText(), "L = 22,00 mm");
    SetLanguage(Language::English);
    EXPECT_EQ(line.KindName(), "Line");
    EXPECT_EQ(line.InfoText(), "L = 22.00 mm");
    TRechteck rect;
    for (MPoint p : {MPoint{0, 0}, MPoint{625, 0}, MPoint{625, 400}}) rect.AddPoint(p);
    EXPECT_EQ(rect.InfoText(), "");
    rect.AddPoint({0, 400});
    EXPECT_EQ(rect.KindName(), "Rectangle");
    EXPECT_EQ(rect.InfoText(), "12.50 x 8.00");
    TPolygon poly;
    poly.AddPoint({0, 0});
    EXPECT_EQ(poly.KindName(), "Polygon");
    EXPECT_EQ(poly.InfoText(), "1 Points");
    SetLanguage(Language::German);
    EXPECT_EQ(rect.KindName(), "Rechteck");
    EXPECT_EQ(rect.InfoText(), "12,50 x 8,00");
    EXPECT_EQ(poly.InfoText(), "1 Knoten");
}

TEST(LinieTransform, EveryVertexMovesScalesRotatesAndMirrors) {
    TLinie line;
    line.AddPoint({100, 0});
    line.AddPoint({200, 50});
    line.Move({10, 20});
    EXPECT_EQ(line.Points(), (std::deque<MPoint>{{110, 20}, {210, 70}}));
    line.Scale({10, 20}, 2, 3);
    EXPECT_EQ(line.Points(), (std::deque<MPoint>{{210, 20}, {410, 170}}));
    line.Mirror(false, {0, 0, 100, 100});
    EXPECT_EQ(line.Points(), (std::deque<MPoint>{{-110, 20}, {-310, 170}}));
    line.Mirror(true, {0, 0, 100, 100});
    EXPECT_EQ(line.Points(), (std::deque<MPoint>{{-110, 80}, {-310, -70}}));
    line.ClearPoints();
    line.AddPoint({100, 0});
    line.Rotate({0, 0}, kPi / 2);  // a quarter turn counter-clockwise on screen: upward
    EXPECT_NEAR(static_cast<double>(line.Point(0).x), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(line.Point(0).y), -100, 1e-12);
    // Resize from (0, 0, 100, 100) to (0, 0, 200, 200) doubles the pen; to 200 x 100 keeps it.
    line.SetStiftBreite(10);
    line.Resize({0, 0, 100, 100}, {0, 0, 200, 200});
    EXPECT_EQ(line.StiftBreite(), 20);
    line.Resize({0, 0, 100, 100}, {0, 0, 200, 100});
    EXPECT_EQ(line.StiftBreite(), 20);
}

}  // namespace
