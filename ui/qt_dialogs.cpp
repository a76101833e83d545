#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QDir>
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

std::unique_ptr<QMessageBox> MakeReplaceQuestion(const QString& title, const QString& path, QWidget* parent) {
  const QString text =
      QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path));
  auto box =
      std::make_unique<QMessageBox>(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  box->setTextFormat(Qt::PlainText);
  return box;
}

std::unique_ptr<QPrintDialog> MakePrintDialog(QPrinter& printer) {
  auto dialog = std::make_unique<QPrintDialog>(&printer);
  // The PDF file stays on offer: on a machine without printers it is the
  // only way to print at all.
  dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog->setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog;
}

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;

void QtDialogs::ShowError(const QString& title, const QString& text) {
  MakeErrorBox(title, text, DialogParent())->exec();
}

std::optional<QString> QtDialogs::ChooseFileToOpen() { return Choose(OpenDialog1, QFileDialog::AcceptOpen); }

std::optional<QString> QtDialogs::ChooseFileToSave() { return Choose(SaveDialog1, QFileDialog::AcceptSave); }

bool QtDialogs::ConfirmReplace(const QString& title, const QString& path) {
  return MakeReplaceQuestion(title, path, DialogParent())->exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::Choose(std::unique_ptr<QFileDialog>& dialog, QFileDialog::AcceptMode mode) {
  if (!dialog) dialog = MakeModelFileDialog(mode);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog->selectedFiles().constFirst();
  dialog->selectFile(chosen);
  return chosen;
}

bool QtDialogs::ChoosePrinter(QPrinter& printer) {
  if (!PrintDialog || printDialogPrinter_ != &printer) {
    PrintDialog = MakePrintDialog(printer);
    printDialogPrinter_ = &printer;
  }
  return PrintDialog->exec() == QDialog::Accepted;
}

}  // namespace ui
