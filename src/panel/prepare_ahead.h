#pragma once
// Building ahead what many elements build on first use (bounds, flattened outlines, glyph
// polygons), on all cores, before a paint of them: the first paint after opening a document
// pays for this once, on every core at the same time rather than on the painting thread alone.

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "core/bauteil.h"

namespace pw {

// Builds the bounds of those of the elements that have none yet, when there are enough of them
// to share among threads; GetBounds builds the rest. With a thread count, on that many threads
// however few they are. Returns whether every element has its bounds now.
bool PrepareBoundsAhead(std::span<const std::unique_ptr<TBauteil>> elements, size_t threads = 0);

// Builds what painting the elements will draw, the shared inputs taken on this thread (other
// threads start on the elements as they are listed); on as many threads as the cores and the
// work call for, or on the number given. `alongside` runs on this thread meanwhile, once every
// element is listed; it must not touch what the elements build (their bounds it may read, when
// they have them). Returns how many elements had something to build: new or changed ones, whose
// shapes no canvas keeps yet.
size_t PreparePaintAhead(const std::vector<const TBauteil*>& elements, size_t threads = 0,
                         const std::function<void()>& alongside = {});

}  // namespace pw
