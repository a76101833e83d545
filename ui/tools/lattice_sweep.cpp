#include "ui/tools/lattice_sweep.h"

#include <chrono>
#include <functional>
#include <new>
#include <span>

namespace ui {
namespace {

using Point = LatticeSweep::Point;

// Batches come about once a frame: each one redraws the plot.
constexpr std::chrono::milliseconds kBatchInterval{16};

// Every index below `count` once: both ends, then the middles of ever finer
// halvings, so that each batch spreads over the whole range.
std::vector<std::size_t> CoarseFirst(std::size_t count) {
  std::vector<std::size_t> order;
  if (count == 0) return order;
  order.reserve(count);
  std::vector<bool> taken(count);
  taken[count - 1] = true;
  order.push_back(count - 1);
  std::size_t stride = 1;
  while (stride * 2 < count) stride *= 2;
  for (; stride > 0; stride /= 2) {
    for (std::size_t i = 0; i < count; i += stride) {
      if (taken[i]) continue;
      taken[i] = true;
      order.push_back(i);
    }
  }
  return order;
}

std::optional<double> NeutralPointAt(const calc::LoadedState& state, std::span<const calc::SweptField> swept,
                                     std::size_t index, const aero::VlmOptions& options) {
  const calc::SweepPoint point = calc::EvaluateSweepPoint(state, swept, static_cast<std::int64_t>(index));
  if (point.Failure) return std::nullopt;
  // Without the memory for its matrix the lattice has no answer there.
  try {
    if (const std::optional<aero::VlmResult> vlm = aero::SolveVortexLattice(point.Model, options)) return vlm->NeutralPoint;
  } catch (const std::bad_alloc&) {
  }
  return std::nullopt;
}

// The worker: solves the points while `generation` is still wanted, handing
// them on in batches.
void SolvePoints(const std::atomic<std::uint64_t>& wanted, std::uint64_t generation, const calc::LoadedState& state,
                 int field, const std::string& rangeText, const aero::VlmOptions& options,
                 const std::function<void(std::vector<Point>)>& handOn) {
  calc::RangeError error;
  const std::optional<calc::DecimalRange> range = calc::ParseDecimalRange(rangeText, error);
  // Equal ends give the plot no points either.
  if (!range || range->Count < 2) return;
  const calc::SweptField swept[] = {{field, *range}};
  std::vector<Point> batch;
  auto handedOn = std::chrono::steady_clock::now();
  for (const std::size_t index : CoarseFirst(static_cast<std::size_t>(range->Count))) {
    if (wanted.load() != generation) return;
    batch.push_back({index, NeutralPointAt(state, swept, index, options)});
    if (std::chrono::steady_clock::now() - handedOn >= kBatchInterval) {
      handOn(std::move(batch));
      batch.clear();
      handedOn = std::chrono::steady_clock::now();
    }
  }
  handOn(std::move(batch));
}

}  // namespace

// One thread: the sweep never takes both cores of a small machine from the
// interface and the plot's own worker.
LatticeSweep::LatticeSweep(QObject* parent)
    : QObject(parent), wanted_(std::make_shared<std::atomic<std::uint64_t>>(0)) {
  thread_.setMaxThreadCount(1);
}

LatticeSweep::~LatticeSweep() {
  Cancel();
  thread_.waitForDone();
}

void LatticeSweep::Start(const calc::LoadedState& state, int field, const std::string& rangeText,
                         const aero::VlmOptions& options, std::uint64_t plot) {
  wanted_->store(++generation_);
  const std::uint64_t generation = generation_;
  // The worker gets copies; its batches come back through the event loop,
  // and the destructor waits for it, so `this` outlives every call.
  const auto handOn = [this, generation, plot](std::vector<Point> points) {
    QMetaObject::invokeMethod(
        this, [this, generation, plot, points = std::move(points)] { deliver(generation, plot, points); },
        Qt::QueuedConnection);
  };
  thread_.start([wanted = wanted_, generation, state, field, rangeText, options, handOn] {
    SolvePoints(*wanted, generation, state, field, rangeText, options, handOn);
  });
}

void LatticeSweep::Cancel() { wanted_->store(++generation_); }

void LatticeSweep::deliver(std::uint64_t generation, std::uint64_t plot, const std::vector<Point>& points) {
  if (generation == generation_ && !points.empty()) emit solved(plot, points);
}

}  // namespace ui
