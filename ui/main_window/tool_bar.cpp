#include "ui/main_window/tool_bar.h"

#include <QEvent>
#include <QPainter>

#include "ui/platform/appearance.h"

namespace ui {

ToolBarStrip::ToolBarStrip(QWidget* parent, int height) : QWidget(parent) {
  SetSilverBackground(*this);
  setGeometry(0, 0, parent->width(), height);
  parent->installEventFilter(this);
}

bool ToolBarStrip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) resize(parentWidget()->width(), height());
  return QWidget::eventFilter(watched, event);
}

void ToolBarStrip::paintEvent(QPaintEvent*) {
  // A grey line above a white one: the strip's top edge, sunk into the menu bar.
  QPainter painter(this);
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.setPen(Qt::white);
  painter.drawLine(0, 1, width() - 1, 1);
}

}  // namespace ui
