#pragma once

namespace calc {

// One lifting surface seen from above, as a double trapezoid per side; all in
// millimetres. Offsets are measured at the trailing edge from the root's
// trailing edge, positive forward.
struct TPlanform {
  double Span = 0;
  double OuterSpan = 0;
  double RootChord = 0;
  double KinkChord = 0;
  double TipChord = 0;
  double KinkOffset = 0;
  double TipOffset = 0;
};

struct TSurfaceData {
  double Area = 0;          // mm², both halves
  double Mac = 0;           // mean aerodynamic chord, mm
  double AspectRatio = 0;
  double NeutralPoint = 0;  // mm behind the surface's own root leading edge
  double LiftSlope = 0;     // per radian
};

// The five characteristics of a surface whose inner panel spans `innerSpan`
// (the caller's Span * 0.5 - OuterSpan; Span itself is not read). Throws
// ArithmeticFailure at the failing step (a zero area, a value beyond the
// double range) and then returns nothing.
TSurfaceData SurfaceGeometry(const TPlanform& planform, double innerSpan);

// Where one chord section of a half planform lies, in the planform's units:
// Across is its distance from the centre line, TrailingEdge and LeadingEdge
// how far its edges lie forward of the root trailing edge.
struct ChordSection {
  long double Across = 0;
  long double TrailingEdge = 0;
  long double LeadingEdge = 0;
};

// The corners of the inner panel (Root to Kink) and of the outer panel (Kink
// to Tip) of one half.
struct PanelCorners {
  ChordSection Root, Kink, Tip;
};

// The corners as pictures draw them: every sum carried with a 64-bit
// significand and left unrounded, so that a caller scaling them to pixels
// rounds only once. Never fails (infinities and NaN pass through).
// SurfaceGeometry does not use them: its integrals work from chord
// differences and quarter-chord points, rounded step by step.
PanelCorners CornersOf(const TPlanform& planform);

}  // namespace calc
