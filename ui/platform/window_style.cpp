#include "ui/platform/window_style.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace ui {
namespace {

// The platform style's chevron: two dark grey, smoothed angles side by side,
// in three sizes drawn from one 32 x 20 design.
constexpr QRgb kChevronGrey = qRgb(0x35, 0x36, 0x37);
constexpr QSize kDesignSize(32, 20);
constexpr QSize kChevronSizes[] = {{8, 5}, {16, 10}, {32, 20}};

QPixmap DrawChevron(QSize size, bool rightToLeft) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  if (rightToLeft) {
    painter.translate(size.width(), 0);
    painter.scale(-1, 1);
  }
  painter.scale(qreal(size.width()) / kDesignSize.width(), qreal(size.height()) / kDesignSize.height());
  painter.setPen(QPen(QColor(kChevronGrey), 3.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  for (const qreal left : {7.6, 21.1}) {
    QPainterPath angle;
    angle.moveTo(left, 0.75);
    angle.lineTo(left + 7.2, 10.0);
    angle.lineTo(left, 19.25);
    painter.drawPath(angle);
  }
  return pixmap;
}

// Pointing right, or left for right-to-left text, in the sizes the platform's
// picture comes in.
QIcon ExtensionChevron(bool rightToLeft) {
  QIcon icon;
  for (const QSize size : kChevronSizes) icon.addPixmap(DrawChevron(size, rightToLeft));
  return icon;
}

}  // namespace

WindowStyle::WindowStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

QIcon WindowStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const {
  if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
    const Qt::LayoutDirection direction =
        option ? option->direction : (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection());
    return ExtensionChevron(direction == Qt::RightToLeft);
  }
  return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void UseWindowStyle() {
  QStyle* current = QApplication::style();
  if (qobject_cast<WindowStyle*>(current)) return;
  // The application takes ownership and deletes the style it replaces.
  QApplication::setStyle(new WindowStyle(current->name()));
}

}  // namespace ui
