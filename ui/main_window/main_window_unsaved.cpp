// Unsaved changes: whether the fields' values differ from those last loaded
// or saved, the title's modified mark, and the question before they would be
// lost.
#include <QCloseEvent>
#include <QLineEdit>

#include "ui/main_window/main_window.h"
#include "ui/platform/message_text.h"
#include "ui/tools/tool_windows.h"

namespace ui {

calc::FieldTexts MainWindow::fieldTexts() const {
  calc::FieldTexts texts;
  for (int i = 0; i < calc::kModelFieldCount; ++i) texts[i] = millimetreText(i);
  return texts;
}

void MainWindow::noteFieldValue(int index) {
  // An edit, or a text put in by the window, which notes what it was given
  // after it has put all texts in.
  givenMillimetres_[index].reset();
  unsavedChanges_.NoteField(index, millimetreText(index));
  showModifiedMark();
}

void MainWindow::markSaved() {
  unsavedChanges_.NoteFields(fieldTexts());
  unsavedChanges_.NoteMargins(chosenMargins_);
  unsavedChanges_.NoteUnits(Units());
  noteTailHeight();
  noteBalanceInputs();
  unsavedChanges_.MarkSaved();
  showModifiedMark();
}

void MainWindow::noteTailHeight() {
  unsavedChanges_.NoteTailHeight(documentFile_ ? std::optional<double>(toolWindows_->TailHeight()) : std::nullopt);
}

void MainWindow::noteBalanceInputs() {
  const std::optional<calc::TBalanceInput> balance = toolWindows_->DocumentBalance();
  // Save as .dat asks about the inputs the document holds now.
  if (balance) documentParts_.Balance = *balance;
  unsavedChanges_.NoteBalance(balance);
}

void MainWindow::keepBalanceInputs(const calc::TBalanceInput& saved) {
  toolWindows_->KeepBalanceWithModel(documentFile_);
  if (documentFile_) documentParts_.Balance = saved;
}

void MainWindow::showModifiedMark() {
  // Setting the mark rewrites the title even when it stays as it is.
  const bool modified = unsavedChanges_.Modified();
  if (modified != isWindowModified()) setWindowModified(modified);
}

bool MainWindow::settleUnsavedChanges() {
  unsavedChanges_.NoteFields(fieldTexts());
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
  failureReport_->Drop();
  QMainWindow::closeEvent(event);
}

}  // namespace ui
