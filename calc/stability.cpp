#include "stability.h"

#include "extended.h"

namespace calc {
namespace {

TPlanform WingPlanform(const TModelData& m) { return {m.B, m.Sa, m.Li, m.Lk, m.La, m.Vk, m.Va}; }
TPlanform TailPlanform(const TModelData& m) { return {m.Bh, m.Sah, m.Lih, m.Lkh, m.Lah, m.Vkh, m.Vah}; }

// Steps 4b to 4e: the tailplane, the lever arm and the downwash factor.
void CalcTail(const TModelData& model, TStabilityData& r) {
  const double innerSpan = ToDouble(Ext(model.Bh) * 0.5L - model.Sah);
  r.Tail = SurfaceGeometry(TailPlanform(model), innerSpan);
  r.LeverArm = ToDouble(Ext(model.Rh) + model.Li - r.Wing.NeutralPoint + r.Tail.NeutralPoint);

  const Ext aspectRatio = r.Wing.AspectRatio;
  const Ext s = Stored(Sqrt(aspectRatio * aspectRatio / 4.0L + 1.0L));
  // The lever arm in wing half spans, kept with its full 64-bit significand.
  const Ext l = Ext(r.LeverArm) / (Ext(model.B) * 0.5L);
  r.DownwashFactor = ToDouble((2.0L * s - 2.0L - 0.5L / l / l) / (2.0L * s + 2.0L));
}

// Step 4 in flying-wing mode: no tailplane, so its dimensions and results are
// zero; Rh stays as it was, for a later return to a tailplane.
void ClearTail(TModelData& model, TStabilityData& r) {
  model.Lih = model.Lkh = model.Lah = model.Vkh = model.Vah = model.Sah = 0;
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

void CalcTailAndTotals(TModelData& model, TStabilityData& r) {
  const bool withTail = model.Bh != 0;
  r.SmallMargin = withTail ? 8 : 4;
  r.LargeMargin = withTail ? 16 : 8;
  if (withTail) {
    CalcTail(model, r);
  } else {
    ClearTail(model, r);
  }

  const Ext q = Ext(r.Tail.Area) / r.Wing.Area;
  r.TotalLiftSlope = ToDouble(q * r.Tail.LiftSlope * r.DownwashFactor + r.Wing.LiftSlope);
  r.TotalNeutralPoint =
      ToDouble(q * r.LeverArm * r.Tail.LiftSlope / r.TotalLiftSlope * r.DownwashFactor + r.Wing.NeutralPoint);
  r.NeutralPointPercent = ToDouble((Ext(r.TotalNeutralPoint) - r.Wing.NeutralPoint) / r.Wing.Mac * 100.0L + 25.0L);
  r.CgSmallMargin = ToDouble(Ext(r.TotalNeutralPoint) - Ext(r.Wing.Mac) * r.SmallMargin * 0.01L);
  r.CgLargeMargin = ToDouble(Ext(r.TotalNeutralPoint) - Ext(r.Wing.Mac) * r.LargeMargin * 0.01L);
}

void CalcStability(TModelData& model, TStabilityData& results) {
  CalcWing(model, results);
  CalcTailAndTotals(model, results);
}

}  // namespace calc
