#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {
namespace {

// A message box opens over whichever window of the program is active, so it
// stays in front of the window that asked. The lasting dialogs have no parent:
// a parent would own them, and they must outlive any one window.
QWidget* DialogParent() { return QApplication::activeWindow(); }

}  // namespace

std::unique_ptr<QFileDialog> MakeModelFileDialog(QFileDialog::AcceptMode mode) {
  auto dialog = std::make_unique<QFileDialog>();
  dialog->setAcceptMode(mode);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilter(QString::fromLatin1(kModelFileFilter));
  dialog->setDefaultSuffix(QString::fromLatin1(kModelFileSuffix));
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  return dialog;
}

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& title, const QString& text, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  return box;
}

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

void QtDialogs::ShowError(const QString& title, const QString& text) {
  MakeErrorBox(title, text, DialogParent())->exec();
}

std::optional<QString> QtDialogs::ChooseFileToOpen() { return Choose(OpenDialog1, QFileDialog::AcceptOpen); }

std::optional<QString> QtDialogs::ChooseFileToSave() { return Choose(SaveDialog1, QFileDialog::AcceptSave); }

std::optional<QString> QtDialogs::Choose(std::unique_ptr<QFileDialog>& dialog, QFileDialog::AcceptMode mode) {
  if (!dialog) dialog = MakeModelFileDialog(mode);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog->selectedFiles().constFirst();
  dialog->selectFile(chosen);
  return chosen;
}

bool QtDialogs::ChoosePrinter(QPrinter& printer) {
  if (!PrintDialog || printDialogPrinter_ != &printer) {
    PrintDialog = std::make_unique<QPrintDialog>(&printer);
    printDialogPrinter_ = &printer;
    // Always the whole (single) page: no selection, page range or file output.
    PrintDialog->setOption(QAbstractPrintDialog::PrintToFile, false);
    PrintDialog->setOption(QAbstractPrintDialog::PrintSelection, false);
    PrintDialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    PrintDialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  }
  return PrintDialog->exec() == QDialog::Accepted;
}

}  // namespace ui
