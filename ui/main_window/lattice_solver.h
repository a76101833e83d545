#pragma once

#include <cstdint>
#include <optional>

#include <QFutureWatcher>
#include <QObject>

#include "aero/comparison.h"
#include "aero/vortex_lattice.h"
#include "calc/model.h"
#include "calc/stability.h"

namespace ui {

// Solves the vortex lattice for the main window's model on a worker thread,
// so that typing never waits for it (a solution takes a millisecond or two).
// The worker starts through the event loop, after the keystroke that asked.
// One solution runs at a time; when it ends and the model has changed
// meanwhile, only the newest model is solved next. `solved` reports the
// newest model's opinion alone: an older one never overtakes it.
class LatticeSolver : public QObject {
  Q_OBJECT

 public:
  // The lattice's opinion of one model: nothing when the planform gives the
  // lattice nothing to solve; with the rule's results it was compared with.
  struct Opinion {
    std::optional<aero::Comparison> comparison;
    calc::TStabilityData rule;
  };

  explicit LatticeSolver(QObject* parent = nullptr);
  // Waits for a solution still running; it reports nothing.
  ~LatticeSolver() override;

  // Solves `model`, whose rule's results (calc::CalcStability completed) are
  // `rule`, with `options`, in place of any model asked for before.
  void Solve(const calc::TModelData& model, const calc::TStabilityData& rule, const aero::VlmOptions& options);
  // No model is wanted any more: what is running or due reports nothing.
  void Cancel();

 signals:
  void solved(const ui::LatticeSolver::Opinion& opinion);

 private:
  struct Solution {
    std::uint64_t generation = 0;
    Opinion opinion;
  };
  void start();
  void finished();

  calc::TModelData model_;
  calc::TStabilityData rule_;
  aero::VlmOptions options_;
  bool wanted_ = false;
  bool startQueued_ = false;
  // Counts the models asked for; a solution of an older count is dropped.
  std::uint64_t generation_ = 0;
  QFutureWatcher<Solution> solution_;
};

}  // namespace ui
