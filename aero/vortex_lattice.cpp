#include "vortex_lattice.h"

#include <Eigen/LU>
#include <algorithm>
#include <climits>
#include <cmath>

#include "influence.h"
#include "panels.h"

namespace aero {
namespace {

using Eigen::Index;
using Eigen::MatrixXd;
using Eigen::VectorXd;

// Below this ratio of the smallest pivot to the largest the circulations
// would be noise: the planform is degenerate, and nothing sensible can be
// said.
constexpr double kSmallestPivotRatio = 1e-12;

// A thread keeps the memory of lattices up to this many horseshoes (a few
// megabytes) for its next solution.
constexpr std::size_t kKeptHorseshoes = 1024;

// Factorised in place: the influence matrix is the solution's largest
// allocation, and a second copy of it for the factors would double that.
using InPlaceLU = Eigen::PartialPivLU<Eigen::Ref<MatrixXd>>;

bool Solvable(const InPlaceLU& lu) {
  const VectorXd pivots = lu.matrixLU().diagonal().cwiseAbs();
  return pivots.allFinite() && pivots.minCoeff() >= kSmallestPivotRatio * pivots.maxCoeff();
}

// The circulations for unit angle of attack at unit speed, the flow through
// every control point cancelled: of the wing alone, and of the whole
// aircraft.
struct Circulations {
  VectorXd Wing;
  VectorXd Whole;
};

// The wing's factors serve both solutions: the tailplane's equations are
// solved after the wing's are eliminated from them (the Schur complement),
// which saves factorising the whole matrix a second time, a third of a
// solution's time. Overwrites workspace.Influence.
std::optional<Circulations> Solve(Workspace& workspace, Index wingCount) {
  MatrixXd& influence = workspace.Influence;
  const Index tailCount = influence.rows() - wingCount;
  // Only the wing's own block becomes its factors; the blocks that couple
  // wing and tailplane stay as they were for the elimination below.
  Eigen::Ref<MatrixXd> wingBlock = influence.topLeftCorner(wingCount, wingCount);
  const InPlaceLU wing(wingBlock);
  if (!Solvable(wing)) return std::nullopt;
  Circulations result;
  result.Wing = wing.solve(VectorXd::Constant(wingCount, -1.0));
  if (tailCount == 0) {
    result.Whole = result.Wing;
    return result;
  }
  const auto wingOnTail = influence.bottomLeftCorner(tailCount, wingCount);
  MatrixXd& tailOnWing = workspace.TailOnWing;
  tailOnWing = wing.solve(influence.topRightCorner(wingCount, tailCount));
  MatrixXd& schur = workspace.Schur;
  schur = influence.bottomRightCorner(tailCount, tailCount);
  schur.noalias() -= wingOnTail * tailOnWing;
  Eigen::Ref<MatrixXd> schurRef = schur;
  const InPlaceLU tail(schurRef);
  if (!Solvable(tail)) return std::nullopt;
  result.Whole.resize(influence.rows());
  result.Whole.tail(tailCount) = tail.solve(VectorXd::Constant(tailCount, -1.0) - wingOnTail * result.Wing);
  result.Whole.head(wingCount) = result.Wing - tailOnWing * result.Whole.tail(tailCount);
  return result;
}

struct Loads {
  double LiftSlope = 0;
  double NeutralPoint = 0;  // layout units
};

// Each bound leg's lift is proportional to its circulation times its span
// (Kutta-Joukowski with the free stream), acting at its middle; the loads
// all grow in proportion to the angle of attack, so their centre is the point
// about which the pitching moment does not change.
std::optional<Loads> LoadsOf(const Layout& layout, const VectorXd& circulation) {
  double lift = 0;
  double moment = 0;
  for (Index i = 0; i < circulation.size(); ++i) {
    const Horseshoe& h = layout.Horseshoes[static_cast<std::size_t>(i)];
    const double load = circulation(i) * (h.Outboard.y() - h.Inboard.y());
    lift += load;
    moment += load * (h.Inboard.x() + h.Outboard.x()) / 2;
  }
  // Both halves, over the dynamic pressure of unit speed: 2 * lift / (S / 2).
  const Loads loads = {4 * lift / layout.WingArea, moment / lift};
  if (!std::isfinite(loads.LiftSlope) || !std::isfinite(loads.NeutralPoint) || !(lift > 0)) return std::nullopt;
  return loads;
}

std::optional<VlmResult> SolveIn(const Layout& layout, Workspace& workspace) {
  InfluenceMatrix(layout, workspace);
  const auto circulations = Solve(workspace, static_cast<Index>(layout.WingCount));
  if (!circulations) return std::nullopt;
  const auto wing = LoadsOf(layout, circulations->Wing);
  const auto whole = LoadsOf(layout, circulations->Whole);
  if (!wing || !whole) return std::nullopt;
  const double neutralPoint = whole->NeutralPoint * layout.Scale;
  if (!std::isfinite(neutralPoint)) return std::nullopt;
  return VlmResult{whole->LiftSlope, wing->LiftSlope, neutralPoint};
}

}  // namespace

Lattice Lattice::Refined(int factor) const {
  const auto times = [factor](int count) {
    const long long product = static_cast<long long>(count) * factor;
    return static_cast<int>(std::clamp<long long>(product, INT_MIN, INT_MAX));
  };
  return {times(WingSpan), times(WingChord), times(TailSpan), times(TailChord)};
}

Lattice DefaultLattice() { return {8, 6, 8, 4}; }

std::optional<VlmResult> SolveVortexLattice(const calc::TModelData& model, const VlmOptions& options) {
  const std::optional<Layout> layout = LayOut(model, options);
  if (!layout) return std::nullopt;
  // One per thread, kept for the thread's next solution (see Workspace);
  // let go after a lattice far finer than the default, whose matrices would
  // otherwise hold hundreds of megabytes for the thread's lifetime.
  thread_local Workspace workspace;
  const std::optional<VlmResult> result = SolveIn(*layout, workspace);
  if (layout->Horseshoes.size() > kKeptHorseshoes) workspace = Workspace();
  return result;
}

}  // namespace aero
