// The calculation that runs on every keystroke, with the default model: every
// operation checked, as the window runs it. There is no time target; the
// numbers show what a change of the formulas or of Ext costs.

#include <benchmark/benchmark.h>

#include "calc/model.h"
#include "calc/number_text.h"
#include "calc/stability.h"
#include "calc/surface.h"

namespace {

// The model the window starts with, read from the fields' default texts.
calc::TModelData DefaultModel() {
  calc::TModelData model;
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    calc::ModelField(model, i) = calc::ParseNumber(calc::kDefaultFieldTexts[i]);
  }
  return model;
}

void BM_SurfaceGeometry(benchmark::State& state) {
  const calc::TModelData model = DefaultModel();
  const calc::TPlanform wing = calc::WingPlanform(model);
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::SurfaceGeometry(wing, wing.Span * 0.5 - wing.OuterSpan));
  }
}
BENCHMARK(BM_SurfaceGeometry);

// The default model has a tailplane, so the calculation leaves it unchanged.
void BM_CalcStability(benchmark::State& state) {
  calc::TModelData model = DefaultModel();
  calc::TStabilityData results;
  for (auto _ : state) {
    calc::CalcStability(model, results);
    benchmark::DoNotOptimize(results);
  }
}
BENCHMARK(BM_CalcStability);

}  // namespace
