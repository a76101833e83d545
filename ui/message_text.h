#pragma once

#include <QString>

namespace ui {

// The caption of the program's message boxes, from the path the program was
// started with: the file name without its folder, cut at its first full stop,
// with every letter after the first in lower case (the first stays as it is).
// "/usr/bin/cgcalc" gives "cgcalc", "CGCALC.BIN" gives "Cgcalc".
QString ApplicationTitle(const QString& executablePath);

// The text a failure report shows: the failure's message with a full stop
// appended when the message is not empty and its last character has a
// greater character code than the full stop ("... operation" and
// "I/O error 5" get one, "(a)" and "done." do not).
QString MessageWithFullStop(const QString& message);

}  // namespace ui
