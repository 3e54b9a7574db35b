#pragma once
// The crowded panel of the painting benchmarks: 10 000 mixed elements (lines, contours,
// circles, drill holes and, every tenth, a text of ten characters) on a 300 x 200 mm panel,
// zoomed to fit a 1920 x 1080 picture; or only its elements of one kind, at the same places.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "panel/platine.h"

namespace pw::crowded {

inline constexpr int kElements = 10000;
inline constexpr int kWidth = 1920, kHeight = 1080;

// The element kinds of the crowded panel; kAll keeps every one of them.
enum Kind { kAll = -1, kLines, kContours, kCircles, kDrills, kTexts };

// Element i of the crowded panel, of kind KindOf(i), drawn from the generator.
inline Kind KindOf(int i) {
    return i % 10 == 9 ? kTexts : static_cast<Kind>(i % 4);
}

inline std::unique_ptr<TBauteil> MakeElement(int i, std::mt19937& rng) {
    std::uniform_real_distribution<double> x(200, 14800), y(200, 9800), size(100, 500);
    std::uniform_int_distribution<int> brush(0, 7), colour(0, 0xFFFFFF);
    MPoint at{x(rng), y(rng)};
    Real s = size(rng);
    switch (KindOf(i)) {
        case kLines: {
            auto line = std::make_unique<TLinie>();
            line->AddPoint(at);
            line->AddPoint({at.x + s, at.y + s / 3});
            line->AddPoint({at.x + s / 2, at.y + s});
            line->SetStiftBreite(i % 8 == 0 ? 0 : 25);
            line->SetStiftFarbe(static_cast<Color>(colour(rng)));
            return line;
        }
        case kContours: {
            std::unique_ptr<TRechteck> contour =
                i % 8 == 1 ? std::make_unique<TRechteck>() : std::make_unique<TPolygon>();
            contour->AddPoint(at);
            contour->AddPoint({at.x + s, at.y});
            contour->AddPoint({at.x + s, at.y + s / 2});
            contour->AddPoint({at.x, at.y + s / 2});
            contour->SetClosed(true);
            contour->SetBrushStyle(static_cast<TBrushStyle>(brush(rng)));
            contour->SetBrushFarbe(static_cast<Color>(colour(rng)));
            contour->SetFuellenFlag(true);
            contour->SetGlaetten(i % 16 == 1);
            return contour;
        }
        case kCircles: {
            auto circle = std::make_unique<TKreis>();
            circle->Centre = at;
            circle->RimPoint = {at.x + s / 2, at.y};
            circle->BuildContour();
            circle->SetFuellenFlag(i % 8 == 2);
            circle->SetBrushFarbe(static_cast<Color>(colour(rng)));
            return circle;
        }
        case kTexts: {
            // Ten characters, 1 to 5 mm high; every fifth text turned.
            char text[16];
            std::snprintf(text, sizeof text, "Kanal %04d", i / 10);
            auto label = std::make_unique<TTextLabel>(FontSpec{"Arial", RoundToInt(s / 2), 0}, text, at);
            label->SetBrushStyle(bsSolid);
            label->SetBrushFarbe(static_cast<Color>(colour(rng)));
            if (i % 50 == 9) label->Rotate(at, 0.5);
            return label;
        }
        default: {
            auto drill = std::make_unique<TBohrung>();
            drill->Centre = at;
            drill->Diameter = s;
            return drill;
        }
    }
}

// The crowded panel, or only its elements of one kind (at the same places).
inline std::unique_ptr<TPlatine> CrowdedPanel(Kind only = kAll) {
    auto panel = std::make_unique<TPlatine>();
    panel->Width = 15000;  // 300 mm
    panel->Height = 10000;
    panel->GridVisible = true;
    panel->SnapSpacing = 500;
    std::mt19937 rng(4711);
    for (int i = 0; i < kElements; ++i) {
        std::unique_ptr<TBauteil> e = MakeElement(i, rng);
        if (only == kAll || KindOf(i) == only) panel->AddElement(std::move(e));
    }
    // Fit the panel into the picture, as zoom-to-panel does in the view.
    panel->SetZoom(std::min(kWidth / (panel->Width / 50), kHeight / (panel->Height / 50)) * 0.98);
    return panel;
}

}  // namespace pw::crowded
