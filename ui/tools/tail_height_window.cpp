#include "ui/tools/tail_height_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

#include "calc/number_text.h"
#include "present/number_faults.h"
#include "ui/platform/appearance.h"
#include "ui/platform/shortcut_keys.h"

namespace ui {
namespace {

using present::Caption;

const QString kTailHeightKey = QStringLiteral("TailHeight/text");

struct TailHeightCaptions {
  Caption title;
  Caption field;
  Caption note;
  Caption name;       // the field as a refusal names it
  Caption keepsLast;
};

constexpr TailHeightCaptions kCaptions = {
    .title = {"H\u00f6he des H\u00f6henleitwerks", "Tailplane height"},
    .field = {"H\u00f6he des H\u00f6henleitwerks \u00fcber der Fl\u00fcgelebene in mm:",
              "height of the tailplane above the wing's plane in mm:"},
    .note = {"Nur f\u00fcr das Wirbelgitter: die Faustformel kennt keine H\u00f6he.",
             "For the vortex lattice only: the rule of thumb knows no height."},
    .name = {"H\u00f6he:", "height:"},
    .keepsLast = {"Das Wirbelgitter rechnet mit der letzten H\u00f6he.", "The vortex lattice keeps the last height."},
};

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
    : QWidget(parent, Qt::Tool), settings_(settings) {
  setObjectName(QStringLiteral("TailHeightWindow"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  caption_ = new QLabel(this);
  input_ = new QLineEdit(RememberedTailHeightText(settings), this);
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
  height_ = TailHeightOf(input_->text());
  connect(input_, &QLineEdit::textChanged, this, &TailHeightWindow::textEdited);
  updateTexts();
}

TailHeightWindow::~TailHeightWindow() { RememberTailHeightText(settings_, input_->text()); }

void TailHeightWindow::SetLanguage(present::Language language) {
  language_ = language;
  updateTexts();
}

void TailHeightWindow::closeEvent(QCloseEvent* event) {
  RememberTailHeightText(settings_, input_->text());
  QWidget::closeEvent(event);
}

void TailHeightWindow::textEdited() {
  const std::optional<double> height = TailHeightOf(input_->text());
  updateTexts();
  if (!height || height == height_) return;
  height_ = height;
  emit heightChanged(*height);
}

void TailHeightWindow::updateTexts() {
  setWindowTitle(Text(In(kCaptions.title, language_)));
  caption_->setText(Text(In(kCaptions.field, language_)));
  note_->setText(Text(In(kCaptions.note, language_)));
  const std::string typed = input_->text().toStdString();
  const calc::GivenNumber given = calc::ReadGivenNumber(typed);
  if (!given.Fault || calc::NumberFormOf(typed) == calc::NumberForm::Blank) {
    errorLine_->clear();
    return;
  }
  // Worded as every refused number of the Tools windows.
  errorLine_->setText(Text(present::RefusedNumberText(In(kCaptions.name, language_), *given.Fault, language_)) +
                      QStringLiteral(". ") + Text(In(kCaptions.keepsLast, language_)));
}

}  // namespace ui
