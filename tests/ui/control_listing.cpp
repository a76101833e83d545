#include "control_listing.h"

#include <algorithm>

#include <QRegularExpression>
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPushButton>
#include <QWidget>

namespace ui_test {
namespace {

QString Quoted(QString text) {
  text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  text.replace(QLatin1Char('"'), QLatin1String("\\\""));
  text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Hex(QRgb colour) { return QStringLiteral("#%1").arg(colour & 0xffffff, 6, 16, QLatin1Char('0')); }

QString Size(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

QString RoleName(QPalette::ColorRole role) {
  return QString::fromLatin1(QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role));
}

QString FontOf(const QWidget& widget) {
  const QFont font = widget.font();
  QString text = QStringLiteral("font %1 %2px").arg(Quoted(font.family())).arg(font.pixelSize());
  if (font.bold()) text += QLatin1String(" bold");
  if (font.italic()) text += QLatin1String(" italic");
  return text;
}

// A label that takes the width of its text says so instead of giving a
// number, which would depend on the fonts at hand.
QString PlaceOf(const QWidget& widget) {
  const auto* label = qobject_cast<const QLabel*>(&widget);
  QString text = QStringLiteral("at %1,%2 ").arg(widget.x()).arg(widget.y());
  if (label && label->minimumSize() != label->maximumSize() && label->width() == label->sizeHint().width()) {
    text += QStringLiteral("fitted height %1").arg(widget.height());
  } else {
    text += QLatin1String("size ") + Size(widget.size());
  }
  if (widget.minimumSize() == widget.maximumSize()) text += QLatin1String(" fixed");
  return text;
}

QString LookOf(const QWidget& widget) {
  const bool field = qobject_cast<const QLineEdit*>(&widget) != nullptr;
  QString text = FontOf(widget) + QLatin1String(" colour ") +
                 Hex(widget.palette().color(field ? QPalette::Text : QPalette::WindowText).rgb());
  if (widget.autoFillBackground()) {
    text += QStringLiteral(" fill %1 %2")
                .arg(RoleName(widget.backgroundRole()), Hex(widget.palette().color(widget.backgroundRole()).rgb()));
  }
  return text;
}

QString ContentOf(const QWidget& widget) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    text += QStringLiteral(" align 0x%1").arg(int(label->alignment()), 0, 16);
    if (label->textFormat() == Qt::PlainText) text += QLatin1String(" plain");
    if (!label->pixmap().isNull()) text += QLatin1String(" pixmap ") + Size(label->pixmap().size());
    text += QLatin1String(" text ") + Quoted(label->text());
  } else if (const auto* field = qobject_cast<const QLineEdit*>(&widget)) {
    text += QStringLiteral(" maxlength %1 text %2").arg(field->maxLength()).arg(Quoted(field->text()));
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (!button->icon().isNull()) text += QLatin1String(" icon ") + Size(button->iconSize());
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
      if (push->isDefault()) text += QLatin1String(" default");
      if (push->autoDefault()) text += QLatin1String(" autodefault");
    }
    text += QLatin1String(" text ") + Quoted(button->text());
  }
  if (widget.focusPolicy() == Qt::NoFocus && (qobject_cast<const QAbstractButton*>(&widget) ||
                                               qobject_cast<const QLineEdit*>(&widget))) {
    text += QLatin1String(" nofocus");
  }
  if (!widget.toolTip().isEmpty()) text += QLatin1String(" hint ") + Quoted(widget.toolTip());
  return text;
}

QStringList NamesOf(const QList<QAction*>& actions) {
  QStringList names;
  for (const QAction* action : actions) names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
  return names;
}

QString DescribeWidget(const QWidget& widget, const QWidget& window) {
  QString line = widget.objectName() + QLatin1Char(' ') + QString::fromLatin1(widget.metaObject()->className()) +
                 QLatin1String(" in ") + widget.parentWidget()->objectName();
  if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
    return line + QLatin1String(" title ") + Quoted(menu->title()) + QLatin1String(" items ") +
           NamesOf(menu->actions()).join(QLatin1Char(','));
  }
  line += QLatin1Char(' ') + PlaceOf(widget);
  if (!widget.isVisibleTo(&window)) line += QLatin1String(" hidden");
  if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
    QStringList menus;
    for (const QAction* action : bar->actions()) menus << (action->menu() ? action->menu()->objectName() : QString());
    return line +
           QStringLiteral(" native %1 menus %2").arg(int(bar->isNativeMenuBar())).arg(menus.join(QLatin1Char(',')));
  }
  return line + QLatin1Char(' ') + LookOf(widget) + ContentOf(widget);
}

QString DescribeWindow(const QWidget& window) {
  QString line = window.objectName() + QLatin1Char(' ') + QString::fromLatin1(window.metaObject()->className()) +
                 QStringLiteral(" at %1,%2 size ").arg(window.x()).arg(window.y()) + Size(window.size()) +
                 QLatin1String(" title ") + Quoted(window.windowTitle()) + QLatin1Char(' ') + LookOf(window);
  if (!window.windowIcon().isNull()) line += QLatin1String(" icon");
  if (!window.testAttribute(Qt::WA_QuitOnClose)) line += QLatin1String(" noquitonclose");
  return line;
}

QString TabOrder(const QWidget& window) {
  QStringList names;
  for (const QWidget* widget = window.nextInFocusChain(); widget && widget != &window;
       widget = widget->nextInFocusChain()) {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window) && widget->isEnabled())
      names << widget->objectName();
  }
  return QLatin1String("tab ") + names.join(QLatin1Char(' '));
}

}  // namespace

QStringList ListControls(const QWidget& window) {
  QList<const QWidget*> widgets;
  QList<const QAction*> actions;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (menu) {
      for (const QAction* action : menu->actions())
        if (!action->isSeparator()) actions << action;
    } else if (widget->isWindow()) {
      continue;  // dialogs and windows of their own
    }
    widgets << widget;
  }
  std::ranges::sort(widgets, {}, &QObject::objectName);

  QStringList lines = {DescribeWindow(window)};
  for (const QWidget* widget : widgets) lines << DescribeWidget(*widget, window);
  for (const QAction* action : actions) {
    const QString menu = action->parent() ? action->parent()->objectName() : QString();
    const QString keys = action->shortcut().toString(QKeySequence::PortableText);
    lines << action->objectName() + QLatin1String(" QAction in ") + menu + QLatin1String(" text ") +
                 Quoted(action->text()) + (keys.isEmpty() ? QString() : QLatin1String(" keys ") + Quoted(keys)) +
                 (action->isEnabled() ? QString() : QStringLiteral(" disabled"));
  }
  lines << TabOrder(window);
  return lines;
}

QRect ListedGeometry(const QStringList& listing, const QString& name) {
  static const QRegularExpression place(QStringLiteral(" at (-?\\d+),(-?\\d+) size (\\d+)x(\\d+)"));
  for (const QString& line : listing) {
    if (line.section(QLatin1Char(' '), 0, 0) != name) continue;
    const QRegularExpressionMatch found = place.match(line);
    if (!found.hasMatch()) return {};
    return {found.captured(1).toInt(), found.captured(2).toInt(), found.captured(3).toInt(), found.captured(4).toInt()};
  }
  return {};
}

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
  return lines;
}

bool WriteLines(const QString& path, const QStringList& lines) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
  return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace ui_test
