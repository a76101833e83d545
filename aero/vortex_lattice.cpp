#include "vortex_lattice.h"

#include <Eigen/LU>
#include <algorithm>
#include <climits>
#include <cmath>

#include "influence.h"
#include "panels.h"

namespace aero {
namespace {

// Below this estimate of the reciprocal condition number the circulations
// would be noise: the planform is degenerate (a sliver far thinner than the
// rest, say), and nothing sensible can be said.
constexpr double kSmallestRcond = 1e-13;

// The circulations for unit angle of attack at unit speed: the flow through
// every control point cancelled.
std::optional<Eigen::VectorXd> Circulations(const Eigen::MatrixXd& influence) {
  const Eigen::PartialPivLU<Eigen::MatrixXd> lu(influence);
  const double rcond = lu.rcond();
  if (!(rcond >= kSmallestRcond)) return std::nullopt;
  return lu.solve(Eigen::VectorXd::Constant(influence.rows(), -1.0));
}

struct Loads {
  double LiftSlope = 0;
  double NeutralPoint = 0;  // layout units
};

// Each bound leg's lift is proportional to its circulation times its span
// (Kutta-Joukowski with the free stream), acting at its middle; the loads
// all grow in proportion to the angle of attack, so their centre is the point
// about which the pitching moment does not change.
std::optional<Loads> LoadsOf(const Layout& layout, const Eigen::VectorXd& circulation) {
  double lift = 0;
  double moment = 0;
  for (Eigen::Index i = 0; i < circulation.size(); ++i) {
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

}  // namespace

Lattice Lattice::Refined(int factor) const {
  const auto times = [factor](int count) {
    const long long product = static_cast<long long>(count) * factor;
    return static_cast<int>(std::clamp<long long>(product, INT_MIN, INT_MAX));
  };
  return {times(WingSpan), times(WingChord), times(TailSpan), times(TailChord)};
}

Lattice DefaultLattice() { return {16, 6, 8, 4}; }

std::optional<VlmResult> SolveVortexLattice(const calc::TModelData& model, const VlmOptions& options) {
  const std::optional<Layout> layout = LayOut(model, options);
  if (!layout) return std::nullopt;
  const Eigen::MatrixXd influence = InfluenceMatrix(*layout);
  const auto wingCount = static_cast<Eigen::Index>(layout->WingCount);

  const auto wingCirculation = Circulations(influence.topLeftCorner(wingCount, wingCount));
  if (!wingCirculation) return std::nullopt;
  const auto wing = LoadsOf(*layout, *wingCirculation);
  if (!wing) return std::nullopt;
  std::optional<Loads> whole = wing;
  if (influence.rows() > wingCount) {
    const auto circulation = Circulations(influence);
    if (!circulation) return std::nullopt;
    whole = LoadsOf(*layout, *circulation);
    if (!whole) return std::nullopt;
  }
  const double neutralPoint = whole->NeutralPoint * layout->Scale;
  if (!std::isfinite(neutralPoint)) return std::nullopt;
  return VlmResult{whole->LiftSlope, wing->LiftSlope, neutralPoint};
}

}  // namespace aero
