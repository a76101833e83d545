#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calc/balance.h"
#include "present/language.h"

namespace present {

// The results of the balance check as rows of their own, shown by the
// balance window and added by cgcalc-cli to every output format when a
// measured centre of gravity is given. Each row is one value.
struct BalanceRow {
  std::string_view name;  // the key in --labels, --json and --csv ("Bal_Cg" ...)
  Caption caption;
  // The value's text: numbers as FormatFixed gives them (leading blanks
  // kept), words in the language; empty where the value does not apply.
  std::string (*text)(const calc::TBalanceData& balance, Language language);
};

std::span<const BalanceRow> BalanceRows();

// The rows the balance window adds when the vortex lattice's neutral point
// differs from the rule's: the static margin and the verdict of
// calc::CalcBalanceAgainst that point, captioned as the lattice's and shown
// as the rule's rows of the same kind. cgcalc-cli prints none of them.
std::span<const BalanceRow> LatticeBalanceRows();

// The verdict as a word ("unstable", "tail-heavy", "in range", "nose-heavy").
std::string_view VerdictText(calc::BalanceVerdict verdict, Language language);

// What the ballast row says when it shows no number: no ballast needed,
// ballast there cannot move the CG to the range, no mass, no station.
std::string_view AdviceText(calc::BalanceAdvice advice, Language language);

// A balance input error's message in `language` (the English texts are
// calc::BalanceInputText's).
std::string_view BalanceErrorText(calc::BalanceInputKind kind, Language language);

// The window's and the table's heading for the balance rows.
inline constexpr Caption kBalanceTitle = {"Schwerpunktkontrolle", "Balance check"};

}  // namespace present
