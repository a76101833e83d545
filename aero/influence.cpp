#include "influence.h"

#include <array>
#include <limits>
#include <numbers>

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
// (a point at a vortex's end) its numerator is zero too, and so is the
// velocity. Within a surface no control point lies on a vortex's line.
constexpr double kTiny = std::numeric_limits<double>::min();

Vector3d Mirrored(const Vector3d& v) { return {v.x(), -v.y(), v.z()}; }

// What becomes of 1 / d^2, d the distance from a vortex's axis, with a core
// (see panels.cpp): 2 / (d^2 + rc^2) - 1 / (d^2 + 4 rc^2). That is the field
// at height rc above a vortex sheet extrapolated linearly from heights rc and
// 2 rc back to the sheet itself: in its plane the downwash has a kink, so a
// plain core (the field at height rc) would be off by the whole slope times
// rc, and converged several times more slowly when tried.
template <class D2>
auto Kernel(const D2& d2, double core2) {
  return 2 / (d2 + core2) - 1 / (d2 + 4 * core2);
}

// The control points of one surface, and the squared core radius with which
// the vortex at hand acts on them.
struct Block {
  Index Begin = 0;
  Index Size = 0;
  double Core2 = 0;
};

// The control points of a block, and their distances from the two ends of a
// vortex.
struct Points {
  Rows X, Y, Z;
};

// A column is computed for all control points at once, as whole arrays that
// Eigen turns into vector instructions, and every distance from a leg point
// once, for its trailing legs and both bound legs that end there: the matrix
// is the bulk of a solution's time.
class Assembler {
 public:
  explicit Assembler(const Layout& layout)
      : layout_(layout),
        n_(static_cast<Index>(layout.Horseshoes.size())),
        legCount_(static_cast<Index>(layout.Legs.size())),
        x_(n_), y_(n_), z_(n_),
        distance_(n_, legCount_), mirrorDistance_(n_, legCount_), legs_(n_, legCount_) {
    for (Index i = 0; i < n_; ++i) {
      const Vector3d& p = layout.Horseshoes[static_cast<std::size_t>(i)].Control;
      x_(i) = p.x();
      y_(i) = p.y();
      z_(i) = p.z();
    }
    for (ArrayXd& array : scratch_) array.resize(n_);
  }

  MatrixXd Matrix() {
    for (Index k = 0; k < legCount_; ++k) LegColumn(k);
    MatrixXd matrix(n_, n_);
    for (Index j = 0; j < n_; ++j) {
      const Horseshoe& h = layout_.Horseshoes[static_cast<std::size_t>(j)];
      const auto inboard = static_cast<Index>(h.InboardLeg);
      const auto outboard = static_cast<Index>(h.OutboardLeg);
      matrix.col(j) = legs_.col(outboard) - legs_.col(inboard);
      for (const Block& block : BlocksFor(layout_.OwnerOf(static_cast<std::size_t>(j)))) {
        OutRows column(matrix.col(j).data() + block.Begin, block.Size);
        AddSegment(h.Inboard, h.Outboard, Of(distance_, inboard, block), Of(distance_, outboard, block), block,
                   column);
        // The mirror image's bound leg, from its outer end inward: again
        // pointing to +y, as its circulation is the same.
        AddSegment(Mirrored(h.Outboard), Mirrored(h.Inboard), Of(mirrorDistance_, outboard, block),
                   Of(mirrorDistance_, inboard, block), block, column);
      }
    }
    return matrix / kFourPi;
  }

 private:
  std::array<Block, 2> BlocksFor(Surface owner) const {
    const auto wing = static_cast<Index>(layout_.WingCount);
    const double cross = layout_.CrossCore * layout_.CrossCore;
    return {{{0, wing, owner == Surface::Wing ? 0 : cross}, {wing, n_ - wing, owner == Surface::Tail ? 0 : cross}}};
  }

  static Rows Of(const MatrixXd& matrix, Index column, const Block& block) {
    return {matrix.col(column).data() + block.Begin, block.Size};
  }
  static Rows Of(const ArrayXd& array, const Block& block) { return {array.data() + block.Begin, block.Size}; }
  Points PointsOf(const Block& block) const { return {Of(x_, block), Of(y_, block), Of(z_, block)}; }
  OutRows Scratch(std::size_t which, const Block& block) { return {scratch_[which].data() + block.Begin, block.Size}; }

  // Column k of legs_: the upwash of a unit vortex arriving from infinity at
  // leg point k and leaving from its mirror image (a horseshoe's legs are
  // its outer point's column minus its inner point's); and the distances of
  // every control point from the point and its mirror image.
  void LegColumn(Index k) {
    const Leg& leg = layout_.Legs[static_cast<std::size_t>(k)];
    const Vector3d& from = leg.From;
    const Vector3d mirror = Mirrored(from);
    distance_.col(k) = ((x_ - from.x()).square() + (y_ - from.y()).square() + (z_ - from.z()).square()).sqrt();
    mirrorDistance_.col(k) =
        ((x_ - mirror.x()).square() + (y_ - mirror.y()).square() + (z_ - mirror.z()).square()).sqrt();
    legs_.col(k).setZero();
    for (const Block& block : BlocksFor(leg.Owner)) {
      OutRows column(legs_.col(k).data() + block.Begin, block.Size);
      AddTrailing(from, Of(distance_, k, block), 1, block, column);
      AddTrailing(mirror, Of(mirrorDistance_, k, block), -1, block, column);
    }
  }

  // Adds 4 pi times the upwash of a straight unit vortex a -> b at the
  // block's points, n1 and n2 their distances from a and b:
  // (r1 x r2)_z / |r1 x r2|^2 * r0 . (r1 / n1 - r2 / n2). Short expressions
  // through scratch arrays: Eigen copies an expression's every leaf, and one
  // long expression cost more in copying than in arithmetic.
  void AddSegment(const Vector3d& a, const Vector3d& b, const Rows& n1, const Rows& n2, const Block& block,
                  OutRows& out) {
    const Points p = PointsOf(block);
    const Vector3d r0 = b - a;
    auto nz = Scratch(0, block);
    auto along = Scratch(1, block);
    nz = (p.X - a.x()) * (p.Y - b.y()) - (p.Y - a.y()) * (p.X - b.x());
    along = r0.x() * ((p.X - a.x()) * n2 - (p.X - b.x()) * n1) + r0.y() * ((p.Y - a.y()) * n2 - (p.Y - b.y()) * n1);
    if (block.Core2 == 0) {
      // One surface lies in one plane, where r1 x r2 is upright.
      out += along / (n1 * n2 * nz);
      return;
    }
    auto normal2 = Scratch(2, block);
    normal2 = ((p.Y - a.y()) * (p.Z - b.z()) - (p.Z - a.z()) * (p.Y - b.y())).square() + nz.square();
    normal2 += ((p.Z - a.z()) * (p.X - b.x()) - (p.X - a.x()) * (p.Z - b.z())).square();
    along += r0.z() * ((p.Z - a.z()) * n2 - (p.Z - b.z()) * n1);
    out += nz * Kernel(normal2, block.Core2 * r0.squaredNorm()) * along / (n1 * n2).max(kTiny);
  }

  // Adds 4 pi times the upwash of a unit vortex leaving a straight aft to
  // infinity (sign +1; arriving from there, -1) at the block's points, n
  // their distances from a: r_y (1 + r_x / n) / d^2.
  void AddTrailing(const Vector3d& a, const Rows& n, double sign, const Block& block, OutRows& out) const {
    const Points p = PointsOf(block);
    const auto rx = p.X - a.x();
    const auto ry = p.Y - a.y();
    if (block.Core2 == 0) {
      out += sign * (n + rx) / (ry * n);
      return;
    }
    const auto rz = p.Z - a.z();
    out += sign * ry * (n + rx) * Kernel(ry.square() + rz.square(), block.Core2) / n.max(kTiny);
  }

  const Layout& layout_;
  const Index n_;
  const Index legCount_;
  ArrayXd x_, y_, z_;  // the control points
  MatrixXd distance_, mirrorDistance_, legs_;
  std::array<ArrayXd, 3> scratch_;  // intermediate results, reused for every column
};

}  // namespace

Eigen::MatrixXd InfluenceMatrix(const Layout& layout) { return Assembler(layout).Matrix(); }

}  // namespace aero
