#pragma once

#include <optional>

#include "margins.h"
#include "model.h"
#include "surface.h"

namespace calc {

// Whole-aircraft results. Positions in mm behind the wing root leading edge,
// except Tail.NeutralPoint (behind the tailplane's own root leading edge);
// margins and NeutralPointPercent in % of the wing's mean chord.
struct TStabilityData {
  double LeverArm = 0;
  double DownwashFactor = 0;
  double SmallMargin = 0;
  double LargeMargin = 0;
  double NeutralPointPercent = 0;
  double CgSmallMargin = 0;  // the rearward centre of gravity
  double CgLargeMargin = 0;  // the forward one
  double TotalNeutralPoint = 0;
  double TotalLiftSlope = 0;
  TSurfaceData Tail;
  TSurfaceData Wing;
};

// Both stages throw ArithmeticFailure at the failing step. Quantities of
// earlier steps keep their new values, those of the failing and later steps
// their old ones; Wing and Tail are replaced only as a whole.

// Computes Wing from the seven wing dimensions.
void CalcWing(const TModelData& model, TStabilityData& results);

// Computes everything else, the recommended range with the margins `chosen`
// by the builder or else its kind's default (MarginsFor). In flying-wing
// mode (Bh == 0) it also sets the model's Sah, Lih, Lkh, Lah, Vkh and Vah
// to 0 and leaves Rh alone.
void CalcTailAndTotals(TModelData& model, TStabilityData& results,
                       const std::optional<TMargins>& chosen = std::nullopt);

// CalcWing, then CalcTailAndTotals.
void CalcStability(TModelData& model, TStabilityData& results, const std::optional<TMargins>& chosen = std::nullopt);

// The centre of gravity that lies `margin` % of `mac` ahead of
// `neutralPoint` (positions in mm behind the wing root's leading edge), as
// the recommended range's two ends are placed. Throws ArithmeticFailure
// where the arithmetic fails.
double CgAtMargin(double neutralPoint, double mac, double margin);

}  // namespace calc
