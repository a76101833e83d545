// One vortex-lattice solution at the default lattice beside the rule's
// calculation, the yardstick of what a keystroke costs today: the default
// model, a swept flying wing and a canard; and the influence matrix of the
// default model alone, the kernel that is half of a solution's time.

#include <benchmark/benchmark.h>

#include <string>

#include "aero/influence.h"
#include "aero/panels.h"
#include "aero/vortex_lattice.h"
#include "calc/stability.h"
#include "files/model_reader.h"

namespace {

calc::TModelData Model(const std::string& path) { return files::ReadModelFile(path); }

const std::string kDefault = std::string(CGCALC_EXAMPLES_DIR) + "/default.dat";
const std::string kSweptFlyingWing = std::string(CGCALC_AERO_MODELS_DIR) + "/swept-flying-wing.dat";
const std::string kCanard = std::string(CGCALC_AERO_MODELS_DIR) + "/canard.dat";

void BM_RuleCalcStability(benchmark::State& state, const std::string& path) {
  calc::TModelData model = Model(path);
  calc::TStabilityData results;
  for (auto _ : state) {
    calc::CalcStability(model, results);
    benchmark::DoNotOptimize(results);
  }
}

void BM_SolveVortexLattice(benchmark::State& state, const std::string& path) {
  const calc::TModelData model = Model(path);
  for (auto _ : state) benchmark::DoNotOptimize(aero::SolveVortexLattice(model));
}

void BM_InfluenceMatrix(benchmark::State& state, const std::string& path) {
  const aero::Layout layout = *aero::LayOut(Model(path), {});
  aero::Workspace workspace;
  for (auto _ : state) {
    aero::InfluenceMatrix(layout, workspace);
    benchmark::DoNotOptimize(workspace.Influence.data());
  }
}

BENCHMARK_CAPTURE(BM_RuleCalcStability, default, kDefault);
BENCHMARK_CAPTURE(BM_SolveVortexLattice, default, kDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_InfluenceMatrix, default, kDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RuleCalcStability, swept_flying_wing, kSweptFlyingWing);
BENCHMARK_CAPTURE(BM_SolveVortexLattice, swept_flying_wing, kSweptFlyingWing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RuleCalcStability, canard, kCanard);
BENCHMARK_CAPTURE(BM_SolveVortexLattice, canard, kCanard)->Unit(benchmark::kMicrosecond);

}  // namespace
