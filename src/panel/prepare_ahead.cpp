#include "panel/prepare_ahead.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

namespace pw {

namespace {

// Items a thread takes at a time, and the fewest elements with something to build that are
// worth a thread of their own.
constexpr size_t kChunk = 16;
constexpr size_t kPerThread = 64;

size_t ThreadsFor(size_t items) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::min(cores, items / kPerThread + 1);
}

// Runs work on each of the n items, on up to `threads` threads (this one among them), each item
// on one thread; returns when all are done.
void RunOnThreads(size_t n, size_t threads, void (*work)(const TBauteil*), const TBauteil* const* items) {
    std::atomic<size_t> next{0};
    auto run = [&] {
        for (;;) {
            const size_t from = next.fetch_add(kChunk);
            if (from >= n) return;
            const size_t to = std::min(from + kChunk, n);
            for (size_t i = from; i < to; ++i) {
                // What fails here (memory) is left unbuilt; the paint builds it again on the
                // painting thread, where the failure then takes its usual course.
                try {
                    work(items[i]);
                } catch (...) {
                }
            }
        }
    };
    std::vector<std::thread> workers;
    for (size_t t = 1; t < threads; ++t) {
        try {
            workers.emplace_back(run);
        } catch (const std::system_error&) {
            break;  // no more threads: the others take the work
        }
    }
    run();
    for (std::thread& w : workers) w.join();
}

}  // namespace

void PrepareBoundsAhead(std::span<const std::unique_ptr<TBauteil>> elements, size_t threads) {
    std::vector<const TBauteil*> pending;
    for (const auto& e : elements)
        if (e->BoundsPending()) pending.push_back(e.get());
    if (threads == 0) {
        threads = ThreadsFor(pending.size());
        if (threads < 2) return;
    }
    RunOnThreads(
        pending.size(), threads, [](const TBauteil* e) { e->PrepareBounds(); }, pending.data());
}

size_t PreparePaintAhead(const std::vector<const TBauteil*>& elements, size_t threads) {
    std::vector<const TBauteil*> pending;
    for (const TBauteil* e : elements)
        if (e->BeginPreparePaint()) pending.push_back(e);
    RunOnThreads(
        pending.size(), threads > 0 ? threads : ThreadsFor(pending.size()),
        [](const TBauteil* e) { e->PreparePaint(); }, pending.data());
    return pending.size();
}

}  // namespace pw
