#pragma once

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QWidget>

#include "aero/comparison.h"
#include "calc/balance.h"
#include "calc/stability.h"
#include "calc/units.h"
#include "present/language.h"
#include "ui/tools/balance_inputs.h"
#include "ui/tools/balance_store.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QSettings;
class QTimer;

namespace ui {

// The balance check: where the built model balances, its static margin, a
// verdict and how much ballast at a chosen station brings the centre of
// gravity into the recommended range. A non-modal tool window, objectName
// "BalanceWindow", titled present::kBalanceTitle.
//
// Inputs (line edits; a blank field is not entered, any other text is read
// by calc::ReadGivenNumber, and the error line names a field it refuses and
// why, "centre of gravity: not a number"): either the centre of gravity itself ("Bal_CgInput", radio
// button "Bal_ModeCg") or what two supports carry ("Bal_Xa", "Bal_Ma",
// "Bal_Xb", "Bal_Mb", radio button "Bal_ModeSupports"; the fields of the
// other choice are disabled), the model's mass ("Bal_MassInput"; empty: the
// supports' sum, or unknown) and the ballast station ("Bal_StationInput").
// Positions behind the wing root's leading edge, typed and shown in the
// model's units (SetUnits) and kept in mm and grams (KeptText); a change of
// units shows the kept values in the new units and keeps them as they are.
//
// Outputs: one value label per present::BalanceRows() row, named like the
// row ("Bal_Cg" ...), beside its caption; the line "Bal_Error" shows why
// there is no result (no centre of gravity, supports carrying nothing, both
// at one place, an arithmetic failure), and the value labels are then empty.
// Every keystroke in an input and every SetResults computes anew; no failure
// leaves the window. Before the first SetResults everything is empty.
//
// Where the verdict against the vortex lattice's neutral point differs from
// the rule's, or the lattice governs (present::GoverningOf), more rows
// follow, one per present::LatticeBalanceRows() row ("Bal_VlmMargin",
// "Bal_VlmVerdict", "Bal_VlmBallast": calc::CalcBalanceAgainst that point),
// and the line "Bal_Governing" saying which judgement to follow and why.
// They are grey while the lattice's opinion belongs to an earlier model, and
// hidden otherwise.
//
// The inputs and the choice are the BalanceStore's. The desktop's are
// written into its settings kRememberDelay after the last keystroke, when
// the window closes and when it is destroyed, never at every keystroke;
// while the settings file cannot be written, the note "Bal_SettingsNote"
// says so. Typing that changes a document's inputs announces
// documentInputTyped.
class BalanceWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kRememberDelay{1000};

  // `store` must outlive the window. The inputs start as it holds them.
  explicit BalanceWindow(BalanceStore& store, QWidget* parent = nullptr);
  // A window of its own store on the desktop's `settings`, which must
  // outlive it.
  explicit BalanceWindow(QSettings& settings, QWidget* parent = nullptr);
  ~BalanceWindow() override;

  // The aircraft's results after a successful recalculation; the figures
  // rest on them again. The lattice's opinion is of an earlier model now.
  void SetResults(const calc::TStabilityData& results);

  // The vortex lattice's opinion of the model of the last SetResults
  // (nothing: it had nothing to solve), and the rule's results it was
  // compared with.
  void SetSecondOpinion(const std::optional<aero::Comparison>& comparison, const calc::TStabilityData& rule);

  // The main window's last recalculation failed: its fields describe no
  // model, so every figure shows a dash and the error line says why, until
  // the next SetResults. The measured centre of gravity stays (it rests on
  // the inputs, and the diagram keeps the last model drawn).
  void Invalidate();

  // Title, captions, choice texts and the words among the outputs.
  void SetLanguage(present::Language language);
  // The units the inputs are typed in and the outputs shown in.
  void SetUnits(calc::TUnits units);
  // The store holds another model's inputs (a document's, or the desktop's
  // again): the fields show them.
  void ShowStoredInputs();

  // The measured centre of gravity (mm behind the wing root's leading edge)
  // when the inputs give one and the check succeeds with the current
  // results; nothing otherwise.
  std::optional<double> MeasuredCg() const { return measuredCg_; }

 signals:
  // MeasuredCg() has changed (appeared, gone or moved).
  void measuredCgChanged();
  // The user closed the window (it is hidden, not destroyed).
  void closed();
  // Typing changed a document's inputs.
  void documentInputTyped();

 private:
  // `store` (nothing: the window's own) holds the inputs.
  BalanceWindow(std::unique_ptr<BalanceStore> ownStore, BalanceStore* store, QWidget* parent);
  void buildControls();
  void restoreInputs();
  // The fields show the store's inputs in units_, announcing nothing.
  void fillInputs();
  void connectInputs();
  void modeChosen();
  void updateTexts();
  // The user changed the inputs' texts or the choice to `texts` (kept).
  void inputsChanged(const BalanceTexts& texts);
  void rememberInputs();
  void closeEvent(QCloseEvent* event) override;
  void recompute();
  // The lattice's rows and the governing line beside the rule's `rule`, for
  // `input` (nothing: the rule's figures failed).
  void showLatticeRows(const std::optional<calc::TBalanceData>& rule, const std::optional<calc::TBalanceInput>& input,
                       bool stale);

  std::unique_ptr<BalanceStore> ownStore_;  // only when the window has a store of its own
  BalanceStore& store_;
  present::Language language_ = present::Language::English;
  calc::TUnits units_;
  std::optional<calc::TStabilityData> results_;
  bool modelValid_ = true;
  std::optional<double> measuredCg_;
  std::optional<aero::Comparison> lattice_;
  calc::TStabilityData latticeRule_;
  bool latticeCurrent_ = false;  // lattice_ belongs to the model of results_
  QRadioButton* cgMode_;
  QRadioButton* supportsMode_;
  QLabel* positionsNote_;
  std::array<QLineEdit*, kBalanceInputCount> inputs_{};
  std::array<QLabel*, kBalanceInputCount> inputCaptions_{};
  std::vector<QLabel*> outputCaptions_;
  std::vector<QLabel*> outputValues_;
  std::vector<QLabel*> latticeCaptions_;  // by present::LatticeBalanceRows()
  std::vector<QLabel*> latticeValues_;
  QLabel* governingLine_;  // Bal_Governing
  QLabel* errorLine_;
  QLabel* settingsNote_;  // shown while the inputs cannot be written
  QTimer* rememberTimer_;  // runs while typed inputs are not yet in the settings
};

}  // namespace ui
