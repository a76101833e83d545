#include "influence.h"

#include <limits>
#include <numbers>

// The velocity a straight vortex segment of unit circulation from point A to
// point B induces at a point P (the Biot-Savart law; Katz & Plotkin,
// Low-Speed Aerodynamics, 2nd ed., eq. 10.115 ff.), with r1 = P - A,
// r2 = P - B, r0 = B - A:
//   q = (r1 x r2) / |r1 x r2|^2 * r0 . (r1 / |r1| - r2 / |r2|) / (4 pi).
// A trailing leg from A straight aft (+x) to infinity is its limit with B far
// behind: its upwash is r_y (1 + r_x / |r|) / (r_y^2 + r_z^2) / (4 pi).
// Only the upwash (z) is needed: the flow through each flat panel. Each
// horseshoe (Bertin & Cummings, Aerodynamics for Engineers, the vortex
// lattice method) is one bound segment and two trailing legs.

namespace aero {
namespace {

using Eigen::ArrayXd;
using Eigen::Index;
using Eigen::MatrixXd;
using Eigen::Vector3d;
// Rows of one column, as a plain pointer and length: Eigen copies the leaves
// of every expression by value, and nested blocks made the copying cost more
// than the arithmetic.
using Rows = Eigen::Map<const ArrayXd>;
using OutRows = Eigen::Map<ArrayXd>;

constexpr double kFourPi = 4 * std::numbers::pi;
// Across surfaces divisors are kept at least this: where one would be zero
// (a point on a vortex's line) its numerator is zero too, and so is the
// upwash. Within a surface no control point lies on a vortex's line.
constexpr double kTiny = std::numeric_limits<double>::min();

Vector3d Mirrored(const Vector3d& v) { return {v.x(), -v.y(), v.z()}; }

// The control points one vortex acts on: one surface's, and whether they lie
// in the vortex's own plane, where the law needs no z and no core.
struct Block {
  Index Begin = 0;
  Index Size = 0;
  bool OwnSurface = true;
};

// A block's control points, in the layout's units (panels.h: lengths over
// the model's largest dimension) like every length here.
struct Points {
  Rows X, Y, Z;
};

// A column is computed for all control points at once, as whole arrays that
// Eigen turns into vector instructions, and every distance from a leg point
// once, for its trailing legs and both bound legs that end there: the matrix
// is the bulk of a solution's time.
class Assembler {
 public:
  Assembler(const Layout& layout, Workspace& workspace)
      : layout_(layout),
        workspace_(workspace),
        count_(static_cast<Index>(layout.Horseshoes.size())),
        legCount_(static_cast<Index>(layout.Legs.size())),
        boundCore2_(layout.CrossCore * layout.CrossCore) {
    workspace.X.resize(count_);
    workspace.Y.resize(count_);
    workspace.Z.resize(count_);
    for (Index i = 0; i < count_; ++i) {
      const Vector3d& p = layout.Horseshoes[static_cast<std::size_t>(i)].Control;
      workspace.X(i) = p.x();
      workspace.Y(i) = p.y();
      workspace.Z(i) = p.z();
    }
    for (ArrayXd& array : workspace.Scratch) array.resize(count_);
    workspace.Distance.resize(count_, legCount_);
    workspace.MirrorDistance.resize(count_, legCount_);
    workspace.TrailingUpwash.resize(count_, legCount_);
    workspace.Influence.resize(count_, count_);
  }

  void Fill() {
    for (Index k = 0; k < legCount_; ++k) TrailingColumn(k);
    MatrixXd& matrix = workspace_.Influence;
    for (Index j = 0; j < count_; ++j) {
      const Horseshoe& h = layout_.Horseshoes[static_cast<std::size_t>(j)];
      const auto inboard = static_cast<Index>(h.InboardLeg);
      const auto outboard = static_cast<Index>(h.OutboardLeg);
      matrix.col(j) = workspace_.TrailingUpwash.col(outboard) - workspace_.TrailingUpwash.col(inboard);
      for (const Block& block : BlocksFor(layout_.OwnerOf(static_cast<std::size_t>(j)))) {
        OutRows column(matrix.col(j).data() + block.Begin, block.Size);
        AddBound(h.Inboard, h.Outboard, Of(workspace_.Distance, inboard, block),
                 Of(workspace_.Distance, outboard, block), block, column);
        // The mirror image's bound leg, from its outer end inward: again
        // pointing to +y, as its circulation is the same.
        AddBound(Mirrored(h.Outboard), Mirrored(h.Inboard), Of(workspace_.MirrorDistance, outboard, block),
                 Of(workspace_.MirrorDistance, inboard, block), block, column);
      }
    }
    matrix /= kFourPi;
  }

 private:
  std::array<Block, 2> BlocksFor(Surface owner) const {
    const auto wing = static_cast<Index>(layout_.WingCount);
    return {{{0, wing, owner == Surface::Wing}, {wing, count_ - wing, owner == Surface::Tail}}};
  }

  static Rows Of(const MatrixXd& matrix, Index column, const Block& block) {
    return {matrix.col(column).data() + block.Begin, block.Size};
  }
  static Rows Of(const ArrayXd& array, const Block& block) { return {array.data() + block.Begin, block.Size}; }
  Points PointsOf(const Block& block) const {
    return {Of(workspace_.X, block), Of(workspace_.Y, block), Of(workspace_.Z, block)};
  }
  OutRows Scratch(std::size_t which, const Block& block) {
    return {workspace_.Scratch[which].data() + block.Begin, block.Size};
  }

  // Column k of TrailingUpwash: the upwash of a unit vortex arriving from
  // infinity at leg point k and leaving from its mirror image (a horseshoe's
  // legs are its outer point's column minus its inner point's); and the
  // distances of every control point from the point and its mirror image.
  void TrailingColumn(Index k) {
    const Leg& leg = layout_.Legs[static_cast<std::size_t>(k)];
    const Vector3d& from = leg.From;
    const Vector3d mirror = Mirrored(from);
    const ArrayXd& x = workspace_.X;
    const ArrayXd& y = workspace_.Y;
    const ArrayXd& z = workspace_.Z;
    workspace_.Distance.col(k) =
        ((x - from.x()).square() + (y - from.y()).square() + (z - from.z()).square()).sqrt();
    workspace_.MirrorDistance.col(k) =
        ((x - mirror.x()).square() + (y - mirror.y()).square() + (z - mirror.z()).square()).sqrt();
    workspace_.TrailingUpwash.col(k).setZero();
    for (const Block& block : BlocksFor(leg.Owner)) {
      OutRows column(workspace_.TrailingUpwash.col(k).data() + block.Begin, block.Size);
      AddTrailing(from, Of(workspace_.Distance, k, block), 1, block, column);
      AddTrailing(mirror, Of(workspace_.MirrorDistance, k, block), -1, block, column);
    }
  }

  // Adds 4 pi times the upwash of the bound segment a -> b at the block's
  // points, distanceA and distanceB their distances |r1| and |r2|: the
  // z component of r1 x r2 over |r1 x r2|^2, times r0 . (r1 / |r1| - r2 / |r2|),
  // the latter computed as r0 . (r1 |r2| - r2 |r1|) / (|r1| |r2|). On the
  // other surface a core keeps |r1 x r2|^2 from vanishing (panels.cpp says
  // where that matters). Short expressions through scratch arrays: Eigen
  // copies an expression's every leaf, and one long expression cost more in
  // copying than in arithmetic.
  void AddBound(const Vector3d& a, const Vector3d& b, const Rows& distanceA, const Rows& distanceB,
                const Block& block, OutRows& out) {
    const Points p = PointsOf(block);
    const Vector3d r0 = b - a;
    auto crossZ = Scratch(0, block);  // (r1 x r2)_z
    auto along = Scratch(1, block);   // r0 . (r1 |r2| - r2 |r1|)
    crossZ = (p.X - a.x()) * (p.Y - b.y()) - (p.Y - a.y()) * (p.X - b.x());
    along = r0.x() * ((p.X - a.x()) * distanceB - (p.X - b.x()) * distanceA) +
            r0.y() * ((p.Y - a.y()) * distanceB - (p.Y - b.y()) * distanceA);
    if (block.OwnSurface) {
      // One surface lies in one plane, where r1 x r2 is upright.
      out += along / (distanceA * distanceB * crossZ);
      return;
    }
    auto cross2 = Scratch(2, block);  // |r1 x r2|^2 plus the core's share
    cross2 = ((p.Y - a.y()) * (p.Z - b.z()) - (p.Z - a.z()) * (p.Y - b.y())).square() + crossZ.square();
    cross2 += ((p.Z - a.z()) * (p.X - b.x()) - (p.X - a.x()) * (p.Z - b.z())).square() +
              boundCore2_ * r0.squaredNorm();
    along += r0.z() * ((p.Z - a.z()) * distanceB - (p.Z - b.z()) * distanceA);
    out += crossZ * along / ((distanceA * distanceB).max(kTiny) * cross2.max(kTiny));
  }

  // Adds 4 pi times the upwash of a unit vortex leaving a straight aft to
  // infinity (sign +1; arriving from there, -1) at the block's points,
  // distance their distances |r| from a: r_y (1 + r_x / |r|) / (r_y^2 + r_z^2).
  void AddTrailing(const Vector3d& a, const Rows& distance, double sign, const Block& block, OutRows& out) const {
    const Points p = PointsOf(block);
    const auto rx = p.X - a.x();
    const auto ry = p.Y - a.y();
    if (block.OwnSurface) {
      out += sign * (distance + rx) / (ry * distance);
      return;
    }
    const auto rz = p.Z - a.z();
    out += sign * ry * (distance + rx) / (distance.max(kTiny) * (ry.square() + rz.square()).max(kTiny));
  }

  const Layout& layout_;
  Workspace& workspace_;
  const Index count_;
  const Index legCount_;
  const double boundCore2_;
};

}  // namespace

void InfluenceMatrix(const Layout& layout, Workspace& workspace) { Assembler(layout, workspace).Fill(); }

}  // namespace aero
