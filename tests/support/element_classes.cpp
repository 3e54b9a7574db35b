// Every test program knows the program's element classes from its start, as the program does.
#include "panel/register_elements.h"

namespace {
const bool kElementClassesRegistered = (pw::RegisterBuiltinElementClasses(), true);
}  // namespace
