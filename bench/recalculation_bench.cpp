// One recalculation cycle as a keystroke causes it: a field's text changes,
// the window reads the fields, computes, writes the labels and redraws the
// diagram. Runs offscreen; the target is a median under 100 microseconds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <optional>

#include "ui/platform/dialogs.h"
#include "ui/program_windows.h"

namespace {

// Nothing is asked during the benchmark; a failure would show up as a report.
class SilentDialogs : public ui::Dialogs {
 public:
  void ShowError(const QString&, const QString&) override { ++reports; }
  std::optional<QString> ChooseFileToOpen() override { return std::nullopt; }
  std::optional<QString> ChooseFileToSave() override { return std::nullopt; }
  bool ConfirmReplace(const QString&, const QString&) override { return false; }
  UnsavedChanges SaveChanges(const QString&, const QString&) override { return UnsavedChanges::Cancel; }
  bool ConfirmLoadAnyway(const QString&, const QString&) override { return false; }
  bool ChoosePrinter(QPrinter&) override { return false; }
  int reports = 0;
};

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
