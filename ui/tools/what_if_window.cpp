#include "ui/tools/what_if_window.h"

#include <initializer_list>

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "files/file_error.h"
#include "present/file_messages.h"
#include "ui/platform/appearance.h"
#include "ui/platform/message_text.h"
#include "ui/platform/screen_placement.h"
#include "ui/platform/shortcut_keys.h"
#include "ui/tools/lattice_sweep.h"
#include "ui/tools/unit_texts.h"
#include "ui/tools/what_if_plot_view.h"

namespace ui {
namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace

WhatIfWindow::WhatIfWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("WhatIfWindow"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  buildControls();
  updateTexts();
  resize(760, 520);
}

// A computation still running works on copies; it only must not report to
// a window that is gone.
WhatIfWindow::~WhatIfWindow() {
  computation_.disconnect();
  computation_.waitForFinished();
}

void WhatIfWindow::buildControls() {
  fieldChoice_ = new QComboBox(this);
  fieldChoice_->setObjectName(QStringLiteral("WhatIf_Field"));
  for (int field = 0; field < calc::kModelFieldCount; ++field) fieldChoice_->addItem(FieldTitle(field, language_));
  fieldCaption_ = new QLabel(this);
  fromCaption_ = new QLabel(this);
  toCaption_ = new QLabel(this);
  fromField_ = new QLineEdit(this);
  fromField_->setObjectName(QStringLiteral("WhatIf_From"));
  toField_ = new QLineEdit(this);
  toField_->setObjectName(QStringLiteral("WhatIf_To"));
  KeepCommandKeysFromTyping(*fromField_);
  KeepCommandKeysFromTyping(*toField_);
  KeepNumberFieldReadable(*fromField_);
  KeepNumberFieldReadable(*toField_);
  plotView_ = new WhatIfPlotView(this);
  // However far the window shrinks, the vertical axis's title (some 40
  // characters, standing beside the axis) keeps room, with the tick labels,
  // the horizontal axis's title and the legend around the axis.
  plotView_->setMinimumHeight(26 * plotView_->fontMetrics().height());
  latticeSweep_ = new LatticeSweep(this);
  latticeDelay_ = new QTimer(this);
  latticeDelay_->setSingleShot(true);
  latticeDelay_->setInterval(kLatticeDelay);
  errorLine_ = new QLabel(this);
  errorLine_->setObjectName(QStringLiteral("WhatIf_Error"));
  errorLine_->setTextFormat(Qt::PlainText);
  SetTextColour(*errorLine_, kRed);
  exportPngButton_ = new QPushButton(this);
  exportPngButton_->setObjectName(QStringLiteral("WhatIf_ExportPng"));
  exportSvgButton_ = new QPushButton(this);
  exportSvgButton_->setObjectName(QStringLiteral("WhatIf_ExportSvg"));

  auto* inputs = new QHBoxLayout;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{fieldCaption_, fieldChoice_, fromCaption_, fromField_, toCaption_, toField_})
    inputs->addWidget(widget);
  inputs->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(errorLine_, 1);
  bottom->addWidget(exportPngButton_);
  bottom->addWidget(exportSvgButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(inputs);
  layout->addWidget(plotView_, 1);
  layout->addLayout(bottom);

  connect(fieldChoice_, &QComboBox::currentIndexChanged, this, &WhatIfWindow::fieldChosen);
  connect(fromField_, &QLineEdit::textChanged, this, &WhatIfWindow::refresh);
  connect(toField_, &QLineEdit::textChanged, this, &WhatIfWindow::refresh);
  connect(&computation_, &QFutureWatcher<Computed>::finished, this, &WhatIfWindow::computationFinished);
  connect(latticeSweep_, &LatticeSweep::solved, plotView_, &WhatIfPlotView::AddLatticePoints);
  // Every change of the inputs stops the timer: they are still the plot's.
  connect(latticeDelay_, &QTimer::timeout, this, [this] {
    if (state_)
      latticeSweep_->Start(*state_, fieldChoice_->currentIndex(), rangeText(), latticeOptions_,
                           plotView_->LatticeGeneration());
  });
  connect(exportPngButton_, &QPushButton::clicked, this, [this] { exportChosen(false); });
  connect(exportSvgButton_, &QPushButton::clicked, this, [this] { exportChosen(true); });
}

void WhatIfWindow::SetModelState(const calc::LoadedState& state) {
  if (state_ && rangeSet_ && state.Units != state_->Units) convertRange(state_->Units, state.Units);
  state_ = state;
  plotView_->SetOutdated(false);
  if (!rangeSet_) setDefaultRange();
  refresh();
}

void WhatIfWindow::ShowOutdated() { plotView_->SetOutdated(true); }

void WhatIfWindow::SetMeasuredCg(std::optional<double> measuredCg) {
  measuredCg_ = measuredCg;
  plotView_->SetMarks({currentValue(), measuredCg_});
}

void WhatIfWindow::fieldChosen() {
  setDefaultRange();
  refresh();
}

// Sets both range fields at once, without a plot for the half-changed range.
void WhatIfWindow::setDefaultRange() {
  rangeSet_ = state_.has_value();
  if (!rangeSet_) return;
  const present::RangeTexts range = present::DefaultRange(currentValue().value_or(0));
  const QSignalBlocker blockFrom(fromField_);
  const QSignalBlocker blockTo(toField_);
  fromField_->setText(QString::fromStdString(range.From));
  toField_->setText(QString::fromStdString(range.To));
}

// The range stays where it was, typed in the new units; a text that is no
// number stays as it is.
void WhatIfWindow::convertRange(calc::TUnits from, calc::TUnits to) {
  const QSignalBlocker blockFrom(fromField_);
  const QSignalBlocker blockTo(toField_);
  for (QLineEdit* field : {fromField_, toField_})
    field->setText(ShownText(KeptText(field->text(), Measure::Length, from), Measure::Length, to));
}

// The value the main window's field holds, read by the program's number rule
// in the units it is typed in.
std::optional<double> WhatIfWindow::currentValue() const {
  if (!state_) return std::nullopt;
  try {
    return calc::ParseNumber(state_->Texts.at(static_cast<std::size_t>(fieldChoice_->currentIndex())));
  } catch (const calc::ArithmeticFailure&) {
    return std::nullopt;
  }
}

// Blanks around a number are no part of it.
std::string WhatIfWindow::rangeText() const {
  return present::WhatIfRangeText(Utf8(fromField_->text().trimmed()), Utf8(toField_->text().trimmed()));
}

QString WhatIfWindow::SweepArgument() const {
  const int field = fieldChoice_->currentIndex();
  return Text(calc::kModelFieldCodes.at(static_cast<std::size_t>(field))) + QLatin1Char('=') +
         QString::fromStdString(rangeText());
}

// The plot stays; only its lattice curve is solved again, after the same
// pause as a new plot's.
void WhatIfWindow::SetLatticeOptions(const aero::VlmOptions& options) {
  latticeOptions_ = options;
  StopLattice();
  plotView_->ClearLattice();
  if (!isVisible()) stale_ = true;
  else if (!computation_.isRunning() && !plotView_->IsUpdating()) latticeDelay_->start();
}

void WhatIfWindow::StopLattice() {
  latticeDelay_->stop();
  latticeSweep_->Cancel();
}

void WhatIfWindow::refresh() {
  // The lattice's points belong to the plot shown, which these inputs replace.
  StopLattice();
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  ++generation_;
  plotView_->SetUpdating(true);
  // One computation at a time: when it ends, the newest inputs are started.
  if (!computation_.isRunning()) startComputation();
}

void WhatIfWindow::startComputation() {
  // The worker gets copies: the inputs may change while it runs.
  const std::uint64_t generation = generation_;
  const std::optional<calc::LoadedState> state = state_;
  const int field = fieldChoice_->currentIndex();
  const std::string range = rangeText();
  computation_.setFuture(QtConcurrent::run([generation, state, field, range] {
    Computed computed{generation, {}};
    if (state) computed.plot = present::ComputeWhatIf(*state, field, range);
    return computed;
  }));
}

void WhatIfWindow::computationFinished() {
  Computed computed = computation_.result();
  if (computed.generation != generation_) {
    startComputation();
    return;
  }
  errorLine_->setText(Text(present::WhatIfErrorText(computed.plot, language_)));
  plotView_->Show(std::move(computed.plot), fieldChoice_->currentIndex(), {currentValue(), measuredCg_});
  latticeDelay_->start();
}

void WhatIfWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) refresh();
}

void WhatIfWindow::SetLanguage(present::Language language) {
  language_ = language;
  updateTexts();
}

void WhatIfWindow::updateTexts() {
  setWindowTitle(Text(present::TextsOf(language_).whatIfTitle));
  for (int field = 0; field < calc::kModelFieldCount; ++field)
    fieldChoice_->setItemText(field, FieldTitle(field, language_));
  fieldCaption_->setText(Text(present::TextsOf(language_).whatIfField));
  // The range's messages name the fields by these captions.
  fromCaption_->setText(Text(In(present::kRangePartCaptions[0], language_)));
  toCaption_->setText(Text(In(present::kRangePartCaptions[1], language_)));
  exportPngButton_->setText(Text(present::TextsOf(language_).whatIfExportPng));
  exportSvgButton_->setText(Text(present::TextsOf(language_).whatIfExportSvg));
  plotView_->SetLanguage(language_);
  errorLine_->setText(Text(present::WhatIfErrorText(plotView_->Plot(), language_)));
}

bool WhatIfWindow::ExportPng(const QString& path) { return plotView_->SavePng(path); }

bool WhatIfWindow::ExportSvg(const QString& path) { return plotView_->SaveSvg(path); }

void WhatIfWindow::exportChosen(bool svg) {
  const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
  const QString caption = (svg ? exportSvgButton_ : exportPngButton_)->text();
  QString path = QFileDialog::getSaveFileName(this, caption, QString(),
                                              suffix.toUpper() + QStringLiteral(" (*.") + suffix + QLatin1Char(')'));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  QString reason;
  try {
    if (svg ? ExportSvg(path) : ExportPng(path)) return;
  } catch (const files::FileError& failure) {
    // Why, in words, where the plot tells it.
    reason = QLatin1Char('\n') +
             MessageWithFullStop(Text(present::FileErrorText(failure.Code(), language_)));
  }
  QMessageBox::warning(this, windowTitle(),
                       Text(present::TextsOf(language_).whatIfExportFailed) + QLatin1Char('\n') + path + reason);
}

}  // namespace ui
