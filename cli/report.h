#pragma once

#include <string>
#include <string_view>

#include "evaluation.h"
#include "options.h"
#include "present/language.h"
#include "result_texts.h"

namespace cli {

// The reports of one model, each a format of the model's list of texts.

// The result table as the window lays it out: a head line with the column
// captions in `language` (wing, tailplane, total), then one line per result
// row with the label texts right-aligned under their columns; a value with a
// unit (the margins' "%:") stands in its column followed by the unit, where
// the window shows it. The warning line follows when it applies, then the
// balance check under its heading when the list has it. Units other than
// millimetres and grams are named on a line above the table. Every line ends
// with "\n"; widths count UTF-8 characters.
std::string FormatTable(const ResultTexts& texts, present::Language language);

// One line per text in the list's order: the name, a TAB and its exact text
// (leading blanks kept; a list's items joined by "; "); the warning line
// "Label17" with an empty text when there is none.
std::string FormatLabelList(const ResultTexts& texts);

// The same pairs as one JSON object, keys in the same order, texts UTF-8.
std::string FormatJson(const ResultTexts& texts);

// A JSON string literal, quotes included, valid whatever the bytes of
// `text`: quotation mark, backslash and control characters (C0, DEL, C1)
// escaped, valid UTF-8 kept, and each byte that is not part of valid UTF-8
// written as the \u00XX escape of its Latin-1 reading (0xE9 as \u00e9).
std::string JsonString(std::string_view text);

// An entry's value in JSON: its text as a string, a list (the lattice's
// warnings) as an array of strings.
std::string JsonValue(const NamedText& entry);

// The report the options ask for, in their language.
std::string FormatReport(const Evaluation& evaluation, const Options& options);

}  // namespace cli
