#pragma once
// Reads bytes as a document and uses whatever was read the way the program would: paints it,
// hit-tests it, measures it and writes it again. Shared by the fuzzer and the regression tests.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/null_canvas.h"
#include "panel/document.h"
#include "panel/platine.h"

namespace pw::fuzz {

// Paints the panel as the window shows it and uses the model's hit tests, selection and writing,
// all on the given canvas.
inline void ExercisePanel(TPlatine& p, Canvas& canvas) {
    p.SetCanvas(&canvas);
    p.SetZoom(1);
    p.PrepareCanvas(canvas);
    p.PaintPanel(canvas);
    p.SelectAll(true);
    p.MirrorSelected(true);
    p.SelectInRect({0, 0, 400, 300}, false);
    for (size_t i = 0; i < p.ElementCount(); ++i) {
        TBauteil* e = p.Element(i);
        e->HitTest({100, 100}, canvas);
        e->GetBounds();
        e->KindName();
        e->InfoText();
    }
    std::vector<uint8_t> out;
    p.WritePanel(out, false);
    p.SetCanvas(nullptr);
}

// Reads as the window does, keeping what was read before an error, and exercises every panel on
// the canvas. Returns whether the document read without an error.
inline bool ExerciseDocument(const uint8_t* data, size_t size, Canvas& canvas) {
    TPlatine first;
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    bool ok = true;
    try {
        ReadDocument({data, size}, first, [&]() -> TPlatine& { return *more.emplace_back(std::make_unique<TPlatine>()); },
                     views);
    } catch (const StreamError&) {
        // A damaged document ends the read with a message; what was read stays and is used.
        ok = false;
    }
    ExercisePanel(first, canvas);
    for (auto& p : more) ExercisePanel(*p, canvas);
    return ok;
}

inline bool ExerciseDocument(const uint8_t* data, size_t size) {
    NullCanvas canvas({0, 0, 800, 600});
    return ExerciseDocument(data, size, canvas);
}

}  // namespace pw::fuzz
