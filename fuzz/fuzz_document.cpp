// Feeds arbitrary bytes to the document loading of the command-line tool, through a file as the
// tool reads one, and paints what was read onto a small picture through the Qt canvas.
#include <sys/mman.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <string>

#include "fuzz/cli_exercise.h"

namespace {
// One file in memory, rewritten for every input.
int gFile = -1;
std::string gPath;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    gFile = memfd_create("fuzz-document", 0);
    if (gFile < 0) std::abort();
    gPath = "/proc/self/fd/" + std::to_string(gFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (ftruncate(gFile, 0) != 0 || pwrite(gFile, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    pw::fuzz::ExerciseDocumentFile(gPath, data, size);
    return 0;
}
