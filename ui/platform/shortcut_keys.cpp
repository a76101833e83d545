#include "ui/platform/shortcut_keys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace ui {
namespace {

bool IsEditingCommand(const QKeyEvent& event) {
  for (int key = QKeySequence::UnknownKey + 1; key <= QKeySequence::Cancel; ++key) {
    if (event.matches(static_cast<QKeySequence::StandardKey>(key))) return true;
  }
  return false;
}

class CommandKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) return TypesWithModifier(static_cast<const QKeyEvent&>(*event));
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

bool TypesWithModifier(const QKeyEvent& event) {
  constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
  if (!(event.modifiers() & kCommandModifiers)) return false;
  const QString text = event.text();
  return !text.isEmpty() && text.front().isPrint() && !IsEditingCommand(event);
}

void KeepCommandKeysFromTyping(QLineEdit& field) { field.installEventFilter(new CommandKeyFilter(&field)); }

}  // namespace ui
