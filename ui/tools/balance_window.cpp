#include "ui/tools/balance_window.h"

#include <cmath>
#include <span>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "present/balance_rows.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

using present::Caption;

// Which choice an input belongs to: the centre of gravity entered directly,
// the two supports, or both.
enum class InputGroup { Direct, Supports, Both };

struct BalanceInputField {
  std::string_view name;  // object name and settings key
  Caption caption;
  InputGroup group;
};

// The order of the window's rows.
constexpr std::array<BalanceInputField, 7> kInputFields = {{
    {"Bal_CgInput", {"Schwerpunkt:", "centre of gravity:"}, InputGroup::Direct},
    {"Bal_Xa", {"Auflage A bei:", "support A at:"}, InputGroup::Supports},
    {"Bal_Ma", {"Auflage A tr\u00e4gt in g:", "support A carries by g:"}, InputGroup::Supports},
    {"Bal_Xb", {"Auflage B bei:", "support B at:"}, InputGroup::Supports},
    {"Bal_Mb", {"Auflage B tr\u00e4gt in g:", "support B carries by g:"}, InputGroup::Supports},
    {"Bal_MassInput", {"Masse in g (leer: aus den Auflagen):", "mass by g (empty: from the supports):"},
     InputGroup::Both},
    {"Bal_StationInput", {"Ballastposition:", "ballast station:"}, InputGroup::Both},
}};

enum InputIndex : std::size_t { kCg, kXa, kMa, kXb, kMb, kMass, kStation };

struct BalanceCaptions {
  Caption cgMode;
  Caption supportsMode;
  Caption positions;
  Caption noModel;
};

constexpr BalanceCaptions kCaptions = {
    .cgMode = {"Schwerpunkt direkt", "centre of gravity directly"},
    .supportsMode = {"zwei Auflagen (Waagen)", "two supports (scales)"},
    .positions = {"Positionen in mm hinter der Nasenleiste der Fl\u00fcgelwurzel",
                  "positions in mm behind the wing root's leading edge"},
    .noModel = {"kein g\u00fcltiges Modell: die letzte Berechnung im Hauptfenster ist fehlgeschlagen",
                "no valid model: the main window's last recalculation failed"},
};

// What a figure shows while there is no valid model.
const QString kNoFigure = QStringLiteral("\u2013");

const QString kSettingsGroup = QStringLiteral("BalanceCheck");
const QString kModeKey = QStringLiteral("mode");
const QString kSupportsMode = QStringLiteral("supports");
const QString kCgMode = QStringLiteral("cg");

// A field's number, or nothing when the field is empty (blanks only). May
// throw ArithmeticFailure(Overflow) as ParseNumber does.
std::optional<double> Entered(const QLineEdit& field) {
  if (field.text().trimmed().isEmpty()) return std::nullopt;
  return calc::ParseNumber(field.text().toStdString());
}

// Equal values, and NaN equal to NaN, so that a NaN does not count as a
// change at every keystroke.
bool Same(std::optional<double> a, std::optional<double> b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

}  // namespace

BalanceWindow::BalanceWindow(QSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool), settings_(settings) {
  setObjectName(QStringLiteral("BalanceWindow"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  buildControls();
  restoreInputs();
  connectInputs();
  updateTexts();
  recompute();
}

BalanceWindow::~BalanceWindow() = default;

void BalanceWindow::buildControls() {
  auto* grid = new QGridLayout(this);
  int row = 0;
  const auto addInput = [&](std::size_t index) {
    inputCaptions_[index] = new QLabel(this);
    inputs_[index] = new QLineEdit(this);
    inputs_[index]->setObjectName(Text(kInputFields[index].name));
    grid->addWidget(inputCaptions_[index], row, 0);
    grid->addWidget(inputs_[index], row, 1);
    ++row;
  };
  cgMode_ = new QRadioButton(this);
  cgMode_->setObjectName(QStringLiteral("Bal_ModeCg"));
  grid->addWidget(cgMode_, row++, 0, 1, 2);
  addInput(kCg);
  supportsMode_ = new QRadioButton(this);
  supportsMode_->setObjectName(QStringLiteral("Bal_ModeSupports"));
  grid->addWidget(supportsMode_, row++, 0, 1, 2);
  for (std::size_t index : {kXa, kMa, kXb, kMb, kMass, kStation}) addInput(index);
  positionsNote_ = new QLabel(this);
  grid->addWidget(positionsNote_, row++, 0, 1, 2);
  grid->setRowMinimumHeight(row++, kLineHeight);

  for (const present::BalanceRow& output : present::BalanceRows()) {
    auto* caption = new QLabel(this);
    auto* value = new QLabel(this);
    value->setObjectName(Text(output.name));
    value->setTextFormat(Qt::PlainText);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    outputCaptions_.push_back(caption);
    outputValues_.push_back(value);
    ++row;
  }
  errorLine_ = new QLabel(this);
  errorLine_->setObjectName(QStringLiteral("Bal_Error"));
  errorLine_->setTextFormat(Qt::PlainText);
  SetTextColour(*errorLine_, kRed);
  grid->addWidget(errorLine_, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
}

void BalanceWindow::restoreInputs() {
  settings_.beginGroup(kSettingsGroup);
  const bool supports = settings_.value(kModeKey).toString() == kSupportsMode;
  (supports ? supportsMode_ : cgMode_)->setChecked(true);
  for (std::size_t i = 0; i < kInputCount; ++i)
    inputs_[i]->setText(settings_.value(Text(kInputFields[i].name)).toString());
  settings_.endGroup();
  modeChosen();
}

// Connected after the inputs are restored, so that restoring them neither
// writes them back nor computes once per field.
void BalanceWindow::connectInputs() {
  for (std::size_t i = 0; i < kInputCount; ++i) {
    connect(inputs_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
      settings_.beginGroup(kSettingsGroup);
      settings_.setValue(Text(kInputFields[i].name), text);
      settings_.endGroup();
      recompute();
    });
  }
  connect(supportsMode_, &QRadioButton::toggled, this, [this] {
    settings_.beginGroup(kSettingsGroup);
    settings_.setValue(kModeKey, supportsMode_->isChecked() ? kSupportsMode : kCgMode);
    settings_.endGroup();
    modeChosen();
    recompute();
  });
}

void BalanceWindow::modeChosen() {
  const bool supports = supportsMode_->isChecked();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const InputGroup group = kInputFields[i].group;
    const bool enabled = group == InputGroup::Both || (group == InputGroup::Supports) == supports;
    inputs_[i]->setEnabled(enabled);
    inputCaptions_[i]->setEnabled(enabled);
  }
}

void BalanceWindow::SetResults(const calc::TStabilityData& results) {
  results_ = results;
  modelValid_ = true;
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
}

void BalanceWindow::updateTexts() {
  setWindowTitle(Text(In(present::kBalanceTitle, language_)));
  cgMode_->setText(Text(In(kCaptions.cgMode, language_)));
  supportsMode_->setText(Text(In(kCaptions.supportsMode, language_)));
  positionsNote_->setText(Text(In(kCaptions.positions, language_)));
  for (std::size_t i = 0; i < kInputCount; ++i) inputCaptions_[i]->setText(Text(In(kInputFields[i].caption, language_)));
  const std::span<const present::BalanceRow> rows = present::BalanceRows();
  for (std::size_t i = 0; i < rows.size(); ++i) outputCaptions_[i]->setText(Text(In(rows[i].caption, language_)));
}

calc::TBalanceInput BalanceWindow::readInput() const {
  calc::TBalanceInput input;
  if (supportsMode_->isChecked()) {
    const std::optional<double> xa = Entered(*inputs_[kXa]), ma = Entered(*inputs_[kMa]);
    const std::optional<double> xb = Entered(*inputs_[kXb]), mb = Entered(*inputs_[kMb]);
    // All four belong together; without one of them there is no centre of gravity.
    if (xa && ma && xb && mb) input.Supports = calc::TSupports{*xa, *ma, *xb, *mb};
  } else {
    input.Cg = Entered(*inputs_[kCg]);
  }
  input.Mass = Entered(*inputs_[kMass]);
  input.BallastStation = Entered(*inputs_[kStation]);
  return input;
}

// The one place that computes: every failure ends here, shown in the error
// line with the outputs left empty.
void BalanceWindow::recompute() {
  std::optional<calc::TBalanceData> balance;
  QString error;
  if (results_) {
    try {
      balance = calc::CalcBalance(readInput(), *results_);
    } catch (const calc::BalanceInputError& inputError) {
      error = Text(present::BalanceErrorText(inputError.Kind(), language_));
    } catch (const calc::ArithmeticFailure& failure) {
      error = Text(failure.what());
    }
  }
  const std::span<const present::BalanceRow> rows = present::BalanceRows();
  // Figures of an earlier model must never pass for the current one's.
  const bool stale = results_ && !modelValid_;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    outputValues_[i]->setText(stale     ? kNoFigure
                              : balance ? Text(rows[i].text(*balance, language_))
                                        : QString());
  }
  errorLine_->setText(stale ? Text(In(kCaptions.noModel, language_)) : error);

  const std::optional<double> measuredCg = balance ? std::optional(balance->Cg) : std::nullopt;
  if (Same(measuredCg, measuredCg_)) return;
  measuredCg_ = measuredCg;
  emit measuredCgChanged();
}

}  // namespace ui
