#include "ui/platform/qt_dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QPushButton>
#include <QStyle>

#include "ui/platform/print_system.h"

namespace ui {
namespace {

// Closes the name completion lists of `dialog`. A completion list is a popup
// window of its own, not a child of the dialog: left open after the dialog
// has closed, it would stay on the screen and take the next click.
void CloseCompletionLists(const QWidget& dialog) {
  for (const QCompleter* completer : dialog.findChildren<QCompleter*>()) {
    if (QAbstractItemView* list = completer->popup(); list && list->isVisible()) list->hide();
  }
}

std::unique_ptr<QMessageBox> MakeQuestion(QMessageBox::Icon icon, const QString& title, const QString& text,
                                          QMessageBox::StandardButtons buttons, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, parent);
  box->setTextFormat(Qt::PlainText);
  return box;
}

}  // namespace

std::unique_ptr<QFileDialog> MakeModelFileDialog(QFileDialog::AcceptMode mode, QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(QFileDialog::AnyFile);
  if (mode == QFileDialog::AcceptOpen) {
    dialog->setNameFilter(QString::fromLatin1(kModelFileFilter));
    dialog->setDefaultSuffix(QString::fromLatin1(kModelFileSuffix));
  } else {
    dialog->setNameFilters({QString::fromLatin1(kDocumentFilter), QString::fromLatin1(kDatFilter)});
    ChooseSavedFormat(*dialog, false);
    // A typed name gets the ending of the format chosen in the dialog.
    QFileDialog* saving = dialog.get();
    QObject::connect(saving, &QFileDialog::filterSelected, saving, [saving](const QString& filter) {
      ChooseSavedFormat(*saving, filter == QLatin1String(kDocumentFilter));
    });
  }
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  QFileDialog* shown = dialog.get();
  QObject::connect(shown, &QDialog::finished, shown, [shown] { CloseCompletionLists(*shown); });
  return dialog;
}

void ChooseSavedFormat(QFileDialog& dialog, bool document) {
  dialog.selectNameFilter(QString::fromLatin1(document ? kDocumentFilter : kDatFilter));
  dialog.setDefaultSuffix(QString::fromLatin1(document ? kDocumentSuffix : kModelFileSuffix));
}

std::unique_ptr<QMessageBox> MakeDatLossQuestion(const QString& title, const QString& question, QWidget* parent) {
  auto box = MakeQuestion(QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

QPixmap StopSign() {
  const QStyle* style = QApplication::style();
  const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
  return style->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(QSize(size, size), qApp->devicePixelRatio());
}

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& title, const QString& text, QWidget* parent,
                                          const QPixmap& stopSign) {
  auto box = MakeQuestion(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  box->setIconPixmap(stopSign);
  return box;
}

std::unique_ptr<QMessageBox> MakeReplaceQuestion(const QString& title, const QString& path, QWidget* parent) {
  const QString text =
      QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path));
  auto box = MakeQuestion(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

std::unique_ptr<QMessageBox> MakeSaveChangesQuestion(const QString& title, const QString& question,
                                                     QWidget* parent) {
  auto box = MakeQuestion(QMessageBox::Warning, title, question,
                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box->setDefaultButton(QMessageBox::Save);
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
}

std::unique_ptr<QMessageBox> MakeLoadAnywayQuestion(const QString& title, const QString& question, QWidget* parent) {
  auto box = MakeQuestion(QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No, parent);
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

QtDialogs::QtDialogs(QWidget* owner) : owner_(owner) {}

QtDialogs::~QtDialogs() {
  // Dialogs made before there was an owner have no parent to delete them.
  for (QWidget* dialog : {static_cast<QWidget*>(OpenDialog1), static_cast<QWidget*>(SaveDialog1),
                          static_cast<QWidget*>(PrintDialog)}) {
    if (dialog && !dialog->parent()) delete dialog;
  }
}

QWidget* QtDialogs::Parent() const { return owner_ ? owner_.data() : QApplication::activeWindow(); }

std::unique_ptr<QMessageBox> QtDialogs::ErrorBox(const QString& title, const QString& text) {
  if (stopSign_.isNull()) stopSign_ = StopSign();
  return MakeErrorBox(title, text, Parent(), stopSign_);
}

void QtDialogs::ShowError(const QString& title, const QString& text) { ErrorBox(title, text)->exec(); }

std::optional<QString> QtDialogs::ChooseFileToOpen() { return Choose(OpenDialog1, QFileDialog::AcceptOpen); }

std::optional<QString> QtDialogs::ChooseFileToSave(bool document) {
  return Choose(SaveDialog1, QFileDialog::AcceptSave, document);
}

bool QtDialogs::ConfirmReplace(const QString& title, const QString& path) {
  return MakeReplaceQuestion(title, path, Parent())->exec() == QMessageBox::Yes;
}

Dialogs::UnsavedChanges QtDialogs::SaveChanges(const QString& title, const QString& question) {
  switch (MakeSaveChangesQuestion(title, question, Parent())->exec()) {
    case QMessageBox::Save:
      return UnsavedChanges::Save;
    case QMessageBox::Discard:
      return UnsavedChanges::Discard;
    default:
      return UnsavedChanges::Cancel;
  }
}

bool QtDialogs::ConfirmLoadAnyway(const QString& title, const QString& question) {
  return MakeLoadAnywayQuestion(title, question, Parent())->exec() == QMessageBox::Yes;
}

bool QtDialogs::ConfirmDatLoss(const QString& title, const QString& question) {
  return MakeDatLossQuestion(title, question, Parent())->exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::Choose(QPointer<QFileDialog>& dialog, QFileDialog::AcceptMode mode,
                                         std::optional<bool> document) {
  if (!dialog) dialog = MakeModelFileDialog(mode, owner_).release();
  if (document) ChooseSavedFormat(*dialog, *document);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog->selectedFiles().constFirst();
  dialog->selectFile(chosen);
  return chosen;
}

bool QtDialogs::ChoosePrinter(QPrinter& printer) {
  if (!PrintDialog || printDialogPrinter_ != &printer) {
    // A print dialog stays bound to the printer it was made for.
    delete PrintDialog;
    PrintDialog = ThePrintSystem().NewPrintDialog(printer, owner_);
    printDialogPrinter_ = &printer;
  }
  return PrintDialog->exec() == QDialog::Accepted;
}

}  // namespace ui
