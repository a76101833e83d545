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
  Units,        // the units the lengths and masses are in ("in,oz"), only where they are not mm,g
  Label,        // a result label
  Warning,      // the warning line, Label17
  Balance,      // a row of the balance check
  Governing,    // which judgement of the balance check governs: "rule" or "lattice", its reason in `items`
  VlmFigure,    // a figure of the vortex lattice (vlm_rows.h)
  VlmWarnings,  // the vortex lattice's warnings: a list in `items`
};

// One text of an evaluated model under the name every output format uses.
struct NamedText {
  TextKind kind = TextKind::Label;
  std::string_view name;     // the key in --labels, --json, --jsonl and --csv (Lab_St, Label17, Bal_Cg ...)
  std::string text;          // exact, leading blanks kept; empty where nothing applies (no warning, no
                             // ballast) and in a list of names only
  std::string_view caption;  // the label's or balance row's caption in the list's language and units (for
                             // Units the window's "all measure in ..." line); empty for the warning
  // Where a label stands in the readable table.
  std::size_t row = 0;       // its result row, from the top
  present::Column column = present::Column::Wing;
  std::string_view unit;     // printed after its value ("%:"); empty for none
  // The entries of a list (VlmWarnings); for Governing the sentence the
  // readable table prints; empty for any other kind.
  std::vector<std::string> items;
};

// The texts of one evaluated model, in the order every output lists them:
// the units where they are not millimetres and grams (so that with those
// every output is as it always was, and with any other a script learns them
// before the first number), the result labels in label order, the warning line, the balance check's
// rows when the check was asked for (with the lattice asked for too, then
// its margin and verdict against the lattice's neutral point and which of
// the two governs), then the vortex lattice's figures and warnings when they
// were.
using ResultTexts = std::vector<NamedText>;

// What one computed model (or sweep point) shows.
struct TextSources {
  const present::ResultLabelTexts& labels;  // in label order
  bool warning = false;                     // the aspect-ratio warning stands
  const calc::TBalanceData* balance = nullptr;  // the balance check; nullptr: not asked
  const VlmOutcome* vlm = nullptr;              // the vortex lattice; nullptr: not asked
  // What the labels' texts are written in; the balance rows and the
  // lattice's texts are written so too.
  calc::TUnits units{};
};

// The list of `sources`; words and captions in `language`. When the lattice
// solved nothing its figures are empty and its one warning says so.
ResultTexts TextsOf(const TextSources& sources, present::Language language);

// The list of an evaluation.
ResultTexts TextsOf(const Evaluation& evaluation, present::Language language);

// An entry's text on one line: its text, or a list's items joined by
// kVlmWarningSeparator ("; "); what --labels and --csv show.
std::string OneLineText(const NamedText& entry);

// The same names and places with no texts (but the units'): the columns of
// --csv, which a failed model keeps empty.
ResultTexts NamesOnly(bool withBalance, bool withVlm = false, calc::TUnits units = {});

// The key of the units entry in every format.
inline constexpr std::string_view kUnitsName = "units";

}  // namespace cli
