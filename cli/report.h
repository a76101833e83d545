#pragma once

#include <string>
#include <string_view>

#include "calc/captions.h"
#include "calc/result_labels.h"
#include "evaluation.h"
#include "options.h"

namespace cli {

// The name under which the warning line appears in --labels and --json.
inline constexpr std::string_view kWarningLabelName = "Label17";

// The warning line's text: captions.Warning when the aspect ratio is too
// small, otherwise empty.
std::string_view WarningText(const Evaluation& evaluation, const calc::CaptionSet& captions);

// The result table as the window lays it out: a head line with the column
// captions (wing, tailplane, total), then one line per row caption
// (Label4 .. Label13) with the label texts right-aligned under their
// columns; in the two centre-of-gravity rows the margin ("16 %:") stands in
// the wing column, where the window shows it. The warning line follows when
// it applies. Every line ends with "\n"; widths count UTF-8 characters.
std::string FormatTable(const Evaluation& evaluation, const calc::CaptionSet& captions);

// One line per result label in the table's order: the label's name, a TAB
// and its exact text (leading blanks kept); last "Label17", a TAB and the
// warning text (empty when there is none).
std::string FormatLabelList(const Evaluation& evaluation, const calc::CaptionSet& captions);

// The same pairs as one JSON object, keys in the same order, texts UTF-8.
std::string FormatJson(const Evaluation& evaluation, const calc::CaptionSet& captions);

// A JSON string literal, quotes included: quotation mark, backslash and
// control characters escaped, other bytes (UTF-8) kept.
std::string JsonString(std::string_view text);

// The report the options ask for, in English or German.
std::string FormatReport(const Evaluation& evaluation, const Options& options);

}  // namespace cli
