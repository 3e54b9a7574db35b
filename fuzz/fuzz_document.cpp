// Feeds arbitrary bytes to the document reader, then uses whatever was read the way the program
// would: paints it, hit-tests it, measures it and writes it again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/document.h"
#include "core/null_canvas.h"
#include "core/platine.h"

namespace {

void Exercise(pw::TPlatine& p) {
    pw::NullCanvas canvas({0, 0, 800, 600});
    p.SetCanvas(&canvas);
    p.SetZoom(1);
    p.PrepareCanvas(canvas);
    p.PaintPanel(canvas);
    p.SelectAll(true);
    p.MirrorSelected(true);
    p.SelectInRect({0, 0, 400, 300}, false);
    for (size_t i = 0; i < p.ElementCount(); ++i) {
        pw::TBauteil* e = p.Element(i);
        e->HitTest({100, 100}, canvas);
        e->GetBounds();
        e->KindName();
        e->InfoText();
    }
    std::vector<uint8_t> out;
    p.WritePanel(out, false);
    p.SetCanvas(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pw::TPlatine first;
    std::vector<std::unique_ptr<pw::TPlatine>> more;
    std::vector<pw::TView> views;
    try {
        pw::ReadDocument({data, size}, first,
                         [&]() -> pw::TPlatine& { return *more.emplace_back(std::make_unique<pw::TPlatine>()); },
                         views);
    } catch (const pw::StreamError&) {
        // A damaged document ends the read with a message; what was read stays and is used.
    }
    Exercise(first);
    for (auto& p : more) Exercise(*p);
    return 0;
}
