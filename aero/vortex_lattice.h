#pragma once

#include <optional>

#include "calc/model.h"

namespace aero {

// A second opinion on the neutral point: the model's wing and tailplane as
// flat lifting surfaces without thickness, solved by a vortex lattice at low
// speed (no compressibility, no fuselage). Every half trapezoid is divided
// into panels, each carrying a horseshoe vortex: its bound leg on the panel's
// quarter-chord line, its two trailing legs running straight aft to infinity
// in the plane of their surface; the flow through the panel's three-quarter
// chord point is made zero. The model is symmetric, so only the right half is
// solved, each vortex acting together with its mirror image.
//
// Positions are in the model's millimetres: x behind the wing root's leading
// edge, as the rule's results are. The tailplane lies where the diagram draws
// it (its root leading edge Rh behind the wing root's trailing edge).

// How finely each surface is divided. The half span is cut at every kink and
// tip of both surfaces into intervals, and each interval holds a fixed
// number of strips, spaced by the cosine, with the same edges on every
// surface that spans it: WingSpan where the wing spans the interval,
// TailSpan beyond the wing's tip. So no count changes as a dimension
// changes, and one surface's trailing legs pass the other's control points
// midway between them. Chordwise, each strip holds WingChord (TailChord)
// panels of equal length.
struct Lattice {
  int WingSpan = 0;
  int WingChord = 0;
  int TailSpan = 0;
  int TailChord = 0;

  // The same lattice with every count multiplied by `factor`.
  Lattice Refined(int factor) const;
};

// The lattice the program uses; docs/user-guide.md says why it is fine enough.
Lattice DefaultLattice();

struct VlmOptions {
  Lattice Grid = DefaultLattice();
  double TailHeight = 0;  // mm the tailplane lies above the wing's plane
};

struct VlmResult {
  double LiftSlope = 0;      // the aircraft's dCL/dalpha per radian, referred to the wing area
  double WingLiftSlope = 0;  // the wing's alone, per radian, referred to the wing area
  double NeutralPoint = 0;   // mm behind the wing root's leading edge
};

// Solves the model. A flying wing (Bh == 0, also -0) is solved as a wing
// alone, LiftSlope then equal to WingLiftSlope. nullopt when the planform
// gives nothing to solve: a dimension that is not finite, a wing without
// span or area, a chord below 0, a panel of negative span (an outer panel
// wider than the half span), a wing (or a tailplane with an area) whose
// half span or mean chord is below 1e-60 of the largest dimension (the
// products of its lengths would leave the range of doubles), or a lattice
// count below 1; and when the equations are too near
// singular for their solution to mean anything. Keeps its working memory
// for the calling thread's next solution.
// Never throws for any dimensions; only memory exhaustion escapes as
// std::bad_alloc (also for a lattice of more than 16384 panels).
std::optional<VlmResult> SolveVortexLattice(const calc::TModelData& model, const VlmOptions& options = {});

}  // namespace aero
