#pragma once

#include <string>
#include <string_view>

#include "evaluation.h"
#include "options.h"
#include "present/language.h"
#include "present/result_table.h"

namespace cli {

// The warning line's text in `language` when the aspect ratio is too small,
// otherwise empty.
std::string_view WarningText(const Evaluation& evaluation, present::Language language);

// The result table as the window lays it out: a head line with the column
// captions (wing, tailplane, total), then one line per result row with the
// label texts right-aligned under their columns; a value with a unit (the
// margins' "%:") stands in its column followed by the unit, where the window
// shows it. The warning line follows when it applies. Every line ends with
// "\n"; widths count UTF-8 characters.
std::string FormatTable(const Evaluation& evaluation, present::Language language);

// One line per result label in label order: the label's name, a TAB and its
// exact text (leading blanks kept); last "Label17", a TAB and the warning
// text (empty when there is none).
std::string FormatLabelList(const Evaluation& evaluation, present::Language language);

// The same pairs as one JSON object, keys in the same order, texts UTF-8.
std::string FormatJson(const Evaluation& evaluation, present::Language language);

// A JSON string literal, quotes included: quotation mark, backslash and
// control characters escaped, other bytes (UTF-8) kept.
std::string JsonString(std::string_view text);

// The report the options ask for, in their language.
std::string FormatReport(const Evaluation& evaluation, const Options& options);

}  // namespace cli
