#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QThreadPool>

#include "aero/vortex_lattice.h"
#include "calc/sweep.h"

namespace ui {

// The vortex lattice's neutral point at every point of a what-if plot. A
// thousand solutions take a second or two, so they run on a thread of their
// own, beside the plot's and the main window's workers, and come back in
// batches as they are solved: the coarse points first, so that the curve's
// shape shows at once and then fills in. A new Start, or Cancel, stops the
// work before it at its next point; `solved` never reports a batch of
// stopped work.
class LatticeSweep : public QObject {
  Q_OBJECT

 public:
  // A point's index among the plot's points (present::ComputeWhatIf's
  // order), and the lattice's neutral point there (mm behind the wing root's
  // leading edge): nothing where the rule's calculation fails or the lattice
  // has nothing to solve.
  struct Point {
    std::size_t index = 0;
    std::optional<double> neutralPoint;
  };

  explicit LatticeSweep(QObject* parent = nullptr);
  // Stops the work and waits for its thread.
  ~LatticeSweep() override;

  // Solves the points present::ComputeWhatIf(state, field, rangeText) gives
  // with `options`, in place of any work started before; its batches carry
  // `plot`, the plot they belong to. A range that cannot be used has no
  // points.
  void Start(const calc::LoadedState& state, int field, const std::string& rangeText, const aero::VlmOptions& options,
             std::uint64_t plot);
  void Cancel();

 signals:
  void solved(std::uint64_t plot, const std::vector<ui::LatticeSweep::Point>& points);

 private:
  void deliver(std::uint64_t generation, std::uint64_t plot, const std::vector<Point>& points);

  // The work that is still wanted; the worker reads it before each point.
  std::shared_ptr<std::atomic<std::uint64_t>> wanted_;
  std::uint64_t generation_ = 0;
  QThreadPool thread_;
};

}  // namespace ui
