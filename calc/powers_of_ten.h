#pragma once

#include <cstdint>

namespace calc {

// Scales `value` by 10^power in the three tabulated steps 10^r, 10^(32t),
// 10^(512u) (|power| = r + 32t + 512u), each step rounded to extended
// precision, multiplying for a positive power and dividing for a negative one.
// |power| must be below 5120. Throws ArithmeticFailure(Overflow) when the
// extended range is exceeded; underflow passes.
long double ScaleByPowerOfTen(long double value, std::int64_t power);

inline constexpr std::int64_t kPowerOfTenLimit = 5120;

}  // namespace calc
