// The language buttons "deutsch" and "english".
#include <QLabel>

#include "ui/form1.h"
#include "ui/tool_windows.h"
#include "ui/look.h"

namespace ui {

void TForm1::switchToGerman() { showLanguage(present::Language::German); }

void TForm1::switchToEnglish() { showLanguage(present::Language::English); }

// Switches the captions to one language and makes the warning line follow.
// The results stay as the last recalculation left them; nothing is computed.
void TForm1::showLanguage(present::Language language) {
  showTitle(language);
  for (const SwitchedCaption& caption : switchedCaptions_) {
    SetCaptionFitted(*caption.label, Text(present::In(caption.caption, language)));
  }
  language_ = language;
  toolWindows_->SetLanguage(language);
  // Only the text: the warning's colours belong to the recalculation, and
  // without a warning the line stays as the recalculation emptied it.
  if (present::AspectRatioWarning(results_)) {
    SetCaptionFitted(*warningLine_, Text(present::WarningText(results_, language)));
  }
}

void TForm1::showTitle(present::Language language) {
  // "[*]" is where the window system shows the modified mark, if any.
  setWindowTitle(Text(present::In(present::kWindowCaptions.title, language)) + QStringLiteral("[*]"));
}

}  // namespace ui
