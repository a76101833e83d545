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
// its folder exists and no question before an existing file is overwritten.
// Needs a QApplication.
std::unique_ptr<QFileDialog> MakeModelFileDialog(QFileDialog::AcceptMode mode);

// The failure report's box: stop icon, one OK button, `title` as caption.
// Needs a QApplication; `parent` may be null.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& title, const QString& text, QWidget* parent);

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
  bool ChoosePrinter(QPrinter& printer) override;

 private:
  std::optional<QString> Choose(std::unique_ptr<QFileDialog>& dialog, QFileDialog::AcceptMode mode);

  std::unique_ptr<QFileDialog> OpenDialog1;
  std::unique_ptr<QFileDialog> SaveDialog1;
  std::unique_ptr<QPrintDialog> PrintDialog;
  QPrinter* printDialogPrinter_ = nullptr;  // the printer PrintDialog was made for
};

}  // namespace ui
