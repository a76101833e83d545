#pragma once

#include "extended.h"
#include "surface.h"

namespace calc {

// SurfaceGeometry's formulas for one number type N: long double computes
// without checks (the caller watches the processor's exception flags, see
// fast_path.h), Ext checks every operation and throws at the failing step.
// Defined here so that the whole-aircraft calculation can inline them.

// π as the program has always used it: six decimals, not full precision.
inline constexpr long double kPi = 3.141592L;

// Dividing by 2, 4 or 8 gives exactly the same result as multiplying by the
// reciprocal, which is a power of two; the multiplication is several times
// faster on the floating-point unit.
inline constexpr long double kHalf = 0.5L;
inline constexpr long double kQuarter = 0.25L;
inline constexpr long double kEighth = 0.125L;

// Each numbered quantity is formed with a 64-bit significand and stored as a
// double (Stored), so the last digit shown at a rounding boundary matches the
// established results exactly. N is long double (fast path) or Ext (checked).
template <class N>
TSurfaceData SurfaceGeometryWith(const TPlanform& planform, double innerSpan) {
  const N Si = innerSpan;
  const N So = planform.OuterSpan;
  const N Li = planform.RootChord;
  const N Lk = planform.KinkChord;
  const N La = planform.TipChord;
  const N Vk = planform.KinkOffset;
  const N Va = planform.TipOffset;

  const N area = Stored((Li + Lk) * Si + (Lk + La) * So);
  const N d1 = Stored(Li - Lk);
  const N d2 = Stored(Lk - La);
  const N Li2 = Stored(Li * Li);
  const N Lk2 = Stored(Lk * Lk);
  const N Q = Stored(Li2 * Si - d1 * Li * Si + d1 * d1 * Si / 3.0L + Lk2 * So - d2 * Lk * So + d2 * d2 * So / 3.0L);
  const N mac = Stored(Q * 2.0L / area);
  const N E = Stored(0.75L * Li - Vk - 0.75L * Lk);
  const N M1 = Stored(Li2 * Si * kQuarter + E * Li * Si * kHalf - d1 * Si * Li * kEighth - d1 * E * Si / 3.0L);
  const N F = Stored(Li - Vk - 0.75L * Lk);
  const N G = Stored(Vk + 0.75L * Lk - Va - 0.75L * La);
  const N M2 = Stored(F * Lk * So + (G * Lk - F * d2) * So * kHalf - G * d2 * So / 3.0L);
  const N neutralPoint = Stored(2.0L / area * (M1 + M2));
  const N span = Si + So;
  const N aspectRatio = Stored(span * span * 4.0L / area);
  const N liftSlope = Stored(kPi * aspectRatio / (Sqrt(aspectRatio * aspectRatio * kQuarter + 1.0L) + 1.0L));

  return {ToDouble(area), ToDouble(mac), ToDouble(aspectRatio), ToDouble(neutralPoint), ToDouble(liftSlope)};
}

}  // namespace calc
