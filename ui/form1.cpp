#include "ui/form1.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

#include "calc/fields.h"
#include "diagram/planform.h"
#include "ui/diagram_image.h"
#include "ui/icons.h"
#include "ui/look.h"

namespace ui {
namespace {

void SetValueText(QLabel& label, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (label.text() != shown) label.setText(shown);
}

}  // namespace

TForm1::TForm1(HandlerBoundary& boundary) : boundary_(boundary) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Text(present::In(present::kWindowCaptions.title, present::Language::English)));
  setWindowIcon(AppIcon());
  setFont(WindowFont());
  buildMenu();
  buildClientArea();
  buildResultTable();
  buildFields();
  buildToolBar();
  arrangeTabOrder();
  connectHandlers();
  // The client area below the menu bar is exactly as large as the contents.
  move(129, 100);
  resize(client_->minimumWidth(), menuBar_->sizeHint().height() + client_->minimumHeight());
}

TForm1::~TForm1() = default;

void TForm1::connectHandlers() {
  for (QLineEdit* field : fields_) connect(field, &QLineEdit::textChanged, this, Guarded(&TForm1::recalculate));
  connect(loadAction_, &QAction::triggered, this, Guarded(&TForm1::loadModel));
  connect(loadButton_, &QToolButton::clicked, this, Guarded(&TForm1::loadModel));
  connect(saveAction_, &QAction::triggered, this, Guarded(&TForm1::saveModel));
  connect(saveAsAction_, &QAction::triggered, this, Guarded(&TForm1::saveModelAs));
  connect(saveAsButton_, &QToolButton::clicked, this, Guarded(&TForm1::saveModelAs));
  connect(printAction_, &QAction::triggered, this, Guarded(&TForm1::printClientArea));
  connect(aboutAction_, &QAction::triggered, this, Guarded(&TForm1::showAbout));
  connect(germanButton_, &QPushButton::clicked, this, Guarded(&TForm1::switchToGerman));
  connect(englishButton_, &QPushButton::clicked, this, Guarded(&TForm1::switchToEnglish));
}

void TForm1::start() {
  // Only the first activation starts a new, unnamed model in English; coming
  // back from the About window keeps the file name (so Save still writes to
  // the loaded file) and the language the user chose.
  if (!activatedBefore_) {
    activatedBefore_ = true;
    currentFileName_ = QStringLiteral("NoName");
    showFileName();
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

void TForm1::recalculate() {
  if (!recalcEnabled_) return;
  // Reading a field has no side effects, so all texts are taken at once;
  // the model takes them in the fixed order, wing first.
  calc::FieldTexts texts;
  for (int i = 0; i < calc::kModelFieldCount; ++i) texts[i] = fields_[i]->text().toStdString();

  calc::ReadWingFields(texts, model_);
  calc::CalcWing(model_, results_);
  writeValues(present::Stage::Wing);

  calc::ReadTailFields(texts, model_);
  calc::CalcTailAndTotals(model_, results_);
  writeValues(present::Stage::Totals);

  drawDiagram();
  applyAspectRatioRule();
}

void TForm1::writeValues(present::Stage stage) {
  for (const ValueLabel& value : valueLabels_) {
    if (value.cell->stage == stage) SetValueText(*value.label, present::CellText(*value.cell, results_));
  }
}

void TForm1::drawDiagram() {
  diagram::DrawPlanform(diagramImage_->Canvas(), model_, results_.CgSmallMargin, results_.CgLargeMargin);
}

void TForm1::applyAspectRatioRule() {
  const bool warning = present::AspectRatioWarning(results_);
  for (const ValueLabel& value : valueLabels_) {
    if (value.cell->aspectRatioColoured) SetTextColour(*value.label, warning ? kRed : value.colour);
  }
  SetCaptionFitted(*warningLine_, Text(present::WarningText(results_, language_)));
}

void TForm1::showFileName() { SetCaptionFitted(*fileNameLine_, currentFileName_); }

void TForm1::showAbout() {
  if (showAboutWindow_) showAboutWindow_();
}

}  // namespace ui
