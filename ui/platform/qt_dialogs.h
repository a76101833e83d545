#pragma once

#include <memory>

#include <QFileDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>

#include "ui/platform/dialogs.h"

namespace ui {

// The file type filters of the model file dialogs: Open shows both formats
// at once (it tells them apart by their content), Save as offers each.
inline constexpr char kModelFileFilter[] = "Model Files (*.cgcalc *.dat)";
inline constexpr char kDocumentFilter[] = "Model Documents (*.cgcalc)";
inline constexpr char kDatFilter[] = "Model Files (*.dat)";
inline constexpr char kDocumentSuffix[] = "cgcalc";
inline constexpr char kModelFileSuffix[] = "dat";

// A model file dialog set up as the program uses it: filters as above, the
// suffix of the chosen filter (for Open "dat") added to a typed name without
// one, no check that the file or
// its folder exists and no question of its own before an existing file is
// chosen (Save as asks with MakeReplaceQuestion, so the user is asked once).
// Its name completion list closes with the dialog. A child of `parent`
// (which may be null), centred on it. Needs a QApplication.
std::unique_ptr<QFileDialog> MakeModelFileDialog(QFileDialog::AcceptMode mode, QWidget* parent = nullptr);

// The stop sign of the failure reports, as the style draws it for message
// boxes. Made once and handed to every box: the style makes a new picture
// (and caches it anew) each time it is asked. Needs a QApplication.
QPixmap StopSign();

// The failure report's box: the stop sign `stopSign`, one OK button, `title`
// as caption, `text` as it is. Needs a QApplication; `parent` may be null.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& title, const QString& text, QWidget* parent,
                                          const QPixmap& stopSign);

// The question before an existing file is replaced: question icon, Yes and
// No with No as default, `title` as caption, naming `path`.
// Needs a QApplication; `parent` may be null.
std::unique_ptr<QMessageBox> MakeReplaceQuestion(const QString& title, const QString& path, QWidget* parent);

// The question before unsaved changes would be lost: warning icon, Save
// (the default), Discard and Cancel (also Escape). Needs a QApplication;
// `parent` may be null.
std::unique_ptr<QMessageBox> MakeSaveChangesQuestion(const QString& title, const QString& question,
                                                     QWidget* parent);

// Chooses the save dialog's filter and suffix for documents or .dat files.
void ChooseSavedFormat(QFileDialog& dialog, bool document);

// The question before a model is saved as .dat at a loss: warning icon, Yes
// and No with No as default (also Escape). Needs a QApplication; `parent`
// may be null.
std::unique_ptr<QMessageBox> MakeDatLossQuestion(const QString& title, const QString& question, QWidget* parent);

// The question before a file that does not look like a model file is loaded:
// warning icon, Yes and No with No as default (also Escape). Needs a
// QApplication; `parent` may be null.
std::unique_ptr<QMessageBox> MakeLoadAnywayQuestion(const QString& title, const QString& question, QWidget* parent);

// Dialogs through Qt's own modal dialogs. All of them are children of the
// owner window (the main window): centred on it, with its icon, and closed
// and destroyed with it. Without an owner (before SetOwner) they open over
// the program's active window. Each file dialog lives from its first use
// until the owner goes, so it offers the name last chosen in it; the two do
// not share it.
// Needs a QApplication for its whole life.
class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* owner = nullptr);
  ~QtDialogs() override;

  // The window the dialogs belong to from now on; it must be set before the
  // first file or print dialog is used, and may be destroyed before this
  // object (its dialogs go with it).
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void ShowError(const QString& title, const QString& text) override;
  std::optional<QString> ChooseFileToOpen() override;
  std::optional<QString> ChooseFileToSave(bool document) override;
  bool ConfirmReplace(const QString& title, const QString& path) override;
  UnsavedChanges SaveChanges(const QString& title, const QString& question) override;
  bool ConfirmLoadAnyway(const QString& title, const QString& question) override;
  bool ConfirmDatLoss(const QString& title, const QString& question) override;
  bool ChoosePrinter(QPrinter& printer) override;

  // The failure report's box as ShowError opens it, not yet shown.
  std::unique_ptr<QMessageBox> ErrorBox(const QString& title, const QString& text);

 private:
  QWidget* Parent() const;
  // `document` chooses the save dialog's format; nothing for the open dialog.
  std::optional<QString> Choose(QPointer<QFileDialog>& dialog, QFileDialog::AcceptMode mode,
                                std::optional<bool> document = std::nullopt);

  QPointer<QWidget> owner_;
  QPixmap stopSign_;  // made at the first report
  // Owned by the owner window as its children; the pointers clear when it goes.
  QPointer<QFileDialog> OpenDialog1;
  QPointer<QFileDialog> SaveDialog1;
  QPointer<QDialog> PrintDialog;
  QPrinter* printDialogPrinter_ = nullptr;  // the printer PrintDialog was made for
};

}  // namespace ui
