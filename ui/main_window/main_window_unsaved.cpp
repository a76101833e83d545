// Unsaved changes: whether the fields' values differ from those last loaded
// or saved, the title's modified mark, and the question before they would be
// lost.
#include <bit>

#include <QCloseEvent>
#include <QLineEdit>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/message_text.h"

namespace ui {
namespace {

// Values, not texts: "1300" and "1300.0" are the same span, and typing a
// digit and deleting it again changes nothing.
std::optional<std::uint64_t> ValueBits(const QString& text) {
  try {
    return std::bit_cast<std::uint64_t>(calc::ParseNumber(text.toStdString()));
  } catch (const calc::ArithmeticFailure&) {
    // Beyond the double range: no value at all, and none that a file holds.
    return std::nullopt;
  }
}

}  // namespace

MainWindow::FieldValues MainWindow::currentValues() const {
  FieldValues values;
  for (int i = 0; i < calc::kModelFieldCount; ++i) values[i] = ValueBits(fields_[i]->text());
  return values;
}

void MainWindow::noteFieldValue(int index) {
  // Only the field that changed is read: this runs with every keystroke.
  shownValues_[index] = ValueBits(fields_[index]->text());
  showModifiedMark();
}

void MainWindow::markSaved() {
  shownValues_ = currentValues();
  savedValues_ = shownValues_;
  showModifiedMark();
}

void MainWindow::showModifiedMark() {
  // Setting the mark rewrites the title even when it stays as it is.
  const bool modified = shownValues_ != savedValues_;
  if (modified != isWindowModified()) setWindowModified(modified);
}

bool MainWindow::settleUnsavedChanges() {
  // Asked from the values themselves: a field may have been set without its
  // change being noticed.
  shownValues_ = currentValues();
  showModifiedMark();
  if (!isWindowModified()) return true;
  Dialogs& dialogs = boundary_.UserDialogs();
  switch (dialogs.SaveChanges(boundary_.ApplicationTitle(), SaveChangesQuestion(currentFileName_))) {
    case Dialogs::UnsavedChanges::Discard:
      return true;
    case Dialogs::UnsavedChanges::Cancel:
      return false;
    case Dialogs::UnsavedChanges::Save:
      break;
  }
  // By Save's own rules (Save as while there is no file yet). A failure is
  // reported here; a failed or cancelled save leaves the changes unsaved,
  // and the command that asked does not go on.
  boundary_.Run([this] { saveModel(); });
  return !isWindowModified();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  boundary_.Run([this, &mayClose] { mayClose = settleUnsavedChanges(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  // Nothing is reported about a window that is going.
  dropHeldBackFailure();
  QMainWindow::closeEvent(event);
}

}  // namespace ui
