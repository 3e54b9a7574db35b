#pragma once
// Loads a document file the way plattenwerk-cli does and paints every panel onto a small picture
// through the Qt canvas, as the window shows it and as the export paints it at true size. A file
// the tool refuses is read once more as the window reads it, which keeps what came before the
// error, and that is painted too. Shared by the fuzzer and the command-line regression test.
#include <string>

#include "cli/cli_options.h"
#include "cli/loaded_document.h"
#include "fuzz/document_exercise.h"
#include "render/panel_render.h"
#include "render/render_targets.h"

namespace pw::fuzz {

inline constexpr int kPictureSide = 64;

// Returns whether the tool loaded the file.
inline bool ExerciseDocumentFile(const std::string& path, const uint8_t* data, size_t size) {
    ImageTarget picture(kPictureSide, kPictureSide);
    try {
        cli::LoadedDocument doc = cli::LoadDocument(path);
        for (auto& panel : doc.panels) {
            ExercisePanel(*panel, picture.Canvas());
            MapTrueSize(picture.Canvas(), 150);
            panel->PaintTo(picture.Canvas(), false, true);
        }
        cli::DocumentBytes(doc);
        return true;
    } catch (const cli::ReadFailure&) {
    } catch (const cli::UsageError&) {
    }
    ExerciseDocument(data, size, picture.Canvas());
    return false;
}

}  // namespace pw::fuzz
