#include "diagram/pixel_scale.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace diagram {

long double RoundHalfEven(long double value) {
  if (!std::isfinite(value)) return value;
  // Rounding the magnitude makes round(-x) = -round(x) hold by construction,
  // which keeps the two halves of a surface mirror images.
  const long double magnitude = std::fabs(value);
  const long double below = std::floor(magnitude);
  const long double fraction = magnitude - below;  // exact for a non-negative value
  long double rounded = below;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0)) rounded = below + 1;
  return std::copysign(rounded, value);
}

long double PlanformScale(const calc::TModelData& model) {
  // The lengths themselves are compared, not the quotients.
  if (model.B > model.Li) return RoundHalfEven(static_cast<long double>(model.B) / 272) + 1;
  return RoundHalfEven(static_cast<long double>(model.Li) / 192) + 1;
}

long double PixelOffset(long double length, long double scale) { return RoundHalfEven(length / scale); }

int ToPixel(long double coordinate) {
  constexpr auto kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr auto kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(coordinate)) return 0;
  if (coordinate <= kLowest) return kLowest;
  if (coordinate >= kHighest) return kHighest;
  return static_cast<int>(coordinate);
}

}  // namespace diagram
