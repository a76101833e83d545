#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "aero/comparison.h"
#include "calc/units.h"
#include "language.h"

namespace present {

// The vortex lattice's second opinion as the program prints it, shared by the
// main window's status line, the balance check and cgcalc-cli.

// The figures, formatted like the result table's ('.' as decimal point, no
// "-0.0"): lift slope per radian with 2 decimals, neutral point in mm with 1
// (in inches with 3),
// the difference in % of the mean chord with 1 and an explicit sign; and the
// range laid around the lattice's neutral point exactly as the table's
// centre-of-gravity rows (Lab_Rsp2, Lab_Rsp1) write theirs, empty where it
// could not be computed.
struct SecondOpinionFigures {
  std::string LiftSlope;
  std::string NeutralPoint;
  std::string NpDiff;
  std::string CgForward;
  std::string CgRear;
};
SecondOpinionFigures FiguresOf(const aero::Comparison& comparison, calc::TUnits units = {});

// One line naming the lattice's neutral point and its difference from the
// rule's, in `language`, its position in `units`.
std::string SummaryLine(const aero::Comparison& comparison, Language language, calc::TUnits units = {});

// The warnings, in `language`, each a whole sentence that says what to do;
// only where following the rule's range would be unsafe by the lattice: the
// tailplane really ahead of the wing (the lattice's range instead), or the
// rule's rearward centre of gravity keeping less than half its margin
// against the lattice's neutral point.
std::vector<std::string> Warnings(const aero::Comparison& comparison, Language language, calc::TUnits units = {});

// Where no warning stands and the lattice's neutral point lies further aft
// than the rule's: a plain sentence saying so, and that the fuselage neither
// knows moves the neutral point forward. Empty otherwise. It never calls the
// range safe.
std::string Note(const aero::Comparison& comparison, Language language);

// The tooltip of the rule's figures that judge by its range (the centres of
// gravity, the balance check's margin and verdict) on a canard or tandem.
inline constexpr Caption kRuleRangeNotApplicable = &Texts::ruleRangeNotApplicable;

// Which of the two judgements a builder follows, and why. The one policy:
// on a canard or tandem (aero::Comparison::TailAhead) and on a swept flying
// wing the lattice governs, since the rule does not model them; otherwise
// the more cautious one, whose neutral point lies further forward, and the
// rule where both lie at the same place as shown (the difference rounds to
// 0.0 %).
enum class Judgement { Rule, Lattice };
enum class GoverningReason { TailAhead, SweptFlyingWing, LatticeForward, RuleForward, SameNeutralPoint };
struct Governing {
  Judgement judgement;
  GoverningReason reason;
};
Governing GoverningOf(const aero::Comparison& comparison);

// The judgement as cgcalc-cli's Bal_Governing gives it, in every language:
// "rule" or "lattice".
std::string_view JudgementKey(Judgement judgement);

// The balance check's sentence naming the governing judgement and why
// ("Follow: the rule, because ..."), in `language`.
std::string_view GoverningText(const Governing& governing, Language language);

}  // namespace present
