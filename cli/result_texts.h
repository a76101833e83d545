#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/balance.h"
#include "evaluation.h"
#include "present/language.h"
#include "present/result_table.h"

namespace cli {

// What an entry of the list is; it decides where the readable table puts
// it and how --csv writes it.
enum class TextKind {
  Label,    // a result label
  Warning,  // the warning line, Label17
  Balance,  // a row of the balance check
};

// One text of an evaluated model under the name every output format uses.
struct NamedText {
  TextKind kind = TextKind::Label;
  std::string_view name;     // the key in --labels, --json, --jsonl and --csv (Lab_St, Label17, Bal_Cg ...)
  std::string text;          // exact, leading blanks kept; empty where nothing applies (no warning, no
                             // ballast) and in a list of names only
  std::string_view caption;  // the label's or balance row's caption in the list's language; empty for the warning
  // Where a label stands in the readable table.
  std::size_t row = 0;       // its result row, from the top
  present::Column column = present::Column::Wing;
  std::string_view unit;     // printed after its value ("%:"); empty for none
};

// The texts of one evaluated model, in the order every output lists them:
// the result labels in label order, the warning line, then the balance
// check's rows when the check was asked for.
using ResultTexts = std::vector<NamedText>;

// The list of a model's `labels` (in label order), with the warning text
// when `warning` stands and the rows of `balance` when it is given; words
// and captions in `language`.
ResultTexts TextsOf(const present::ResultLabelTexts& labels, bool warning, const calc::TBalanceData* balance,
                    present::Language language);

// The list of an evaluation.
ResultTexts TextsOf(const Evaluation& evaluation, present::Language language);

// The same names and places with no texts: the columns of --csv, which a
// failed model keeps empty.
ResultTexts NamesOnly(bool withBalance);

}  // namespace cli
