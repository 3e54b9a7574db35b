// Deriving the shapes of a paint ahead, on several threads (the derive pass of canvas.h). The
// first pass draws nothing: for every drawing call with a shape cache whose kept pixels no
// longer apply, it records the device points and the drawing state the pixels depend on, in
// batches. Worker threads derive each batch as soon as it is full, while the pass goes on; they
// see only these copies (never an element), and reuse the buffers of the shape kept before.
// EndDerivePass derives the rest on every thread and keeps each shape in its element's cache, in
// the order of the calls. The second pass then finds them kept and only draws them, so the
// picture is the one a single pass draws.
#include <QImage>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include "render/hairline.h"
#include "render/qt_canvas.h"

namespace pw {

struct QtCanvas::DeriveJob {
    // The last three are drawn by the painter on a mask (shape_mask.h).
    enum class Kind : uint8_t { Dot, Line, Polygons, Ellipse, MaskLine, MaskPolygons, MaskEllipse };
    Kind kind = Kind::Line;
    bool single = false;  // polygons: one polygon, outlined as a point array
    ShapeCache* cache = nullptr;
    // The cache's kept shape, whose buffers the result reuses; then the result.
    std::unique_ptr<KeptShape> kept;
    OwnShapeKey key;
    OwnShapeState state;
    // The device points in the batch's pool, without repeated ones; for polygons, the counts of
    // those that have points.
    size_t pointsAt = 0, pointCount = 0, countsAt = 0, polygons = 0;
    double box[4]{};  // an ellipse's box in painter coordinates
    size_t maskAt = 0;  // on the mask: its drawing in the batch's pool
};

namespace {
// Records are cut into batches, which worker threads take while the first pass goes on.
constexpr size_t kBatchJobs = 256;
constexpr size_t kBatchPoints = 16384;

// The scratch buffers of one deriving thread, and its mask.
struct DeriveScratch {
    OwnShape derived;
    std::vector<IPoint> line, outline;
    std::vector<int32_t> outlineCounts;
    std::unique_ptr<ShapeMask> mask;
};

ShapeMask& Mask(DeriveScratch& s) {
    if (!s.mask) s.mask = std::make_unique<ShapeMask>();
    return *s.mask;
}
}  // namespace

struct QtCanvas::DeriveBatch {
    std::vector<DeriveJob> jobs;
    std::vector<IPoint> points;
    std::vector<int32_t> counts;
    std::vector<MaskDrawing> masks;
    bool done = false;  // every job derived (under the pass's mutex)
};

struct QtCanvas::DerivePass {
    // The mapping of the last derive pass: painting again under it finds the shapes kept (those
    // cut by another drawable area are derived as they are drawn), and needs none.
    struct View {
        IPoint windowOrg, windowExt, viewportOrg, viewportExt;
        friend bool operator==(const View&, const View&) = default;
    };
    std::optional<View> last;
    // The mapping shapes were last derived ahead for, until the next paint.
    std::optional<View> ahead;
    // The batch being recorded, and those handed to the threads, in the order of the calls.
    std::unique_ptr<DeriveBatch> open;
    std::vector<std::unique_ptr<DeriveBatch>> batches;
    // Guards batches, taken, derived, each batch's done and closing while workers run.
    std::mutex mutex;
    std::condition_variable wake, finished;
    size_t taken = 0, derived = 0;
    bool closing = false;
    // While the second pass runs: the next job to keep (painting thread only).
    size_t keepBatch = 0, keepJob = 0;
    std::vector<std::thread> workers;
    // The masks of threads that drew shapes on one, for the next threads (under the mutex).
    std::vector<std::unique_ptr<ShapeMask>> masks;
    // The canvas state at the start of the pass, put back at its end.
    PenState pen;
    BrushState brush;
    FillMode fillMode = FillMode::Alternate;
    FontSpec font;
    Color textColor = kBlack;
    IPoint position;

    ~DerivePass() { Finish(); }
    // Hands the open batch to the threads, starting them with the first one.
    void Publish(int threads);
    // Derives batches until none is left to take; with wait, also until all taken ones are done.
    void Work(bool wait);
    // Takes the next batch and derives it; the lock is held on entry and on return.
    void DeriveNext(std::unique_lock<std::mutex>& lock, DeriveScratch& scratch);
    // Derives what is left with every thread and stops the workers.
    void Finish();
    // Drops the records: they are not held between paints.
    void Clear();
    // Hands the last batch to the threads and lets them stop when all are taken.
    void Close();
    // Returns once batch k is derived, deriving batches not yet taken meanwhile.
    void WaitFor(size_t k);
};

void QtCanvas::DropPass::operator()(DerivePass* pass) const {
    delete pass;
}

namespace {
// Derives one shape as the drawing calls of QtCanvas do, from the recorded copies alone, into
// the job's kept shape.
template <class Job>
void Derive(const IPoint* points, const int32_t* counts, const MaskDrawing* masks, Job& job,
            DeriveScratch& s) {
    using Kind = typename Job::Kind;
    s.derived.Clear();
    const IPoint* pts = points + job.pointsAt;
    switch (job.kind) {
        case Kind::Dot:
            s.derived.outlinePixels.push_back(pts[0]);
            break;
        case Kind::Line:
            if (job.state.runs) {
                s.line.assign(pts, pts + job.pointCount);
                SimplifyOutline(s.line);
                AddWideStroke(s.line.data(), s.line.size(), false, job.state.penWidth, job.state.area,
                              s.derived.outlineRuns);
            } else {
                Hairline(s.derived.outlinePixels, job.state.area).PointArray(pts, job.pointCount, false);
            }
            break;
        case Kind::Polygons: {
            const int32_t* polygonCounts = counts + job.countsAt;
            if (!job.state.runs) {
                DeriveOwnPolygons(pts, polygonCounts, job.polygons, job.single, job.state, s.derived);
                break;
            }
            DrawnOutlines(pts, polygonCounts, job.polygons, true, s.line, s.outline, s.outlineCounts);
            DeriveOwnPolygons(s.outline.data(), s.outlineCounts.data(), s.outlineCounts.size(), job.single,
                              job.state, s.derived);
            break;
        }
        case Kind::Ellipse:
            DeriveOwnEllipse(job.box[0], job.box[1], job.box[2], job.box[3], job.state, s.derived);
            break;
        // On the thread's mask, as the drawing calls of QtCanvas draw there.
        case Kind::MaskLine:
            Mask(s).Line(masks[job.maskAt], pts, job.pointCount, s.derived);
            break;
        case Kind::MaskPolygons:
            Mask(s).Polygons(masks[job.maskAt], pts, counts + job.countsAt, job.polygons, job.single,
                             s.derived);
            break;
        case Kind::MaskEllipse:
            Mask(s).Ellipse(masks[job.maskAt], QRectF(job.box[0], job.box[1], job.box[2], job.box[3]),
                            s.derived);
            break;
    }
    if (!job.kept) job.kept = std::make_unique<KeptShape>();
    // Too large to keep: the slot comes out empty, and the second pass draws it as it comes.
    if (!job.kept->Keep(job.key, s.derived)) {
        job.kept.reset();
        return;
    }
    // What the painter drew follows its floating point: it stays where it was drawn.
    if (job.kind >= Kind::MaskLine) job.kept->movable = false;
}
}  // namespace

void QtCanvas::DerivePass::Publish(int threads) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        batches.push_back(std::move(open));
    }
    wake.notify_one();
    // The first batch shows that the paint has shapes enough to share.
    while (workers.size() + 1 < static_cast<size_t>(threads)) {
        try {
            workers.emplace_back([this] { Work(false); });
        } catch (const std::system_error&) {
            break;  // no more threads: the others take the work
        }
    }
}

void QtCanvas::DerivePass::DeriveNext(std::unique_lock<std::mutex>& lock, DeriveScratch& scratch) {
    DeriveBatch& batch = *batches[taken++];
    lock.unlock();
    // A shape that fails (memory) is not kept: its slot comes out empty, and the second pass
    // derives it as it draws, where the failure takes its usual course.
    for (size_t i = 0; i < batch.jobs.size();) {
        try {
            for (; i < batch.jobs.size(); ++i)
                Derive(batch.points.data(), batch.counts.data(), batch.masks.data(), batch.jobs[i], scratch);
        } catch (...) {
            batch.jobs[i++].kept.reset();
        }
    }
    batch.points = {};
    batch.counts = {};
    batch.masks = {};
    lock.lock();
    batch.done = true;
    ++derived;
    // The painting thread may wait for this very batch.
    finished.notify_all();
}

void QtCanvas::DerivePass::Work(bool wait) {
    DeriveScratch scratch;
    std::unique_lock<std::mutex> lock(mutex);
    // A mask that took shapes in an earlier pass has its pages already.
    if (!masks.empty()) {
        scratch.mask = std::move(masks.back());
        masks.pop_back();
    }
    for (;;) {
        if (!wait) wake.wait(lock, [this] { return taken < batches.size() || closing; });
        if (taken >= batches.size()) break;
        DeriveNext(lock, scratch);
    }
    if (scratch.mask) masks.push_back(std::move(scratch.mask));
    if (wait) finished.wait(lock, [this] { return derived == batches.size(); });
}

void QtCanvas::DerivePass::Close() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (open && !open->jobs.empty()) batches.push_back(std::move(open));
        closing = true;
    }
    wake.notify_all();
}

void QtCanvas::DerivePass::Finish() {
    Close();
    Work(true);
    for (std::thread& w : workers) w.join();
    workers.clear();
    closing = false;
}

void QtCanvas::DerivePass::Clear() {
    batches.clear();
    batches.shrink_to_fit();
    taken = derived = 0;
}

void QtCanvas::DerivePass::WaitFor(size_t k) {
    std::unique_lock<std::mutex> lock(mutex);
    while (!batches[k]->done) {
        // A batch nobody has taken yet (this one, or a later one while a worker has this) is
        // derived here rather than waited for.
        if (taken < batches.size()) {
            thread_local DeriveScratch scratch;
            DeriveNext(lock, scratch);
        } else {
            finished.wait(lock);
        }
    }
}

QtCanvas::DeriveBatch& QtCanvas::OpenBatch() {
    DerivePass& pass = *pass_;
    if (pass.open && (pass.open->jobs.size() >= kBatchJobs || pass.open->points.size() >= kBatchPoints))
        pass.Publish(deriveThreads_);
    if (!pass.open) {
        pass.open = std::make_unique<DeriveBatch>();
        pass.open->jobs.reserve(kBatchJobs);
    }
    return *pass.open;
}

size_t QtCanvas::AddMaskJob(DeriveBatch& batch, bool fill, bool outline, int32_t runsWidth) {
    batch.masks.push_back(MaskDrawingOf(fill, outline, runsWidth));
    return batch.masks.size() - 1;
}

std::unique_ptr<KeptShape> QtCanvas::TakeKept(ShapeCache& cache) {
    if (!KeptIn(cache)) return nullptr;
    return std::unique_ptr<KeptShape>(static_cast<KeptShape*>(cache.Take().release()));
}

bool QtCanvas::PaintsMostOfDevice() const {
    const IRect area = DrawableArea();
    const int64_t covered = int64_t{std::max(area.x2 - area.x1, 0)} * std::max(area.y2 - area.y1, 0);
    const int64_t whole =
        int64_t{std::max(bounds_.x2 - bounds_.x1, 0)} * std::max(bounds_.y2 - bounds_.y1, 0);
    return covered * 4 >= whole;
}

bool QtCanvas::DerivesOnImage() const {
    const QPaintDevice* device = painter_.device();
    return ownRaster_ && !antialiasing_ && Raster() && device && device->devType() == QInternal::Image;
}

bool QtCanvas::BeginDerivePass() {
    if (draining_) {
        // The last paint never ended (it threw): its slots may be gone, so nothing is kept. A
        // mark left in a slot is dropped when the slot is next drawn through.
        pass_->Finish();
        pass_->Clear();
        draining_ = false;
    }
    const bool expectNew = std::exchange(expectNew_, false);
    if (deriving_ || deriveThreads_ < 2 || !DerivesOnImage() || !PaintsMostOfDevice()) return false;
    if (!pass_) pass_.reset(new DerivePass);
    const DerivePass::View view{WindowOrg(), WindowExt(), ViewportOrg(), ViewportExt()};
    // Under the mapping derived ahead for, the shapes are kept (as spares) already.
    const bool derivedAhead = std::exchange(pass_->ahead, std::nullopt) == view;
    if ((pass_->last == view || derivedAhead) && !expectNew) {
        pass_->last = view;
        return false;
    }
    pass_->last = view;
    SaveStateForPass();
    deriving_ = true;
    freshView_ = true;
    return true;
}

void QtCanvas::SaveStateForPass() {
    pass_->pen = Pen();
    pass_->brush = Brush();
    pass_->fillMode = PolyFillMode();
    pass_->font = Font();
    pass_->textColor = TextColor();
    pass_->position = CurrentPosition();
}

bool QtCanvas::BeginDeriveAhead() {
    if (deriving_ || draining_ || behind_ || !DerivesOnImage()) return false;
    if (!pass_) pass_.reset(new DerivePass);
    pass_->ahead.reset();
    SaveStateForPass();
    deriving_ = ahead_ = true;
    return true;
}

void QtCanvas::EndDeriveAhead() {
    if (!deriving_ || !ahead_) return;
    deriving_ = ahead_ = false;
    DerivePass& pass = *pass_;
    pass.Finish();
    // Each shape as the spare of its slot, in the order of the calls (a slot drawn through
    // twice keeps the later one).
    for (const std::unique_ptr<DeriveBatch>& batch : pass.batches)
        for (DeriveJob& job : batch->jobs)
            if (job.kept) KeepAsSpare(*job.cache, std::move(job.kept));
    pass.Clear();
    RestoreState();
    pass.ahead = DerivePass::View{WindowOrg(), WindowExt(), ViewportOrg(), ViewportExt()};
}

void QtCanvas::PlanPolyline(const IPoint* pts, size_t n, ShapeCache& cache) {
    // The decisions of DrawPolyline, where they end in a kept shape.
    if (n < 2 || Pen().style == PenStyle::Clear || !CanKeep()) return;
    DistinctPoints(pts, n, points_);
    DeriveJob job;
    if (points_.size() < 2 && (!LineHasLength() || !StrokeAsRuns())) {
        if (!LineHasLength() || Pen().width > 0 || !OwnRasterFits(points_)) return;
        job.kind = DeriveJob::Kind::Dot;
    } else if (!StrokeAsRuns() && !(Pen().width <= 0 && OwnRasterFits(points_))) {
        // A line the painter draws goes through the mask where the second pass would send it
        // there, on the deriving threads.
        if (!MaskFits(&cache)) return;
        if (WidePenOnRaster()) SimplifyOutline(points_);
        if (UncutWaits() && PointsInside(points_.data(), points_.size())) return;
        job.kind = DeriveJob::Kind::MaskLine;
    }
    DeriveBatch& batch = OpenBatch();
    if (job.kind == DeriveJob::Kind::MaskLine) job.maskAt = AddMaskJob(batch, false, true, 0);
    job.pointsAt = batch.points.size();
    job.pointCount = points_.size();
    batch.points.insert(batch.points.end(), points_.begin(), points_.end());
    Record(batch, std::move(job), ShapeCall::Polyline, IRect{}, cache);
}

void QtCanvas::Record(DeriveBatch& batch, DeriveJob&& job, ShapeCall call, const IRect& box,
                      ShapeCache& cache) {
    job.cache = &cache;
    // Deriving ahead, the slot's own shape stays for the present paint; the spare's buffers are
    // reused.
    job.kept = ahead_ ? TakeSpare(cache) : TakeKept(cache);
    job.key = CurrentKey(call, box);
    job.state = ShapeState();
    batch.jobs.push_back(std::move(job));
    if (!ahead_) cache.MarkPending();
}

void QtCanvas::PlanPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache& cache) {
    // The decisions of DrawPolyPolygon, where they end in a kept shape. The outline drawn leaves
    // points out, never adds one: with every point inside the drawable area it fits. The points are
    // recorded as drawn, without those that repeat their predecessor. Polygons the painter draws
    // go through the mask where the second pass would send them there, on the deriving threads:
    // with their outlines as DrawPolyPolygon hands them to the painter.
    if (!CanKeep()) return;
    size_t total = 0;
    for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(std::max(counts[i], 0));
    if (total == 0) return;
    // OwnRasterFits without points checks the pen; the points are checked as they are copied.
    if (!OwnRasterFits(pts, 0)) {
        PlanPolygonsThroughMask(pts, counts, polygons, total, cache);
        return;
    }
    DeriveBatch& batch = OpenBatch();
    const size_t pointsAt = batch.points.size(), countsAt = batch.counts.size();
    std::vector<IPoint>& out = batch.points;
    if (out.capacity() < pointsAt + total) out.reserve(std::max(pointsAt + total, 2 * out.capacity()));
    // The box of the points, to see at once whether they all lie inside the drawable area.
    IPoint low = pts[0], high = pts[0];
    for (size_t i = 0, at = 0; i < polygons; ++i) {
        const size_t count = static_cast<size_t>(std::max(counts[i], 0));
        if (count == 0) continue;
        // Every point is written, and the end moves on past those that differ from their
        // predecessor: no branch on the points, whose repeats follow no pattern.
        const size_t from = out.size();
        out.resize(from + count);
        IPoint* dst = out.data() + from;
        IPoint last = pts[at];
        dst[0] = last;
        size_t n = 1;
        for (size_t k = at + 1; k < at + count; ++k) {
            const IPoint p = pts[k];
            dst[n] = p;
            n += static_cast<size_t>(((p.x ^ last.x) | (p.y ^ last.y)) != 0);
            last = p;
            low.x = std::min(low.x, p.x);
            low.y = std::min(low.y, p.y);
            high.x = std::max(high.x, p.x);
            high.y = std::max(high.y, p.y);
        }
        low.x = std::min(low.x, pts[at].x);
        low.y = std::min(low.y, pts[at].y);
        high.x = std::max(high.x, pts[at].x);
        high.y = std::max(high.y, pts[at].y);
        out.resize(from + n);
        batch.counts.push_back(static_cast<int32_t>(n));
        at += count;
    }
    const IRect area = DrawableArea();
    if (!area.Contains(low) || !area.Contains(high)) {
        out.resize(pointsAt);
        batch.counts.resize(countsAt);
        PlanPolygonsThroughMask(pts, counts, polygons, total, cache);
        return;
    }
    DeriveJob job;
    job.kind = DeriveJob::Kind::Polygons;
    job.single = polygons == 1;
    job.pointsAt = pointsAt;
    job.pointCount = batch.points.size() - pointsAt;
    job.countsAt = countsAt;
    job.polygons = batch.counts.size() - countsAt;
    Record(batch, std::move(job), ShapeCall::PolyPolygon, IRect{}, cache);
}

void QtCanvas::PlanPolygonsThroughMask(const IPoint* pts, const int32_t* counts, size_t polygons,
                                       size_t total, ShapeCache& cache) {
    // As DrawPolyPolygon decides, on the outlines as drawn (where those fit the canvas's own
    // raster, the second pass derives them as they come). Those are some of the points: where
    // all points lie inside, so do they.
    if (!MaskFits(&cache) || (UncutWaits() && PointsInside(pts, total))) return;
    DrawnOutlines(pts, counts, polygons, WidePenOnRaster(), points_, outlinePoints_, outlineCounts_);
    if (outlineCounts_.empty() || OwnRasterFits(outlinePoints_) ||
        (UncutWaits() && PointsInside(outlinePoints_.data(), outlinePoints_.size())))
        return;
    DeriveBatch& batch = OpenBatch();
    DeriveJob job;
    job.kind = DeriveJob::Kind::MaskPolygons;
    job.single = polygons == 1;
    job.pointsAt = batch.points.size();
    job.pointCount = outlinePoints_.size();
    job.countsAt = batch.counts.size();
    job.polygons = outlineCounts_.size();
    batch.points.insert(batch.points.end(), outlinePoints_.begin(), outlinePoints_.end());
    batch.counts.insert(batch.counts.end(), outlineCounts_.begin(), outlineCounts_.end());
    const bool runs = StrokeAsRuns();
    job.maskAt = AddMaskJob(batch, Brush().style != bsClear, !runs, runs ? DevicePenWidth() : 0);
    Record(batch, std::move(job), ShapeCall::PolyPolygon, IRect{}, cache);
}

void QtCanvas::PlanEllipse(const IRect& r, ShapeCache& cache) {
    // The decisions of DrawEllipse.
    const bool outlined = Pen().style == PenStyle::Solid;
    const QRectF box = ShapeBox(r, outlined ? 0.5 : 0);
    if (!CanKeep()) return;
    DeriveJob job;
    job.kind = DeriveJob::Kind::Ellipse;
    if (!OwnEllipseFits(box)) {
        // Through the mask where the second pass would send it there, on the deriving threads.
        if (!MaskFits(&cache) || (UncutWaits() && !NearEdge(box))) return;
        job.kind = DeriveJob::Kind::MaskEllipse;
    }
    job.box[0] = box.x();
    job.box[1] = box.y();
    job.box[2] = box.width();
    job.box[3] = box.height();
    DeriveBatch& batch = OpenBatch();
    if (job.kind == DeriveJob::Kind::MaskEllipse)
        job.maskAt = AddMaskJob(batch, Brush().style != bsClear, true, 0);
    Record(batch, std::move(job), ShapeCall::Ellipse, r, cache);
}

void QtCanvas::EndDerivePass() {
    if (!deriving_) return;
    deriving_ = false;
    DerivePass& pass = *pass_;
    pass.Finish();
    // Each shape into its element's cache, in the order of the calls (a cache drawn through
    // twice keeps the later shape, as in a single pass).
    for (const std::unique_ptr<DeriveBatch>& batch : pass.batches)
        for (DeriveJob& job : batch->jobs) job.cache->Keep(std::move(job.kept));
    pass.Clear();
    RestoreState();
}

void QtCanvas::EndDerivePassDrawingBehind() {
    if (!deriving_) {
        BeginDrawBehind();
        return;
    }
    deriving_ = false;
    draining_ = true;
    pass_->Close();
    pass_->keepBatch = pass_->keepJob = 0;
    RestoreState();
    BeginDrawBehind();
}

void QtCanvas::KeepDerived(const ShapeCache* upTo) {
    DerivePass& pass = *pass_;
    // In the order of the calls, as EndDerivePass keeps them. A slot that has a shape again
    // (kept by an earlier job for it, or derived as the second pass drew through it) keeps that
    // one: it may be handed to the drawing thread already.
    const auto wanted = [upTo] { return !upTo || upTo->Pending(); };
    while (pass.keepBatch < pass.batches.size() && wanted()) {
        pass.WaitFor(pass.keepBatch);
        DeriveBatch& batch = *pass.batches[pass.keepBatch];
        while (pass.keepJob < batch.jobs.size() && wanted()) {
            DeriveJob& job = batch.jobs[pass.keepJob++];
            if (job.cache->Pending()) job.cache->Keep(std::move(job.kept));
        }
        if (pass.keepJob == batch.jobs.size()) {
            batch.jobs = std::vector<DeriveJob>();
            ++pass.keepBatch;
            pass.keepJob = 0;
        }
    }
}

void QtCanvas::KeepAllDerived() {
    if (!draining_) return;
    KeepDerived(nullptr);
    pass_->Finish();
    pass_->Clear();
    draining_ = false;
}

void QtCanvas::RestoreState() {
    const DerivePass& pass = *pass_;
    SetPenWidth(pass.pen.width);
    SetPenColor(pass.pen.color);
    SetPenStyle(pass.pen.style);
    SetPenMode(pass.pen.mode);
    SetBrushColor(pass.brush.color);
    SetBrushStyle(pass.brush.style);
    SetPolyFillMode(pass.fillMode);
    SetFont(pass.font);
    SetTextColor(pass.textColor);
    MoveTo(pass.position);
}

}  // namespace pw
