#pragma once

#include "calc/model.h"
#include "calc/stability.h"
#include "vortex_lattice.h"

namespace aero {

// How the vortex lattice's answer stands against the rule's, for the window's
// status line, the balance check and cgcalc-cli alike.

// Beyond this difference of the two neutral points, in % of the wing's mean
// chord, the program says that they disagree.
inline constexpr double kDisagreementPercent = 3.0;

struct Comparison {
  VlmResult Vlm;
  // Vlm.NeutralPoint minus the rule's TotalNeutralPoint, in % of the wing's
  // mean chord: positive when the lattice's neutral point lies further aft.
  double NpDiff = 0;
  // The tailplane does not lie behind the wing (Rh < 0: its root leading edge
  // ahead of the wing root's trailing edge, as on a canard or a tandem), so
  // the rule's recommended range does not apply. Never set for a flying wing.
  bool TailNotBehind = false;
  // |NpDiff| > kDisagreementPercent.
  bool Disagrees = false;
  // The static margins of the rule's two recommended centres of gravity
  // measured against the lattice's neutral point, in % of the mean chord.
  double SmallMarginCgMargin = 0;  // the rearward one, CgSmallMargin
  double LargeMarginCgMargin = 0;  // the forward one, CgLargeMargin
};

// The static margin of a centre of gravity `cg` against `neutralPoint` (both
// mm behind the wing root's leading edge), in % of `mac`: positive when the
// centre of gravity lies ahead of the neutral point.
double StaticMargin(double cg, double neutralPoint, double mac);

// `rule` is the result of a successful calc::CalcStability on `model`.
Comparison Compare(const calc::TModelData& model, const calc::TStabilityData& rule, const VlmResult& vlm);

}  // namespace aero
