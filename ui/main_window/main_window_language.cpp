// The language buttons.
#include <QLabel>

#include "ui/main_window/main_window.h"
#include "ui/main_window/second_opinion_line.h"
#include "ui/tools/tool_windows.h"
#include "ui/platform/appearance.h"

namespace ui {

// The results stay as the last recalculation left them; nothing is computed.
void MainWindow::switchLanguage(present::Language language) {
  showTitle(language);
  showCaptions(language);
  language_ = language;
  toolWindows_->SetLanguage(language);
  secondOpinionLine_->SetLanguage(language);
  markRuleRangeNotApplicable();
  // Only the text: the warning's colours belong to the recalculation, and
  // without a warning the line stays as the recalculation emptied it.
  if (present::AspectRatioWarning(results_)) {
    SetCaptionFitted(*warningLine_, Text(present::WarningText(results_, language)));
  }
}

void MainWindow::showTitle(present::Language language) {
  // "[*]" is where the window system shows the modified mark, if any.
  setWindowTitle(Text(present::In(present::kWindowCaptions.title, language)) + QStringLiteral("[*]"));
}

}  // namespace ui
