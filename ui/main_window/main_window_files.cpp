// The model file commands Load, Save and Save as.
#include <optional>
#include <stdexcept>
#include <string>

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "calc/failure.h"
#include "calc/fields.h"
#include "files/model_reader.h"
#include "files/model_writer.h"
#include "present/file_messages.h"
#include "ui/main_window/main_window.h"
#include "ui/tools/tool_windows.h"
#include "ui/platform/appearance.h"
#include "ui/platform/message_text.h"

namespace ui {
namespace {

// The name start gives a model that was never loaded or saved.
const QString kUnnamed = QStringLiteral("NoName");

// A name that is only one of the dialogs' file patterns names no file:
// nothing is read from it or written to it.
bool IsFilePattern(const QString& name) { return name == QLatin1String("*.dat") || name == QLatin1String("*.cgcalc"); }

// Save as writes the format the chosen name ends in.
bool IsDocumentName(const QString& name) { return name.endsWith(QLatin1String(".cgcalc")); }

std::string SystemPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

// A failed file command; what() names the file above the message.
class FileCommandFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs `action` on the file `path`; its file errors (in `language`) and
// arithmetic failures leave as FileCommandFailure with the file's name on a
// line above their message, so that the user learns which file the report
// is about. A refused file's message names the file itself.
template <class Action>
decltype(auto) NamingTheFile(const QString& path, present::Language language, Action&& action) {
  const auto named = [&path](const char* message) {
    return FileCommandFailure(FileMessage(path, QString::fromStdString(message)).toStdString());
  };
  try {
    return std::forward<Action>(action)();
  } catch (const files::DocumentRefused& refused) {
    // Where the document goes wrong, in the reader's words.
    throw named(refused.what());
  } catch (const files::ModelFileRefused& refused) {
    throw FileCommandFailure(present::RefusalText(refused.Reason(), ShownFileName(path).toStdString(), language));
  } catch (const files::FileError& failure) {
    throw named(present::FileErrorText(failure.Code(), language).c_str());
  } catch (const calc::ArithmeticFailure& failure) {
    throw named(failure.what());
  }
}

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

void MainWindow::loadModel() {
  // Cancelled, the command ends before anything happened.
  if (!settleUnsavedChanges()) return;
  openModel(boundary_.UserDialogs().ChooseFileToOpen());
}

void MainWindow::loadFileAtStart() { openModel(fileToLoadAtStart_); }

void MainWindow::openModel(const std::optional<QString>& chosen) {
  if (chosen && !IsFilePattern(*chosen)) readModelFile(*chosen);
  recalcEnabled_ = true;
  // Also after a cancelled dialog. The record takes the whole millimetres
  // the fields now show (Rh of a flying wing keeps the value read).
  recalculate();
}

void MainWindow::readModelFile(const QString& path) {
  const RecalculationPause pause(recalcEnabled_);
  // A failure leaves here before anything of the window has changed; there
  // is then nothing new to recalculate.
  const files::LoadedModel loaded =
      NamingTheFile(path, language_, [&path] { return files::LoadModelFile(SystemPath(path)); });
  const files::ModelFileReading& reading = loaded.dat;
  // A text file or a picture picked by mistake would load as zeros; No is as
  // good as a cancelled dialog.
  const bool document = loaded.format == files::ModelFormat::Document;
  if (!document && !reading.look.looksLikeModel) {
    const QString shownLine = QString::fromStdString(files::ShownLineText(reading.look.text));
    const QString readsAs = reading.look.readsAs
                                ? QString::fromStdString(files::ShownValueText(*reading.look.readsAs))
                                : QString();
    const QString question = UnlikeModelQuestion(path, reading.look.line, shownLine, readsAs);
    if (!boundary_.UserDialogs().ConfirmLoadAnyway(boundary_.ApplicationTitle(), question)) return;
  }
  // A document's dimensions go into the fields as typed, a .dat file's
  // values as whole millimetres.
  model_ = document ? files::DimensionValues(loaded.document) : reading.model;
  const calc::FieldTexts texts = document ? loaded.document.Dimensions : calc::FieldTextsOf(model_);
  documentParts_ = document ? loaded.document : files::ModelDocument();
  documentFile_ = document;
  // The margins are the model's: a document's own, else the defaults.
  chosenMargins_ = document ? loaded.document.Margins : std::nullopt;
  // A .dat model keeps the height the lattice computed with before.
  if (document) toolWindows_->SetTailHeight(loaded.document.TailHeight);
  // A .dat model uses the desktop's balance inputs.
  toolWindows_->SetModelBalance(document ? std::optional(loaded.document.Balance) : std::nullopt);
  // Each text change notifies, and finds the recalculation paused. The
  // model comes in its own units (a .dat model in millimetres).
  showDimensions(texts);
  spreadUnits();
  currentFileName_ = path;
  showFileName();
  markSaved();
}

files::ModelDocument MainWindow::currentDocument() const {
  files::ModelDocument document = documentParts_;
  document.Dimensions = fieldTexts();
  document.Margins = chosenMargins_;
  // A .dat model's tailplane height is the desktop's, not the model's.
  if (documentFile_) document.TailHeight = toolWindows_->TailHeight();
  return document;
}

bool MainWindow::writeModelFile(const QString& path, bool document) {
  // The record and the texts as they are now, whatever happens while the
  // file is written.
  const calc::TModelData model = model_;
  files::ModelDocument written = currentDocument();
  // The tailplane height and balance inputs shown, also a .dat model's (the
  // desktop's) when it becomes a document.
  written.TailHeight = toolWindows_->TailHeight();
  written.Balance = toolWindows_->BalanceInput();
  if (IsFilePattern(path)) return false;
  NamingTheFile(path, language_, [&] {
    if (document) {
      files::WriteModelDocument(SystemPath(path), written);
    } else {
      files::WriteModelFile(SystemPath(path), model);
    }
  });
  documentFile_ = document;
  keepBalanceInputs(written.Balance);
  markSaved();
  return true;
}

void MainWindow::saveModel() {
  // Before anything was loaded or saved there is no file to save to; a file
  // called NoName in whatever folder the program runs in helps nobody.
  if (currentFileName_.isEmpty() || currentFileName_ == kUnnamed) {
    saveModelAs();
    return;
  }
  if (writeModelFile(currentFileName_, documentFile_)) showFileName();
}

void MainWindow::saveModelAs() {
  Dialogs& dialogs = boundary_.UserDialogs();
  const std::optional<QString> chosen = dialogs.ChooseFileToSave(documentFile_);
  if (!chosen) return;
  // The save dialog does not ask itself, so the user is asked exactly once.
  // No is as good as a cancelled dialog.
  if (!IsFilePattern(*chosen) && QFileInfo::exists(*chosen) &&
      !dialogs.ConfirmReplace(boundary_.ApplicationTitle(), *chosen)) {
    return;
  }
  // A model may hold more than a .dat file can (a document's parts, chosen
  // margins); No is as good as a cancelled dialog.
  if (!IsFilePattern(*chosen) && !IsDocumentName(*chosen)) {
    const files::DatLosses losses = files::LossesAsDat(currentDocument());
    if (losses.Any()) {
      const QString question = DatLossQuestion(*chosen, QString::fromStdString(files::DatLossNames(losses)));
      if (!dialogs.ConfirmDatLoss(boundary_.ApplicationTitle(), question)) return;
    }
  }
  // The new name counts only once the file holds the model: after a failure
  // the name shown and the file the next Save writes are the old ones.
  const bool written = writeModelFile(*chosen, IsDocumentName(*chosen));
  currentFileName_ = *chosen;
  if (written) showFileName();
}

}  // namespace ui
