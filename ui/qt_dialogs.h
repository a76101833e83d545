#pragma once

#include <memory>

#include <QFileDialog>
#include <QMessageBox>

#include "ui/dialogs.h"

class QPrintDialog;

namespace ui {

// The file type filter of the model file dialogs.
inline constexpr char kModelFileFilter[] = "Model Files (*.dat)";
inline constexpr char kModelFileSuffix[] = "dat";

// A model file dialog set up as the program uses it: filter "*.dat", default
// suffix "dat" added to a typed name without one, no check that the file or
// its folder exists and no question of its own before an existing file is
// chosen (Save as asks with MakeReplaceQuestion, so the user is asked once).
// Needs a QApplication.
std::unique_ptr<QFileDialog> MakeModelFileDialog(QFileDialog::AcceptMode mode);

// The failure report's box: stop icon, one OK button, `title` as caption.
// Needs a QApplication; `parent` may be null.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& title, const QString& text, QWidget* parent);

// The question before an existing file is replaced: question icon, Yes and
// No with No as default, `title` as caption, naming `path`.
// Needs a QApplication; `parent` may be null.
std::unique_ptr<QMessageBox> MakeReplaceQuestion(const QString& title, const QString& path, QWidget* parent);

// The print dialog for `printer` (which must outlive it): the printers of
// the system and, also where there are none, printing to a PDF file; always
// the whole (single) page, with no selection, page range or current page.
// Needs a QApplication.
std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer);

// Dialogs through Qt's own modal dialogs; the message box opens over the
// program's active window, the others are application-modal. Each file
// dialog lives from its first use until the program ends, so it offers the
// name last chosen in it; the two do not share it.
// Needs a QApplication for its whole life.
class QtDialogs final : public Dialogs {
 public:
  QtDialogs();
  ~QtDialogs() override;

  void ShowError(const QString& title, const QString& text) override;
  std::optional<QString> ChooseFileToOpen() override;
  std::optional<QString> ChooseFileToSave() override;
  bool ConfirmReplace(const QString& title, const QString& path) override;
  bool ChoosePrinter(QPrinter& printer) override;

 private:
  std::optional<QString> Choose(std::unique_ptr<QFileDialog>& dialog, QFileDialog::AcceptMode mode);

  std::unique_ptr<QFileDialog> OpenDialog1;
  std::unique_ptr<QFileDialog> SaveDialog1;
  std::unique_ptr<QPrintDialog> PrintDialog;
  QPrinter* printDialogPrinter_ = nullptr;  // the printer PrintDialog was made for
};

}  // namespace ui
