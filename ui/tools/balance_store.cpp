#include "ui/tools/balance_store.h"

#include <QSettings>

namespace ui {

BalanceStore::BalanceStore(QSettings& settings) : settings_(settings), desktop_(RememberedBalanceTexts(settings)) {
  inputsReplaced();
}

BalanceStore::~BalanceStore() {
  if (desktopUnwritten_) RememberDesktop();
}

std::optional<calc::TBalanceInput> BalanceStore::DocumentInput() const {
  return document_ ? std::optional(document_->input) : std::nullopt;
}

calc::TBalanceInput BalanceStore::AsDocumentInput() const {
  return document_ ? document_->input : DocumentInputOf(desktop_, {});
}

bool BalanceStore::Take(const BalanceTexts& texts) {
  bool documentChanged = false;
  if (document_) {
    const calc::TBalanceInput input = DocumentInputOf(texts, document_->input);
    documentChanged = !(input == document_->input);
    document_ = Document{texts, input};
  } else {
    desktop_ = texts;
    desktopUnwritten_ = true;
  }
  inputsReplaced();
  return documentChanged;
}

void BalanceStore::UseDocument(const calc::TBalanceInput& input) {
  document_ = Document{TextsOfInput(input), input};
  inputsReplaced();
}

void BalanceStore::AdoptAsDocument() {
  if (document_) return;
  document_ = Document{desktop_, AsDocumentInput()};
}

void BalanceStore::UseDesktop() {
  document_.reset();
  inputsReplaced();
}

bool BalanceStore::RememberDesktop() {
  if (!desktopUnwritten_) return desktopKept_;
  // Tried once per change: a folder that refuses the file refuses it again.
  desktopUnwritten_ = false;
  desktopKept_ = RememberBalanceTexts(settings_, desktop_);
  return desktopKept_;
}

QString BalanceStore::SettingsFileName() const { return settings_.fileName(); }

void BalanceStore::inputsReplaced() { givingACg_ = InputGivingACg(Texts()); }

}  // namespace ui
