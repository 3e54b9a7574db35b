#pragma once
// Work run in a child process whose address space may grow only so far beyond the test's own,
// so that a runaway allocation fails there instead of taking the machine's memory.

#include <cstddef>
#include <functional>

namespace pw::test {

// True when the child ended normally and the work said true.
bool SucceedsWithinMemory(size_t extraBytes, const std::function<bool()>& work);

}  // namespace pw::test
