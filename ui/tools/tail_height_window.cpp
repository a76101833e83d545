#include "ui/tools/tail_height_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

#include "calc/number_text.h"
#include "present/number_faults.h"
#include "present/unit_captions.h"
#include "ui/platform/appearance.h"
#include "ui/platform/shortcut_keys.h"
#include "ui/tools/unit_texts.h"

namespace ui {
namespace {

const QString kTailHeightKey = QStringLiteral("TailHeight/text");

}  // namespace

std::optional<double> TailHeightOf(const QString& text) {
  const std::string typed = text.toStdString();
  if (calc::NumberFormOf(typed) == calc::NumberForm::Blank) return 0.0;
  const calc::GivenNumber given = calc::ReadGivenNumber(typed);
  if (given.Fault) return std::nullopt;
  return given.Value;
}

QString RememberedTailHeightText(QSettings& settings) { return settings.value(kTailHeightKey).toString(); }

void RememberTailHeightText(QSettings& settings, const QString& text) { settings.setValue(kTailHeightKey, text); }

TailHeightWindow::TailHeightWindow(QSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool), settings_(settings), keptText_(RememberedTailHeightText(settings)) {
  setObjectName(QStringLiteral("TailHeightWindow"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  caption_ = new QLabel(this);
  input_ = new QLineEdit(keptText_, this);
  input_->setObjectName(QStringLiteral("TailHeight_Input"));
  KeepCommandKeysFromTyping(*input_);
  note_ = new QLabel(this);
  errorLine_ = new QLabel(this);
  errorLine_->setObjectName(QStringLiteral("TailHeight_Error"));
  errorLine_->setTextFormat(Qt::PlainText);
  SetTextColour(*errorLine_, kRed);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* widget : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(input_), static_cast<QWidget*>(note_),
                          static_cast<QWidget*>(errorLine_)})
    layout->addWidget(widget);
  height_ = TailHeightOf(keptText_);
  connect(input_, &QLineEdit::textChanged, this, &TailHeightWindow::textEdited);
  updateTexts();
}

TailHeightWindow::~TailHeightWindow() { RememberTailHeightText(settings_, keptText_); }

void TailHeightWindow::SetLanguage(present::Language language) {
  language_ = language;
  updateTexts();
}

void TailHeightWindow::SetUnits(calc::TUnits units) {
  units_ = units;
  showKeptText();
}

void TailHeightWindow::ShowHeight(double height) {
  height_ = height;
  keptText_ = QString::fromStdString(calc::PlainDecimal(height));
  showKeptText();
}

void TailHeightWindow::showKeptText() {
  {
    const QSignalBlocker blocker(input_);
    input_->setText(ShownText(keptText_, Measure::Length, units_));
  }
  updateTexts();
}

void TailHeightWindow::closeEvent(QCloseEvent* event) {
  RememberTailHeightText(settings_, keptText_);
  QWidget::closeEvent(event);
}

// The kept text is read: a height in inches beyond the range of millimetres
// is refused as one typed in millimetres is.
void TailHeightWindow::textEdited() {
  keptText_ = KeptText(input_->text(), Measure::Length, units_);
  const std::optional<double> height = TailHeightOf(keptText_);
  updateTexts();
  if (!height || height == height_) return;
  height_ = height;
  emit heightChanged(*height);
}

void TailHeightWindow::updateTexts() {
  setWindowTitle(Text(present::TextsOf(language_).tailHeightTitle));
  caption_->setText(Text(In(&present::Texts::tailHeightField, language_, units_)));
  note_->setText(Text(present::TextsOf(language_).tailHeightNote));
  const std::string typed = keptText_.toStdString();
  const calc::GivenNumber given = calc::ReadGivenNumber(typed);
  if (!given.Fault || calc::NumberFormOf(typed) == calc::NumberForm::Blank) {
    errorLine_->clear();
    return;
  }
  // Worded as every refused number of the Tools windows.
  const present::Texts& texts = present::TextsOf(language_);
  errorLine_->setText(Text(present::RefusedNumberText(texts.tailHeightName, *given.Fault, language_)) +
                      QStringLiteral(". ") + Text(texts.tailHeightKeepsLast));
}

}  // namespace ui
