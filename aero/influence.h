#pragma once

#include <Eigen/Core>

#include "panels.h"

namespace aero {

// The influence matrix: entry (i, j) is the upward velocity at horseshoe i's
// control point induced by horseshoe j and its mirror image, both of unit
// circulation (bound leg pointing outboard on the right half, so that a
// positive circulation lifts).
Eigen::MatrixXd InfluenceMatrix(const Layout& layout);

}  // namespace aero
