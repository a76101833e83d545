#include "stability.h"

#include "extended.h"
#include "fast_path.h"
#include "surface_formulas.h"

namespace calc {
namespace {

TPlanform WingPlanform(const TModelData& m) { return {m.B, m.Sa, m.Li, m.Lk, m.La, m.Vk, m.Va}; }
TPlanform TailPlanform(const TModelData& m) { return {m.Bh, m.Sah, m.Lih, m.Lkh, m.Lah, m.Vkh, m.Vah}; }

// The formulas below are written once for a number type N: long double on
// the fast path, Ext on the checked one (see fast_path.h). Every step stores
// its quantity as soon as it is complete, so a failure leaves the earlier
// steps' new values and the later steps' old ones.

template <class N>
void Wing(const TModelData& model, TStabilityData& r) {
  const double halfSpan = ToDouble(N(model.B) * 0.5L);
  const double innerSpan = ToDouble(N(halfSpan) - model.Sa);
  r.Wing = SurfaceGeometryWith<N>(WingPlanform(model), innerSpan);
}

// Steps 4b to 4e: the tailplane, the lever arm and the downwash factor.
template <class N>
void Tail(const TModelData& model, TStabilityData& r) {
  const double innerSpan = ToDouble(N(model.Bh) * 0.5L - model.Sah);
  r.Tail = SurfaceGeometryWith<N>(TailPlanform(model), innerSpan);
  r.LeverArm = ToDouble(N(model.Rh) + model.Li - r.Wing.NeutralPoint + r.Tail.NeutralPoint);

  const N aspectRatio = r.Wing.AspectRatio;
  const N s = Stored(Sqrt(aspectRatio * aspectRatio * kQuarter + 1.0L));
  // The lever arm in wing half spans, kept with its full 64-bit significand.
  const N l = N(r.LeverArm) / (N(model.B) * 0.5L);
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

template <class N>
void TailAndTotals(TModelData& model, TStabilityData& r) {
  const bool withTail = model.Bh != 0;
  r.SmallMargin = withTail ? 8 : 4;
  r.LargeMargin = withTail ? 16 : 8;
  if (withTail) {
    Tail<N>(model, r);
  } else {
    ClearTail(model, r);
  }

  const N q = N(r.Tail.Area) / r.Wing.Area;
  r.TotalLiftSlope = ToDouble(q * r.Tail.LiftSlope * r.DownwashFactor + r.Wing.LiftSlope);
  r.TotalNeutralPoint =
      ToDouble(q * r.LeverArm * r.Tail.LiftSlope / r.TotalLiftSlope * r.DownwashFactor + r.Wing.NeutralPoint);
  r.NeutralPointPercent = ToDouble((N(r.TotalNeutralPoint) - r.Wing.NeutralPoint) / r.Wing.Mac * 100.0L + 25.0L);
  r.CgSmallMargin = ToDouble(N(r.TotalNeutralPoint) - N(r.Wing.Mac) * r.SmallMargin * 0.01L);
  r.CgLargeMargin = ToDouble(N(r.TotalNeutralPoint) - N(r.Wing.Mac) * r.LargeMargin * 0.01L);
}

// Runs `formulas` (a generic callable taking a number type tag, the model
// and the results) on the fast path in place; should a flag show a failure,
// the records are put back as they were and the checked formulas run, which
// leave them exactly as a failing step must.
template <class Formulas>
void FastOrChecked(TModelData& model, TStabilityData& results, Formulas formulas) {
  const TModelData modelBefore = model;
  const TStabilityData resultsBefore = results;
  if (RanWithoutException([&] { formulas(static_cast<long double>(0), model, results); }, model, results)) return;
  model = modelBefore;
  results = resultsBefore;
  formulas(Ext(0), model, results);
}

}  // namespace

void CalcWing(const TModelData& model, TStabilityData& results) {
  TModelData input = model;  // a copy the flag watch can fence in
  FastOrChecked(input, results, [](auto number, TModelData& m, TStabilityData& r) {
    Wing<decltype(number)>(m, r);
  });
}

void CalcTailAndTotals(TModelData& model, TStabilityData& results) {
  FastOrChecked(model, results, [](auto number, TModelData& m, TStabilityData& r) {
    TailAndTotals<decltype(number)>(m, r);
  });
}

// Both stages under one watch of the flags: the same results as running
// them one after the other, at half the cost of synchronising with the
// floating-point unit.
void CalcStability(TModelData& model, TStabilityData& results) {
  FastOrChecked(model, results, [](auto number, TModelData& m, TStabilityData& r) {
    Wing<decltype(number)>(m, r);
    TailAndTotals<decltype(number)>(m, r);
  });
}

}  // namespace calc
