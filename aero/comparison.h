#pragma once

#include <optional>

#include "calc/model.h"
#include "calc/stability.h"
#include "vortex_lattice.h"

namespace aero {

// How the vortex lattice's answer stands against the rule's, for the window's
// status line, the balance check and cgcalc-cli alike.

// A centre-of-gravity range, mm behind the wing root's leading edge.
struct CgRange {
  double Forward = 0;  // for the larger margin
  double Rear = 0;     // for the smaller margin
};

struct Comparison {
  VlmResult Vlm;
  // Vlm.NeutralPoint minus the rule's TotalNeutralPoint, in % of the wing's
  // mean chord: positive when the lattice's neutral point lies further aft.
  double NpDiff = 0;
  // IsTailAhead: a canard or a tandem, for which the rule's range is no
  // recommendation at all.
  bool TailAhead = false;
  // A flying wing whose quarter-chord line is swept back (IsSweptBack): the
  // rule ignores the sweep there.
  bool SweptFlyingWing = false;
  // The rule's two margins, % of the mean chord (8 and 16, flying wing 4 and 8).
  double SmallMargin = 0;
  double LargeMargin = 0;
  // The static margins of the rule's two recommended centres of gravity
  // measured against the lattice's neutral point, in % of the mean chord.
  double SmallMarginCgMargin = 0;  // the rearward one, CgSmallMargin
  double LargeMarginCgMargin = 0;  // the forward one, CgLargeMargin
  // The rule's margins laid around the lattice's neutral point
  // (calc::CgAtMargin); nothing where that arithmetic fails.
  std::optional<CgRange> LatticeRange;

  // Following the rule's range would be unsafe by the lattice: its rearward
  // centre of gravity keeps less than half of its margin against the
  // lattice's neutral point, or lies behind it.
  bool RuleRearUnsafe() const { return SmallMarginCgMargin < SmallMargin / 2; }
};

// Whether the tailplane is really ahead of the wing: its lift acts at or
// ahead of the wing's (the rule's lever arm, from the wing's neutral point to
// the tailplane's, is 0 or less), as on a canard or a tandem. Never for a
// flying wing. A tailplane whose root merely starts under the wing's trailing
// edge (Rh < 0) is still behind it. `rule` as for Compare.
bool IsTailAhead(const calc::TModelData& model, const calc::TStabilityData& rule);

// The centre-of-gravity range to recommend, as the diagram marks it: the
// rule's, but on a canard or tandem (IsTailAhead) the lattice's
// `latticeRange` (Comparison::LatticeRange), and without one none at all:
// both ends infinite, off any diagram.
CgRange RecommendedRange(const calc::TModelData& model, const calc::TStabilityData& rule,
                         const std::optional<CgRange>& latticeRange);

// The sweep beyond which a wing counts as swept back: its tip's quarter-chord
// point (the kink's when the wing has no outer panel) lies more than
// tan(kSweptBackDegrees) of the half span behind the root's.
inline constexpr double kSweptBackDegrees = 5;
bool IsSweptBack(const calc::TModelData& model);

// The static margin of a centre of gravity `cg` against `neutralPoint` (both
// mm behind the wing root's leading edge), in % of `mac`: positive when the
// centre of gravity lies ahead of the neutral point.
double StaticMargin(double cg, double neutralPoint, double mac);

// `rule` is the result of a successful calc::CalcStability on `model`.
// Never throws.
Comparison Compare(const calc::TModelData& model, const calc::TStabilityData& rule, const VlmResult& vlm);

}  // namespace aero
