#include "ui/tools/balance_window.h"

#include <cmath>
#include <span>

#include <QCloseEvent>
#include <QGridLayout>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>

#include "calc/failure.h"
#include "present/balance_rows.h"
#include "present/number_faults.h"
#include "present/second_opinion.h"
#include "present/unit_captions.h"
#include "ui/tools/balance_inputs.h"
#include "ui/platform/appearance.h"
#include "ui/platform/screen_placement.h"
#include "ui/platform/shortcut_keys.h"

namespace ui {
namespace {

// What a figure shows while there is no valid model.
const QString kNoFigure = QStringLiteral("\u2013");


}  // namespace

BalanceWindow::BalanceWindow(QSettings& settings, QWidget* parent)
    : BalanceWindow(std::make_unique<BalanceStore>(settings), nullptr, parent) {}

BalanceWindow::BalanceWindow(BalanceStore& store, QWidget* parent) : BalanceWindow(nullptr, &store, parent) {}

BalanceWindow::BalanceWindow(std::unique_ptr<BalanceStore> ownStore, BalanceStore* store, QWidget* parent)
    : QWidget(parent, Qt::Tool), ownStore_(std::move(ownStore)), store_(store ? *store : *ownStore_) {
  setObjectName(QStringLiteral("BalanceWindow"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  buildControls();
  rememberTimer_ = new QTimer(this);
  rememberTimer_->setObjectName(QStringLiteral("BalanceRememberTimer"));
  rememberTimer_->setSingleShot(true);
  rememberTimer_->setInterval(kRememberDelay);
  connect(rememberTimer_, &QTimer::timeout, this, &BalanceWindow::rememberInputs);
  restoreInputs();
  connectInputs();
  updateTexts();
  recompute();
}

BalanceWindow::~BalanceWindow() {
  if (rememberTimer_->isActive()) rememberInputs();
}

void BalanceWindow::buildControls() {
  auto* grid = new QGridLayout(this);
  int row = 0;
  const auto addInput = [&](std::size_t index) {
    inputCaptions_[index] = new QLabel(this);
    inputs_[index] = new QLineEdit(this);
    inputs_[index]->setObjectName(Text(kBalanceInputFields[index].name));
    KeepCommandKeysFromTyping(*inputs_[index]);
    KeepNumberFieldReadable(*inputs_[index]);
    grid->addWidget(inputCaptions_[index], row, 0);
    grid->addWidget(inputs_[index], row, 1);
    ++row;
  };
  cgMode_ = new QRadioButton(this);
  cgMode_->setObjectName(QStringLiteral("Bal_ModeCg"));
  grid->addWidget(cgMode_, row++, 0, 1, 2);
  addInput(kCgField);
  supportsMode_ = new QRadioButton(this);
  supportsMode_->setObjectName(QStringLiteral("Bal_ModeSupports"));
  grid->addWidget(supportsMode_, row++, 0, 1, 2);
  for (std::size_t index : {kXaField, kMaField, kXbField, kMbField, kMassField, kStationField}) addInput(index);
  positionsNote_ = new QLabel(this);
  grid->addWidget(positionsNote_, row++, 0, 1, 2);
  grid->setRowMinimumHeight(row++, kLineHeight);

  const auto addOutputs = [&](std::span<const present::BalanceRow> rows, std::vector<QLabel*>& captions,
                              std::vector<QLabel*>& values) {
    for (const present::BalanceRow& output : rows) {
      auto* caption = new QLabel(this);
      auto* value = new QLabel(this);
      value->setObjectName(Text(output.name));
      value->setTextFormat(Qt::PlainText);
      grid->addWidget(caption, row, 0);
      grid->addWidget(value, row, 1);
      captions.push_back(caption);
      values.push_back(value);
      ++row;
    }
  };
  addOutputs(present::BalanceRows(), outputCaptions_, outputValues_);
  addOutputs(present::LatticeBalanceRows(), latticeCaptions_, latticeValues_);
  governingLine_ = new QLabel(this);
  governingLine_->setObjectName(Text(present::kGoverningName));
  governingLine_->setTextFormat(Qt::PlainText);
  governingLine_->setWordWrap(true);
  grid->addWidget(governingLine_, row++, 0, 1, 2);
  errorLine_ = new QLabel(this);
  errorLine_->setObjectName(QStringLiteral("Bal_Error"));
  errorLine_->setTextFormat(Qt::PlainText);
  SetTextColour(*errorLine_, kRed);
  grid->addWidget(errorLine_, row++, 0, 1, 2);
  settingsNote_ = new QLabel(this);
  settingsNote_->setObjectName(QStringLiteral("Bal_SettingsNote"));
  settingsNote_->setTextFormat(Qt::PlainText);
  settingsNote_->setWordWrap(true);
  settingsNote_->hide();
  SetTextColour(*settingsNote_, kRed);
  grid->addWidget(settingsNote_, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
}

void BalanceWindow::restoreInputs() {
  fillInputs();
  // A builder opens the window to type a number: the first field of the
  // chosen way takes the keys, not the radio button above it.
  for (QLineEdit* input : inputs_) {
    if (!input->isEnabled()) continue;
    input->setFocus();
    break;
  }
}

// Filled with the signals blocked, so that showing the inputs neither
// writes them back (a text shown in another unit is no edit) nor computes
// once per field.
void BalanceWindow::fillInputs() {
  const BalanceTexts& kept = store_.Texts();
  for (QRadioButton* choice : {cgMode_, supportsMode_}) choice->blockSignals(true);
  (kept.supports ? supportsMode_ : cgMode_)->setChecked(true);
  for (QRadioButton* choice : {cgMode_, supportsMode_}) choice->blockSignals(false);
  for (std::size_t i = 0; i < kBalanceInputCount; ++i) {
    const QSignalBlocker blocker(inputs_[i]);
    inputs_[i]->setText(ShownText(kept.texts[i], kBalanceInputFields[i].measure, units_));
  }
  modeChosen();
}

void BalanceWindow::connectInputs() {
  for (std::size_t i = 0; i < kBalanceInputCount; ++i) {
    connect(inputs_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
      BalanceTexts texts = store_.Texts();
      texts.texts[i] = KeptText(text, kBalanceInputFields[i].measure, units_);
      inputsChanged(texts);
    });
  }
  connect(supportsMode_, &QRadioButton::toggled, this, [this] {
    BalanceTexts texts = store_.Texts();
    texts.supports = supportsMode_->isChecked();
    modeChosen();
    inputsChanged(texts);
  });
}

// Writing the settings at every keystroke syncs the file to disk each time
// and stalls the typing; the desktop's texts wait in memory until typing
// pauses or the window closes.
void BalanceWindow::inputsChanged(const BalanceTexts& texts) {
  if (store_.Take(texts)) emit documentInputTyped();
  if (!store_.OfDocument()) rememberTimer_->start();
  recompute();
}

void BalanceWindow::rememberInputs() {
  rememberTimer_->stop();
  // Said once, in the window, while writing fails; a message box at every
  // pause in the typing would be worse than the loss.
  settingsNote_->setVisible(!store_.RememberDesktop());
}

void BalanceWindow::ShowStoredInputs() {
  fillInputs();
  recompute();
}

void BalanceWindow::SetUnits(calc::TUnits units) {
  if (units == units_) return;
  units_ = units;
  fillInputs();
  updateTexts();
  recompute();
  adjustSize();
}

void BalanceWindow::closeEvent(QCloseEvent* event) {
  if (rememberTimer_->isActive()) rememberInputs();
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit closed();
}

void BalanceWindow::modeChosen() {
  const bool supports = supportsMode_->isChecked();
  for (std::size_t i = 0; i < kBalanceInputCount; ++i) {
    const InputGroup group = kBalanceInputFields[i].group;
    const bool enabled = group == InputGroup::Both || (group == InputGroup::Supports) == supports;
    inputs_[i]->setEnabled(enabled);
    inputCaptions_[i]->setEnabled(enabled);
  }
}

void BalanceWindow::SetResults(const calc::TStabilityData& results) {
  results_ = results;
  modelValid_ = true;
  latticeCurrent_ = false;
  recompute();
}

void BalanceWindow::SetSecondOpinion(const std::optional<aero::Comparison>& comparison,
                                     const calc::TStabilityData& rule) {
  lattice_ = comparison;
  latticeRule_ = rule;
  latticeCurrent_ = true;
  recompute();
}

void BalanceWindow::Invalidate() {
  modelValid_ = false;
  recompute();
}

void BalanceWindow::SetLanguage(present::Language language) {
  language_ = language;
  updateTexts();
  recompute();
  // The German texts are wider; back in English the window would keep
  // their width.
  adjustSize();
}

void BalanceWindow::updateTexts() {
  const present::Texts& texts = present::TextsOf(language_);
  setWindowTitle(Text(texts.balanceTitle));
  cgMode_->setText(Text(texts.balanceCgMode));
  supportsMode_->setText(Text(texts.balanceSupportsMode));
  positionsNote_->setText(Text(In(&present::Texts::balancePositions, language_, units_)));
  settingsNote_->setText(Text(texts.balanceNotKept).arg(store_.SettingsFileName()));
  for (std::size_t i = 0; i < kBalanceInputCount; ++i)
    inputCaptions_[i]->setText(Text(In(kBalanceInputFields[i].caption, language_, units_)));
  const std::span<const present::BalanceRow> rows = present::BalanceRows();
  for (std::size_t i = 0; i < rows.size(); ++i) outputCaptions_[i]->setText(Text(In(rows[i].caption, language_, units_)));
  const std::span<const present::BalanceRow> latticeRows = present::LatticeBalanceRows();
  for (std::size_t i = 0; i < latticeRows.size(); ++i)
    latticeCaptions_[i]->setText(Text(In(latticeRows[i].caption, language_, units_)));
}

// The one place that computes: every failure ends here, shown in the error
// line with the outputs left empty.
void BalanceWindow::recompute() {
  std::optional<calc::TBalanceInput> input;
  std::optional<calc::TBalanceData> balance;
  QString error;
  if (results_) {
    try {
      input = ReadBalanceTexts(store_.Texts());
      balance = calc::CalcBalance(*input, *results_);
    } catch (const RefusedNumberError& refused) {
      error = Text(present::RefusedNumberText(In(kBalanceInputFields[refused.Field()].caption, language_, units_),
                                              refused.Fault(), language_));
    } catch (const calc::BalanceInputError& inputError) {
      error = Text(present::BalanceErrorText(inputError.Kind(), language_));
    } catch (const calc::ArithmeticFailure& failure) {
      error = Text(failure.what());
    }
  }
  const std::span<const present::BalanceRow> rows = present::BalanceRows();
  // Figures of an earlier model must never pass for the current one's.
  const bool stale = results_ && !modelValid_;
  // A canard's or tandem's rule range is no recommendation: its judgement
  // stays readable beside the lattice's, but grey.
  const bool ruleRangeApplies = !(lattice_ && lattice_->TailAhead);
  const QString notApplicable = Text(In(present::kRuleRangeNotApplicable, language_));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    outputValues_[i]->setText(stale     ? kNoFigure
                              : balance ? Text(rows[i].text(*balance, language_, units_))
                                        : QString());
    const bool greyed = rows[i].byRange && !ruleRangeApplies;
    SetTextColour(*outputValues_[i], greyed ? kGrey : kBlack);
    outputValues_[i]->setToolTip(greyed ? notApplicable : QString());
  }
  errorLine_->setText(stale ? Text(present::TextsOf(language_).balanceNoModel) : error);
  showLatticeRows(balance, balance ? input : std::nullopt, stale);

  const std::optional<double> measuredCg = balance ? std::optional(balance->Cg) : std::nullopt;
  if (SameMeasuredCg(measuredCg, measuredCg_)) return;
  measuredCg_ = measuredCg;
  emit measuredCgChanged();
}

// Only where the two verdicts differ or the lattice governs: elsewhere the
// rule's rows say all a builder follows.
void BalanceWindow::showLatticeRows(const std::optional<calc::TBalanceData>& rule,
                                    const std::optional<calc::TBalanceInput>& input, bool stale) {
  std::optional<calc::TBalanceData> balance;
  if (lattice_ && input && !stale) {
    // The inputs passed the rule's check; only the arithmetic can fail.
    try {
      balance = calc::CalcBalanceAgainst(*input, latticeRule_, lattice_->Vlm.NeutralPoint);
    } catch (const calc::ArithmeticFailure&) {
    }
  }
  const std::optional<present::Governing> governing =
      lattice_ ? std::optional(present::GoverningOf(*lattice_)) : std::nullopt;
  const bool verdictsDiffer = rule && balance && rule->Verdict != balance->Verdict;
  const bool shown = governing && (verdictsDiffer || governing->judgement == present::Judgement::Lattice);
  const QRgb colour = latticeCurrent_ && !stale ? kBlack : kGrey;
  const std::span<const present::BalanceRow> rows = present::LatticeBalanceRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    latticeCaptions_[i]->setVisible(shown);
    latticeValues_[i]->setVisible(shown);
    latticeValues_[i]->setText(stale     ? kNoFigure
                               : balance ? Text(rows[i].text(*balance, language_, units_))
                                         : QString());
    SetTextColour(*latticeValues_[i], colour);
  }
  governingLine_->setVisible(shown);
  governingLine_->setText(governing ? Text(present::GoverningText(*governing, language_)) : QString());
  SetTextColour(*governingLine_, colour);
  // The sentence wraps, and a window's minimum height knows nothing of
  // wrapped lines: it grows to show them whole.
  const int needed = layout()->totalHeightForWidth(width());
  if (shown && needed > height()) resize(width(), needed);
}

}  // namespace ui
