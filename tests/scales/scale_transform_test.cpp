#include <gtest/gtest.h>

#include "elements/linie.h"
#include "scale_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

const MPoint C{15000, 15000};

TLinie& Tick(const TScale& s, size_t i) {
    return Child<TLinie>(*s.TickGroup, i);
}

TEST(ScaleTransform, MoveCarriesTheCentre) {
    TScale s;
    s.Build();
    const MPoint before = Tick(s, 0).Point(0);
    s.Move({100, -50});
    EXPECT_EQ(s.Centre, (MPoint{15100, 14950}));
    EXPECT_EQ(Tick(s, 0).Point(0), (before + MPoint{100, -50}));
}

TEST(ScaleTransform, RotationAddsUpUnlessMirroredOnce) {
    TScale s;
    s.Build();
    s.Rotate({10000, 15000}, kPi / 2);
    EXPECT_NEAR(static_cast<double>(s.Centre.x), 10000, 1e-9);
    EXPECT_NEAR(static_cast<double>(s.Centre.y), 10000, 1e-9);
    EXPECT_NEAR(static_cast<double>(s.Rotation), M_PI / 2, 1e-15);
    EXPECT_NEAR(DegreesAt(s.Centre, Tick(s, 0).Point(0)), 315, 1e-9);

    s.Mirror(false, {0, 0, 20000, 20000});
    EXPECT_TRUE(s.FlippedH);
    EXPECT_FALSE(s.FlippedV);
    EXPECT_NEAR(static_cast<double>(s.Centre.x), 10000, 1e-9);
    s.Rotate(s.Centre, 0.25);
    EXPECT_NEAR(static_cast<double>(s.Rotation), M_PI / 2 - 0.25, 1e-15);
    s.Mirror(true, {0, 0, 20000, 30000});
    EXPECT_TRUE(s.FlippedV);
    EXPECT_NEAR(static_cast<double>(s.Centre.y), 20000, 1e-9);
    s.Rotate(s.Centre, 0.25);
    EXPECT_NEAR(static_cast<double>(s.Rotation), M_PI / 2, 1e-15);
}

TEST(ScaleTransform, BuildAppliesRotationAndKeepsTheFields) {
    TScale s;
    s.Rotation = kPi / 2;
    s.Build();
    EXPECT_EQ(s.Rotation, kPi / 2);
    EXPECT_EQ(s.Centre, C);
    EXPECT_NEAR(DegreesAt(C, Tick(s, 0).Point(0)), 315, 1e-9);
    EXPECT_NEAR(Radius(C, Tick(s, 0).Point(1)), 1600, 1e-9);
    // The cross turns with it.
    const TLinie& h = Child<TLinie>(*s.CrossGroup, 0);
    EXPECT_NEAR(static_cast<double>(h.Point(0).x), 15000, 1e-9);
    EXPECT_NEAR(static_cast<double>(h.Point(0).y), 15250, 1e-9);
}

TEST(ScaleTransform, BuildAppliesTheMirroringAboutTheBounds) {
    TScale plain;
    plain.Build();
    const MRect bounds = plain.GetBounds();
    TScale s;
    s.FlippedV = true;
    s.Build();
    EXPECT_TRUE(s.FlippedV);
    EXPECT_FALSE(s.FlippedH);
    // The centre follows the drawing, mirrored about the bounds.
    const MPoint mirroredCentre = MirrorPoint(C, bounds, true);
    EXPECT_EQ(s.Centre, mirroredCentre);
    EXPECT_NEAR(DegreesAt(mirroredCentre, Tick(s, 0).Point(0)), 135, 1e-9);
    const MRect after = s.GetBounds();
    for (auto [a, b] : {std::pair{after.x1, bounds.x1},
                        {after.y1, bounds.y1},
                        {after.x2, bounds.x2},
                        {after.y2, bounds.y2}})
        EXPECT_NEAR(static_cast<double>(a), static_cast<double>(b), 1);

    TScale both;
    both.FlippedV = both.FlippedH = true;
    both.Build();
    EXPECT_TRUE(both.FlippedV && both.FlippedH);
    const MPoint twice = MirrorPoint(mirroredCentre, both.GetBounds(), false);
    EXPECT_NEAR(DegreesAt(twice, Tick(both, 0).Point(0)), 45, 1e-6);
}

TEST(ScaleTransform, KindName) {
    TScale s;
    EXPECT_EQ(s.KindName(), "Skale (Gruppe)");
    ScaleLanguage english(Language::English);
    EXPECT_EQ(s.KindName(), "Scale (Group)");
}

TEST(ScaleTransform, ConstructionDefaults) {
    TScale s;
    EXPECT_EQ(s.Style(), ssRoundLinear);
    EXPECT_EQ(s.Params().size(), 15u);
    EXPECT_EQ(s.KindCode, kcGroup);
    EXPECT_EQ(s.Centre, C);
    EXPECT_EQ(s.Rotation, 0);
    EXPECT_FALSE(s.FlippedV || s.FlippedH);
    EXPECT_EQ(s.StiftFarbe(), kBlack);
    EXPECT_TRUE(s.Inscriptions.empty());
    EXPECT_EQ(s.MemberCount(), 0u);
    EXPECT_EQ(s.LegacyReal1, 5000);
    EXPECT_EQ(s.LegacyReal3, 245);
    EXPECT_EQ(s.LegacyReal5, 500);
    EXPECT_TRUE(s.LegacyBool1 && s.LegacyBool2 && !s.LegacyBool3);
    EXPECT_EQ(s.LegacyInt1, 10);
    EXPECT_EQ(s.LegacyInt2, 5);
    EXPECT_EQ(s.Description.Text(), "Gruppe");
}

}  // namespace
