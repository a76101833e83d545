#pragma once

#include <QObject>

namespace ui {

// Keeps keys meant as commands out of the line edits it watches: a key with
// Alt, Ctrl or Meta held down that carries text would be typed (Alt+F puts
// an "f" into the number), although the user meant a menu or a shortcut.
// The line edit's own editing commands (select all, copy, undo ...) pass.
class CommandKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
