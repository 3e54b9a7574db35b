// Feeds arbitrary bytes to the document reader and uses what it read.
#include "fuzz/document_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pw::fuzz::ExerciseDocument(data, size);
    return 0;
}
