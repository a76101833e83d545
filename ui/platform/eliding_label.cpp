#include "ui/platform/eliding_label.h"

#include <QPainter>
#include <QResizeEvent>

namespace ui {

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  // Its picture covers it whole, background included.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ElidingLabel::SetFullText(const QString& text, const QString& mark) {
  if (text == text_ && mark == mark_) return;
  if (text != text_) textWidth_.reset();
  text_ = text;
  mark_ = mark;
  fit();
}

void ElidingLabel::Prepare(const QString& mark, QColor colour) { pictureOf(ShownWith(mark) + mark, colour); }

// The layout gives the label its width whatever the text; the height is the
// line's.
QSize ElidingLabel::sizeHint() const { return {0, fontMetrics().height()}; }

QSize ElidingLabel::minimumSizeHint() const { return sizeHint(); }

void ElidingLabel::paintEvent(QPaintEvent*) {
  const QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
  QPainter(this).drawImage(0, 0, pictureOf(text(), colour));
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ElidingLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  looks_ = {};
  textWidth_.reset();
  fit();
}

// The text is measured once: a mark coming and going at every keystroke
// only has to fit beside it.
QString ElidingLabel::ShownWith(const QString& mark) {
  const QFontMetrics metrics = fontMetrics();
  if (!textWidth_) textWidth_ = metrics.horizontalAdvance(text_);
  const int room = contentsRect().width() - metrics.horizontalAdvance(mark);
  return *textWidth_ <= room ? text_ : metrics.elidedText(text_, Qt::ElideRight, room);
}

void ElidingLabel::fit() {
  const QString shown = ShownWith(mark_);
  setText(shown + mark_);
  setToolTip(shown == text_ ? QString() : text_);
}

// Drawn as a label draws its plain text, on its palette's window colour (the
// background of the window it stands in), so that the picture shows the very
// pixels the label would.
const QImage& ElidingLabel::pictureOf(const QString& shown, QColor colour) {
  const QRgb background = palette().color(backgroundRole()).rgba();
  // As many image pixels as the screen has under the label.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  for (const Look& look : looks_) {
    if (look.shown == shown && look.colour == colour.rgba() && look.background == background &&
        look.picture.size() == pixels && look.picture.devicePixelRatio() == ratio)
      return look.picture;
  }
  newestLook_ = (newestLook_ + 1) % looks_.size();
  Look& look = looks_[newestLook_];
  look.shown = shown;
  look.colour = colour.rgba();
  look.background = background;
  look.picture = QImage(pixels, QImage::Format_RGB32);
  look.picture.setDevicePixelRatio(ratio);
  look.picture.fill(background);
  QPainter painter(&look.picture);
  painter.setFont(font());
  painter.setPen(colour);
  painter.drawText(contentsRect(), static_cast<int>(alignment()), shown);
  return look.picture;
}

}  // namespace ui
