#pragma once

#include <QString>

#include "present/language.h"

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

// A file as the messages name it: its path with the system's separators.
QString ShownFileName(const QString& path);

// The message of a failed file command: the file's name on a line of its
// own above the failure's message.
QString FileMessage(const QString& path, const QString& message);

// The question before unsaved changes would be lost: "Save changes to NAME?".
QString SaveChangesQuestion(const QString& path);

// The question before a file that does not look like a model file is
// loaded: "NAME does not look like a model file: line N reads "TEXT". Load
// it anyway?". `lineText` is the line as it is to be shown (already cut and
// cleaned by the reader's rules). A line that fits but for the blanks after
// its number names the value it loads as: `readsAs` (empty for any other
// line) adds ", which reads as VALUE" after the quoted text.
QString UnlikeModelQuestion(const QString& path, int line, const QString& lineText,
                            const QString& readsAs = QString());

// The question before a model is saved as a .dat file that cannot hold all
// of it: "NAME is a .dat file, which holds only the fifteen dimensions in
// whole millimetres; the model's LOST would be lost. Save it anyway?".
QString DatLossQuestion(const QString& path, const QString& lost);

}  // namespace ui
