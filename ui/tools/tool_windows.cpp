#include "ui/tools/tool_windows.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "calc/sweep.h"
#include "ui/platform/screen_placement.h"
#include "ui/tools/balance_window.h"
#include "ui/tools/what_if_window.h"

namespace ui {
namespace {

void BringToFront(QWidget& window) {
  if (!window.isVisible()) KeepOnScreen(window);
  window.show();
  window.raise();
  window.activateWindow();
}

// Whether the user closed the balance check, kept for the next run so that
// its mark stays away until the window is opened again.
const QString kBalanceClosedKey = QStringLiteral("BalanceCheck/closed");

}  // namespace

ToolWindows::ToolWindows(QWidget* parent)
    : QObject(parent),
      parent_(parent),
      settings_(QStringLiteral("cgcalc"), QStringLiteral("cgcalc")),
      remembered_(InputGivingACg(RememberedBalanceTexts(settings_))),
      balanceClosed_(settings_.value(kBalanceClosedKey, false).toBool()) {}

// The balance check writes inputs still in memory into settings_, which
// goes with this object; the main window would destroy it only later.
ToolWindows::~ToolWindows() { delete balance_; }

void ToolWindows::OpenBalanceCheck() {
  const std::optional<double> before = MeasuredCg();
  if (balance_ == nullptr) {
    balance_ = new BalanceWindow(settings_, parent_);
    balance_->SetLanguage(language_);
    if (results_) balance_->SetResults(*results_);
    if (opinion_) balance_->SetSecondOpinion(*opinion_, opinionRule_);
    if (!modelValid_) balance_->Invalidate();
    connect(balance_, &BalanceWindow::measuredCgChanged, this, &ToolWindows::measuredCgMoved);
    connect(balance_, &BalanceWindow::closed, this, [this] {
      // Only the user closes it while the main window is open; once that
      // window is closed, the program is ending and closes every window.
      if (!parent_->isVisible()) return;
      balanceClosed_ = true;
      settings_.setValue(kBalanceClosedKey, true);
      measuredCgMoved();
    });
  }
  if (balanceClosed_) settings_.remove(kBalanceClosedKey);
  balanceClosed_ = false;
  BringToFront(*balance_);
  if (!SameMeasuredCg(before, MeasuredCg())) measuredCgMoved();
}

void ToolWindows::measuredCgMoved() {
  if (whatIf_ != nullptr) whatIf_->SetMeasuredCg(MeasuredCg());
  emit measuredCgChanged();
}

void ToolWindows::OpenWhatIf() {
  if (whatIf_ == nullptr) {
    whatIf_ = new WhatIfWindow(parent_);
    whatIf_->SetLanguage(language_);
    whatIf_->SetMeasuredCg(MeasuredCg());
    if (state_) whatIf_->SetModelState(*state_);
    if (!modelValid_) whatIf_->ShowOutdated();
    // The main window's file commands and their keys work over the plot too.
    if (auto* fileMenu = parent_->findChild<QMenu*>(QStringLiteral("File1"))) whatIf_->addActions(fileMenu->actions());
  }
  BringToFront(*whatIf_);
}

void ToolWindows::Follow(const calc::FieldTexts& texts, const calc::TModelData& model,
                         const calc::TStabilityData& results) {
  const std::optional<double> before = MeasuredCg();
  state_ = calc::LoadedState{texts, model};
  results_ = results;
  modelValid_ = true;
  opinion_.reset();
  if (balance_ != nullptr) balance_->SetResults(results);  // announces its own changes
  else if (!SameMeasuredCg(before, MeasuredCg())) measuredCgMoved();
  if (whatIf_ == nullptr) return;
  whatIf_->StopLattice();
  if (!whatIfHandOverQueued_) {
    whatIfHandOverQueued_ = true;
    QMetaObject::invokeMethod(this, &ToolWindows::handModelToWhatIf, Qt::QueuedConnection);
  }
}

void ToolWindows::handModelToWhatIf() {
  whatIfHandOverQueued_ = false;
  // A failure since the keystroke has already marked the plot outdated.
  if (whatIf_ != nullptr && state_ && modelValid_) whatIf_->SetModelState(*state_);
}

void ToolWindows::Invalidate() {
  modelValid_ = false;
  if (balance_ != nullptr) balance_->Invalidate();
  if (whatIf_ != nullptr) {
    whatIf_->StopLattice();
    whatIf_->ShowOutdated();
  }
}

void ToolWindows::SetSecondOpinion(const std::optional<aero::Comparison>& comparison,
                                   const calc::TStabilityData& rule) {
  opinion_ = comparison;
  opinionRule_ = rule;
  if (balance_ != nullptr) balance_->SetSecondOpinion(comparison, rule);
}

void ToolWindows::SetLanguage(present::Language language) {
  language_ = language;
  if (balance_ != nullptr) balance_->SetLanguage(language);
  if (whatIf_ != nullptr) whatIf_->SetLanguage(language);
}

std::optional<double> ToolWindows::MeasuredCg() const {
  if (balanceClosed_) return std::nullopt;
  if (balance_ != nullptr) return balance_->MeasuredCg();
  return results_ && remembered_ ? MeasuredCgOf(*remembered_, *results_) : std::nullopt;
}

}  // namespace ui
