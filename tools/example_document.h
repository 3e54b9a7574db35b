#pragma once
// The example documents shipped with the program, built through the model: a two-panel
// document (front and back of a small amplifier) that shows lines and contours, smoothed,
// chamfered and milled shapes, circles, an arc, a regular polygon, drill holes, texts, a
// dimension and knob scales. German texts for Beispiele/Beispiel.fpl, English ones for
// Examples/Examples.fpl.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/language.h"
#include "panel/platine.h"

namespace pw {

// The panels of the example in the given language (the language is restored afterwards).
std::vector<std::unique_ptr<TPlatine>> BuildExamplePanels(Language language);

// The document file's bytes.
std::vector<uint8_t> ExampleDocumentBytes(Language language);

}  // namespace pw
