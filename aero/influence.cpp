#include "influence.h"

#include <Eigen/Geometry>
#include <numbers>

namespace aero {
namespace {

using Eigen::Vector3d;

constexpr double kFourPi = 4 * std::numbers::pi;

// Upward velocity at p from a straight vortex a -> b of unit strength,
// squared core radius core2.
double SegmentUpwash(const Vector3d& p, const Vector3d& a, const Vector3d& b, double core2) {
  const Vector3d r1 = p - a;
  const Vector3d r2 = p - b;
  const Vector3d r0 = b - a;
  const Vector3d normal = r1.cross(r2);
  const double denominator = normal.squaredNorm() + core2 * r0.squaredNorm();
  const double n1 = r1.norm();
  const double n2 = r2.norm();
  // On the leg's own line without a core, or at an end: no velocity by symmetry.
  if (denominator == 0 || n1 == 0 || n2 == 0) return 0;
  return normal.z() / denominator * r0.dot(r1 / n1 - r2 / n2) / kFourPi;
}

// Upward velocity at p from a vortex leaving a straight aft to infinity.
double TrailingUpwash(const Vector3d& p, const Vector3d& a, double core2) {
  const Vector3d r = p - a;
  const double denominator = r.y() * r.y() + r.z() * r.z() + core2;
  const double n = r.norm();
  if (denominator == 0 || n == 0) return 0;
  return r.y() / denominator * (1 + r.x() / n) / kFourPi;
}

Vector3d Mirrored(const Vector3d& v) { return {v.x(), -v.y(), v.z()}; }

double HorseshoeUpwash(const Vector3d& p, const Horseshoe& h, double core2) {
  const Vector3d inboard = Mirrored(h.Inboard);
  const Vector3d outboard = Mirrored(h.Outboard);
  return SegmentUpwash(p, h.Inboard, h.Outboard, core2) + TrailingUpwash(p, h.Outboard, core2) -
         TrailingUpwash(p, h.Inboard, core2)
         // the mirror image: bound leg from its outer end inward, again pointing to +y
         + SegmentUpwash(p, outboard, inboard, core2) + TrailingUpwash(p, inboard, core2) -
         TrailingUpwash(p, outboard, core2);
}

}  // namespace

// Within one surface the plain law: its control points never come closer to
// its own vortices than the lattice's spacing. Across surfaces the vortex
// acts with its core (see Horseshoe::Core).
Eigen::MatrixXd InfluenceMatrix(const Layout& layout) {
  const auto& horseshoes = layout.Horseshoes;
  const auto n = static_cast<Eigen::Index>(horseshoes.size());
  Eigen::MatrixXd matrix(n, n);
  for (Eigen::Index j = 0; j < n; ++j) {
    const Horseshoe& vortex = horseshoes[static_cast<std::size_t>(j)];
    const double core = vortex.Core;
    for (Eigen::Index i = 0; i < n; ++i) {
      const Horseshoe& point = horseshoes[static_cast<std::size_t>(i)];
      matrix(i, j) = HorseshoeUpwash(point.Control, vortex, point.Owner == vortex.Owner ? 0 : core * core);
    }
  }
  return matrix;
}

}  // namespace aero
