#pragma once

#include <array>

#include <Eigen/Core>

#include "panels.h"

namespace aero {

// The memory of one solution's largest arrays. A caller that keeps one for
// the next solution (SolveVortexLattice keeps one per thread) spares the
// allocator: at a few hundred kilobytes each, they went back to the system
// after every solution and cost a sweep more time in the kernel than in
// arithmetic. Holds nothing that outlives a solution's meaning.
struct Workspace {
  Eigen::MatrixXd Influence;  // see InfluenceMatrix
  // Per control point (rows) and leg point (columns): the distances from the
  // point and from its mirror image, and the upwash of the unit trailing
  // pair that leaves there.
  Eigen::MatrixXd Distance, MirrorDistance, TrailingUpwash;
  Eigen::ArrayXd X, Y, Z;  // the control points
  std::array<Eigen::ArrayXd, 3> Scratch;
  Eigen::MatrixXd TailOnWing, Schur;  // for the solution (vortex_lattice.cpp)
};

// Fills workspace.Influence: entry (i, j) is the upward velocity at
// horseshoe i's control point induced by horseshoe j and its mirror image,
// both of unit circulation (bound leg pointing outboard on the right half,
// so that a positive circulation lifts), at unit free stream.
void InfluenceMatrix(const Layout& layout, Workspace& workspace);

}  // namespace aero
