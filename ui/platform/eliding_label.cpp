#include "ui/platform/eliding_label.h"

#include <QResizeEvent>

namespace ui {

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidingLabel::SetFullText(const QString& text, const QString& mark) {
  if (text == text_ && mark == mark_) return;
  if (text != text_) textWidth_.reset();
  text_ = text;
  mark_ = mark;
  fit();
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ElidingLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  textWidth_.reset();
  fit();
}

// The text is measured once: a mark coming and going at every keystroke
// only has to fit beside it.
void ElidingLabel::fit() {
  const QFontMetrics metrics = fontMetrics();
  if (!textWidth_) textWidth_ = metrics.horizontalAdvance(text_);
  const int room = contentsRect().width() - metrics.horizontalAdvance(mark_);
  const QString shown = *textWidth_ <= room ? text_ : metrics.elidedText(text_, Qt::ElideRight, room);
  setText(shown + mark_);
  setToolTip(shown == text_ ? QString() : text_);
}

}  // namespace ui
