// Inputs that once made the document reader or the painting fail, kept as they were found.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/document_exercise.h"
#include "panel/document.h"

namespace {

TEST(FuzzRegressions, DamagedDocumentsReadPaintAndWriteWithoutHarm) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PW_FUZZ_REGRESSIONS)) {
        std::vector<uint8_t> bytes = pw::ReadWholeFile(entry.path().string());
        pw::fuzz::ExerciseDocument(bytes.data(), bytes.size());
        ++files;
    }
    EXPECT_GE(files, 3);
}

}  // namespace
