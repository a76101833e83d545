// The what-if plot after a keystroke in the main window: the main window's
// labels repainted with the plot open and closed, the plot computed (on its
// worker) and repainted, offscreen, against a frame of 16 ms; its parts on
// their own; and the balance check, whose target is 5 microseconds.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "calc/balance.h"
#include "calc/fields.h"
#include "calc/sweep.h"
#include "present/what_if_plot.h"
#include "silent_dialogs.h"
#include "ui/pictures/palette.h"
#include "ui/platform/appearance.h"
#include "ui/program_windows.h"
#include "ui/tools/what_if_plot_view.h"
#include "ui/tools/what_if_window.h"

namespace {

using bench::SilentDialogs;

// The default model as the main window starts with it.
calc::LoadedState DefaultState() {
  calc::TModelData model;
  calc::TStabilityData results;
  const calc::FieldTexts texts = calc::DefaultFieldTexts();
  calc::Recalculate(texts, model, results);
  return {texts, model};
}

// The program's windows after start-up, What if open or not, and a
// keystroke in the Rh field: its two texts alternate, so that every curve
// and the vertical axis move.
class FieldEdit {
 public:
  explicit FieldEdit(bool whatIfOpen) : windows_(dialogs_, "bench") {
    windows_.Show();
    windows_.Main().start();
    field_ = windows_.Main().findChild<QLineEdit*>(QStringLiteral("Bot_Rh"));
    for (QLabel* label : windows_.Main().findChildren<QLabel*>())
      if (label->objectName().startsWith(QStringLiteral("Lab_R"))) labels_.push_back(label);
    if (whatIfOpen) windows_.Main().findChild<QAction*>(QStringLiteral("WhatIf1"))->trigger();
    plot_ = windows_.Main().findChild<ui::WhatIfPlotView*>(QStringLiteral("WhatIf_Chart"));
    opinion_ = windows_.Main().findChild<QLabel*>(QStringLiteral("Lab_Vlm"));
    WaitForPlot();
  }

  // Types the next text: the main window recalculates and hands the model
  // to What if, whose worker starts.
  void Type() {
    field_->setText(next_ ? QStringLiteral("360") : QStringLiteral("361"));
    next_ ^= 1;
  }
  void RepaintLabels() {
    for (QLabel* label : labels_) label->repaint();
  }
  // Until the plot shows the newest model: the worker's result is delivered
  // through the event loop.
  void WaitForPlot() {
    // The model reaches What if through the event loop, after the labels.
    QCoreApplication::processEvents();
    const QDeadlineTimer deadline(5000);
    while (plot_ != nullptr && plot_->IsUpdating() && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
  }
  // Until the program is idle again, as between a typist's keys: the plot
  // (when open) and the vortex lattice's second opinion show the newest
  // model, and the rest of `pace` after the keystroke has passed asleep.
  void WaitForIdle(std::chrono::steady_clock::time_point typed, std::chrono::milliseconds pace) {
    WaitForPlot();
    const QDeadlineTimer deadline(5000);
    while (ui::TextColour(*opinion_) != ui::kBlack && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    std::this_thread::sleep_until(typed + pace);
  }
  ui::WhatIfPlotView* Plot() { return plot_; }
  bool Failed() const { return dialogs_.reports != 0; }

 private:
  SilentDialogs dialogs_;
  ui::ProgramWindows windows_;
  QLineEdit* field_ = nullptr;
  std::vector<QLabel*> labels_;
  ui::WhatIfPlotView* plot_ = nullptr;
  QLabel* opinion_ = nullptr;
  int next_ = 0;
};

// The keystroke up to the main window's labels repainted; first argument 1
// with What if open, 0 without. The plot catches up outside the timing.
// Second argument 0: keys in a burst, each as soon as the plot has caught up
// (the lattice's second opinion never does). Otherwise keys that many
// milliseconds apart, the program idle before each, as when a user types:
// What if open should then cost the main window nothing it can feel.
void BM_FieldEditMainLabels(benchmark::State& state) {
  FieldEdit edit(state.range(0) != 0);
  const std::chrono::milliseconds pace(state.range(1));
  for (auto _ : state) {
    const auto typed = std::chrono::steady_clock::now();
    edit.Type();
    edit.RepaintLabels();
    state.PauseTiming();
    if (pace.count() == 0) edit.WaitForPlot();
    else edit.WaitForIdle(typed, pace);
    state.ResumeTiming();
  }
  if (edit.Failed()) state.SkipWithError("a recalculation failed");
}
BENCHMARK(BM_FieldEditMainLabels)
    ->ArgsProduct({{0, 1}, {0}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
// 60 keys 20 ms apart, faster than anyone types.
BENCHMARK(BM_FieldEditMainLabels)
    ->ArgsProduct({{0, 1}, {20}})
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From the keystroke's model handed over to the plot repainted: the 1001
// points on the worker, the result delivered, the plot drawn.
void BM_FieldEditPlot(benchmark::State& state) {
  FieldEdit edit(true);
  for (auto _ : state) {
    state.PauseTiming();
    edit.Type();
    state.ResumeTiming();
    edit.WaitForPlot();
    edit.Plot()->repaint();
  }
  if (edit.Failed()) state.SkipWithError("a recalculation failed");
}
BENCHMARK(BM_FieldEditPlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The points alone: the sweep over the span's default range, 1001 points.
void BM_WhatIfPoints(benchmark::State& state) {
  const calc::LoadedState before = DefaultState();
  const present::RangeTexts range = present::DefaultRange(1300);
  const std::string rangeText = present::WhatIfRangeText(range.From, range.To);
  for (auto _ : state) {
    const present::WhatIfPlot plot = present::ComputeWhatIf(before, 0, rangeText);
    benchmark::DoNotOptimize(plot.Points.data());
  }
}
BENCHMARK(BM_WhatIfPoints)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The plot drawn again without a change, for the drawing's share.
void BM_WhatIfRepaintOnly(benchmark::State& state) {
  FieldEdit edit(true);
  for (auto _ : state) edit.Plot()->repaint();
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
