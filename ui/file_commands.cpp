// The model file commands Load, Save and Save as.
#include <optional>
#include <string>

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "calc/fields.h"
#include "files/model_reader.h"
#include "files/model_writer.h"
#include "ui/form1.h"
#include "ui/look.h"

namespace ui {
namespace {

// The name start gives a model that was never loaded or saved.
const QString kUnnamed = QStringLiteral("NoName");

// A name that is only the dialogs' file pattern names no file: nothing is
// read from it or written to it.
bool IsFilePattern(const QString& name) { return name == QLatin1String("*.dat"); }

std::string SystemPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

// Keeps the recalculation off while it lives and switches it on again when
// it goes, also when a failure ends the command: the fields must never stay
// dead after a file that could not be loaded.
class RecalculationPause {
 public:
  explicit RecalculationPause(bool& recalcEnabled) : recalcEnabled_(recalcEnabled) { recalcEnabled_ = false; }
  RecalculationPause(const RecalculationPause&) = delete;
  RecalculationPause& operator=(const RecalculationPause&) = delete;
  ~RecalculationPause() { recalcEnabled_ = true; }

 private:
  bool& recalcEnabled_;
};

}  // namespace

void TForm1::writeCurrentFile() {
  // The record as it is now, whatever happens while the file is written.
  const calc::TModelData model = model_;
  if (IsFilePattern(currentFileName_)) return;
  files::WriteModelFile(SystemPath(currentFileName_), model);
  showFileName();
}

void TForm1::loadModel() {
  const std::optional<QString> chosen = boundary_.UserDialogs().ChooseFileToOpen();
  if (chosen && !IsFilePattern(*chosen)) {
    const RecalculationPause pause(recalcEnabled_);
    // A failure leaves here before anything of the window has changed; there
    // is then nothing new to recalculate.
    model_ = files::ReadModelFile(SystemPath(*chosen));
    // Each text change notifies, and finds the recalculation paused.
    const calc::FieldTexts texts = calc::FieldTextsOf(model_);
    for (int i = 0; i < calc::kModelFieldCount; ++i) fields_[i]->setText(QString::fromStdString(texts[i]));
    currentFileName_ = *chosen;
    showFileName();
  }
  recalcEnabled_ = true;
  // Also after a cancelled dialog. The record takes the whole millimetres
  // the fields now show (Rh of a flying wing keeps the value read).
  recalculate();
}

void TForm1::saveModel() {
  // Before anything was loaded or saved there is no file to save to; a file
  // called NoName in whatever folder the program runs in helps nobody.
  if (currentFileName_.isEmpty() || currentFileName_ == kUnnamed) {
    saveModelAs();
    return;
  }
  writeCurrentFile();
}

void TForm1::saveModelAs() {
  Dialogs& dialogs = boundary_.UserDialogs();
  const std::optional<QString> chosen = dialogs.ChooseFileToSave();
  if (!chosen) return;
  // The save dialog does not ask itself, so the user is asked exactly once.
  // No is as good as a cancelled dialog.
  if (!IsFilePattern(*chosen) && QFileInfo::exists(*chosen) &&
      !dialogs.ConfirmReplace(boundary_.ApplicationTitle(), *chosen)) {
    return;
  }
  currentFileName_ = *chosen;
  writeCurrentFile();
}

}  // namespace ui
