#include "surface.h"

#include "extended.h"

namespace calc {
namespace {

// π as the program has always used it: six decimals, not full precision.
constexpr long double kPi = 3.141592L;

}  // namespace

// Each numbered quantity is formed with a 64-bit significand and stored as a
// double (Stored), so the last digit shown at a rounding boundary matches the
// established results exactly. Nothing is assigned to the result before the
// last step, so a failure returns nothing.
TSurfaceData SurfaceGeometry(const TPlanform& planform, double innerSpan) {
  const Ext Si = innerSpan;
  const Ext So = planform.OuterSpan;
  const Ext Li = planform.RootChord;
  const Ext Lk = planform.KinkChord;
  const Ext La = planform.TipChord;
  const Ext Vk = planform.KinkOffset;
  const Ext Va = planform.TipOffset;

  const Ext area = Stored((Li + Lk) * Si + (Lk + La) * So);
  const Ext d1 = Stored(Li - Lk);
  const Ext d2 = Stored(Lk - La);
  const Ext Li2 = Stored(Li * Li);
  const Ext Lk2 = Stored(Lk * Lk);
  const Ext Q = Stored(Li2 * Si - d1 * Li * Si + d1 * d1 * Si / 3.0L + Lk2 * So - d2 * Lk * So + d2 * d2 * So / 3.0L);
  const Ext mac = Stored(Q * 2.0L / area);
  const Ext E = Stored(0.75L * Li - Vk - 0.75L * Lk);
  const Ext M1 = Stored(Li2 * Si / 4.0L + E * Li * Si / 2.0L - d1 * Si * Li / 8.0L - d1 * E * Si / 3.0L);
  const Ext F = Stored(Li - Vk - 0.75L * Lk);
  const Ext G = Stored(Vk + 0.75L * Lk - Va - 0.75L * La);
  const Ext M2 = Stored(F * Lk * So + (G * Lk - F * d2) * So / 2.0L - G * d2 * So / 3.0L);
  const Ext neutralPoint = Stored(2.0L / area * (M1 + M2));
  const Ext span = Si + So;
  const Ext aspectRatio = Stored(span * span * 4.0L / area);
  const Ext liftSlope = Stored(kPi * aspectRatio / (Sqrt(aspectRatio * aspectRatio / 4.0L + 1.0L) + 1.0L));

  TSurfaceData result;
  result.Area = ToDouble(area);
  result.Mac = ToDouble(mac);
  result.AspectRatio = ToDouble(aspectRatio);
  result.NeutralPoint = ToDouble(neutralPoint);
  result.LiftSlope = ToDouble(liftSlope);
  return result;
}

}  // namespace calc
