#include "ui/main_window/lattice_solver.h"

#include <new>

#include <QtConcurrent/QtConcurrentRun>

#include "ui/platform/deferred_work.h"


namespace ui {

LatticeSolver::LatticeSolver(QObject* parent) : QObject(parent) {
  connect(&solution_, &QFutureWatcher<Solution>::finished, this, &LatticeSolver::finished);
}

// The worker has its own copies; it only must not report to an object that
// is gone.
LatticeSolver::~LatticeSolver() {
  solution_.disconnect();
  solution_.waitForFinished();
}

void LatticeSolver::Solve(const calc::TModelData& model, const calc::TStabilityData& rule,
                          const aero::VlmOptions& options) {
  model_ = model;
  rule_ = rule;
  options_ = options;
  wanted_ = true;
  ++generation_;
  // Started through the event loop once the keystroke that asked has been
  // handled and its frame painted, so that the worker takes no core from
  // them on a small machine.
  if (startQueued_ || solution_.isRunning()) return;
  startQueued_ = true;
  PostBehindRepaints(*this, [this] {
    startQueued_ = false;
    if (wanted_ && !solution_.isRunning()) start();
  });
}

void LatticeSolver::Cancel() {
  wanted_ = false;
  ++generation_;
}

void LatticeSolver::start() {
  const std::uint64_t generation = generation_;
  const calc::TModelData model = model_;
  const calc::TStabilityData rule = rule_;
  const aero::VlmOptions options = options_;
  solution_.setFuture(QtConcurrent::run([generation, model, rule, options] {
    Solution solution{generation, {std::nullopt, rule}};
    // Nothing else escapes the solver; without the memory for its matrix
    // the lattice has no opinion, and the window goes on.
    try {
      if (const std::optional<aero::VlmResult> vlm = aero::SolveVortexLattice(model, options))
        solution.opinion.comparison = aero::Compare(model, rule, *vlm);
    } catch (const std::bad_alloc&) {
    }
    return solution;
  }));
}

void LatticeSolver::finished() {
  if (!wanted_) return;
  const Solution solution = solution_.result();
  if (solution.generation != generation_) {
    start();
    return;
  }
  wanted_ = false;
  emit solved(solution.opinion);
}

}  // namespace ui
