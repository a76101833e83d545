#pragma once

#include <QObject>
#include <QSettings>

#include <optional>

#include "aero/comparison.h"
#include "aero/vortex_lattice.h"
#include "calc/fields.h"
#include "calc/margins.h"
#include "calc/model.h"
#include "calc/recalculation.h"
#include "calc/stability.h"
#include "calc/sweep.h"
#include "calc/units.h"
#include "present/language.h"
#include "ui/tools/balance_inputs.h"
#include "ui/tools/balance_store.h"

class QWidget;

namespace ui {

class BalanceWindow;
class MarginsWindow;
class TailHeightWindow;
class WhatIfWindow;

// The windows of the Tools menu: the balance check, the what-if plot, the
// tailplane's height and the margins.
// Each is built when first opened (start-up stays as lean as before) and
// then kept, following every recalculation and language switch of the main
// window. Owned by the main window; `parent` is that window.
class ToolWindows : public QObject {
  Q_OBJECT

 public:
  explicit ToolWindows(QWidget* parent);
  ~ToolWindows() override;

  void OpenBalanceCheck();
  void OpenWhatIf();
  void OpenTailHeight();
  void OpenMargins();

  // The tailplane's height the lattice computes with: a document's own, set
  // when it is loaded; a .dat model keeps the one of the desktop settings.
  void SetTailHeight(double height);
  double TailHeight() const { return latticeOptions_.TailHeight; }

  // The balance check's inputs belong to the model when it is a document:
  // loading one gives them (`document`); a .dat or new model (nothing) uses
  // the desktop's again, as they were left.
  void SetModelBalance(const std::optional<calc::TBalanceInput>& document);
  // The model was saved: as a document (true) it keeps the inputs shown as
  // its own; as a .dat file (false) it has none and uses the desktop's.
  void KeepBalanceWithModel(bool document);
  // The document's balance inputs as typed now; nothing for a .dat or new
  // model.
  std::optional<calc::TBalanceInput> DocumentBalance() const { return balanceStore_.DocumentInput(); }
  // The inputs shown as a document keeps them: what saving the model as one
  // writes.
  calc::TBalanceInput BalanceInput() const { return balanceStore_.AsDocumentInput(); }

  // After a recalculation that completed: what it read (the fifteen field
  // texts in millimetres and the margins chosen for the model), the model
  // record and the results it left.
  void Follow(const calc::RecalculationInput& input, const calc::TModelData& model,
              const calc::TStabilityData& results);
  // The margins chosen for the model changed (nothing: its defaults), before
  // the recalculation that follows them, which may fail.
  void ShowMargins(const std::optional<calc::TMargins>& chosen, bool withTail);
  // After a recalculation that failed: the fields describe no model, so the
  // figures resting on the last good one (the balance check's, the what-if
  // plot's) must not pass for current ones. Follow makes them valid again.
  void Invalidate();
  void SetLanguage(present::Language language);
  // The units the model is shown and typed in; the windows show their
  // lengths and masses in them.
  void SetUnits(calc::TUnits units);
  // The vortex lattice's opinion of the model of the last Follow (nothing:
  // it had nothing to solve), with the rule's results it was compared with.
  // The next Follow makes it an earlier model's.
  void SetSecondOpinion(const std::optional<aero::Comparison>& comparison, const calc::TStabilityData& rule);

  // The balance check's centre of gravity; the diagram shows it as a third
  // mark. Before the window is built it comes from the model's inputs (a
  // document's, or those remembered from the last run); while the user has
  // closed the window (also in an earlier run) there is none.
  std::optional<double> MeasuredCg() const;

  // How the vortex lattice solves a model: with the tailplane's height as
  // the user gave it, in this run or, before the window is built, the last.
  const aero::VlmOptions& LatticeOptions() const { return latticeOptions_; }

 signals:
  void measuredCgChanged();
  // LatticeOptions() changed; the what-if plot has already taken them.
  void latticeOptionsChanged();
  // The builder typed a new tailplane height (after latticeOptionsChanged).
  void tailHeightTyped();
  // The builder changed the document's balance inputs (DocumentBalance()).
  void balanceTyped();
  // The builder asks for these margins in the margins window (nothing: the
  // defaults); it shows them once the main window has taken them.
  void marginsChosen(const std::optional<calc::TMargins>& margins);

 private:
  void takeTailHeight(double height);
  // The balance store holds other inputs; the mark was at `before`.
  void balanceInputsReplaced(std::optional<double> before);
  // Tells the what-if plot and the main window that MeasuredCg() changed.
  void measuredCgMoved();
  // Hands the latest model to the what-if plot. Queued behind the main
  // window's own repaint, so that its labels are painted first; a burst of
  // keystrokes hands over only the last model.
  void handModelToWhatIf();

  QWidget* parent_;
  QSettings settings_;
  BalanceWindow* balance_ = nullptr;
  WhatIfWindow* whatIf_ = nullptr;
  TailHeightWindow* tailHeight_ = nullptr;
  MarginsWindow* margins_ = nullptr;
  aero::VlmOptions latticeOptions_;
  std::optional<calc::LoadedState> state_;
  std::optional<calc::TStabilityData> results_;
  bool modelValid_ = true;
  // The last opinion, for a balance check built later, while it is current.
  std::optional<std::optional<aero::Comparison>> opinion_;
  calc::TStabilityData opinionRule_;
  bool whatIfHandOverQueued_ = false;
  BalanceStore balanceStore_;
  bool balanceClosed_;
  present::Language language_ = present::Language::English;
  calc::TUnits units_;
};

}  // namespace ui
