#include "ui/form1.h"

#include "calc/captions.h"
#include "calc/fields.h"
#include "diagram/planform.h"
#include "ui/icons.h"
#include "ui/look.h"

namespace ui {
namespace {

// The labels the aspect-ratio rule colours, by their place in writing order.
constexpr int kLamtIndex = 2;
constexpr int kRsp2Index = 16;
constexpr int kRsp1Index = 17;
static_assert(calc::kResultLabelNames[kLamtIndex] == "Lab_Lamt");
static_assert(calc::kResultLabelNames[kRsp2Index] == "Lab_Rsp2");
static_assert(calc::kResultLabelNames[kRsp1Index] == "Lab_Rsp1");

void SetValueText(QLabel& label, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (label.text() != shown) label.setText(shown);
}

}  // namespace

TForm1::TForm1(HandlerBoundary& boundary) : boundary_(boundary) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Text(calc::kEnglishCaptions.Title));
  setWindowIcon(AppIcon());
  setFont(WindowFont());
  BuildMenu();
  BuildClientArea();
  BuildResultTable();
  BuildFields();
  BuildToolBar();
  ArrangeTabOrder();
  ConnectHandlers();
  // The client area below the menu bar is exactly as large as the contents.
  move(129, 100);
  resize(Client->minimumWidth(), MainMenu1->sizeHint().height() + Client->minimumHeight());
}

TForm1::~TForm1() = default;

void TForm1::ConnectHandlers() {
  for (QLineEdit* field : Fields) connect(field, &QLineEdit::textChanged, this, Guarded(&TForm1::RechnenClick));
  connect(Load1, &QAction::triggered, this, Guarded(&TForm1::Load1Click));
  connect(LoadButton, &QToolButton::clicked, this, Guarded(&TForm1::Load1Click));
  connect(Save1, &QAction::triggered, this, Guarded(&TForm1::Save1Click));
  connect(Saveas1, &QAction::triggered, this, Guarded(&TForm1::Saveas1Click));
  connect(SaveButton, &QToolButton::clicked, this, Guarded(&TForm1::Saveas1Click));
  connect(Print1, &QAction::triggered, this, Guarded(&TForm1::Print1Click));
  connect(about1, &QAction::triggered, this, Guarded(&TForm1::about1Click));
  connect(Button1, &QPushButton::clicked, this, Guarded(&TForm1::Button1Click));
  connect(Button2, &QPushButton::clicked, this, Guarded(&TForm1::Button2Click));
}

void TForm1::start() {
  // Only the first activation starts a new, unnamed model in English; coming
  // back from the About window keeps the file name (so Save still writes to
  // the loaded file) and the language the user chose.
  if (!activatedBefore_) {
    activatedBefore_ = true;
    CurrentFileName = QStringLiteral("NoName");
    SetCaptionFitted(*Lab_fname, CurrentFileName);
  }
  RecalcEnabled = true;
  RechnenClick();
  // Reached only when the recalculation completed; should the first one
  // ever fail, a later activation still makes the warnings English once.
  if (!languageInitialised_) {
    languageInitialised_ = true;
    LanguageEnglish = true;
  }
}

void TForm1::RechnenClick() {
  if (!RecalcEnabled) return;
  // Reading a field has no side effects, so all texts are taken at once;
  // the model takes them in the fixed order, wing first.
  calc::FieldTexts texts;
  for (int i = 0; i < calc::kModelFieldCount; ++i) texts[i] = Fields[i]->text().toStdString();

  calc::ReadWingFields(texts, model_);
  calc::CalcWing(model_, results_);
  WriteResultLabels(0, calc::kWingLabelCount);

  calc::ReadTailFields(texts, model_);
  calc::CalcTailAndTotals(model_, results_);
  WriteResultLabels(calc::kWingLabelCount, calc::kResultLabelCount);

  draw(*Image2);
  ApplyAspectRatioRule();
}

void TForm1::WriteResultLabels(int first, int end) {
  for (int i = first; i < end; ++i) SetValueText(*ResultLabels[i], calc::ResultLabel(results_, i));
}

void TForm1::draw(DiagramImage& image) {
  diagram::DrawPlanform(image.Canvas(), model_, results_.CgSmallMargin, results_.CgLargeMargin);
}

void TForm1::ApplyAspectRatioRule() {
  const bool warning = calc::AspectRatioWarning(results_);
  SetTextColour(*ResultLabels[kLamtIndex], warning ? kRed : kBlue);
  SetTextColour(*ResultLabels[kRsp1Index], warning ? kRed : kBlack);
  SetTextColour(*ResultLabels[kRsp2Index], warning ? kRed : kBlack);
  SetCaptionFitted(*Label(17), warning ? Text(calc::Captions(LanguageEnglish).Warning) : QString());
}

}  // namespace ui
