#include "comparison.h"

#include <cmath>

namespace aero {

double StaticMargin(double cg, double neutralPoint, double mac) { return (neutralPoint - cg) / mac * 100; }

Comparison Compare(const calc::TModelData& model, const calc::TStabilityData& rule, const VlmResult& vlm) {
  const double mac = rule.Wing.Mac;
  Comparison comparison;
  comparison.Vlm = vlm;
  comparison.NpDiff = (vlm.NeutralPoint - rule.TotalNeutralPoint) / mac * 100;
  comparison.TailNotBehind = model.Bh != 0 && model.Rh < 0;
  comparison.Disagrees = std::abs(comparison.NpDiff) > kDisagreementPercent;
  comparison.SmallMarginCgMargin = StaticMargin(rule.CgSmallMargin, vlm.NeutralPoint, mac);
  comparison.LargeMarginCgMargin = StaticMargin(rule.CgLargeMargin, vlm.NeutralPoint, mac);
  return comparison;
}

}  // namespace aero
