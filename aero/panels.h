#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <Eigen/Core>

#include "calc/model.h"
#include "vortex_lattice.h"

namespace aero {

// The horseshoe vortices of the right half of a model. Lengths are in
// layout units: millimetres divided by the model's largest dimension
// (Layout::Scale), so that no sum of dimensions overflows and the lattice
// looks the same at every scale. The frame: x aft along the free stream from
// the wing root's leading edge, y to the right (outboard), z up.

enum class Surface { Wing, Tail };

struct Horseshoe {
  Eigen::Vector3d Inboard;   // bound leg's inner end, on the quarter-chord line
  Eigen::Vector3d Outboard;  // its outer end
  Eigen::Vector3d Control;   // the panel's control point, where the flow through it is cancelled
  // Where its trailing legs leave from (Inboard, Outboard), as indices into
  // Layout::Legs: neighbouring strips share them.
  std::size_t InboardLeg = 0;
  std::size_t OutboardLeg = 0;
};

// A point on the right half from which trailing legs run aft to infinity.
struct Leg {
  Eigen::Vector3d From;
  Surface Owner = Surface::Wing;
};

struct Layout {
  // The wing's horseshoes first, then the tailplane's.
  std::vector<Horseshoe> Horseshoes;
  std::size_t WingCount = 0;
  std::vector<Leg> Legs;
  // The core radius with which a bound leg acts on the other surface's
  // control points (see panels.cpp); within one surface there is none.
  double CrossCore = 0;
  double Scale = 1;     // mm per unit length of the layout
  double WingArea = 0;  // both halves, in the layout's units

  Surface OwnerOf(std::size_t horseshoe) const { return horseshoe < WingCount ? Surface::Wing : Surface::Tail; }
};

// nullopt when the model gives nothing to solve (see SolveVortexLattice);
// throws std::bad_alloc when the lattice is too large to hold.
std::optional<Layout> LayOut(const calc::TModelData& model, const VlmOptions& options);

}  // namespace aero
