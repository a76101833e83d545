// One recalculation cycle as a keystroke causes it: a field's text changes,
// the window reads the fields, computes, writes the labels and redraws the
// diagram. Runs offscreen; the target is a median under 100 microseconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <optional>

#include "silent_dialogs.h"
#include "ui/program_windows.h"

namespace {

using bench::SilentDialogs;

void BM_KeystrokeRecalculation(benchmark::State& state) {
  SilentDialogs dialogs;
  ui::ProgramWindows windows(dialogs, "bench");
  windows.Show();
  ui::MainWindow& form = windows.Main();
  form.start();
  auto* span = form.findChild<QLineEdit*>(QStringLiteral("Bot_B"));
  const QString texts[] = {"1301", "1300"};
  int next = 0;
  for (auto _ : state) {
    span->setText(texts[next]);  // recalculates, as typing does
    next ^= 1;
  }
  if (dialogs.reports != 0) state.SkipWithError("a recalculation failed");
}
BENCHMARK(BM_KeystrokeRecalculation)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

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
