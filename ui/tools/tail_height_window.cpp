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

void TailHeightWindow::ShowHeight(double height) {
  height_ = height;
  input_->setText(QString::fromStdString(calc::PlainDecimal(height)));
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
  setWindowTitle(Text(present::TextsOf(language_).tailHeightTitle));
  caption_->setText(Text(present::TextsOf(language_).tailHeightField));
  note_->setText(Text(present::TextsOf(language_).tailHeightNote));
  const std::string typed = input_->text().toStdString();
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
