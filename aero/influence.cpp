#include "influence.h"

#include <array>
#include <limits>
#include <numbers>

// The horseshoe vortex's influence (Bertin & Cummings, Aerodynamics for
// Engineers, the vortex lattice method): one bound segment on a panel's
// quarter-chord line and two trailing legs straight aft to infinity, each
// acting by the Biot-Savart law for a straight vortex segment (Katz &
// Plotkin, Low-Speed Aerodynamics, 2nd ed., eq. 10.115 ff.). A segment of
// circulation G from point A to point B induces at point P, with
// r1 = P - A, r2 = P - B, r0 = B - A:
//   q = G / (4 pi) * (r1 x r2) / |r1 x r2|^2 * r0 . (r1 / |r1| - r2 / |r2|).
// A leg leaving A straight aft (+x) to infinity is its limit with B far
// behind, of which the upwash is
//   w = G / (4 pi) * r_y (1 + r_x / |r|) / (r_y^2 + r_z^2),   r = P - A.
// Only the upwash is needed: the flow through each flat panel. Lengths are
// in layout units (panels.h); the frame is the layout's: x aft along the
// free stream, y to the right, z up. Every term below is 4 pi times the
// upwash; the matrix is divided by 4 pi once at the end.

namespace aero {
namespace {

using Eigen::ArrayXd;
using Eigen::Index;
using Eigen::MatrixXd;
using Eigen::Vector3d;
// Values at consecutive control points, as a plain pointer and length:
// Eigen copies the leaves of every expression by value, and nested blocks
// made the copying cost more than the arithmetic.
using PointValues = Eigen::Map<const ArrayXd>;
using PointSums = Eigen::Map<ArrayXd>;

constexpr double kFourPi = 4 * std::numbers::pi;
// Across surfaces divisors are kept at least this: where one would be zero
// (a point on a vortex's line) its numerator is zero too, and so is the
// upwash. Within a surface no control point lies on a vortex's line.
constexpr double kSmallestDivisor = std::numeric_limits<double>::min();

Vector3d MirroredAcrossCentreLine(const Vector3d& point) { return {point.x(), -point.y(), point.z()}; }

// The control points of one surface, the receivers of a vortex's upwash;
// Coplanar when they lie in the vortex's own plane, where the law needs no
// z and no core.
struct Receivers {
  Index Begin = 0;
  Index Size = 0;
  bool Coplanar = true;
};

struct ControlPoints {
  PointValues X, Y, Z;
};

// A column is computed for all control points at once, as whole arrays that
// Eigen turns into vector instructions, and every distance from a leg point
// once, for its trailing legs and both bound segments that end there: the
// matrix is the bulk of a solution's time.
class Assembler {
 public:
  Assembler(const Layout& layout, Workspace& workspace)
      : layout_(layout),
        workspace_(workspace),
        horseshoeCount_(static_cast<Index>(layout.Horseshoes.size())),
        legPointCount_(static_cast<Index>(layout.Legs.size())),
        coreRadiusSquared_(layout.CrossCore * layout.CrossCore) {
    workspace.ControlX.resize(horseshoeCount_);
    workspace.ControlY.resize(horseshoeCount_);
    workspace.ControlZ.resize(horseshoeCount_);
    for (Index i = 0; i < horseshoeCount_; ++i) {
      const Vector3d& p = layout.Horseshoes[static_cast<std::size_t>(i)].Control;
      workspace.ControlX(i) = p.x();
      workspace.ControlY(i) = p.y();
      workspace.ControlZ(i) = p.z();
    }
    for (ArrayXd* terms : {&workspace.Terms.CrossZ, &workspace.Terms.Alignment, &workspace.Terms.CrossSquared}) {
      terms->resize(horseshoeCount_);
    }
    workspace.DistanceFromLegPoint.resize(horseshoeCount_, legPointCount_);
    workspace.DistanceFromMirroredLegPoint.resize(horseshoeCount_, legPointCount_);
    workspace.TrailingPairUpwash.resize(horseshoeCount_, legPointCount_);
    workspace.Influence.resize(horseshoeCount_, horseshoeCount_);
  }

  void Fill() {
    for (Index k = 0; k < legPointCount_; ++k) AddTrailingPair(k);
    MatrixXd& influence = workspace_.Influence;
    const MatrixXd& distance = workspace_.DistanceFromLegPoint;
    const MatrixXd& mirroredDistance = workspace_.DistanceFromMirroredLegPoint;
    for (Index j = 0; j < horseshoeCount_; ++j) {
      const Horseshoe& h = layout_.Horseshoes[static_cast<std::size_t>(j)];
      const auto inboard = static_cast<Index>(h.InboardLeg);
      const auto outboard = static_cast<Index>(h.OutboardLeg);
      // Its trailing legs: a horseshoe's vortex arrives from infinity at its
      // inboard end and leaves from its outboard end.
      influence.col(j) =
          workspace_.TrailingPairUpwash.col(outboard) - workspace_.TrailingPairUpwash.col(inboard);
      for (const Receivers& to : ReceiversOf(layout_.OwnerOf(static_cast<std::size_t>(j)))) {
        PointSums column(influence.col(j).data() + to.Begin, to.Size);
        AddBoundSegment(h.Inboard, h.Outboard, At(distance, inboard, to), At(distance, outboard, to), to, column);
        // The mirror image's bound segment, from its outer end inward: again
        // pointing to +y, as its circulation is the same.
        AddBoundSegment(MirroredAcrossCentreLine(h.Outboard), MirroredAcrossCentreLine(h.Inboard),
                        At(mirroredDistance, outboard, to), At(mirroredDistance, inboard, to), to, column);
      }
    }
    influence /= kFourPi;
  }

 private:
  std::array<Receivers, 2> ReceiversOf(Surface owner) const {
    const auto wing = static_cast<Index>(layout_.WingCount);
    return {{{0, wing, owner == Surface::Wing}, {wing, horseshoeCount_ - wing, owner == Surface::Tail}}};
  }

  static PointValues At(const MatrixXd& matrix, Index column, const Receivers& to) {
    return {matrix.col(column).data() + to.Begin, to.Size};
  }
  static PointValues At(const ArrayXd& array, const Receivers& to) { return {array.data() + to.Begin, to.Size}; }
  static PointSums SumsAt(ArrayXd& array, const Receivers& to) { return {array.data() + to.Begin, to.Size}; }
  ControlPoints PointsOf(const Receivers& to) const {
    return {At(workspace_.ControlX, to), At(workspace_.ControlY, to), At(workspace_.ControlZ, to)};
  }

  // Column k of TrailingPairUpwash: the upwash of a unit vortex leaving leg
  // point k straight aft, and of its mirror image arriving from infinity at
  // the mirrored point (a horseshoe's legs are its outboard point's column
  // minus its inboard point's); and the distances of every control point
  // from the leg point and from its mirror image.
  void AddTrailingPair(Index k) {
    const Leg& leg = layout_.Legs[static_cast<std::size_t>(k)];
    const Vector3d& legPoint = leg.From;
    const Vector3d mirrored = MirroredAcrossCentreLine(legPoint);
    const ArrayXd& x = workspace_.ControlX;
    const ArrayXd& y = workspace_.ControlY;
    const ArrayXd& z = workspace_.ControlZ;
    workspace_.DistanceFromLegPoint.col(k) =
        ((x - legPoint.x()).square() + (y - legPoint.y()).square() + (z - legPoint.z()).square()).sqrt();
    workspace_.DistanceFromMirroredLegPoint.col(k) =
        ((x - mirrored.x()).square() + (y - mirrored.y()).square() + (z - mirrored.z()).square()).sqrt();
    workspace_.TrailingPairUpwash.col(k).setZero();
    for (const Receivers& to : ReceiversOf(leg.Owner)) {
      PointSums column(workspace_.TrailingPairUpwash.col(k).data() + to.Begin, to.Size);
      AddTrailingLeg(legPoint, At(workspace_.DistanceFromLegPoint, k, to), kLeaving, to, column);
      AddTrailingLeg(mirrored, At(workspace_.DistanceFromMirroredLegPoint, k, to), kArriving, to, column);
    }
  }

  // Adds 4 pi times the upwash of the bound segment a -> b of unit
  // circulation (the law above, z component) at the receivers, given their
  // distances |r1| from a and |r2| from b. The factor r0 . (r1 / |r1| -
  // r2 / |r2|) is computed as r0 . (r1 |r2| - r2 |r1|) / (|r1| |r2|). On
  // the other surface a Scully core of radius Layout::CrossCore (Vatistas,
  // Kozel and Mih, Experiments in Fluids 11, 1991, their n = 1) turns the
  // plain law's 1 / h, h the distance from the segment's line, into
  // h / (h^2 + core^2): |r1 x r2|^2 = h^2 |r0|^2 becomes
  // (h^2 + core^2) |r0|^2. panels.cpp says where that matters. Short expressions through the workspace's
  // terms: Eigen copies an expression's every leaf, and one long expression
  // cost more in copying than in arithmetic.
  void AddBoundSegment(const Vector3d& a, const Vector3d& b, const PointValues& distanceFromA,
                       const PointValues& distanceFromB, const Receivers& to, PointSums& upwash) {
    const ControlPoints p = PointsOf(to);
    const Vector3d r0 = b - a;
    const auto r1x = p.X - a.x(), r1y = p.Y - a.y(), r1z = p.Z - a.z();
    const auto r2x = p.X - b.x(), r2y = p.Y - b.y(), r2z = p.Z - b.z();
    SegmentTerms& terms = workspace_.Terms;
    PointSums crossZ = SumsAt(terms.CrossZ, to);
    PointSums alignment = SumsAt(terms.Alignment, to);
    crossZ = r1x * r2y - r1y * r2x;
    alignment = r0.x() * (r1x * distanceFromB - r2x * distanceFromA) +
                r0.y() * (r1y * distanceFromB - r2y * distanceFromA);
    if (to.Coplanar) {
      // One surface lies in one plane, where r1 x r2 is upright:
      // (r1 x r2)_z / |r1 x r2|^2 = 1 / (r1 x r2)_z.
      upwash += alignment / (distanceFromA * distanceFromB * crossZ);
      return;
    }
    PointSums crossSquared = SumsAt(terms.CrossSquared, to);
    crossSquared = (r1y * r2z - r1z * r2y).square() + crossZ.square();
    crossSquared += (r1z * r2x - r1x * r2z).square() + coreRadiusSquared_ * r0.squaredNorm();
    alignment += r0.z() * (r1z * distanceFromB - r2z * distanceFromA);
    upwash += crossZ * alignment /
              ((distanceFromA * distanceFromB).max(kSmallestDivisor) * crossSquared.max(kSmallestDivisor));
  }

  // The sense of a trailing leg's unit circulation: along +x, leaving its
  // point for infinity, or along -x, arriving from there.
  static constexpr double kLeaving = 1;
  static constexpr double kArriving = -1;

  // Adds 4 pi times the upwash of a trailing leg of unit circulation from
  // `legPoint` at the receivers, given their distances |r| from it: the
  // semi-infinite law above, r_y (1 + r_x / |r|) / (r_y^2 + r_z^2), times
  // `sense`. No core: a leg comes near the other surface's control points
  // only midway between its own (panels.cpp).
  void AddTrailingLeg(const Vector3d& legPoint, const PointValues& distance, double sense, const Receivers& to,
                      PointSums& upwash) const {
    const ControlPoints p = PointsOf(to);
    const auto rx = p.X - legPoint.x();
    const auto ry = p.Y - legPoint.y();
    if (to.Coplanar) {
      upwash += sense * (distance + rx) / (ry * distance);
      return;
    }
    const auto rz = p.Z - legPoint.z();
    upwash += sense * ry * (distance + rx) /
              (distance.max(kSmallestDivisor) * (ry.square() + rz.square()).max(kSmallestDivisor));
  }

  const Layout& layout_;
  Workspace& workspace_;
  const Index horseshoeCount_;
  const Index legPointCount_;
  const double coreRadiusSquared_;  // layout units^2
};

}  // namespace

void InfluenceMatrix(const Layout& layout, Workspace& workspace) { Assembler(layout, workspace).Fill(); }

}  // namespace aero
