// Storing kept shapes on threads of their own (the draw-behind of canvas.h). The painting thread
// hands each shape with its colours over and goes on with the next element; each drawing thread
// stores them into one band of the picture's rows, in the order they came. The painting thread
// stores the top band itself as it hands the shapes over: walking the elements costs it less
// than storing all of them costs a drawing thread, and its share of the rows follows how the
// last paints went. Any drawing the canvas does itself waits until the threads have stored
// everything handed to them, so every pixel is written in the order a single thread writes it.
#include <QImage>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "render/qt_canvas.h"

namespace pw {

namespace {
// The share of the picture's rows the painting thread stores itself, learnt from paint to paint:
// it grows when the painting thread waited for the drawing threads longer than they waited for
// shapes, and shrinks the other way round.
std::atomic<int> ownShare{200};  // in thousandths
constexpr int kShareStep = 25, kMaxShare = 750;
using Clock = std::chrono::steady_clock;
// A difference in waiting that moves the share.
constexpr Clock::duration kClearly = std::chrono::microseconds(300);
}  // namespace

struct QtCanvas::DrawBehind {
    // The painting thread stores the top band, each drawing thread one band of the rest.
    DrawBehind(const PixelTarget& target, int threads) : own_(target), rest_(target) {
        const int32_t all = target.bottom - target.top;
        own_.bottom = rest_.top = target.top + static_cast<int32_t>(int64_t{all} * ownShare.load() / 1000);
        const int32_t rows = rest_.bottom - rest_.top;
        const int32_t n = std::clamp(threads, 1, std::max(rows, 1));
        for (int32_t i = 0; i < n; ++i) {
            auto band = std::make_unique<Band>();
            band->target = rest_;
            band->target.top = rest_.top + static_cast<int32_t>(int64_t{rows} * i / n);
            band->target.bottom = rest_.top + static_cast<int32_t>(int64_t{rows} * (i + 1) / n);
            bands_.push_back(std::move(band));
        }
        try {
            for (const std::unique_ptr<Band>& band : bands_)
                band->thread = std::thread([this, b = band.get()] { Run(*b); });
        } catch (...) {
            Stop();
            throw;
        }
    }
    ~DrawBehind() { Stop(); }

    // A kept shape, moved by shift: its pixels lie on rows top to bottom (inclusive), and only
    // the threads whose bands meet them look at it.
    void Add(const KeptShape& kept, const ShapeColours& colours, IPoint shift) {
        const int32_t top = kept.pixels.y1 + shift.y, bottom = kept.pixels.y2 + shift.y;
        if (top < own_.bottom && bottom >= own_.top) StoreKept(kept, colours, own_, shift);
        if (top >= rest_.bottom || bottom < rest_.top) return;
        Batch& b = Local();
        b.items.push_back({&kept, colours, top, bottom, shift});
        if (b.items.size() >= kHandOver) HandOver();
    }
    // A derived shape, as a copy.
    void Add(const OwnShape& shape, const ShapeColours& colours) {
        StoreShape(shape, colours, own_);
        Batch& b = Local();
        b.items.push_back({nullptr, colours, INT32_MIN, INT32_MAX, {0, 0}, b.fill.size(), shape.fill.size(),
                           b.runs.size(), shape.outlineRuns.size(), b.pixels.size(), shape.outlinePixels.size()});
        b.fill.insert(b.fill.end(), shape.fill.begin(), shape.fill.end());
        b.runs.insert(b.runs.end(), shape.outlineRuns.begin(), shape.outlineRuns.end());
        b.pixels.insert(b.pixels.end(), shape.outlinePixels.begin(), shape.outlinePixels.end());
        if (b.items.size() >= kHandOver) HandOver();
    }

    void Settle() {
        std::unique_lock<std::mutex> lock(mutex_);
        // With the threads idle the shapes not yet handed over are stored here, at once: a paint
        // that draws through the painter between a few kept shapes does not wait for a thread
        // to wake up each time.
        if (!Idle()) {
            const Clock::time_point from = Clock::now();
            lock.unlock();
            if (local_ && !local_->items.empty()) HandOver();
            lock.lock();
            idle_.wait(lock, [this] { return Idle(); });
            waited_ += Clock::now() - from;
        }
        lock.unlock();
        if (local_ && !local_->items.empty()) {
            Store(*local_, rest_);
            local_->items.clear();
            local_->fill.clear();
            local_->runs.clear();
            local_->pixels.clear();
        }
    }

  private:
    // Shapes handed over at a time: enough to keep the lock rare, few enough to start early.
    static constexpr size_t kHandOver = 64;

    // A shape to store: a kept one, or one copied into its batch.
    struct Item {
        const KeptShape* kept = nullptr;
        ShapeColours colours;
        int32_t top = 0, bottom = 0;  // its rows, moved
        IPoint shift;                 // how far its pixels are moved
        size_t fillAt = 0, fillCount = 0, runsAt = 0, runsCount = 0, pixelsAt = 0, pixelsCount = 0;
    };
    struct Batch {
        std::vector<Item> items;
        std::vector<PixelRun> fill, runs;
        std::vector<IPoint> pixels;
    };
    struct Band {
        PixelTarget target;
        size_t next = 0;  // the first batch it has not taken
        bool busy = false;
        Clock::duration idle{};  // waiting for shapes after the first ones
        std::thread thread;
    };

    // Whether every thread has stored every batch handed over (under the lock).
    bool Idle() const {
        return std::all_of(bands_.begin(), bands_.end(),
                           [this](const std::unique_ptr<Band>& b) { return b->next == handed_.size() && !b->busy; });
    }

    // The painting thread's batch, not yet handed over.
    Batch& Local() {
        if (!local_) local_ = std::make_unique<Batch>();
        return *local_;
    }

    void HandOver() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            handed_.push_back(std::move(local_));
        }
        wake_.notify_all();
    }

    void Stop() {
        Settle();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        Clock::duration idle{};
        for (const std::unique_ptr<Band>& band : bands_) {
            if (band->thread.joinable()) band->thread.join();
            idle = std::max(idle, band->idle);
        }
        // Whoever waited longer had the smaller share: the painting thread for the drawing
        // threads to finish (before it draws through the painter, and at the end), or a drawing
        // thread for shapes to store.
        if (!handed_.empty()) {
            const int share = ownShare.load();
            if (waited_ > idle + kClearly)
                ownShare.store(std::min(share + kShareStep, kMaxShare));
            else if (idle > waited_ + kClearly)
                ownShare.store(std::max(share - kShareStep, 0));
        }
    }

    static void Store(const Batch& b, const PixelTarget& target) {
        for (const Item& item : b.items) {
            if (item.top >= target.bottom || item.bottom < target.top) continue;
            if (item.kept) {
                StoreKept(*item.kept, item.colours, target, item.shift);
                continue;
            }
            ShapePixels copy;
            copy.fill = std::span<const PixelRun>(b.fill).subspan(item.fillAt, item.fillCount);
            copy.outlineRuns = std::span<const PixelRun>(b.runs).subspan(item.runsAt, item.runsCount);
            copy.outlinePixels = std::span<const IPoint>(b.pixels).subspan(item.pixelsAt, item.pixelsCount);
            StoreShape(copy, item.colours, target, item.shift);
        }
    }

    void Run(Band& band) {
        std::vector<const Batch*> mine;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            // Waiting for the first shapes is no sign of the share; waiting for more is.
            const Clock::time_point from = Clock::now();
            wake_.wait(lock, [&] { return band.next < handed_.size() || stop_; });
            if (band.next == handed_.size()) return;
            if (band.next > 0) band.idle += Clock::now() - from;
            for (; band.next < handed_.size(); ++band.next) mine.push_back(handed_[band.next].get());
            band.busy = true;
            lock.unlock();
            for (const Batch* b : mine) Store(*b, band.target);
            mine.clear();
            lock.lock();
            band.busy = false;
            idle_.notify_all();
        }
    }

    PixelTarget own_, rest_;        // the rows of the painting thread, and those of the others
    Clock::duration waited_{};      // how long the painting thread waited for the drawing threads
    std::unique_ptr<Batch> local_;  // the painting thread's, not yet handed over
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    // Handed over, kept until the end of the paint (each band takes every one of them).
    std::vector<std::unique_ptr<Batch>> handed_;
    std::vector<std::unique_ptr<Band>> bands_;
    bool stop_ = false;
};

void QtCanvas::DropBehind::operator()(DrawBehind* behind) const {
    delete behind;
}

void QtCanvas::BeginDrawBehind() {
    if (behind_ || deriving_ || deriveThreads_ < 2 || !CanKeep()) return;
    if (!PaintsMostOfDevice()) return;
    try {
        // The painting thread keeps one core busy itself.
        behind_.reset(new DrawBehind(Target(), deriveThreads_ - 1));
    } catch (const std::system_error&) {
        // No thread: the shapes are stored as they come.
    }
}

void QtCanvas::SetOwnRowShare(double share) {
    ownShare.store(static_cast<int>(std::lround(std::clamp(share, 0.0, kMaxShare / 1000.0) * 1000)));
}

void QtCanvas::EndDrawBehind() {
    KeepAllDerived();
    behind_.reset();
    retired_.clear();
    freshView_ = false;
}

void QtCanvas::AddBehind(const OwnShape& shape, const ShapeColours& colours) {
    behind_->Add(shape, colours);
}

void QtCanvas::AddBehind(const KeptShape& kept, const ShapeColours& colours, IPoint shift) {
    behind_->Add(kept, colours, shift);
}

void QtCanvas::SettleBehind() {
    if (behind_) behind_->Settle();
}

}  // namespace pw
