// The lattice itself: smooth in every dimension, converged on models of
// every kind, continuous through the wing's plane, and silent where it
// cannot answer.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "aero/vortex_lattice.h"
#include "calc/stability.h"
#include "generated_models.h"
#include "models.h"

namespace {

double MeanChord(calc::TModelData model) {
  calc::TStabilityData rule;
  calc::CalcStability(model, rule);
  return rule.Wing.Mac;
}

std::optional<double> NeutralPoint(const calc::TModelData& model, const aero::VlmOptions& options = {}) {
  const auto result = aero::SolveVortexLattice(model, options);
  if (!result) return std::nullopt;
  return result->NeutralPoint;
}

#ifndef CGCALC_SANITIZED
constexpr int kGeneratedModels = 204;
constexpr int kSteps = 40;
#else
// The sanitizers' build is far slower: a sample.
constexpr int kGeneratedModels = 24;
constexpr int kSteps = 10;
#endif

// Every dimension varied in kSteps steps of 0.5 % of the wing's root chord on
// either side of its value: the largest second difference of the neutral
// point, in % of the mean chord, over the step in mm. A smooth curve gives
// its curvature times the step (nearly nothing), a jump of the neutral
// point its height over the step, a kink its change of slope.
TEST(Lattice, NeutralPointIsSmoothInEveryDimension) {
  constexpr double kLargestBend = 0.01;  // % of the mean chord per mm
  for (const char* file : {"default.dat", "canard.dat", "swept-flying-wing.dat"}) {
    const calc::TModelData model = aero_test::Model(file);
    const double mac = MeanChord(model);
    const double step = model.Li * 0.005;
    for (int field = 0; field < calc::kModelFieldCount; ++field) {
      SCOPED_TRACE(std::string(file) + " " + std::string(calc::kModelFieldCodes[field]));
      std::vector<std::optional<double>> points;
      for (int i = -kSteps; i <= kSteps; ++i) {
        calc::TModelData changed = model;
        calc::ModelField(changed, field) += i * step;
        points.push_back(NeutralPoint(changed));
      }
      double largest = 0;
      int solved = 0;
      for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        if (!points[i - 1] || !points[i] || !points[i + 1]) continue;
        ++solved;
        const double bend = std::abs(*points[i - 1] - 2 * *points[i] + *points[i + 1]) / mac * 100 / step;
        largest = std::max(largest, bend);
      }
      EXPECT_GT(solved, kSteps * 3 / 4);
      EXPECT_LT(largest, kLargestBend);
    }
  }
}

// The default lattice against one twice as fine, model by model; a lattice
// four times as fine (bench/aero/vlm_convergence --generated) lies half as
// far again to twice as far from the default.
TEST(Lattice, DefaultAgreesWithAFinerLatticeOnModelsOfEveryKind) {
  const std::map<std::string, double> largestByKind = {
      {"trainer", 0.05}, {"tapered", 0.08},         {"pointed", 0.2},           {"glider", 0.05},
      {"long tail", 0.05}, {"short tail", 0.05},     {"small tailplane", 0.05},   {"large tailplane", 0.1},
      {"canard", 0.15},  {"tandem", 0.15},          {"swept flying wing", 0.22}, {"kinked flying wing", 0.35},
  };
  for (const aero_test::GeneratedModel& g : aero_test::GeneratedModels(kGeneratedModels)) {
    SCOPED_TRACE(g.Name);
    const auto coarse = NeutralPoint(g.Model, {.TailHeight = g.TailHeight});
    const auto fine = NeutralPoint(g.Model, {.Grid = aero::DefaultLattice().Refined(2), .TailHeight = g.TailHeight});
    ASSERT_TRUE(coarse && fine);
    const double difference = std::abs(*coarse - *fine) / MeanChord(g.Model) * 100;
    EXPECT_LT(difference, largestByKind.at(g.Name.substr(0, g.Name.rfind(' '))));
  }
}

// Just below, in and just above the wing's plane the answers are the same
// but for the height's own share: the in-plane answer is no special case.
TEST(Lattice, InPlaneAnswerIsTheLimitOfSmallHeights) {
  constexpr double kHeight = 1e-6;  // mm
  for (const char* file : {"default.dat", "canard.dat", "glider-two-panel.dat"}) {
    SCOPED_TRACE(file);
    const calc::TModelData model = aero_test::Model(file);
    const auto below = NeutralPoint(model, {.TailHeight = -kHeight});
    const auto in = NeutralPoint(model, {.TailHeight = 0});
    const auto above = NeutralPoint(model, {.TailHeight = kHeight});
    ASSERT_TRUE(below && in && above);
    EXPECT_NEAR(*below, *in, 1e-6 * MeanChord(model));
    EXPECT_NEAR(*above, *in, 1e-6 * MeanChord(model));
  }
}

// A wing so long beside its chords that the lattice's products of lengths
// leave the range of doubles has no answer, rather than a made-up one.
TEST(Lattice, ExtremeProportionsGiveNothing) {
  const calc::TModelData model = aero_test::Model("default.dat");
  for (const double span : {1e100, 1e165, 1e200, 1e300}) {
    for (const double height : {0.0, 1e200}) {
      SCOPED_TRACE(std::to_string(span) + " " + std::to_string(height));
      calc::TModelData huge = model;
      huge.B = span;
      const bool expected = span < 1e100 && height == 0;
      EXPECT_EQ(aero::SolveVortexLattice(huge, {.TailHeight = height}).has_value(), expected);
    }
  }
  calc::TModelData longButSane = model;
  longButSane.B = 1e50;
  EXPECT_TRUE(aero::SolveVortexLattice(longButSane));
}

}  // namespace
