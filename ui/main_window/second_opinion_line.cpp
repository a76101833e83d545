#include "ui/main_window/second_opinion_line.h"

#include <string>
#include <vector>

#include <QVBoxLayout>

#include "present/second_opinion.h"
#include "ui/platform/appearance.h"
#include "ui/platform/eliding_label.h"

namespace ui {
namespace {

// After the summary while a newer model is being solved.
const QString kPendingMark = QStringLiteral(" \u2026");

ElidingLabel* AddLine(QWidget& strip, QVBoxLayout& lines, const QString& name) {
  auto* line = new ElidingLabel(&strip);
  line->setObjectName(name);
  line->setFixedHeight(kLineHeight);
  lines.addWidget(line);
  return line;
}

}  // namespace

SecondOpinionLine::SecondOpinionLine(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("StatusBar1"));
  setSizeGripEnabled(false);
  SetSilverBackground(*this);
  // Two lines always, so that a warning appearing moves nothing. Permanent,
  // so that no status tip of a menu item ever covers them.
  auto* strip = new QWidget(this);
  strip->setObjectName(QStringLiteral("SecondOpinion"));
  auto* lines = new QVBoxLayout(strip);
  lines->setContentsMargins(0, 0, 0, 0);
  lines->setSpacing(0);
  summary_ = AddLine(*strip, *lines, QStringLiteral("Lab_Vlm"));
  warnings_ = AddLine(*strip, *lines, QStringLiteral("Lab_VlmWarning"));
  addPermanentWidget(strip, 1);
  restyle();
}

void SecondOpinionLine::paintEvent(QPaintEvent* event) {
  QStatusBar::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  emit firstPainted();
}

void SecondOpinionLine::ShowCurrent(const std::optional<aero::Comparison>& comparison) {
  hasOpinion_ = true;
  comparison_ = comparison;
  state_ = State::Current;
  composeTexts();
  restyle();
  // The next keystroke greys the line at once: its look is drawn now,
  // between keystrokes.
  summary_->Prepare(kPendingMark, QColor(kGrey));
  warnings_->Prepare(QString(), QColor(kGrey));
}

void SecondOpinionLine::ShowPending() {
  state_ = State::Pending;
  restyle();
}

void SecondOpinionLine::ShowOutdated() {
  state_ = State::Outdated;
  restyle();
}

void SecondOpinionLine::SetLanguage(present::Language language) {
  language_ = language;
  composeTexts();
  restyle();
}

void SecondOpinionLine::SetUnits(calc::TUnits units) {
  units_ = units;
  composeTexts();
  restyle();
}

void SecondOpinionLine::composeTexts() {
  summaryText_.clear();
  QStringList warnings;
  if (comparison_) {
    summaryText_ = Text(present::SummaryLine(*comparison_, language_, units_));
    for (const std::string& warning : present::Warnings(*comparison_, language_, units_)) warnings << Text(warning);
  } else if (hasOpinion_) {
    summaryText_ = Text(present::TextsOf(language_).latticeNothingToSolve);
  }
  warns_ = !warnings.isEmpty();
  warningsText_ = warnings.join(QLatin1Char(' '));
  if (!warns_ && comparison_) warningsText_ = Text(present::Note(*comparison_, language_));
  // A new font throws away the line's prepared pictures: only when it changes.
  if (warnings_->font().bold() != warns_) warnings_->setFont(warns_ ? BoldWindowFont() : WindowFont());
}

// At every keystroke: only the mark and the colours change.
void SecondOpinionLine::restyle() {
  const bool current = state_ == State::Current;
  summary_->SetFullText(summaryText_, state_ == State::Pending && hasOpinion_ ? kPendingMark : QString());
  warnings_->SetFullText(warningsText_);
  SetTextColour(*summary_, current ? kBlack : kGrey);
  SetTextColour(*warnings_, !current ? kGrey : warns_ ? kRed : kBlack);
}

}  // namespace ui
