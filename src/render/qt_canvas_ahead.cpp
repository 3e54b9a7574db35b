// Deriving the shapes of a paint ahead, on several threads (the derive pass of canvas.h). The
// first pass draws nothing: for every drawing call with a shape cache whose kept pixels no
// longer apply, it records the device points and the drawing state the pixels depend on.
// EndDerivePass derives them on worker threads, which see only these copies (never an element),
// and keeps each in its element's cache, in the order of the calls. The second pass then finds
// them kept and only draws them, so the picture is the one a single pass draws.
#include <QImage>
#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

#include "render/hairline.h"
#include "render/qt_canvas.h"

namespace pw {

struct QtCanvas::DeriveJob {
    enum class Kind : uint8_t { Dot, Line, Polygons, Ellipse };
    Kind kind = Kind::Line;
    ShapeCache* cache = nullptr;
    OwnShapeKey key;
    OwnShapeState state;
    // The device points (and polygon counts) in the pass's pools.
    size_t pointsAt = 0, pointCount = 0, countsAt = 0, polygons = 0;
    double box[4]{};  // an ellipse's box in painter coordinates
    OwnShape shape;   // the result, packed as it is kept
};

struct QtCanvas::DerivePass {
    // The mapping of the last derive pass: painting again under it finds the shapes kept (those
    // cut by another drawable area are derived as they are drawn), and needs none.
    struct View {
        IPoint windowOrg, windowExt, viewportOrg, viewportExt;
        friend bool operator==(const View&, const View&) = default;
    };
    std::optional<View> last;
    std::vector<DeriveJob> jobs;
    std::vector<IPoint> points;
    std::vector<int32_t> counts;
    // The sizes of the last pass's records, to take the room for the next one's at once.
    size_t lastJobs = 0, lastPoints = 0, lastCounts = 0;
    // The canvas state at the start of the pass, put back at its end.
    PenState pen;
    BrushState brush;
    FillMode fillMode = FillMode::Alternate;
    FontSpec font;
    Color textColor = kBlack;
    IPoint position;
};

void QtCanvas::DropPass::operator()(DerivePass* pass) const {
    delete pass;
}

namespace {
// Jobs a thread takes at a time, and the fewest jobs worth a thread of their own.
constexpr size_t kChunk = 16;
constexpr size_t kJobsPerThread = 64;

// The scratch buffers of one deriving thread.
struct DeriveScratch {
    OwnShape derived;
    std::vector<IPoint> line, outline;
    std::vector<int32_t> outlineCounts;
};
}  // namespace

bool QtCanvas::BeginDerivePass() {
    if (deriving_ || deriveThreads_ < 2 || !ownRaster_ || antialiasing_ || !Raster()) return false;
    const QPaintDevice* device = painter_.device();
    if (!device || device->devType() != QInternal::Image) return false;
    // A paint of a small part (the area around a moved element) has few shapes to derive.
    const IRect area = DrawableArea();
    const int64_t covered = int64_t{std::max(area.x2 - area.x1, 0)} * std::max(area.y2 - area.y1, 0);
    const int64_t whole =
        int64_t{std::max(bounds_.x2 - bounds_.x1, 0)} * std::max(bounds_.y2 - bounds_.y1, 0);
    if (covered * 4 < whole) return false;
    if (!pass_) pass_.reset(new DerivePass);
    const DerivePass::View view{WindowOrg(), WindowExt(), ViewportOrg(), ViewportExt()};
    if (pass_->last == view) return false;
    pass_->last = view;
    pass_->jobs.reserve(pass_->lastJobs);
    pass_->points.reserve(pass_->lastPoints);
    pass_->counts.reserve(pass_->lastCounts);
    pass_->pen = Pen();
    pass_->brush = Brush();
    pass_->fillMode = PolyFillMode();
    pass_->font = Font();
    pass_->textColor = TextColor();
    pass_->position = CurrentPosition();
    deriving_ = true;
    return true;
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
        return;
    }
    DerivePass& pass = *pass_;
    job.cache = &cache;
    job.key = CurrentKey(ShapeCall::Polyline, IRect{});
    job.state = ShapeState();
    job.pointsAt = pass.points.size();
    job.pointCount = points_.size();
    pass.points.insert(pass.points.end(), points_.begin(), points_.end());
    pass.jobs.push_back(std::move(job));
}

void QtCanvas::PlanPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache& cache) {
    // The decisions of DrawPolyPolygon, where they end in a kept shape. The outline drawn leaves
    // points out, never adds one: with every point inside the drawable area it fits. (Where only
    // the outline fits, the second pass derives the shape as it comes.)
    if (!CanKeep()) return;
    size_t total = 0;
    for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(std::max(counts[i], 0));
    if (total == 0 || !OwnRasterFits(pts, total)) return;
    DerivePass& pass = *pass_;
    DeriveJob job;
    job.kind = DeriveJob::Kind::Polygons;
    job.cache = &cache;
    job.key = CurrentKey(ShapeCall::PolyPolygon, IRect{});
    job.state = ShapeState();
    job.pointsAt = pass.points.size();
    job.pointCount = total;
    job.countsAt = pass.counts.size();
    job.polygons = polygons;
    pass.points.insert(pass.points.end(), pts, pts + total);
    pass.counts.insert(pass.counts.end(), counts, counts + polygons);
    pass.jobs.push_back(std::move(job));
}

void QtCanvas::PlanEllipse(const IRect& r, ShapeCache& cache) {
    // The decisions of DrawEllipse.
    const bool outlined = Pen().style == PenStyle::Solid;
    const QRectF box = ShapeBox(r, outlined ? 0.5 : 0);
    if (!CanKeep() || !OwnEllipseFits(box)) return;
    DeriveJob job;
    job.kind = DeriveJob::Kind::Ellipse;
    job.cache = &cache;
    job.key = CurrentKey(ShapeCall::Ellipse, r);
    job.state = ShapeState();
    job.box[0] = box.x();
    job.box[1] = box.y();
    job.box[2] = box.width();
    job.box[3] = box.height();
    pass_->jobs.push_back(std::move(job));
}

namespace {
// Derives one shape as the drawing calls of QtCanvas do, from the recorded copies alone.
template <class Job>
void Derive(const std::vector<IPoint>& points, const std::vector<int32_t>& counts, Job& job,
            DeriveScratch& s) {
    using Kind = typename Job::Kind;
    s.derived.Clear();
    const IPoint* pts = points.data() + job.pointsAt;
    switch (job.kind) {
        case Kind::Dot:
            s.derived.outlinePixels.push_back(pts[0]);
            break;
        case Kind::Line:
            s.line.assign(pts, pts + job.pointCount);
            if (job.state.runs) {
                SimplifyOutline(s.line);
                AddWideStroke(s.line.data(), s.line.size(), false, job.state.penWidth, job.state.area,
                              s.derived.outlineRuns);
            } else {
                Hairline(s.derived.outlinePixels, job.state.area)
                    .PointArray(s.line.data(), s.line.size(), false);
            }
            break;
        case Kind::Polygons: {
            s.outline.clear();
            s.outlineCounts.clear();
            size_t at = 0;
            for (size_t i = 0; i < job.polygons; ++i) {
                const int32_t count = std::max(counts[job.countsAt + i], 0);
                if (count > 0) {
                    DistinctPoints(pts + at, static_cast<size_t>(count), s.line);
                    if (job.state.runs) SimplifyOutline(s.line);
                    s.outline.insert(s.outline.end(), s.line.begin(), s.line.end());
                    s.outlineCounts.push_back(static_cast<int32_t>(s.line.size()));
                }
                at += static_cast<size_t>(count);
            }
            DeriveOwnPolygons(s.outline.data(), s.outlineCounts.data(), s.outlineCounts.size(),
                              job.polygons == 1, job.state, s.derived);
            break;
        }
        case Kind::Ellipse:
            DeriveOwnEllipse(job.box[0], job.box[1], job.box[2], job.box[3], job.state, s.derived);
            break;
    }
    PackShape(s.derived, job.shape);
}
}  // namespace

void QtCanvas::EndDerivePass() {
    if (!deriving_) return;
    deriving_ = false;
    DerivePass& pass = *pass_;
    std::atomic<size_t> next{0};
    auto work = [&pass, &next] {
        DeriveScratch scratch;
        for (;;) {
            const size_t from = next.fetch_add(kChunk);
            if (from >= pass.jobs.size()) return;
            const size_t to = std::min(from + kChunk, pass.jobs.size());
            for (size_t i = from; i < to; ++i) Derive(pass.points, pass.counts, pass.jobs[i], scratch);
        }
    };
    const size_t threads =
        std::min(static_cast<size_t>(deriveThreads_), pass.jobs.size() / kJobsPerThread + 1);
    std::vector<std::thread> workers;
    for (size_t t = 1; t < threads; ++t) {
        try {
            workers.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // no more threads: the others take the work
        }
    }
    work();
    for (std::thread& w : workers) w.join();

    for (DeriveJob& job : pass.jobs) {
        KeptShape* kept = KeptIn(*job.cache);
        if (!kept) {
            auto made = std::make_unique<KeptShape>();
            kept = made.get();
            job.cache->Keep(std::move(made));
        }
        kept->Keep(job.key, std::move(job.shape));
    }
    // The records are as large as the picture's shapes; they are not held between paints.
    pass.lastJobs = pass.jobs.size();
    pass.lastPoints = pass.points.size();
    pass.lastCounts = pass.counts.size();
    pass.jobs = {};
    pass.points = {};
    pass.counts = {};

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
