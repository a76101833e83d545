#pragma once

#include <optional>

#include <QString>

class QPrinter;

namespace ui {

// The modal questions and reports the windows put to the user. The program
// uses Qt's dialogs (QtDialogs), which belong to the main window; tests give
// scripted answers instead, so nothing blocks. Every call returns only once
// the user has answered.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A report with a stop icon and one OK button, captioned `title`.
  virtual void ShowError(const QString& title, const QString& text) = 0;

  // The open dialog for model files: the chosen file with its full path, or
  // nothing when the user cancelled. The file need not exist.
  virtual std::optional<QString> ChooseFileToOpen() = 0;

  // The save dialog for model files, with the same answer. It offers
  // documents (.cgcalc) and .dat files, with documents chosen when
  // `document`, .dat files otherwise. It does not ask before an existing file
  // is chosen; ConfirmReplace does.
  virtual std::optional<QString> ChooseFileToSave(bool document) = 0;

  // Asks, captioned `title`, whether the existing file `path` may be
  // replaced. True for Yes; No (the default button) or closing gives false.
  virtual bool ConfirmReplace(const QString& title, const QString& path) = 0;

  // The answers to SaveChanges.
  enum class UnsavedChanges { Save, Discard, Cancel };

  // Asks, captioned `title`, whether the unsaved changes are to be saved
  // first; `question` is the text (see SaveChangesQuestion). Save is the
  // default button; closing the box is Cancel.
  virtual UnsavedChanges SaveChanges(const QString& title, const QString& question) = 0;

  // Asks, captioned `title`, whether a file that does not look like a model
  // file is to be loaded all the same; `question` is the text (see
  // UnlikeModelQuestion). True for Yes; No (the default button) or closing
  // gives false.
  virtual bool ConfirmLoadAnyway(const QString& title, const QString& question) = 0;

  // Asks, captioned `title`, whether the model is to be saved as a .dat file
  // although that loses what `question` names (see DatLossQuestion). True
  // for Yes; No (the default button) or closing gives false.
  virtual bool ConfirmDatLoss(const QString& title, const QString& question) = 0;

  // The print dialog, opened with `printer`'s current settings. True when the
  // user confirmed; `printer` then holds the chosen printer and settings.
  // On cancel `printer` is left as it was.
  virtual bool ChoosePrinter(QPrinter& printer) = 0;
};

}  // namespace ui
