#pragma once

// Helpers shared by the libFuzzer targets: a property check that aborts with
// its reason (libFuzzer then keeps the input), and exact comparisons of
// doubles.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calc/failure.h"
#include "calc/number_text.h"

#define FUZZ_CHECK(condition)                                                                 \
  do {                                                                                        \
    if (!(condition)) fuzz::CheckFailed(#condition, __FILE__, __LINE__);                      \
  } while (false)

namespace fuzz {

[[noreturn]] inline void CheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "property violated: %s (%s:%d)\n", condition, file, line);
  std::abort();
}

// What ParseNumber made of a text: a value, or its overflow failure. Any other
// failure kind is a fault, since a text has no division or invalid operation.
struct Parsed {
  bool overflow = false;
  double value = 0;
};

inline Parsed Parse(std::string_view text) {
  try {
    return {false, calc::ParseNumber(text)};
  } catch (const calc::ArithmeticFailure& failure) {
    FUZZ_CHECK(failure.Kind() == calc::FailureKind::Overflow);
    return {true, 0};
  }
}

inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

inline bool SameBits(double a, double b) { return Bits(a) == Bits(b); }

// Doubles mapped onto integers in value order (both zeros at 0), so that
// neighbouring doubles differ by 1.
inline std::int64_t OrderedKey(double value) {
  const std::uint64_t bits = Bits(value);
  const auto magnitude = static_cast<std::int64_t>(bits & 0x7FFF'FFFF'FFFF'FFFFull);
  return (bits >> 63) != 0 ? -magnitude : magnitude;
}

// Distance in units in the last place; both values must be non-NaN.
inline std::uint64_t UlpDistance(double a, double b) {
  const std::int64_t ka = OrderedKey(a);
  const std::int64_t kb = OrderedKey(b);
  return ka > kb ? static_cast<std::uint64_t>(ka) - static_cast<std::uint64_t>(kb)
                 : static_cast<std::uint64_t>(kb) - static_cast<std::uint64_t>(ka);
}

// FormatFixed switches to the exponent form from this magnitude on.
inline constexpr long double kExponentFormLimit = 0x1p120L;

}  // namespace fuzz
