#pragma once

#include <optional>

#include <QString>

#include "calc/balance.h"
#include "ui/tools/balance_inputs.h"

class QSettings;

namespace ui {

// The balance check's inputs of the model shown, behind the balance window
// and the main diagram's mark of the measured centre of gravity. A .dat or
// new model uses the desktop's, kept in the settings (group "BalanceCheck")
// for the next run; a document its own, which typing changes as a change of
// the document and which never reach the desktop's settings. Whichever are
// in use, the desktop's stay in memory as they were left.
class BalanceStore {
 public:
  // `settings` must outlive the store; the desktop's inputs start as it
  // keeps them.
  explicit BalanceStore(QSettings& settings);
  // Writes typed desktop inputs still in memory.
  ~BalanceStore();
  BalanceStore(const BalanceStore&) = delete;
  BalanceStore& operator=(const BalanceStore&) = delete;

  // The inputs in use.
  const BalanceTexts& Texts() const { return document_ ? document_->texts : desktop_; }
  // InputGivingACg of Texts(), kept for the mark, which asks at every
  // keystroke in the main window.
  const std::optional<calc::TBalanceInput>& GivingACg() const { return givingACg_; }
  bool OfDocument() const { return document_.has_value(); }
  // The document's inputs; nothing for a .dat or new model.
  std::optional<calc::TBalanceInput> DocumentInput() const;
  // The inputs in use as a document keeps them (DocumentInputOf).
  calc::TBalanceInput AsDocumentInput() const;

  // The builder changed the inputs in use; true when that changed the
  // document's (a .dat model's never do).
  bool Take(const BalanceTexts& texts);
  // A document was loaded: its inputs are in use from now on.
  void UseDocument(const calc::TBalanceInput& input);
  // The model was saved as a document: the inputs in use become its own,
  // as they are shown.
  void AdoptAsDocument();
  // A .dat or new model: the desktop's inputs are in use again.
  void UseDesktop();

  // Writes the desktop's inputs into the settings and to disk where typing
  // changed them since; false while the settings file cannot be written (a
  // read-only or full configuration folder).
  bool RememberDesktop();
  QString SettingsFileName() const;

 private:
  struct Document {
    BalanceTexts texts;
    calc::TBalanceInput input;
  };
  void inputsReplaced();

  QSettings& settings_;
  BalanceTexts desktop_;
  bool desktopUnwritten_ = false;
  bool desktopKept_ = true;  // the last writing succeeded
  std::optional<Document> document_;
  std::optional<calc::TBalanceInput> givingACg_;
};

}  // namespace ui
