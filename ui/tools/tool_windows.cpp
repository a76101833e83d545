#include "ui/tools/tool_windows.h"

#include <QAction>
#include <QWidget>

#include "calc/sweep.h"
#include "ui/tools/balance_window.h"
#include "ui/tools/what_if_window.h"

namespace ui {
namespace {

void BringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

ToolWindows::ToolWindows(QWidget* parent)
    : QObject(parent), parent_(parent), settings_(QStringLiteral("cgcalc"), QStringLiteral("cgcalc")) {}

ToolWindows::~ToolWindows() = default;

void ToolWindows::OpenBalanceCheck() {
  if (balance_ == nullptr) {
    balance_ = new BalanceWindow(settings_, parent_);
    balance_->SetLanguage(language_);
    if (results_) balance_->SetResults(*results_);
    connect(balance_, &BalanceWindow::measuredCgChanged, this, [this] {
      if (whatIf_ != nullptr) whatIf_->SetMeasuredCg(MeasuredCg());
      emit measuredCgChanged();
    });
    if (balance_->MeasuredCg()) emit measuredCgChanged();
  }
  BringToFront(*balance_);
}

void ToolWindows::OpenWhatIf() {
  if (whatIf_ == nullptr) {
    whatIf_ = new WhatIfWindow(parent_);
    whatIf_->SetLanguage(language_);
    whatIf_->SetMeasuredCg(MeasuredCg());
    if (state_) whatIf_->SetModelState(*state_);
    if (failed_) whatIf_->ShowOutdated();
    // The main window's keys work over the plot too.
    if (auto* load = parent_->findChild<QAction*>(QStringLiteral("Load1"))) whatIf_->addAction(load);
  }
  BringToFront(*whatIf_);
}

void ToolWindows::Follow(const calc::FieldTexts& texts, const calc::TModelData& model,
                         const calc::TStabilityData& results) {
  state_ = calc::LoadedState{texts, model};
  results_ = results;
  failed_ = false;
  if (balance_ != nullptr) balance_->SetResults(results);
  if (whatIf_ != nullptr) whatIf_->SetModelState(*state_);
}

void ToolWindows::FollowFailure() {
  failed_ = true;
  if (whatIf_ != nullptr) whatIf_->ShowOutdated();
}

void ToolWindows::SetLanguage(present::Language language) {
  language_ = language;
  if (balance_ != nullptr) balance_->SetLanguage(language);
  if (whatIf_ != nullptr) whatIf_->SetLanguage(language);
}

std::optional<double> ToolWindows::MeasuredCg() const {
  return balance_ != nullptr ? balance_->MeasuredCg() : std::nullopt;
}

}  // namespace ui
