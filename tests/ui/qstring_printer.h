#pragma once

#include <ostream>

#include <QString>

// Readable QStrings in test failure messages (found by argument lookup).
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
