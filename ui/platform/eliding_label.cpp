#include "ui/platform/eliding_label.h"

#include <QResizeEvent>

namespace ui {

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidingLabel::SetFullText(const QString& text, const QString& mark) {
  if (text == text_ && mark == mark_) return;
  text_ = text;
  mark_ = mark;
  fit();
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ElidingLabel::fit() {
  const QFontMetrics metrics = fontMetrics();
  const int room = contentsRect().width() - metrics.horizontalAdvance(mark_);
  const QString shown = metrics.elidedText(text_, Qt::ElideRight, room);
  setText(shown + mark_);
  setToolTip(shown == text_ ? QString() : text_);
}

}  // namespace ui
