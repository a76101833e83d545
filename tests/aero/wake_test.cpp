// The tailplane in the wing's wake (and the wing in a canard's): with both in
// one plane the trailing legs of the one pass right by the control points of
// the other. The neutral point must change smoothly, without a jump, as the
// tailplane moves through the wing's plane and across the legs.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "aero/vortex_lattice.h"
#include "calc/stability.h"
#include "models.h"

namespace {

struct Sweep {
  const char* name;
  const char* model;
  double from, to, step;
  std::function<void(calc::TModelData&, aero::VlmOptions&, double)> set;
  double largestKink = 0.005;  // % of the mean chord
};

void SetHeight(calc::TModelData&, aero::VlmOptions& options, double value) { options.TailHeight = value; }
void SetTailSpan(calc::TModelData& model, aero::VlmOptions&, double value) { model.Bh = value; }
void SetDistance(calc::TModelData& model, aero::VlmOptions&, double value) { model.Rh = value; }

// The largest departure of a neutral point from the mean of its two
// neighbours along the sweep, in % of the mean chord: a smooth curve departs
// by the step squared times its curvature, a jump by half its height.
double LargestKink(const Sweep& sweep) {
  calc::TModelData model = aero_test::Model(sweep.model);
  std::vector<double> neutralPoints;
  for (double value = sweep.from; value <= sweep.to; value += sweep.step) {
    calc::TModelData changed = model;
    aero::VlmOptions options;
    sweep.set(changed, options, value);
    const auto result = aero::SolveVortexLattice(changed, options);
    if (!result) return INFINITY;
    neutralPoints.push_back(result->NeutralPoint);
  }
  calc::TStabilityData rule;
  calc::CalcStability(model, rule);
  double largest = 0;
  for (std::size_t i = 1; i + 1 < neutralPoints.size(); ++i) {
    const double kink = neutralPoints[i] - (neutralPoints[i - 1] + neutralPoints[i + 1]) / 2;
    largest = std::max(largest, std::abs(kink) / rule.Wing.Mac * 100);
  }
  return largest;
}

TEST(Wake, NeutralPointChangesSmoothly) {
  const Sweep sweeps[] = {
      {"tailplane through the wing's plane", "default.dat", -20, 20, 1, SetHeight},
      {"tailplane tips across the wing's legs", "default.dat", 380, 460, 1, SetTailSpan},
      {"tailplane along the wing's legs", "default.dat", 300, 420, 2, SetDistance},
      // Within a tip strip's width of the wing's plane the wing's control
      // points feel the canard's crowded tip legs one by one: a bump of
      // 0.5 % of the mean chord, narrower as the lattice is finer.
      {"canard through the wing's plane", "canard.dat", -20, 20, 1, SetHeight, 0.1},
      {"canard tips across the wing's strips", "canard.dat", 560, 640, 1, SetTailSpan},
  };
  for (const Sweep& sweep : sweeps) {
    SCOPED_TRACE(sweep.name);
    EXPECT_LT(LargestKink(sweep), sweep.largestKink);
  }
}

}  // namespace
