#pragma once

#include <string>
#include <vector>

#include "aero/comparison.h"
#include "language.h"

namespace present {

// The vortex lattice's second opinion as the program prints it, shared by the
// main window's status line, the balance check and cgcalc-cli.

// The figures, formatted like the result table's ('.' as decimal point, no
// "-0.0"): lift slope per radian with 2 decimals, neutral point in mm with 1,
// the difference in % of the mean chord with 1 and an explicit sign.
struct SecondOpinionFigures {
  std::string LiftSlope;
  std::string NeutralPoint;
  std::string NpDiff;
};
SecondOpinionFigures FiguresOf(const aero::Comparison& comparison);

// One line naming the lattice's neutral point and its difference from the
// rule's, in `language`.
std::string SummaryLine(const aero::Comparison& comparison, Language language);

// The warnings that apply, in `language`, each a whole sentence: the
// tailplane not behind the wing (the recommended range does not apply), and
// the two neutral points disagreeing (by how much, which lies further aft).
std::vector<std::string> Warnings(const aero::Comparison& comparison, Language language);

}  // namespace present
