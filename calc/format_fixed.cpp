#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "number_text.h"
#include "powers_of_ten.h"

namespace calc {
namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;
constexpr int kDigitCount = 18;
constexpr int kLargestFixedExponent = 35;  // k above this means a >= 2^120

// A magnitude as 1 <= m < 16 times 10^k, and the 18 digits of m * 10^17
// below a possible leading 1.
struct Decimal {
  bool LeadingOne = false;
  std::array<char, kDigitCount> Digits{};
  int Exponent = 0;  // k
};

// Divides m by powers of ten until 1 <= m < 16; the power is estimated from
// the binary exponent (19728 / 65536 is just below log10 2).
long double Normalise(long double m, int& k) {
  if (m < 10) return m;
  for (;;) {
    const int binaryExponent = std::ilogb(m);
    const int power = (binaryExponent * 19728) >> 16;
    if (power == 0) return m;
    m = ScaleByPowerOfTen(m, -power);
    k += power;
  }
}

Decimal DigitsOf(long double magnitude) {
  Decimal result;
  const long double m = Normalise(magnitude, result.Exponent);
  auto d = static_cast<std::uint64_t>(std::nearbyint(m * 1e17L));
  constexpr std::uint64_t kTenTo18 = 1'000'000'000'000'000'000ULL;
  if (d >= kTenTo18) {
    result.LeadingOne = true;
    d -= kTenTo18;
  }
  for (int i = kDigitCount - 1; i >= 0; --i) {
    result.Digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + d % 10);
    d /= 10;
  }
  return result;
}

// The first `count` digits, rounded half up at the next one; a carry out of
// the first digit sets the leading 1. Beyond 18 digits zeros follow.
std::string RoundedDigits(Decimal& decimal, int count) {
  std::string digits(decimal.Digits.begin(), decimal.Digits.end());
  if (count >= kDigitCount) return digits + std::string(static_cast<std::size_t>(count - kDigitCount), '0');
  const bool roundUp = digits[static_cast<std::size_t>(count)] >= '5';
  digits.resize(static_cast<std::size_t>(count));
  if (!roundUp) return digits;
  for (int i = count - 1; i >= 0; --i) {
    char& digit = digits[static_cast<std::size_t>(i)];
    if (digit != '9') {
      ++digit;
      return digits;
    }
    digit = '0';
  }
  decimal.LeadingOne = true;
  return digits;
}

std::string PadLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string FixedForm(Decimal decimal, bool negative, int decimals) {
  const int integerDigits = decimal.Exponent + 1;
  const std::string digits = RoundedDigits(decimal, integerDigits + decimals);
  std::string text = negative ? "-" : "";
  if (decimal.LeadingOne) text += '1';
  text.append(digits, 0, static_cast<std::size_t>(integerDigits));
  if (decimals > 0) {
    text += '.';
    text.append(digits, static_cast<std::size_t>(integerDigits), std::string::npos);
  }
  return text;
}

std::string ExponentForm(Decimal decimal, bool negative, int width) {
  const int count = std::clamp(width - 8, 2, kDigitCount);
  // A leading 1 is the first of the `count` digits, so one digit fewer
  // comes from the 18, and the rounding happens after that one.
  std::string digits = RoundedDigits(decimal, decimal.LeadingOne ? count - 1 : count);
  int exponent = decimal.Exponent;
  if (decimal.LeadingOne) {
    digits.insert(digits.begin(), '1');
    digits.resize(static_cast<std::size_t>(count));
    ++exponent;
  }
  std::string text(static_cast<std::size_t>(std::max(width - count - 8, 0)), ' ');
  text += negative ? '-' : ' ';
  text += digits[0];
  text += '.';
  text.append(digits, 1, std::string::npos);
  text += 'E';
  text += exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  for (int divisor = 1000; divisor > 0; divisor /= 10) text += static_cast<char>('0' + (magnitude / divisor) % 10);
  return text;
}

}  // namespace

std::string FormatFixed(long double value, int width, int decimals) {
  width = std::clamp(width, 0, kMaxWidth);
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  if (std::isnan(value)) return PadLeft("Nan", width);
  if (std::isinf(value)) return PadLeft(value < 0 ? "-Inf" : "+Inf", width);

  const bool negative = std::signbit(value);
  const Decimal decimal = DigitsOf(std::fabs(value));
  if (decimal.Exponent > kLargestFixedExponent) return PadLeft(ExponentForm(decimal, negative, width), width);
  return PadLeft(FixedForm(decimal, negative, decimals), width);
}

}  // namespace calc
