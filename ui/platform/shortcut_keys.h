#pragma once

class QKeyEvent;
class QLineEdit;

namespace ui {

// The program's rule for every field: a key with Alt, Ctrl or Meta held down
// never types into it. A line edit would type such a key's text (Alt+F puts
// an "f" into the number, Alt+1 a "1") although the user meant a menu or a
// shortcut. The line edit's own editing commands (select all, copy, undo, a
// word to the left ...) keep working.

// Whether `event` is such a key: it carries printable text, a command
// modifier is held, and it is no editing command.
bool TypesWithModifier(const QKeyEvent& event);

// Swallows such keys before `field` sees them; a shortcut, had there been
// one, has taken the key before. The filter is a child of the field.
void KeepCommandKeysFromTyping(QLineEdit& field);

}  // namespace ui
