// Feeds arbitrary bytes to the metafile code as an EMF or a WMF: the header, a play onto a
// canvas that only maps, a play into the EMF writer, and the conversion of a WMF to EMF. What
// the writer makes from any input must play back without a fault.
#include <cstdlib>

#include "core/emf_canvas.h"
#include "core/metafile.h"
#include "core/null_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pw::ReadMetafileInfo(data, size);
    pw::NullCanvas canvas(pw::IRect{0, 0, 640, 480});
    pw::PlayMetafile(canvas, data, size, pw::IRect{10, 20, 630, 470});
    pw::EmfCanvas emf(20000, 15000);
    pw::PlayMetafile(emf, data, size, pw::IRect{0, 0, 20000, 15000});
    std::vector<uint8_t> written = emf.Finish();
    std::string error;
    if (!pw::PlayMetafile(canvas, written.data(), written.size(), pw::IRect{0, 0, 640, 480}, &error))
        std::abort();
    if (auto converted = pw::ConvertWmfToEmf(data, size)) {
        if (!pw::PlayMetafile(canvas, converted->data(), converted->size(), pw::IRect{0, 0, 640, 480},
                              &error))
            std::abort();
    }
    return 0;
}
