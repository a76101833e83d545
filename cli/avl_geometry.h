#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/model.h"
#include "calc/stability.h"

namespace cli {

// Why a model is not written for AVL; what() says why.
class AvlRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The model for AVL: a model and the result of a successful
// calc::CalcStability on it, and the tailplane's height above the wing's
// plane (mm, as for the vortex lattice).
struct AvlModel {
  const calc::TModelData& model;
  const calc::TStabilityData& results;
  double tailHeight = 0;
};

// The model as a geometry file for AVL, the public vortex-lattice program,
// so that a builder can check cgcalc's results there. Every length is in the
// model's millimetres (AVL takes any unit used throughout): x behind the
// wing root's leading edge, y to the right, z up.
//
// The lines: `title`; Mach 0; no symmetry planes (0 0 0.0: each surface is
// mirrored by YDUPLICATE instead); Sref Cref Bref as the rule's wing area
// (mm²), the wing's mean chord and the wing span B; Xref Yref Zref as the
// rule's neutral point of the aircraft (TotalNeutralPoint) on the centre
// line, so that AVL's Cm_alpha is about zero where both agree. Then the
// wing, and unless the model is a flying wing the tailplane, each a
// SURFACE with panel counts at which AVL's answer has converged (chordwise,
// spanwise on one half, both cosine-spaced; not the program's own lattice),
// YDUPLICATE 0.0, and a SECTION "Xle Yle Zle Chord Ainc" at the root, the
// kink and the tip, without incidence, the wing's in its plane (Zle 0) and
// the tailplane's at `tailHeight`. A root or tip section is left out where
// its trapezoid has no span (Sa == 0: the kink is the tip). The tailplane's
// root leading edge lies Rh behind the wing root's trailing edge, as the
// diagram draws it. Numbers are rounded to 4 decimals, written without
// trailing zeros. Lines end with LF; comments start with '#'.
//
// Throws AvlRefusal for a planform that aero::SolveVortexLattice cannot
// solve and for a number with more than ten digits before its point.
// `title` is one line.
std::string AvlGeometry(const AvlModel& avl, std::string_view title);

// AvlGeometry written to `path` by ReplaceWrittenFile: throws ExportError
// "cannot write the AVL file to PATH: reason", for a refused model too.
void WriteAvlGeometry(const std::string& path, const AvlModel& avl, std::string_view title);

}  // namespace cli
