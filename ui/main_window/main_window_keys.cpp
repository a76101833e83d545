// The main window's keyboard: what the fields and the push buttons do with
// keys beyond plain typing, and the fields losing the focus.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/main_window/main_window.h"
#include "ui/platform/shortcut_keys.h"

namespace ui {
namespace {

bool IsEnter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

}  // namespace

void MainWindow::watchKeys() {
  for (QLineEdit* field : fields_) field->installEventFilter(this);
  // Outside a dialog a push button takes only Space; on a desktop Enter
  // presses the focused button too.
  for (QPushButton* button : languageButtons_) button->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  // Swallowed, neither typed nor passed on: a shortcut, had there been one,
  // has taken the key before it reaches the field.
  if (field && event->type() == QEvent::KeyPress) return TypesWithModifier(static_cast<const QKeyEvent&>(*event));
  if (field && event->type() == QEvent::FocusOut) {
    failureReport_->FieldLeft(static_cast<const QFocusEvent*>(event)->reason());
    return false;
  }
  auto* button = qobject_cast<QPushButton*>(watched);
  if (button && event->type() == QEvent::KeyPress && IsEnter(static_cast<const QKeyEvent&>(*event))) {
    button->click();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui
