#pragma once

#include "calc/units.h"
#include "present/language.h"

namespace present {

// Each text that names millimetres, square decimetres or grams, with the
// text that takes its place when the model is shown in inches or ounces.
struct UnitCaption {
  Caption metric;
  Caption imperial;
};

inline constexpr UnitCaption kLengthCaptions[] = {
    {&Texts::windowUnits, &Texts::windowUnitsInch},
    {&Texts::rowArea, &Texts::rowAreaInch},
    {&Texts::latticeSummaryAft, &Texts::latticeSummaryAftInch},
    {&Texts::latticeSummaryForward, &Texts::latticeSummaryForwardInch},
    {&Texts::latticeSummarySame, &Texts::latticeSummarySameInch},
    {&Texts::tailAhead, &Texts::tailAheadInch},
    {&Texts::balanceByLattice, &Texts::balanceByLatticeInch},
    {&Texts::balancePositions, &Texts::balancePositionsInch},
    {&Texts::plotYAxis, &Texts::plotYAxisInch},
    {&Texts::tailHeightField, &Texts::tailHeightFieldInch},
};

inline constexpr UnitCaption kMassCaptions[] = {
    {&Texts::balanceInputMa, &Texts::balanceInputMaOunce},
    {&Texts::balanceInputMb, &Texts::balanceInputMbOunce},
    {&Texts::balanceInputMass, &Texts::balanceInputMassOunce},
    {&Texts::balanceMass, &Texts::balanceMassOunce},
    {&Texts::balanceBallast, &Texts::balanceBallastOunce},
    {&Texts::balanceNewMass, &Texts::balanceNewMassOunce},
    {&Texts::balanceLatticeBallast, &Texts::balanceLatticeBallastOunce},
};

// The caption to show for `caption` in `units`: its inch or ounce text
// where it names a unit the model is not shown in, otherwise itself. Pass
// the metric caption; with millimetres and grams every caption is itself.
constexpr Caption InUnits(Caption caption, calc::TUnits units) {
  if (units.Length == calc::LengthUnit::Inch) {
    for (const UnitCaption& pair : kLengthCaptions) {
      if (pair.metric == caption) return pair.imperial;
    }
  }
  if (units.Mass == calc::MassUnit::Ounce) {
    for (const UnitCaption& pair : kMassCaptions) {
      if (pair.metric == caption) return pair.imperial;
    }
  }
  return caption;
}

// The text of `caption` in `language` and `units`.
constexpr std::string_view In(Caption caption, Language language, calc::TUnits units) {
  return In(InUnits(caption, units), language);
}

}  // namespace present
