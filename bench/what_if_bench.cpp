// The what-if plot after a keystroke in the main window: about 1000 points
// recomputed and the chart drawn again, offscreen, against a frame of 16 ms;
// its parts on their own; and the balance check, whose target is 5
// microseconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QPixmap>

#include "calc/balance.h"
#include "calc/fields.h"
#include "calc/sweep.h"
#include "present/what_if_plot.h"
#include "ui/tools/what_if_window.h"

namespace {

// The default model as the main window starts with it, and the same with
// the tailplane one millimetre further back: the two states a keystroke in
// the Rh field alternates.
struct KeystrokeStates {
  calc::LoadedState before;
  calc::LoadedState after;
};

KeystrokeStates TailKeystroke() {
  calc::TModelData model;
  calc::TStabilityData results;
  calc::FieldTexts texts = calc::DefaultFieldTexts();
  calc::Recalculate(texts, model, results);
  KeystrokeStates states{{texts, model}, {}};
  texts[static_cast<std::size_t>(calc::ModelFieldIndex(&calc::TModelData::Rh))] = "361";
  calc::Recalculate(texts, model, results);
  states.after = {texts, model};
  return states;
}

// The window varies the span over its default range while the main window's
// Rh field changes, so that every curve and the vertical axis move. The grab
// paints the whole chart, as a screen update would.
void BM_WhatIfKeystrokeRedraw(benchmark::State& state) {
  const KeystrokeStates states = TailKeystroke();
  ui::WhatIfWindow window;
  window.show();
  window.SetModelState(states.before);
  auto* chart = window.findChild<QChartView*>(QStringLiteral("WhatIf_Chart"));
  int next = 0;
  for (auto _ : state) {
    window.SetModelState(next ? states.before : states.after);
    const QPixmap drawn = chart->grab();
    benchmark::DoNotOptimize(drawn.cacheKey());
    next ^= 1;
  }
}
BENCHMARK(BM_WhatIfKeystrokeRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The points alone: the sweep over the span's default range, 1001 points.
void BM_WhatIfPoints(benchmark::State& state) {
  const KeystrokeStates states = TailKeystroke();
  const present::RangeTexts range = present::DefaultRange(1300);
  const std::string rangeText = present::WhatIfRangeText(range.From, range.To);
  for (auto _ : state) {
    const present::WhatIfPlot plot = present::ComputeWhatIf(states.before, 0, rangeText);
    benchmark::DoNotOptimize(plot.Points.data());
  }
}
BENCHMARK(BM_WhatIfPoints)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The chart drawn again without a change, for the drawing's share.
void BM_WhatIfRepaintOnly(benchmark::State& state) {
  ui::WhatIfWindow window;
  window.show();
  window.SetModelState(TailKeystroke().before);
  auto* chart = window.findChild<QChartView*>(QStringLiteral("WhatIf_Chart"));
  for (auto _ : state) {
    const QPixmap drawn = chart->grab();
    benchmark::DoNotOptimize(drawn.cacheKey());
  }
}
BENCHMARK(BM_WhatIfRepaintOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The tail-heavy default model (CG 100, 2000 g, ballast at -100): the longest
// path, with the ballast worked out.
void BM_CalcBalance(benchmark::State& state) {
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(calc::DefaultFieldTexts(), model, results);
  calc::TBalanceInput input;
  input.Cg = 100;
  input.Mass = 2000;
  input.BallastStation = -100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(input);
    const calc::TBalanceData balance = calc::CalcBalance(input, results);
    benchmark::DoNotOptimize(balance);
  }
}
BENCHMARK(BM_CalcBalance)->Unit(benchmark::kNanosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArguments = 1;
  QApplication application(qtArguments, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
