#pragma once

#include <Eigen/Core>

#include "panels.h"

namespace aero {

// The terms of the Biot-Savart law for one bound segment at a surface's
// control points (influence.cpp), kept between segments so that the kernel
// allocates nothing.
struct SegmentTerms {
  Eigen::ArrayXd CrossZ;        // (r1 x r2)_z, layout units^2
  Eigen::ArrayXd Alignment;     // r0 . (r1 |r2| - r2 |r1|), layout units^3
  Eigen::ArrayXd CrossSquared;  // |r1 x r2|^2 plus the core's share, layout units^4
};

// The memory of one solution's largest arrays. A caller that keeps one for
// the next solution (SolveVortexLattice keeps one per thread) spares the
// allocator: at a few hundred kilobytes each, they went back to the system
// after every solution and cost a sweep more time in the kernel than in
// arithmetic. Holds nothing that outlives a solution's meaning. Lengths in
// layout units (panels.h).
struct Workspace {
  Eigen::MatrixXd Influence;  // see InfluenceMatrix
  // Per control point (rows) and leg point (columns): the distance |r| from
  // the leg point and from its mirror image across the centre line, and the
  // upwash of the unit trailing pair that leaves there (times 4 pi).
  Eigen::MatrixXd DistanceFromLegPoint, DistanceFromMirroredLegPoint, TrailingPairUpwash;
  Eigen::ArrayXd ControlX, ControlY, ControlZ;  // the control points
  SegmentTerms Terms;
  Eigen::MatrixXd TailOnWing, Schur;  // for the solution (vortex_lattice.cpp)
};

// Fills workspace.Influence with the influence coefficients: entry (i, j) is
// the upwash (velocity along +z) at horseshoe i's control point induced by
// horseshoe j and its mirror image, both of unit circulation (bound leg
// pointing outboard on the right half, so that a positive circulation
// lifts). A circulation in layout units times the free-stream speed gives
// the upwash in free-stream speeds: the entries are in 1 / layout unit.
void InfluenceMatrix(const Layout& layout, Workspace& workspace);

}  // namespace aero
