#pragma once
// The starter library shipped in data/LIB: one table of real panel cut-outs, each symbol the
// holes and milled contours a builder drills or mills, with its dimensions and where they come
// from. make_library writes the page files and data/LIB/SOURCES.md from this table, and a test
// checks the shipped files against it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panel/library_page.h"

namespace pw {

// A drill hole, its centre relative to the insertion point; millimetres.
struct StarterHole {
    double x, y, diameter;
};

// A milled closed contour, its corners relative to the insertion point; millimetres.
struct StarterContour {
    std::vector<MPoint> corners;
};

struct StarterSymbol {
    int page;          // index into StarterPages()
    const char* name;  // the symbol's description: the part it is for
    std::vector<StarterHole> holes;
    std::vector<StarterContour> contours;
    // The panel's nominal outline (width, height; zero when none), centred on the insertion
    // point: a thin line to see the symbol by, neither milled nor drilled.
    double outlineWidth = 0, outlineHeight = 0;
    const char* dimensions = "";  // the dimensions as SOURCES.md lists them
    const char* source = "";      // where they come from
};

struct StarterPage {
    const char* file;  // page file name in LIB
    const char* name;  // page name
};

const std::vector<StarterPage>& StarterPages();
const std::vector<StarterSymbol>& StarterSymbols();

// The page with its symbols, each a named group placed with its insertion point.
std::unique_ptr<TBibo> BuildStarterPage(int page);
// The page file's bytes.
std::vector<uint8_t> StarterPageBytes(int page);
// The text of SOURCES.md.
std::string StarterSourcesText();

}  // namespace pw
