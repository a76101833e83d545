// The language buttons "deutsch" and "english".
#include <string_view>

#include "calc/captions.h"
#include "calc/result_labels.h"
#include "ui/form1.h"
#include "ui/look.h"

namespace ui {
namespace {

constexpr int kTableLabelCount = 13;  // Label1 .. Label13
constexpr int kUnitsLabel = 14;
constexpr int kWarningLabel = 17;

// Switches the captions to one language and makes the warning line follow.
// The results stay as the last recalculation left them; nothing is computed.
void ShowLanguage(TForm1& form, bool english) {
  const calc::CaptionSet& captions = calc::Captions(english);
  form.setWindowTitle(Text(captions.Title));
  SetCaptionFitted(*form.Label(kUnitsLabel), Text(captions.Label14));
  for (int number = 1; number <= kTableLabelCount; ++number) {
    SetCaptionFitted(*form.Label(number), Text(captions.TableLabels[number - 1]));
  }
  form.LanguageEnglish = english;
  // Only the text: the warning's colours belong to the recalculation, and
  // without a warning the line stays as the recalculation emptied it.
  if (calc::AspectRatioWarning(form.Results())) SetCaptionFitted(*form.Label(kWarningLabel), Text(captions.Warning));
}

}  // namespace

void TForm1::Button1Click() { ShowLanguage(*this, false); }

void TForm1::Button2Click() { ShowLanguage(*this, true); }

}  // namespace ui
