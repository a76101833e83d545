#include "surface.h"

#include "extended.h"

namespace calc {
namespace {

// π as the program has always used it: six decimals, not full precision.
constexpr long double kPi = 3.141592L;

// Dividing by 2, 4 or 8 gives exactly the same result as multiplying by the
// reciprocal, which is a power of two; the multiplication is several times
// faster on the floating-point unit.
constexpr long double kHalf = 0.5L;
constexpr long double kQuarter = 0.25L;
constexpr long double kEighth = 0.125L;

}  // namespace

// Each numbered quantity is formed with a 64-bit significand and stored as a
// double (Stored), so the last digit shown at a rounding boundary matches the
// established results exactly; every operation is checked and throws at the
// failing step.
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
  const Ext M1 = Stored(Li2 * Si * kQuarter + E * Li * Si * kHalf - d1 * Si * Li * kEighth - d1 * E * Si / 3.0L);
  const Ext F = Stored(Li - Vk - 0.75L * Lk);
  const Ext G = Stored(Vk + 0.75L * Lk - Va - 0.75L * La);
  const Ext M2 = Stored(F * Lk * So + (G * Lk - F * d2) * So * kHalf - G * d2 * So / 3.0L);
  const Ext neutralPoint = Stored(2.0L / area * (M1 + M2));
  const Ext span = Si + So;
  const Ext aspectRatio = Stored(span * span * 4.0L / area);
  const Ext liftSlope = Stored(kPi * aspectRatio / (Sqrt(aspectRatio * aspectRatio * kQuarter + 1.0L) + 1.0L));

  return {ToDouble(area), ToDouble(mac), ToDouble(aspectRatio), ToDouble(neutralPoint), ToDouble(liftSlope)};
}

PanelCorners CornersOf(const TPlanform& planform) {
  const long double halfSpan = static_cast<long double>(planform.Span) / 2;
  return {
      {0, 0, planform.RootChord},
      {halfSpan - planform.OuterSpan, planform.KinkOffset,
       static_cast<long double>(planform.KinkChord) + planform.KinkOffset},
      {halfSpan, planform.TipOffset, static_cast<long double>(planform.TipChord) + planform.TipOffset},
  };
}

}  // namespace calc
