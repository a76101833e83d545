#pragma once

#include <QRect>

class QLineEdit;
class QWidget;

namespace ui {

// `frame` moved as little as it takes to lie within `available`; a frame
// larger than `available` keeps its top left corner in it, so that the
// title bar stays within reach.
QRect KeptWithin(const QRect& frame, const QRect& available);

// Before a window is shown: keeps it on the screen it opens on (the one
// under its position). Where it is larger than that screen's free area it
// shrinks, down to its minimum size; a window the program has placed moves
// into the area (the others the window manager places). Allows for a title
// bar and a border, which the window manager adds later.
void KeepOnScreen(QWidget& window);

// A field for a typed number keeps room for "-12345.678" however far its
// window shrinks.
void KeepNumberFieldReadable(QLineEdit& field);

}  // namespace ui
