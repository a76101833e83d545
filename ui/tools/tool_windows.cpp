#include "ui/tools/tool_windows.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "calc/sweep.h"
#include "ui/platform/screen_placement.h"
#include "ui/platform/deferred_work.h"
#include "ui/tools/balance_window.h"
#include "ui/tools/margins_window.h"
#include "ui/tools/tail_height_window.h"
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
      balanceStore_(settings_),
      balanceClosed_(settings_.value(kBalanceClosedKey, false).toBool()) {
  latticeOptions_.TailHeight = TailHeightOf(RememberedTailHeightText(settings_)).value_or(0);
}

// The balance check and the tailplane's height write inputs still in memory
// into settings_, which goes with this object; the main window would destroy
// them only later.
ToolWindows::~ToolWindows() {
  delete balance_;
  delete tailHeight_;
}

void ToolWindows::OpenBalanceCheck() {
  const std::optional<double> before = MeasuredCg();
  if (balance_ == nullptr) {
    balance_ = new BalanceWindow(balanceStore_, parent_);
    balance_->SetLanguage(language_);
    balance_->SetUnits(units_);
    if (results_) balance_->SetResults(*results_);
    if (opinion_) balance_->SetSecondOpinion(*opinion_, opinionRule_);
    if (!modelValid_) balance_->Invalidate();
    connect(balance_, &BalanceWindow::measuredCgChanged, this, &ToolWindows::measuredCgMoved);
    connect(balance_, &BalanceWindow::documentInputTyped, this, &ToolWindows::balanceTyped);
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
    whatIf_->SetLatticeOptions(latticeOptions_);
    if (state_) whatIf_->SetModelState(*state_);
    if (!modelValid_) whatIf_->ShowOutdated();
    // The main window's file commands and their keys work over the plot too.
    if (auto* fileMenu = parent_->findChild<QMenu*>(QStringLiteral("File1"))) whatIf_->addActions(fileMenu->actions());
  }
  BringToFront(*whatIf_);
}

void ToolWindows::OpenTailHeight() {
  if (tailHeight_ == nullptr) {
    tailHeight_ = new TailHeightWindow(settings_, parent_);
    tailHeight_->SetLanguage(language_);
    tailHeight_->SetUnits(units_);
    // A document's height replaces the remembered one.
    if (TailHeightOf(RememberedTailHeightText(settings_)).value_or(0) != latticeOptions_.TailHeight) {
      tailHeight_->ShowHeight(latticeOptions_.TailHeight);
    }
    connect(tailHeight_, &TailHeightWindow::heightChanged, this, [this](double height) {
      takeTailHeight(height);
      emit tailHeightTyped();
    });
  }
  BringToFront(*tailHeight_);
}

void ToolWindows::SetTailHeight(double height) {
  if (height == latticeOptions_.TailHeight) return;
  if (tailHeight_ != nullptr) tailHeight_->ShowHeight(height);
  takeTailHeight(height);
}

void ToolWindows::takeTailHeight(double height) {
  latticeOptions_.TailHeight = height;
  if (whatIf_ != nullptr) whatIf_->SetLatticeOptions(latticeOptions_);
  emit latticeOptionsChanged();
}

void ToolWindows::OpenMargins() {
  if (margins_ == nullptr) {
    margins_ = new MarginsWindow(parent_);
    margins_->SetLanguage(language_);
    if (state_) margins_->ShowMargins(state_->Margins, state_->Model.Bh != 0);
    connect(margins_, &MarginsWindow::marginsChosen, this, &ToolWindows::marginsChosen);
  }
  BringToFront(*margins_);
}

void ToolWindows::ShowMargins(const std::optional<calc::TMargins>& chosen, bool withTail) {
  if (margins_ != nullptr) margins_->ShowMargins(chosen, withTail);
}

void ToolWindows::SetModelBalance(const std::optional<calc::TBalanceInput>& document) {
  // A .dat model after another leaves the desktop's inputs as they show.
  if (!document && !balanceStore_.OfDocument()) return;
  const std::optional<double> before = MeasuredCg();
  if (document) balanceStore_.UseDocument(*document);
  else balanceStore_.UseDesktop();
  balanceInputsReplaced(before);
}

void ToolWindows::KeepBalanceWithModel(bool document) {
  if (document == balanceStore_.OfDocument()) return;
  const std::optional<double> before = MeasuredCg();
  if (document) balanceStore_.AdoptAsDocument();
  else balanceStore_.UseDesktop();
  balanceInputsReplaced(before);
}

void ToolWindows::balanceInputsReplaced(std::optional<double> before) {
  if (balance_ != nullptr) balance_->ShowStoredInputs();  // announces its own changes
  else if (!SameMeasuredCg(before, MeasuredCg())) measuredCgMoved();
}

void ToolWindows::Follow(const calc::RecalculationInput& input, const calc::TModelData& model,
                         const calc::TStabilityData& results) {
  const std::optional<double> before = MeasuredCg();
  // The what-if plot computes every point with the model's margins, its
  // swept values typed in the model's units.
  state_ = calc::LoadedState{input.texts, model, input.margins, units_};
  ShowMargins(input.margins, model.Bh != 0);
  results_ = results;
  modelValid_ = true;
  opinion_.reset();
  if (balance_ != nullptr) balance_->SetResults(results);  // announces its own changes
  else if (!SameMeasuredCg(before, MeasuredCg())) measuredCgMoved();
  if (whatIf_ == nullptr) return;
  whatIf_->StopLattice();
  if (!whatIfHandOverQueued_) {
    whatIfHandOverQueued_ = true;
    PostBehindRepaints(*this, [this] { handModelToWhatIf(); });
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

void ToolWindows::SetUnits(calc::TUnits units) {
  units_ = units;
  if (balance_ != nullptr) balance_->SetUnits(units);
  if (tailHeight_ != nullptr) tailHeight_->SetUnits(units);
}

void ToolWindows::SetLanguage(present::Language language) {
  language_ = language;
  if (balance_ != nullptr) balance_->SetLanguage(language);
  if (whatIf_ != nullptr) whatIf_->SetLanguage(language);
  if (tailHeight_ != nullptr) tailHeight_->SetLanguage(language);
  if (margins_ != nullptr) margins_->SetLanguage(language);
}

std::optional<double> ToolWindows::MeasuredCg() const {
  if (balanceClosed_) return std::nullopt;
  if (balance_ != nullptr) return balance_->MeasuredCg();
  const std::optional<calc::TBalanceInput>& input = balanceStore_.GivingACg();
  return results_ && input ? MeasuredCgOf(*input, *results_) : std::nullopt;
}

}  // namespace ui
