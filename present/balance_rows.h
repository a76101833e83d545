#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calc/balance.h"
#include "calc/units.h"
#include "present/language.h"

namespace present {

// The results of the balance check as rows of their own, shown by the
// balance window and added by cgcalc-cli to every output format when a
// measured centre of gravity is given. Each row is one value.
struct BalanceRow {
  std::string_view name;  // the key in --labels, --json and --csv ("Bal_Cg" ...)
  Caption caption;
  // The value's text: numbers as FormatFixed gives them (leading blanks
  // kept) in the model's units, words in the language; empty where the
  // value does not apply. Its caption names the unit: take it through
  // present::InUnits.
  std::string (*text)(const calc::TBalanceData& balance, Language language, calc::TUnits units);
  // The value judges by the rule's range (margin, verdict, ballast): on a
  // canard or tandem, where the rule's range is no recommendation, the
  // window greys it as not applicable.
  bool byRange = false;
};

std::span<const BalanceRow> BalanceRows();

// The rows judging the measured centre of gravity against the vortex
// lattice's neutral point: the static margin, the verdict and the ballast of
// calc::CalcBalanceAgainst that point, captioned as the lattice's and shown
// as the rule's rows of the same kind. The balance window shows them where
// the two verdicts differ or the lattice governs; cgcalc-cli with --vlm
// always.
std::span<const BalanceRow> LatticeBalanceRows();

// The line naming the judgement that governs (present::GoverningOf): its key
// in --labels, --json and --csv, where it is "rule" or "lattice", and the
// window's object name for the sentence saying why; its caption in the
// readable table.
inline constexpr std::string_view kGoverningName = "Bal_Governing";
inline constexpr Caption kGoverningCaption = &Texts::balanceGoverning;

// The verdict as a word ("unstable", "tail-heavy", "in range", "nose-heavy").
std::string_view VerdictText(calc::BalanceVerdict verdict, Language language);

// What the ballast row says when it shows no number: no ballast needed,
// ballast there cannot move the CG to the range, no mass, no station.
std::string_view AdviceText(calc::BalanceAdvice advice, Language language);

// A balance input error's message in `language` (the English texts are
// calc::BalanceInputText's).
std::string_view BalanceErrorText(calc::BalanceInputKind kind, Language language);

// The window's and the table's heading for the balance rows.
inline constexpr Caption kBalanceTitle = &Texts::balanceTitle;

}  // namespace present
