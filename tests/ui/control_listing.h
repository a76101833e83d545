#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui_test {

// A window's controls as text, one line each, for comparing a window with
// an expected listing in tests/data. The first line describes the window
// itself (title, place, size, font); then every named widget under it,
// sorted by object name, with its class, parent, place and size ("fitted"
// for a label exactly as wide as its text), colours, font, background, text,
// hint and picture sizes; then every menu item in menu order with its
// shortcut (a menu lists a separator as "-" among its items); the last line
// is the order in which Tab visits the controls, as the focus chain gives
// it. Qt's own helpers (names beginning "qt_") are left out.
QStringList ListControls(const QWidget& window);

// The place and size a listing gives the control `name` ("NAME ... at X,Y
// size WxH"); an empty rectangle when it lists no such control.
QRect ListedGeometry(const QStringList& listing, const QString& name);

// The lines of a UTF-8 text file, without line ends; empty when it cannot be read.
QStringList ReadLines(const QString& path);

// Writes `lines` as UTF-8, each ended by a line end, as ReadLines reads
// them; false when the file cannot be written.
bool WriteLines(const QString& path, const QStringList& lines);

}  // namespace ui_test
