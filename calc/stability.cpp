#include "stability.h"

#include <span>

#include "extended.h"

namespace calc {
namespace {

// Every step stores its quantity as soon as it is complete, so a failure
// leaves the earlier steps' new values and the later steps' old ones.

// Steps 4b to 4e: the tailplane, the lever arm and the downwash factor.
void Tail(const TModelData& model, TStabilityData& r) {
  const double innerSpan = ToDouble(Ext(model.Bh) * 0.5L - model.Sah);
  r.Tail = SurfaceGeometry(TailPlanform(model), innerSpan);
  r.LeverArm = ToDouble(Ext(model.Rh) + model.Li - r.Wing.NeutralPoint + r.Tail.NeutralPoint);

  const Ext aspectRatio = r.Wing.AspectRatio;
  // 0.25: a quarter of the square, exactly as a division by 4.
  const Ext s = Stored(Sqrt(aspectRatio * aspectRatio * 0.25L + 1.0L));
  // The lever arm in wing half spans, kept with its full 64-bit significand.
  const Ext l = Ext(r.LeverArm) / (Ext(model.B) * 0.5L);
  r.DownwashFactor = ToDouble((2.0L * s - 2.0L - 0.5L / l / l) / (2.0L * s + 2.0L));
}

// Step 4 in flying-wing mode: no tailplane, so its dimensions other than the
// span and its results are zero; Rh stays as it was, for a later return to a
// tailplane.
void ClearTail(TModelData& model, TStabilityData& r) {
  for (const ModelMember member : std::span(kTailPlanform).subspan(1)) model.*member = 0;
  r.Tail = TSurfaceData{};
  r.LeverArm = 0;
  r.DownwashFactor = 0;
}

}  // namespace

void CalcWing(const TModelData& model, TStabilityData& results) {
  const double halfSpan = ToDouble(Ext(model.B) * 0.5L);
  const double innerSpan = ToDouble(Ext(halfSpan) - model.Sa);
  results.Wing = SurfaceGeometry(WingPlanform(model), innerSpan);
}

void CalcTailAndTotals(TModelData& model, TStabilityData& r, const std::optional<TMargins>& chosen) {
  const bool withTail = model.Bh != 0;
  const TMargins margins = MarginsFor(withTail, chosen);
  r.SmallMargin = margins.Rear;
  r.LargeMargin = margins.Forward;
  if (withTail) {
    Tail(model, r);
  } else {
    ClearTail(model, r);
  }

  const Ext q = Ext(r.Tail.Area) / r.Wing.Area;
  r.TotalLiftSlope = ToDouble(q * r.Tail.LiftSlope * r.DownwashFactor + r.Wing.LiftSlope);
  r.TotalNeutralPoint =
      ToDouble(q * r.LeverArm * r.Tail.LiftSlope / r.TotalLiftSlope * r.DownwashFactor + r.Wing.NeutralPoint);
  r.NeutralPointPercent = ToDouble((Ext(r.TotalNeutralPoint) - r.Wing.NeutralPoint) / r.Wing.Mac * 100.0L + 25.0L);
  r.CgSmallMargin = CgAtMargin(r.TotalNeutralPoint, r.Wing.Mac, r.SmallMargin);
  r.CgLargeMargin = CgAtMargin(r.TotalNeutralPoint, r.Wing.Mac, r.LargeMargin);
}

double CgAtMargin(double neutralPoint, double mac, double margin) {
  return ToDouble(Ext(neutralPoint) - Ext(mac) * margin * 0.01L);
}

void CalcStability(TModelData& model, TStabilityData& results, const std::optional<TMargins>& chosen) {
  CalcWing(model, results);
  CalcTailAndTotals(model, results, chosen);
}

}  // namespace calc
