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
    // A nominal outline (width, height; zero when none), centred on the insertion point: the
    // panel, or the flange or bezel of the part, a thin line to see the symbol by, neither
    // milled nor drilled.
    double outlineWidth = 0, outlineHeight = 0;
    const char* dimensions = "";  // the dimensions as SOURCES.md lists them
    const char* source = "";      // where they come from
    // The insertion point is the shaft axis (the first hole) rather than the centre of the
    // pattern, which an anti-rotation lug beside the shaft moves off the axis.
    bool onShaftAxis = false;
    // What the outline shows: the panel, or the part's flange, board or bezel.
    const char* outlineOf = "panel outline";
};

struct StarterPage {
    const char* file;  // page file name in LIB
    const char* name;  // page name
};

const std::vector<StarterPage>& StarterPages();
const std::vector<StarterSymbol>& StarterSymbols();

// The page with its symbols, each a named group placed with its insertion point.
std::unique_ptr<TBibo> BuildStarterPage(int page);
// Every symbol of every page on one page, side by side in rows at most `width` mm wide, to look
// at their sizes together.
std::unique_ptr<TBibo> BuildStarterSheet(double width);
// The page file's bytes.
std::vector<uint8_t> StarterPageBytes(int page);
// The text of SOURCES.md.
std::string StarterSourcesText();

}  // namespace pw
