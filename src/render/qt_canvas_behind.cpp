// Storing kept shapes on a thread of their own (the draw-behind of canvas.h). The painting
// thread hands each kept shape with its colours over and goes on with the next element; the
// drawing thread stores them into the picture in the order they came. Any drawing the canvas
// does itself waits until the thread has stored everything handed to it, so every pixel is
// written in the order a single thread writes it.
#include <QImage>
#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "render/qt_canvas.h"

namespace pw {

struct QtCanvas::DrawBehind {
    explicit DrawBehind(const PixelTarget& target) : target_(target), worker_([this] { Run(); }) {}
    ~DrawBehind() {
        Settle();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    void Add(const OwnShape& shape, const ShapeColours& colours, bool copy) {
        if (!local_) local_ = TakeBatch();
        Batch& b = *local_;
        if (copy) {
            b.items.push_back({nullptr, colours, b.fill.size(), shape.fill.size(), b.runs.size(),
                               shape.outlineRuns.size(), b.pixels.size(), shape.outlinePixels.size()});
            b.fill.insert(b.fill.end(), shape.fill.begin(), shape.fill.end());
            b.runs.insert(b.runs.end(), shape.outlineRuns.begin(), shape.outlineRuns.end());
            b.pixels.insert(b.pixels.end(), shape.outlinePixels.begin(), shape.outlinePixels.end());
        } else {
            b.items.push_back({&shape, colours});
        }
        if (b.items.size() >= kHandOver) HandOver();
    }

    void Settle() {
        if (local_ && !local_->items.empty()) HandOver();
        std::unique_lock<std::mutex> lock(mutex_);
        idle_.wait(lock, [this] { return handed_.empty() && !busy_; });
    }

  private:
    // Shapes handed over at a time: enough to keep the lock rare, few enough to start early.
    static constexpr size_t kHandOver = 64;

    // A shape to store: a kept one, or one copied into its batch.
    struct Item {
        const OwnShape* kept = nullptr;
        ShapeColours colours;
        size_t fillAt = 0, fillCount = 0, runsAt = 0, runsCount = 0, pixelsAt = 0, pixelsCount = 0;
    };
    struct Batch {
        std::vector<Item> items;
        std::vector<PixelRun> fill, runs;
        std::vector<IPoint> pixels;
    };

    std::unique_ptr<Batch> TakeBatch() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (spare_.empty()) return std::make_unique<Batch>();
        std::unique_ptr<Batch> b = std::move(spare_.back());
        spare_.pop_back();
        return b;
    }

    void HandOver() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            handed_.push_back(std::move(local_));
        }
        wake_.notify_one();
    }

    void Store(const Batch& b) const {
        for (const Item& item : b.items) {
            if (item.kept) {
                StoreShape(*item.kept, item.colours, target_);
                continue;
            }
            ShapePixels copy;
            copy.fill = std::span<const PixelRun>(b.fill).subspan(item.fillAt, item.fillCount);
            copy.outlineRuns = std::span<const PixelRun>(b.runs).subspan(item.runsAt, item.runsCount);
            copy.outlinePixels = std::span<const IPoint>(b.pixels).subspan(item.pixelsAt, item.pixelsCount);
            StoreShape(copy, item.colours, target_);
        }
    }

    void Run() {
        std::vector<std::unique_ptr<Batch>> mine;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return !handed_.empty() || stop_; });
            if (handed_.empty()) return;
            mine.swap(handed_);
            busy_ = true;
            lock.unlock();
            for (const std::unique_ptr<Batch>& b : mine) {
                Store(*b);
                b->items.clear();
                b->fill.clear();
                b->runs.clear();
                b->pixels.clear();
            }
            lock.lock();
            for (std::unique_ptr<Batch>& b : mine) spare_.push_back(std::move(b));
            mine.clear();
            busy_ = false;
            if (handed_.empty()) idle_.notify_all();
        }
    }

    const PixelTarget target_;
    std::unique_ptr<Batch> local_;  // the painting thread's, not yet handed over
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::vector<std::unique_ptr<Batch>> handed_, spare_;  // handed over, not yet taken; stored
    bool busy_ = false, stop_ = false;
    std::thread worker_;  // last: it starts with everything above in place
};

void QtCanvas::DropBehind::operator()(DrawBehind* behind) const {
    delete behind;
}

void QtCanvas::BeginDrawBehind() {
    if (behind_ || deriving_ || deriveThreads_ < 2 || !CanKeep()) return;
    if (!PaintsMostOfDevice()) return;
    try {
        behind_.reset(new DrawBehind(Target()));
    } catch (const std::system_error&) {
        // No thread: the shapes are stored as they come.
    }
}

void QtCanvas::EndDrawBehind() {
    behind_.reset();
}

void QtCanvas::AddBehind(const OwnShape& shape, const ShapeColours& colours, bool copy) {
    behind_->Add(shape, colours, copy);
}

void QtCanvas::SettleBehind() {
    if (behind_) behind_->Settle();
}

}  // namespace pw
