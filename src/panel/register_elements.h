#pragma once
// The element classes of the program, registered by name for the reader.

namespace pw {

// Registers every element class the reader knows by name; repeated calls do nothing more.
void RegisterBuiltinElementClasses();

}  // namespace pw
