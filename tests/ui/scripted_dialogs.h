#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QString>

#include "ui/dialogs.h"

namespace ui_test {

// Dialogs that never open a window: reports are recorded, and the file and
// print dialogs take the next scripted answer (cancel when none is left).
class ScriptedDialogs final : public ui::Dialogs {
 public:
  struct Report {
    QString title;
    QString text;
  };

  void ShowError(const QString& title, const QString& text) override;
  std::optional<QString> ChooseFileToOpen() override;
  std::optional<QString> ChooseFileToSave() override;
  bool ChoosePrinter(QPrinter& printer) override;

  std::vector<Report> reports;
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  std::deque<bool> printAnswers;
};

}  // namespace ui_test
