#include "panel/prepare_ahead.h"

#include <algorithm>
#include <atomic>
#include <functional>
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

// Items to build, on several threads: a list that grows while the threads already take from it
// (up to `ready`, all of it once `complete`), each item taken by one thread.
struct Shared {
    const TBauteil* const* items = nullptr;
    void (*work)(const TBauteil*) = nullptr;
    std::atomic<size_t> next{0}, ready{0};
    std::atomic<bool> complete{false}, failed{false};

    // Takes chunks until the list is complete and taken.
    void Run() {
        for (;;) {
            const size_t from = next.fetch_add(kChunk);
            size_t to = from + kChunk;
            // Waits while the chunk is still being listed; the list grows fast.
            while (to > ready.load(std::memory_order_acquire) && !complete.load(std::memory_order_acquire))
                std::this_thread::yield();
            to = std::min(to, ready.load(std::memory_order_acquire));
            if (from >= to) return;
            for (size_t i = from; i < to; ++i) {
                // What fails here (memory) is left unbuilt; the paint builds it again on the
                // painting thread, where the failure then takes its usual course.
                try {
                    work(items[i]);
                } catch (...) {
                    failed.store(true, std::memory_order_relaxed);
                }
            }
        }
    }
};

// Starts threads - 1 threads on the shared list; the caller runs it too and then Join.
std::vector<std::thread> Start(Shared& shared, size_t threads) {
    std::vector<std::thread> workers;
    for (size_t t = 1; t < threads; ++t) {
        try {
            workers.emplace_back([&shared] { shared.Run(); });
        } catch (const std::system_error&) {
            break;  // no more threads: the others take the work
        }
    }
    return workers;
}

void Join(std::vector<std::thread>& workers) {
    for (std::thread& w : workers) w.join();
}

}  // namespace

bool PrepareBoundsAhead(std::span<const std::unique_ptr<TBauteil>> elements, size_t threads) {
    std::vector<const TBauteil*> pending;
    for (const auto& e : elements)
        if (e->BoundsPending()) pending.push_back(e.get());
    if (threads == 0) {
        threads = ThreadsFor(pending.size());
        if (threads < 2) return pending.empty();
    }
    Shared shared;
    shared.items = pending.data();
    shared.work = [](const TBauteil* e) { e->PrepareBounds(); };
    shared.ready = pending.size();
    shared.complete = true;
    std::vector<std::thread> workers = Start(shared, threads);
    shared.Run();
    Join(workers);
    return !shared.failed;
}

size_t PreparePaintAhead(const std::vector<const TBauteil*>& elements, size_t threads,
                         const std::function<void()>& alongside) {
    // The threads start on the first elements while this one still asks the others what they
    // need; the list is never longer than the elements, so it never moves.
    std::vector<const TBauteil*> pending(elements.size());
    Shared shared;
    shared.items = pending.data();
    shared.work = [](const TBauteil* e) { e->PreparePaint(); };
    // Threads of their own only once enough elements have something to build.
    std::vector<std::thread> workers;
    if (threads > 0) workers = Start(shared, threads);
    size_t count = 0;
    try {
        for (const TBauteil* e : elements) {
            if (!e->BeginPreparePaint()) continue;
            pending[count++] = e;
            if (count % kChunk == 0) shared.ready.store(count, std::memory_order_release);
            if (threads == 0 && count == kPerThread) workers = Start(shared, ThreadsFor(elements.size()));
        }
        shared.ready.store(count, std::memory_order_release);
        shared.complete.store(true, std::memory_order_release);
        if (alongside) alongside();
    } catch (...) {
        // The threads finish what was listed before the failure goes on.
        shared.ready.store(count, std::memory_order_release);
        shared.complete.store(true, std::memory_order_release);
        Join(workers);
        throw;
    }
    shared.Run();
    Join(workers);
    return count;
}

}  // namespace pw
