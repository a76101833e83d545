#pragma once

#include <optional>

#include <QString>

#include "ui/platform/dialogs.h"

namespace bench {

// Nothing is asked during a benchmark of the windows; a failure would show
// up as a report.
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

}  // namespace bench
