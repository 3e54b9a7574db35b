#pragma once
// A panel as the main window makes it (100 x 100 mm, 1 mm snap, its own undo store) and the
// elements the command tests put on it.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "panel/edit_commands.h"
#include "panel/platine.h"

namespace pw::test {

// Every device rectangle the panel asked to repaint.
struct RecordingWindow : InvalidateSink {
    std::vector<IRect> rects;
    void InvalidateRect(const IRect& r) override { rects.push_back(r); }
};

struct CommandFixture : ::testing::Test {
    TBackupStream undo;
    TPlatine panel;
    ElementClipboard clipboard;
    RecordingWindow window;

    CommandFixture() {
        panel.Width = panel.Height = 5000;
        panel.SnapSpacing = 50;
        panel.UndoStream = &undo;
        panel.Window = &window;
    }

    // A closed contour through the corners, pen width 0, so that its bounds are its corners.
    TRechteck* AddBox(Real x1, Real y1, Real x2, Real y2) {
        auto r = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{x1, y1}, MPoint{x2, y1}, MPoint{x2, y2}, MPoint{x1, y2}}) r->AddPoint(p);
        r->SetStiftBreite(0);
        return static_cast<TRechteck*>(panel.AddElement(std::move(r)));
    }

    TLinie* AddLine(MPoint a, MPoint b) {
        auto l = std::make_unique<TLinie>();
        l->AddPoint(a);
        l->AddPoint(b);
        l->SetStiftBreite(0);
        return static_cast<TLinie*>(panel.AddElement(std::move(l)));
    }

    TBohrung* AddDrill(MPoint centre, Real diameter = 500) {
        auto d = std::make_unique<TBohrung>();
        d->Centre = centre;
        d->Diameter = diameter;
        return static_cast<TBohrung*>(panel.AddElement(std::move(d)));
    }

    TBogen* AddArc(MPoint centre, Real radius) {
        auto a = std::make_unique<TBogen>();
        a->Centre = centre;
        a->RimPoint = {centre.x + radius, centre.y};
        a->StartPoint = {centre.x + radius, centre.y};
        a->EndPoint = {centre.x, centre.y - radius};
        a->BuildArc();
        return static_cast<TBogen*>(panel.AddElement(std::move(a)));
    }

    // Selects the elements in this order; the last becomes the current element.
    void Select(std::initializer_list<TBauteil*> elements) {
        for (TBauteil* e : elements) panel.SelectElement(e, true);
        panel.UpdateSelectionFrame();
    }

    MRect Bounds(TBauteil* e) { return NormaliseRect(e->GetBounds()); }

    std::vector<TBauteil*> Order() {
        std::vector<TBauteil*> out;
        for (const auto& e : panel.Elements()) out.push_back(e.get());
        return out;
    }
};

}  // namespace pw::test
