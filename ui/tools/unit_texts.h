#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "calc/units.h"

namespace ui {

// The Tools windows keep what is typed into them in millimetres and grams,
// whatever unit it is typed in, so that a change of units shows the same
// values in the new unit and never changes what is kept.

// What a number typed into a Tools window measures.
enum class Measure { Length, Mass };

// The text kept for `typed`, typed in `units`: its millimetres or grams as
// calc::MillimetreText and calc::GramText write them. A text that
// calc::ReadGivenNumber refuses, a blank one too, is kept as typed: it is
// refused alike in every unit. Millimetres and grams pass byte for byte.
std::string KeptText(std::string_view typed, Measure measure, calc::TUnits units);
QString KeptText(const QString& typed, Measure measure, calc::TUnits units);

// What a field in `units` shows of the kept text `kept`: the shortest text
// that gives its value back (calc::TypedLengthOf, calc::TypedMassOf); a text
// calc::ReadGivenNumber refuses as it is. Millimetres and grams show the kept
// text byte for byte.
std::string ShownText(std::string_view kept, Measure measure, calc::TUnits units);
QString ShownText(const QString& kept, Measure measure, calc::TUnits units);

}  // namespace ui
