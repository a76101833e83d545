#include "comparison.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "calc/failure.h"

namespace aero {
namespace {

std::optional<CgRange> RangeAround(double neutralPoint, const calc::TStabilityData& rule) {
  try {
    return CgRange{calc::CgAtMargin(neutralPoint, rule.Wing.Mac, rule.LargeMargin),
                   calc::CgAtMargin(neutralPoint, rule.Wing.Mac, rule.SmallMargin)};
  } catch (const calc::ArithmeticFailure&) {
    return std::nullopt;
  }
}

}  // namespace

bool IsTailAhead(const calc::TModelData& model, const calc::TStabilityData& rule) {
  return model.Bh != 0 && rule.LeverArm <= 0;
}

CgRange RecommendedRange(const calc::TModelData& model, const calc::TStabilityData& rule,
                         const std::optional<CgRange>& latticeRange) {
  if (!IsTailAhead(model, rule)) return {rule.CgLargeMargin, rule.CgSmallMargin};
  constexpr double kNone = std::numeric_limits<double>::infinity();
  return latticeRange.value_or(CgRange{kNone, kNone});
}

bool IsSweptBack(const calc::TModelData& model) {
  const bool outerPanel = model.Sa != 0;
  const double chord = outerPanel ? model.La : model.Lk;
  const double offset = outerPanel ? model.Va : model.Vk;
  // A section's quarter-chord point lies Li - V - 0.75 c behind the root's
  // leading edge (its trailing edge V ahead of the root's), the root's at
  // 0.25 Li.
  const double behindRoot = 0.75 * (model.Li - chord) - offset;
  return behindRoot > std::tan(kSweptBackDegrees * std::numbers::pi / 180) * (model.B / 2);
}

double StaticMargin(double cg, double neutralPoint, double mac) { return (neutralPoint - cg) / mac * 100; }

Comparison Compare(const calc::TModelData& model, const calc::TStabilityData& rule, const VlmResult& vlm) {
  const double mac = rule.Wing.Mac;
  const bool withTail = model.Bh != 0;
  Comparison comparison;
  comparison.Vlm = vlm;
  comparison.NpDiff = (vlm.NeutralPoint - rule.TotalNeutralPoint) / mac * 100;
  comparison.TailAhead = IsTailAhead(model, rule);
  comparison.SweptFlyingWing = !withTail && IsSweptBack(model);
  comparison.SmallMargin = rule.SmallMargin;
  comparison.LargeMargin = rule.LargeMargin;
  comparison.SmallMarginCgMargin = StaticMargin(rule.CgSmallMargin, vlm.NeutralPoint, mac);
  comparison.LargeMarginCgMargin = StaticMargin(rule.CgLargeMargin, vlm.NeutralPoint, mac);
  comparison.LatticeRange = RangeAround(vlm.NeutralPoint, rule);
  return comparison;
}

}  // namespace aero
