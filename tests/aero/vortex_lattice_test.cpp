#include "aero/vortex_lattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

#include "calc/stability.h"
#include "models.h"

namespace {

using aero::SolveVortexLattice;

// The wing's mean chord as the rule computes it, the yardstick of every
// neutral point's tolerance.
double MeanChord(calc::TModelData model) {
  calc::TStabilityData rule;
  calc::CalcStability(model, rule);
  return rule.Wing.Mac;
}

struct ReferenceWing {
  std::string Name;
  calc::TModelData Model;
  double LiftSlope = 0, LiftSlopePercent = 0;
  std::string NeutralPoint, NeutralPointTolerance;  // "-": not checked
};

std::vector<ReferenceWing> ReferenceWings() {
  const std::string path = std::string(CGCALC_TEST_DATA_DIR) + "/aero/reference_wings.txt";
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::vector<ReferenceWing> wings;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ReferenceWing wing;
    fields >> wing.Name;
    for (const calc::ModelMember member : calc::kWingPlanform) fields >> wing.Model.*member;
    fields >> wing.LiftSlope >> wing.LiftSlopePercent >> wing.NeutralPoint >> wing.NeutralPointTolerance;
    if (!fields) throw std::runtime_error("bad line in " + path + ": " + line);
    wings.push_back(wing);
  }
  return wings;
}

TEST(VortexLattice, ReferenceWings) {
  const std::vector<ReferenceWing> wings = ReferenceWings();
  ASSERT_EQ(wings.size(), 3u);
  for (const ReferenceWing& wing : wings) {
    SCOPED_TRACE(wing.Name);
    const auto result = SolveVortexLattice(wing.Model);
    ASSERT_TRUE(result);
    EXPECT_NEAR(result->WingLiftSlope, wing.LiftSlope, wing.LiftSlope * wing.LiftSlopePercent / 100);
    EXPECT_EQ(result->LiftSlope, result->WingLiftSlope);
    if (wing.NeutralPoint != "-") {
      EXPECT_NEAR(result->NeutralPoint, std::stod(wing.NeutralPoint), std::stod(wing.NeutralPointTolerance));
    }
  }
}

// Every dimension scaled alike: the same aircraft, so the same lift slope
// and the neutral point at the same share of the mean chord.
TEST(VortexLattice, ScaleChangesNothing) {
  for (const auto& [name, model] : aero_test::AllModels()) {
    const auto original = SolveVortexLattice(model);
    ASSERT_TRUE(original) << name;
    for (const double scale : {1e-3, 1e3}) {
      SCOPED_TRACE(name + " scaled by " + std::to_string(scale));
      calc::TModelData scaled = model;
      for (int i = 0; i < calc::kModelFieldCount; ++i) calc::ModelField(scaled, i) *= scale;
      const auto result = SolveVortexLattice(scaled);
      ASSERT_TRUE(result);
      EXPECT_NEAR(result->LiftSlope, original->LiftSlope, 1e-9 * original->LiftSlope);
      EXPECT_NEAR(result->WingLiftSlope, original->WingLiftSlope, 1e-9 * original->WingLiftSlope);
      EXPECT_NEAR(result->NeutralPoint / scale, original->NeutralPoint, 1e-9 * MeanChord(model));
    }
  }
}

// A lattice twice as fine moves nothing by more than a little; the tool
// bench/aero/vlm_convergence shows the default within 0.1 % of the mean
// chord of one four times as fine.
TEST(VortexLattice, RefiningConverges) {
  for (const auto& [name, model] : aero_test::AllModels()) {
    SCOPED_TRACE(name);
    const auto coarse = SolveVortexLattice(model);
    const auto fine = SolveVortexLattice(model, {.Grid = aero::DefaultLattice().Refined(2)});
    ASSERT_TRUE(coarse && fine);
    EXPECT_NEAR(coarse->NeutralPoint, fine->NeutralPoint, 0.5 / 100 * MeanChord(model));
    EXPECT_NEAR(coarse->LiftSlope, fine->LiftSlope, 0.5 / 100 * fine->LiftSlope);
  }
}

// Whatever the dimensions, the solver answers nothing or finite figures.
TEST(VortexLattice, HostileDimensionsGiveNothingOrFiniteFigures) {
  const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 1e308, -1e308, 1e-308, -1, 0, -0.0};
  for (const char* file : {"default.dat", "flying-wing.dat", "canard.dat"}) {
    const calc::TModelData model = aero_test::Model(file);
    for (int field = 0; field < calc::kModelFieldCount; ++field) {
      for (const double value : values) {
        SCOPED_TRACE(std::string(file) + " " + std::string(calc::kModelFieldCodes[field]) + " = " +
                     std::to_string(value));
        calc::TModelData hostile = model;
        calc::ModelField(hostile, field) = value;
        std::optional<aero::VlmResult> result;
        EXPECT_NO_THROW(result = SolveVortexLattice(hostile));
        if (result) {
          EXPECT_TRUE(std::isfinite(result->LiftSlope) && std::isfinite(result->WingLiftSlope) &&
                      std::isfinite(result->NeutralPoint));
        }
      }
    }
  }
}

TEST(VortexLattice, WhatGivesNothingToSolve) {
  const calc::TModelData model = aero_test::Model("default.dat");
  const calc::TModelData flyingWing = aero_test::Model("flying-wing.dat");
  const auto with = [](calc::TModelData m, double calc::TModelData::*member, double value) {
    m.*member = value;
    return m;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    calc::TModelData model;
    aero::VlmOptions options;
    bool solved;
  } cases[] = {
      {"no span", with(model, &calc::TModelData::B, 0), {}, false},
      {"negative span", with(model, &calc::TModelData::B, -1300), {}, false},
      {"outer panel wider than the half span", with(model, &calc::TModelData::Sa, 700), {}, false},
      {"negative root chord", with(model, &calc::TModelData::Li, -1), {}, false},
      {"no chord anywhere", with(with(model, &calc::TModelData::Li, 0), &calc::TModelData::Lk, 0), {}, false},
      {"tailplane chord not a number", with(model, &calc::TModelData::Lih, nan), {}, false},
      {"tailplane height not a number", model, {.TailHeight = nan}, false},
      {"no tailplane chord: the wing alone", with(with(with(model, &calc::TModelData::Lih, 0),
                                                        &calc::TModelData::Lkh, 0), &calc::TModelData::Lah, 0),
       {}, true},
      {"a flying wing ignores the tailplane's fields", with(flyingWing, &calc::TModelData::Lih, nan), {}, true},
      {"tip fields ignored without an outer panel", with(model, &calc::TModelData::La, -5), {}, true},
      {"no chordwise panel", model, {.Grid = {16, 0, 8, 4}}, false},
      {"no tailplane strip", model, {.Grid = {16, 8, 0, 4}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SolveVortexLattice(c.model, c.options).has_value(), c.solved);
  }
}

}  // namespace
