#pragma once
// A panel wired as the view wires it, on a recording canvas, with helpers that send pointer
// events in view pixels and check the exclusive-or drawings.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "core/language.h"
#include "core/registry.h"
#include "elements/rechteck.h"
#include "panel/platine.h"
#include "panel/register_elements.h"
#include "support/recording_canvas.h"

namespace pw::test {

struct InvalidateRecorder : InvalidateSink {
    std::vector<IRect> rects;
    void InvalidateRect(const IRect& r) override { rects.push_back(r); }
};

class ToolTest : public ::testing::Test {
protected:
    // A 200 x 200 mm panel in an 800 x 600 view; zoom 50 makes one pixel one model unit.
    void SetUp() override {
        RegisterBuiltinElementClasses();
        SetLanguage(Language::German);
        panel.Width = panel.Height = 10000;
        panel.ViewWidth = 800;
        panel.ViewHeight = 600;
        panel.SnapSpacing = 50;
        panel.SetZoom(50);
        panel.SetCanvas(&canvas);
        panel.UndoStream = &undo;
        panel.Window = &window;
        panel.OnMyClick = [this] { ++clicks; };
    }
    void TearDown() override { SetBeepHandler(nullptr); }

    static MouseEvent At(int32_t x, int32_t y, MouseButton b = MouseButton::Left, bool shift = false,
                         bool ctrl = false) {
        MouseEvent e;
        e.pos = {x, y};
        e.button = b;
        e.shift = shift;
        e.ctrl = ctrl;
        return e;
    }
    void Press(int32_t x, int32_t y, MouseButton b = MouseButton::Left, bool shift = false,
               bool ctrl = false) {
        panel.MouseDown(At(x, y, b, shift, ctrl));
    }
    void Move(int32_t x, int32_t y, bool shift = false, bool ctrl = false) {
        panel.MouseMove(At(x, y, MouseButton::Left, shift, ctrl));
    }
    void Release(int32_t x, int32_t y, MouseButton b = MouseButton::Left, bool shift = false,
                 bool ctrl = false) {
        panel.MouseUp(At(x, y, b, shift, ctrl));
    }
    void Click(int32_t x, int32_t y, MouseButton b = MouseButton::Left, bool shift = false) {
        Press(x, y, b, shift);
        Release(x, y, b, shift);
    }

    // A filled rectangle contour with the given corners and pen width.
    TRechteck* AddRect(Real x1, Real y1, Real x2, Real y2, Real pen = 10) {
        auto r = std::make_unique<TRechteck>();
        r->AddPoint({x1, y1});
        r->AddPoint({x2, y1});
        r->AddPoint({x2, y2});
        r->AddPoint({x1, y2});
        r->SetStiftBreite(pen);
        r->SetFuellenFlag(true);
        return static_cast<TRechteck*>(panel.AddElement(std::move(r)));
    }

    template <class T>
    T* Last() {
        return panel.ElementCount() ? dynamic_cast<T*>(panel.Element(panel.ElementCount() - 1)) : nullptr;
    }

    TPlatine panel;
    RecordingCanvas canvas{{0, 0, 800, 600}};
    TBackupStream undo;
    InvalidateRecorder window;
    int clicks = 0;
};

// Every exclusive-or drawing on the canvas was drawn an even number of times, so the screen is
// back as it was; and at least `atLeast` such drawings were made.
inline ::testing::AssertionResult XorBalanced(const RecordingCanvas& canvas, size_t atLeast = 1) {
    using Key = std::tuple<int, std::vector<int32_t>, std::vector<int32_t>, Color, int32_t, int, int>;
    std::map<Key, int> counts;
    size_t total = 0;
    for (const RecordedCall& c : canvas.calls) {
        if (c.pen.mode == PenMode::Copy) continue;
        ++total;
        std::vector<int32_t> pts;
        for (IPoint p : c.pts) pts.insert(pts.end(), {p.x, p.y});
        // The brush counts only for shapes that have an inside.
        bool filled = c.kind == RecordedCall::Kind::Rectangle || c.kind == RecordedCall::Kind::Ellipse ||
                      c.kind == RecordedCall::Kind::PolyPolygon;
        Key k{static_cast<int>(c.kind),
              pts,
              {c.rect.x1, c.rect.y1, c.rect.x2, c.rect.y2},
              c.pen.color,
              c.devicePenWidth,
              static_cast<int>(c.pen.mode),
              filled ? static_cast<int>(c.brush.style) : -1};
        ++counts[k];
    }
    if (total < atLeast) return ::testing::AssertionFailure() << "only " << total << " exclusive-or drawings";
    for (const auto& [key, n] : counts)
        if (n % 2) {
            auto failure = ::testing::AssertionFailure();
            failure << "a drawing of kind " << std::get<0>(key) << " left on screen at";
            for (int32_t v : std::get<1>(key)) failure << ' ' << v;
            failure << " /";
            for (int32_t v : std::get<2>(key)) failure << ' ' << v;
            return failure;
        }
    return ::testing::AssertionSuccess() << total << " drawings";
}

}  // namespace pw::test
