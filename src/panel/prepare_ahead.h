#pragma once
// Building ahead what many elements build on first use (bounds, flattened outlines, glyph
// polygons), on all cores, before a paint of them: the first paint after opening a document
// pays for this once, on every core at the same time rather than on the painting thread alone.

#include <memory>
#include <span>
#include <vector>

#include "core/bauteil.h"

namespace pw {

// Builds the bounds of those of the elements that have none yet, when there are enough of them
// to share among threads; GetBounds builds the rest. With a thread count, on that many threads
// however few they are.
void PrepareBoundsAhead(std::span<const std::unique_ptr<TBauteil>> elements, size_t threads = 0);

// Builds what painting the elements will draw, the shared inputs taken on this thread first; on
// as many threads as the cores and the work call for, or on the number given. Returns how many
// elements had something to build: new or changed ones, whose shapes no canvas keeps yet.
size_t PreparePaintAhead(const std::vector<const TBauteil*>& elements, size_t threads = 0);

}  // namespace pw
