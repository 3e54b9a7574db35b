#include "elements/bohrung.h"

#include <gtest/gtest.h>

#include "core/language.h"
#include "element_test_support.h"
#include "support/hook_guards.h"

using namespace pw;
using namespace pw::test;
using Kind = RecordedCall::Kind;

namespace {

TEST(Bohrung, NewHoleIsTenMillimetresWithAFiveMillimetreCross) {
    TBohrung b;
    b.Centre = {1000, 1000};
    LanguageGuard language(Language::German);
    EXPECT_EQ(b.InfoText(), "DM = 10,00 mm");
    EXPECT_EQ(b.KindName(), "Bohrung");
    SetLanguage(Language::English);
    EXPECT_EQ(b.InfoText(), "DM = 10.00 mm");
    EXPECT_EQ(b.KindName(), "Drilling");
    SetLanguage(Language::German);
    PanelCanvas c;
    b.Paint(c);
    ASSERT_EQ(c.calls.size(), 3u);
    EXPECT_EQ(c.calls[0].kind, Kind::Ellipse);
    EXPECT_EQ(c.calls[0].rect, (IRect{750, 750, 1250, 1250}));
    EXPECT_EQ(c.calls[0].pen.color, kSilver);
    EXPECT_EQ(c.calls[0].brush.color, kGrey);
    EXPECT_EQ(c.calls[0].brush.style, bsSolid);
    EXPECT_EQ(c.calls[1].pts, (std::vector<IPoint>{{1000, 875}, {1000, 1125}}));
    EXPECT_EQ(c.calls[2].pts, (std::vector<IPoint>{{875, 1000}, {1125, 1000}}));
    EXPECT_EQ(c.calls[2].pen.color, kWhite);
    b.SetXORFlag(true);
    c.Clear();
    b.Paint(c);
    EXPECT_EQ(c.calls[0].pen.color, kGhostColor);
    EXPECT_EQ(c.calls[0].brush.style, bsClear);
}

TEST(Bohrung, HitByDistanceNotByBounds) {
    TBohrung b;
    b.Centre = {5000, 5000};
    PanelCanvas c;
    // 4.9 mm (245 units) and 5.1 mm (255 units) along the diagonal, both inside the square.
    EXPECT_TRUE(b.HitTest({5173, 5173}, c));   // 244.7 units
    EXPECT_FALSE(b.HitTest({5181, 5181}, c));  // 255.97 units
    EXPECT_FALSE(b.HitTest({5180, 5180}, c));  // 254.6 units
    EXPECT_TRUE(b.HitTest({5245, 5000}, c));
    EXPECT_FALSE(b.HitTest({5255, 5000}, c));
    b.SetHidden(true);
    EXPECT_FALSE(b.HitTest({5000, 5000}, c));
}

TEST(Bohrung, ScaleToMultiplesOfTenUnits) {
    TBohrung b;
    b.Scale({0, 0}, 2, 1);
    EXPECT_EQ(b.Diameter, 1000);
    TBohrung d;
    d.Centre = {100, 100};
    d.Scale({0, 0}, 2, 2);
    EXPECT_EQ(d.Diameter, 2000);
    EXPECT_EQ(d.Centre, (MPoint{200, 200}));
    d.Scale({0, 0}, 0.001L, 1);
    EXPECT_EQ(d.Diameter, 20);
    TBohrung odd;
    odd.Diameter = 333;
    odd.Scale({0, 0}, 1, 1);
    EXPECT_EQ(odd.Diameter, 330);
}

TEST(Bohrung, StaysMilled) {
    TBohrung b;
    EXPECT_TRUE(b.Fraesen());
    b.SetFraesen(false);
    EXPECT_TRUE(b.Fraesen());
    TBohrung copy;
    Bytes bytes = Record(b);
    TReader r = ReaderFor(bytes);
    copy.Read(r);
    EXPECT_TRUE(copy.Fraesen());
}

TEST(Bohrung, DiameterTextAndDialog) {
    LanguageGuard language(Language::German);
    TBohrung b;
    EXPECT_EQ(b.DiameterText(), "10");
    b.Diameter = 175;
    EXPECT_EQ(b.DiameterText(), "3,5");
    EXPECT_EQ(TBohrung::DiameterFromText("2,5"), 125);
    EXPECT_EQ(TBohrung::DiameterFromText("0.1"), 20);
    EXPECT_EQ(TBohrung::DiameterFromText("abc"), 20);
    EXPECT_EQ(TBohrung::DiameterFromText("500"), 10000);
    EXPECT_FALSE(b.EditProperties());
    DialogGuard<TBohrung> dialog(
        [](const std::string& shown) -> std::optional<std::string> { return shown == "3,5" ? "6" : "1"; });
    EXPECT_TRUE(b.EditProperties());
    EXPECT_EQ(b.Diameter, 300);
    TBohrung::SetDialog([](const std::string&) -> std::optional<std::string> { return std::nullopt; });
    EXPECT_FALSE(b.EditProperties());
    EXPECT_EQ(b.Diameter, 300);
}

TEST(Bohrung, HandCheckedRecordAndRoundTrip) {
    TBohrung b;
    b.Centre = {1000, 500};
    RecordBuilder expected;
    expected
        .Raw({2, 8, 2, 10})             // kind 8, pen width 10
        .Raw({0xC0, 0xC0, 0xC0, 0, 0})  // silver pen, solid pattern
        .Raw({0x80, 0x80, 0x80, 0, 1})  // grey brush, bsClear
        .Raw({9, 8, 9, 8, 2, 1})        // filled, not grouped, milled, not smoothed, glFase
        .BaseTail()
        .Float(0xFA00, 0x4008)   // centre x 1000
        .Float(0xFA00, 0x4007)   // centre y 500
        .Float(0xFA00, 0x4007);  // diameter 500
    EXPECT_EQ(Record(b), expected.b);
    b.Diameter = 123.25L;
    std::unique_ptr<TBauteil> copy = ReadBack(b);
    EXPECT_EQ(Record(*copy), Record(b));
    EXPECT_EQ(static_cast<TBohrung&>(*copy).Diameter, 123.25L);
}

TEST(Bohrung, TransformsMoveOnlyTheCentre) {
    TBohrung b;
    b.Centre = {100, 200};
    b.Move({10, 10});
    b.Mirror(false, {0, 0, 0, 0});
    EXPECT_EQ(b.Centre, (MPoint{-110, 210}));
    b.Rotate({0, 0}, kPi);
    EXPECT_NEAR(static_cast<double>(b.Centre.x), 110, 1e-12);
    EXPECT_NEAR(static_cast<double>(b.Centre.y), -210, 1e-12);
    EXPECT_EQ(b.Diameter, 500);
    EXPECT_EQ(b.GetBounds(), (MRect{b.Centre.x - 250, b.Centre.y - 250, b.Centre.x + 250, b.Centre.y + 250}));
}

}  // namespace
