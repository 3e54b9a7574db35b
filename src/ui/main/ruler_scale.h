#pragma once
// What a ruler shows: millimetres relative to the panel's grid origin at the panel's zoom and
// scroll position, with main ticks at a "nice" step (a power of ten, or a half or fifth of one)
// that keeps them between about 50 and 250 pixels apart, each divided into ten minor ticks.

#include <string>
#include <vector>

namespace pw {

// The nice step for the visible range from a to b (millimetres) at zoom pixels per millimetre.
double NiceStep(double a, double b, double zoom);

// Pixels covered by the step p at the range's end b: round((b + p) * zoom) - round(b * zoom).
int StepPixels(double b, double p, double zoom);

struct RulerTick {
    int pixel = 0;        // position along the ruler
    double value = 0;     // millimetres from the origin
    bool origin = false;  // the tick of the origin itself (drawn black)
};

struct RulerLayout {
    double step = 0;
    std::vector<RulerTick> main;
    std::vector<int> minor;  // pixel positions of the minor ticks
};

// The ticks of a ruler: origin in millimetres (grid origin / 50), scroll in pixels, the length
// of the drawing area in pixels, zoom in pixels per millimetre.
RulerLayout LayoutRuler(double originMm, int scroll, int length, double zoom);

// The label of a main tick: general format with 4 significant digits and the language's
// decimal separator.
std::string RulerLabel(double value);

}  // namespace pw
