#include "ui/tools/margins_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "present/margins_text.h"
#include "present/result_table.h"
#include "ui/platform/appearance.h"
#include "ui/platform/screen_placement.h"
#include "ui/platform/shortcut_keys.h"

namespace ui {
namespace {

QString MarginField(double margin) { return Text(present::MarginText(margin, 0)); }

}  // namespace

MarginsWindow::MarginsWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("MarginsWindow"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  const auto addField = [this](const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    KeepNumberFieldReadable(*field);
    KeepCommandKeysFromTyping(*field);
    connect(field, &QLineEdit::returnPressed, this, &MarginsWindow::apply);
    return field;
  };
  forwardCaption_ = new QLabel(this);
  forward_ = addField(QStringLiteral("Margins_Forward"));
  rearCaption_ = new QLabel(this);
  rear_ = addField(QStringLiteral("Margins_Rear"));
  state_ = new QLabel(this);
  state_->setObjectName(QStringLiteral("Margins_State"));
  errorLine_ = new QLabel(this);
  errorLine_->setObjectName(QStringLiteral("Margins_Error"));
  errorLine_->setTextFormat(Qt::PlainText);
  SetTextColour(*errorLine_, kRed);
  apply_ = new QPushButton(this);
  apply_->setObjectName(QStringLiteral("Margins_Apply"));
  default_ = new QPushButton(this);
  default_->setObjectName(QStringLiteral("Margins_Default"));
  connect(apply_, &QPushButton::clicked, this, &MarginsWindow::apply);
  connect(default_, &QPushButton::clicked, this, [this] {
    emit marginsChosen(std::nullopt);
    // The defaults replace whatever was typed, also when they were in use.
    const bool withTail = shown_->withTail;
    shown_.reset();
    ShowMargins(std::nullopt, withTail);
  });

  auto* grid = new QGridLayout(this);
  grid->addWidget(forwardCaption_, 0, 0);
  grid->addWidget(forward_, 0, 1);
  grid->addWidget(rearCaption_, 1, 0);
  grid->addWidget(rear_, 1, 1);
  grid->addWidget(state_, 2, 0, 1, 2);
  grid->addWidget(errorLine_, 3, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(default_);
  buttons->addWidget(apply_);
  grid->addLayout(buttons, 4, 0, 1, 2);
  ShowMargins(std::nullopt, true);
}

void MarginsWindow::SetLanguage(present::Language language) {
  language_ = language;
  // A refusal stands in the language it was made in until the next try.
  updateTexts();
}

void MarginsWindow::ShowMargins(const std::optional<calc::TMargins>& chosen, bool withTail) {
  const Shown shown{chosen, withTail};
  // A chosen pair does not change with the model's kind.
  const bool sameMargins = shown_ && (chosen ? shown_->chosen == chosen : shown == *shown_);
  shown_ = shown;
  updateTexts();
  if (sameMargins) return;
  const calc::TMargins margins = calc::MarginsFor(withTail, chosen);
  forward_->setText(MarginField(margins.Forward));
  rear_->setText(MarginField(margins.Rear));
  errorLine_->clear();
}

void MarginsWindow::apply() {
  const present::MarginsReading reading =
      present::ReadMargins(forward_->text().toStdString(), rear_->text().toStdString(), language_);
  if (!reading.margins) {
    errorLine_->setText(Text(reading.refusal) + QStringLiteral(" ") + Text(present::TextsOf(language_).marginsKeepsLast));
    return;
  }
  errorLine_->clear();
  emit marginsChosen(reading.margins);
}

void MarginsWindow::updateTexts() {
  const present::Texts& texts = present::TextsOf(language_);
  setWindowTitle(Text(texts.marginsTitle));
  forwardCaption_->setText(Text(texts.*present::kForwardMarginCaptions.field));
  rearCaption_->setText(Text(texts.*present::kRearMarginCaptions.field));
  apply_->setText(Text(texts.marginsApply));
  default_->setText(Text(texts.marginsDefaults));
  const std::string_view state = shown_->chosen     ? texts.marginsChosen
                                 : shown_->withTail ? texts.marginsDefaultWithTail
                                                    : texts.marginsDefaultFlyingWing;
  state_->setText(Text(state));
}

}  // namespace ui
