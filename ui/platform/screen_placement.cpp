#include "ui/platform/screen_placement.h"

#include <algorithm>

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace ui {

QRect KeptWithin(const QRect& frame, const QRect& available) {
  QRect kept = frame;
  kept.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
  kept.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
  return kept;
}

void KeepOnScreen(QWidget& window) {
  QScreen* screen = QApplication::screenAt(window.pos());
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) return;
  const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const QSize frameExtra(2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
  const QRect available = screen->availableGeometry();
  // Shrunk to the free area, down to the size the contents need.
  const QSize fitting = window.size().boundedTo(available.size() - frameExtra);
  window.resize(fitting.expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize()));
  // A window the program has not placed is placed by the window manager,
  // which keeps it on the screen; a move would take that from it.
  if (!window.testAttribute(Qt::WA_Moved)) return;
  const QRect frame(window.pos(), window.size() + frameExtra);
  window.move(KeptWithin(frame, available).topLeft());
}

void KeepNumberFieldReadable(QLineEdit& field) {
  // The frame and the text margins of the style come on top of the digits.
  const int margins = field.sizeHint().width() - field.fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17;
  field.setMinimumWidth(field.fontMetrics().horizontalAdvance(QStringLiteral("-12345.678")) + std::max(margins, 8));
}

}  // namespace ui
