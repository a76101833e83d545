#include "ui/main_window/main_window.h"

#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

#include "calc/failure.h"
#include "calc/recalculation.h"
#include "diagram/planform.h"
#include "present/recalculation.h"
#include "present/second_opinion.h"
#include "ui/pictures/diagram_image.h"
#include "ui/pictures/icons.h"
#include "ui/platform/appearance.h"
#include "ui/platform/deferred_work.h"
#include "ui/main_window/lattice_solver.h"
#include "ui/main_window/second_opinion_line.h"
#include "ui/tools/tool_windows.h"

namespace ui {
namespace {

// After its first frame a start is busy for a moment more: the window
// system maps, activates and exposes the window.
constexpr std::chrono::milliseconds kStartSettles{50};

void SetValueText(QLabel& label, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (label.text() != shown) label.setText(shown);
}

bool IsCentreOfGravity(const present::ResultCell& cell) { return cell.kind == present::CellKind::CentreOfGravity; }

}  // namespace

MainWindow::MainWindow(HandlerBoundary& boundary, std::chrono::milliseconds failureReportDelay)
    : boundary_(boundary), failureReport_(new DeferredFailureReport(boundary, failureReportDelay, this)) {
  setObjectName(QStringLiteral("Form1"));
  showTitle(present::Language::English);
  setWindowIcon(AppIcon());
  setFont(WindowFont());
  buildMenu();
  buildClientArea();
  buildResultTable();
  buildFields();
  buildToolBar();
  buildStatusLine();
  arrangeTabOrder();
  toolWindows_ = new ToolWindows(this);
  latticeSolver_ = new LatticeSolver(this);
  connectHandlers();
  watchKeys();
  // The default texts count as saved: a new model that was never changed
  // has nothing to lose.
  markSaved();
  // The client area between the menu bar and the status line is exactly as
  // large as the contents.
  move(129, 100);
  resize(client_->minimumWidth(),
         menuBar_->sizeHint().height() + client_->minimumHeight() + secondOpinionLine_->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    connect(fields_[i], &QLineEdit::textChanged, this, [this, i] { noteFieldValue(i); });
    connect(fields_[i], &QLineEdit::textChanged, this, [this, i] { fitField(i); });
    connect(fields_[i], &QLineEdit::textChanged, this,
            [this] { failureReport_->RecalculateAfterEdit([this] { recalculate(); }); });
  }
  connect(loadAction_, &QAction::triggered, this, Guarded(&MainWindow::loadModel));
  connect(loadButton_, &QToolButton::clicked, this, Guarded(&MainWindow::loadModel));
  connect(saveAction_, &QAction::triggered, this, Guarded(&MainWindow::saveModel));
  connect(saveAsAction_, &QAction::triggered, this, Guarded(&MainWindow::saveModelAs));
  connect(saveAsButton_, &QToolButton::clicked, this, Guarded(&MainWindow::saveModelAs));
  connect(printAction_, &QAction::triggered, this, Guarded(&MainWindow::printClientArea));
  connect(quitAction_, &QAction::triggered, this, &QWidget::close);
  connect(aboutAction_, &QAction::triggered, this, Guarded(&MainWindow::showAbout));
  for (const present::LanguageEntry& entry : present::kLanguages) {
    connect(languageButtons_[static_cast<std::size_t>(entry.language)], &QPushButton::clicked, this,
            Guarded(&MainWindow::switchLanguage, entry.language));
  }
  connect(balanceAction_, &QAction::triggered, this, &MainWindow::openBalanceCheck);
  connect(whatIfAction_, &QAction::triggered, this, &MainWindow::openWhatIf);
  connect(tailHeightAction_, &QAction::triggered, toolWindows_, &ToolWindows::OpenTailHeight);
  connect(marginsAction_, &QAction::triggered, toolWindows_, &ToolWindows::OpenMargins);
  connect(toolWindows_, &ToolWindows::marginsChosen, this, [this](const std::optional<calc::TMargins>& margins) {
    boundary_.Run([this, margins] { SetChosenMargins(margins); });
  });
  connect(toolWindows_, &ToolWindows::latticeOptionsChanged, this, &MainWindow::askSecondOpinion);
  connect(toolWindows_, &ToolWindows::tailHeightTyped, this, [this] {
    noteTailHeight();
    showModifiedMark();
  });
  connect(toolWindows_, &ToolWindows::balanceTyped, this, [this] {
    noteBalanceInputs();
    showModifiedMark();
  });
  connect(toolWindows_, &ToolWindows::measuredCgChanged, this, &MainWindow::redrawMarks);
  // Once the first frame is on the screen and the start has settled: the
  // lattice's thread and memory take nothing from the start a user waits for.
  connect(secondOpinionLine_, &SecondOpinionLine::firstPainted, this,
          [this] { RunAfterPause(*this, kStartSettles, [this] { releaseSecondOpinion(); }); });
  connect(latticeSolver_, &LatticeSolver::solved, this,
          [this](const LatticeSolver::Opinion& opinion) { showSecondOpinion(opinion.comparison, opinion.rule); });
}

void MainWindow::openBalanceCheck() { toolWindows_->OpenBalanceCheck(); }

void MainWindow::openWhatIf() { toolWindows_->OpenWhatIf(); }

void MainWindow::redrawMarks() {
  // Only the marks move; a model whose diagram cannot be drawn has already
  // been reported by its recalculation, and its diagram stays as it was.
  // A blank diagram stays blank: the model of a failed cycle is half read.
  if (!diagramImage_->ShowsDrawing()) return;
  try {
    drawDiagram();
  } catch (const calc::ArithmeticFailure&) {
  }
  diagramImage_->update();
}

void MainWindow::showSecondOpinion(const std::optional<aero::Comparison>& comparison,
                                   const calc::TStabilityData& rule) {
  secondOpinionLine_->ShowCurrent(comparison);
  toolWindows_->SetSecondOpinion(comparison, rule);
  if (!tailAhead_) return;
  // The lattice solves the newest model alone, which is this canard.
  latticeRange_ = comparison ? comparison->LatticeRange : std::nullopt;
  redrawMarks();
}

void MainWindow::start() {
  // Only the first activation starts a new, unnamed model in English; coming
  // back from the About window keeps the file name (so Save still writes to
  // the loaded file) and the language the user chose.
  if (!activatedBefore_) {
    activatedBefore_ = true;
    currentFileName_ = QStringLiteral("NoName");
    showFileName();
    // Loaded as a handler of its own once the start is complete, so that a
    // failure of the start's recalculation does not keep the file out.
    if (!fileToLoadAtStart_.isEmpty()) QTimer::singleShot(0, this, Guarded(&MainWindow::loadFileAtStart));
  }
  recalcEnabled_ = true;
  recalculate();
  // Reached only when the recalculation completed; should the first one
  // ever fail, a later activation still makes the warnings English once.
  if (!languageInitialised_) {
    languageInitialised_ = true;
    language_ = present::Language::English;
  }
}

void MainWindow::recalculate() {
  if (!recalcEnabled_) return;
  // This cycle's outcome replaces whatever an earlier one had to report.
  failureReport_->Drop();
  for (ValueLabel& value : valueLabels_) value.current = false;
  try {
    computeAndShow();
  } catch (...) {
    showStaleValues();
    toolWindows_->Invalidate();
    // The fields describe no model: no solution still running may pass for
    // theirs.
    secondOpinionWanted_ = false;
    latticeSolver_->Cancel();
    secondOpinionLine_->ShowOutdated();
    throw;
  }
}

void MainWindow::computeAndShow() {
  // Reading a field has no side effects, so all texts are taken at once.
  // They are read as the millimetres they stand for: a field not edited
  // since the unit changed computes with exactly the text it was given,
  // which its inch text gives back only to the thousandth. The labels are
  // written in the model's units.
  const calc::RecalculationInput input{fieldTexts(), chosenMargins_};
  // Each stage's labels are written as soon as it completes, so that a
  // later stage that fails leaves them showing the new values.
  const present::Recalculation recalculation = present::Recalculate(
      input, Units(), model_, results_, [this](const present::CompletedStage& stage) { writeValues(stage); });
  if (recalculation.failure) throw recalculation.failure->failure;
  tailAhead_ = aero::IsTailAhead(model_, results_);
  if (!tailAhead_) latticeRange_.reset();

  drawDiagram();
  applyAspectRatioRule();
  toolWindows_->Follow(input, model_, results_);
  secondOpinionWanted_ = true;
  askSecondOpinion();
}

void MainWindow::SetChosenMargins(const std::optional<calc::TMargins>& margins) {
  if (margins == chosenMargins_) return;
  chosenMargins_ = margins;
  unsavedChanges_.NoteMargins(chosenMargins_);
  showModifiedMark();
  toolWindows_->ShowMargins(chosenMargins_, model_.Bh != 0);
  recalculate();
}

// Also when the lattice's options change: the same model, solved anew.
void MainWindow::askSecondOpinion() {
  if (!secondOpinionWanted_) return;
  if (!secondOpinionHeld_) latticeSolver_->Solve(model_, results_, toolWindows_->LatticeOptions());
  secondOpinionLine_->ShowPending();
}

void MainWindow::releaseSecondOpinion() {
  // The start's model waited for the first frame; one that failed since
  // wants no opinion.
  secondOpinionHeld_ = false;
  if (secondOpinionWanted_) latticeSolver_->Solve(model_, results_, toolWindows_->LatticeOptions());
}

void MainWindow::showStaleValues() {
  // Grey, so that numbers of an earlier model are never taken for results
  // of the fields as they are now.
  for (const ValueLabel& value : valueLabels_) SetTextColour(*value.label, value.current ? valueColour(value) : kGrey);
  // Nor is the planform of an earlier model shown as this one's. The values
  // are all new only once the redraw has begun, and a redraw that stopped
  // has already painted over the old planform.
  if (!std::ranges::all_of(valueLabels_, &ValueLabel::current)) diagramImage_->ShowBlank();
}

void MainWindow::writeValues(const present::CompletedStage& stage) {
  for (const present::ResultCell* cell : stage.cells) {
    ValueLabel& value = valueLabels_[cell->order];
    SetValueText(*value.label, stage.labels[cell->order]);
    if (cell->kind == present::CellKind::Margin) {
      fitMarginValue(*cell, *value.label);
    } else {
      fitValue(*cell, *value.label);
    }
    value.current = true;
  }
}

aero::CgRange MainWindow::RangeMarks() const { return aero::RecommendedRange(model_, results_, latticeRange_); }

void MainWindow::drawDiagram() {
  const aero::CgRange marks = RangeMarks();
  diagram::DrawPlanform(diagramImage_->Canvas(), model_, marks.Rear, marks.Forward, toolWindows_->MeasuredCg());
}

void MainWindow::applyAspectRatioRule() {
  aspectRatioWarning_ = present::AspectRatioWarning(results_);
  // Every label, so that those a failed cycle greyed get their colour back.
  for (const ValueLabel& value : valueLabels_) SetTextColour(*value.label, valueColour(value));
  SetCaptionFitted(*warningLine_, Text(present::WarningText(results_, language_)));
  markRuleRangeNotApplicable();
}

void MainWindow::markRuleRangeNotApplicable() {
  const QString tip = tailAhead_ ? Text(In(present::kRuleRangeNotApplicable, language_)) : QString();
  for (const ValueLabel& value : valueLabels_) {
    if (IsCentreOfGravity(*value.cell) && value.label->toolTip() != tip) value.label->setToolTip(tip);
  }
}

QRgb MainWindow::valueColour(const ValueLabel& value) const {
  if (tailAhead_ && IsCentreOfGravity(*value.cell)) return kGrey;
  return value.cell->aspectRatioColoured && aspectRatioWarning_ ? kRed : value.colour;
}

void MainWindow::showFileName() {
  // A long path must not run into the column heads on the same row: it loses
  // its middle, where the folders are least telling, and shows whole as the
  // line's tooltip.
  const QString shown = fileNameLine_->fontMetrics().elidedText(currentFileName_, Qt::ElideMiddle, fileNameRoom_);
  SetCaptionFitted(*fileNameLine_, shown);
  fileNameLine_->setToolTip(shown == currentFileName_ ? QString() : currentFileName_);
}

void MainWindow::showAbout() {
  if (showAboutWindow_) showAboutWindow_();
}

}  // namespace ui
