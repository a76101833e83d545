#include "ui/tools/command_key_filter.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace ui {
namespace {

bool IsEditingCommand(const QKeyEvent& event) {
  for (int key = QKeySequence::UnknownKey + 1; key <= QKeySequence::Cancel; ++key) {
    if (event.matches(static_cast<QKeySequence::StandardKey>(key))) return true;
  }
  return false;
}

}  // namespace

// Swallowed, neither typed nor passed on: a shortcut, had there been one,
// has taken the key before it reaches the field.
bool CommandKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
  if (!(key.modifiers() & kCommandModifiers)) return false;
  const QString text = key.text();
  return !text.isEmpty() && text.front().isPrint() && !IsEditingCommand(key);
}

}  // namespace ui
