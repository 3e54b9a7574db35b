#pragma once
// The pixels a wide round pen covers along a polyline on a raster image, found without a
// general stroker: a pixel belongs to the stroke when its centre lies within half the pen width
// of one of the segments, which gives round ends and round corners as a Windows geometric pen
// draws them. A centre exactly on the edge counts on the right and bottom side of the stroke and
// not on the left and top, as the painter's own fill rule decides.
//
// The pixels come as horizontal runs, sorted by row and column, that cover every pixel once, so
// filling them gives the same picture in copy, exclusive-or and not-exclusive-or mode.

#include <cstdint>
#include <vector>

#include "core/geometry.h"

namespace pw {

struct PixelRun {
    int32_t y = 0;
    int32_t x1 = 0, x2 = 0;  // first and last pixel of the run
    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

// Adds the runs of a pen `width` pixels wide along the n device points (repeated points
// allowed), with the edge from the last point back to the first when closed; only pixels inside
// clip (right and bottom edge excluded) are given. A single point gives the pen's dot. The runs
// of several calls may overlap until MergeRuns. However wide the pen, the runs and the work stay
// within a few per row of the clip and point; a pen that takes the whole clip gives one run per row.
void AddWideStroke(const IPoint* pts, size_t n, bool closed, int32_t width, const IRect& clip,
                   std::vector<PixelRun>& runs);

// Moves the runs from the given one on by d.
void MoveRuns(std::vector<PixelRun>& runs, size_t from, IPoint d);

// Sorts the runs by row and column and joins those that overlap or touch, so that each pixel is
// in one run.
void MergeRuns(std::vector<PixelRun>& runs);

}  // namespace pw
