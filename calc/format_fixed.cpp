#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "number_text.h"
#include "powers_of_ten.h"

namespace calc {
namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;
constexpr int kDigitCount = 18;
constexpr int kLargestFixedExponent = 35;  // k above this means a >= 2^120
// The longest text: sign, leading 1, 36 integer digits, point, 216 decimals.
constexpr int kMaxText = 1 + 1 + (kLargestFixedExponent + 1) + 1 + kMaxDecimals;

// A magnitude as 1 <= m < 16 times 10^k: the 18 digits of m * 10^17 below a
// possible leading 1.
struct Decimal {
  bool LeadingOne = false;
  std::array<char, kDigitCount> Digits{};
  int Exponent = 0;  // k
};

// The text is built in a fixed buffer; no allocation until the result.
struct Text {
  std::array<char, kMaxText + 8> Chars{};
  int Length = 0;
  void Put(char c) { Chars[static_cast<std::size_t>(Length++)] = c; }
  void Put(const char* from, int count) {
    std::memcpy(Chars.data() + Length, from, static_cast<std::size_t>(count));
    Length += count;
  }
};

// The binary exponent e of a finite, normal m (2^e <= m < 2^(e+1)), read
// from the extended format's sign-and-exponent field.
int BinaryExponent(long double m) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &m, sizeof bytes);
  const int signAndExponent = bytes[8] | (bytes[9] << 8);
  return (signAndExponent & 0x7FFF) - 16383;
}

// Divides m by powers of ten until 1 <= m < 16; the power is estimated from
// the binary exponent (19728 / 65536 is just below log10 2).
long double Normalise(long double m, int& k) {
  if (m < 10) return m;
  for (;;) {
    const int power = (BinaryExponent(m) * 19728) >> 16;
    if (power == 0) return m;
    m = ScaleByPowerOfTen(m, -power);
    k += power;
  }
}

// Rounds 0 <= t < 2^63 to an integer, ties to even: at 2^63 the spacing of
// extended values is exactly 1, so the addition does the rounding.
long double RoundToInteger(long double t) {
  constexpr long double kTwoTo63 = 9223372036854775808.0L;
  return (t + kTwoTo63) - kTwoTo63;
}

Decimal DigitsOf(long double magnitude) {
  Decimal result;
  const long double m = Normalise(magnitude, result.Exponent);
  auto d = static_cast<std::uint64_t>(RoundToInteger(m * 1e17L));
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

// Writes the first `count` digits into `out`, rounded half up at the next
// one; a carry out of the first digit sets the leading 1. Beyond 18 digits
// zeros follow. (With a leading 1 the first digit is at most 5, so the carry
// never meets a leading 1 already set.)
void RoundedDigits(Decimal& decimal, int count, char* out) {
  const int kept = std::min(count, kDigitCount);
  std::memcpy(out, decimal.Digits.data(), static_cast<std::size_t>(kept));
  if (count > kDigitCount) std::memset(out + kDigitCount, '0', static_cast<std::size_t>(count - kDigitCount));
  if (count >= kDigitCount || decimal.Digits[static_cast<std::size_t>(count)] < '5') return;
  for (int i = count - 1; i >= 0; --i) {
    if (out[i] != '9') {
      ++out[i];
      return;
    }
    out[i] = '0';
  }
  decimal.LeadingOne = true;
}

void FixedForm(Decimal decimal, bool negative, int decimals, Text& text) {
  const int integerDigits = decimal.Exponent + 1;
  std::array<char, kMaxText> digits{};
  RoundedDigits(decimal, integerDigits + decimals, digits.data());
  if (negative) text.Put('-');
  if (decimal.LeadingOne) text.Put('1');
  text.Put(digits.data(), integerDigits);
  if (decimals > 0) {
    text.Put('.');
    text.Put(digits.data() + integerDigits, decimals);
  }
}

void ExponentForm(Decimal decimal, bool negative, int width, Text& text) {
  const int count = std::clamp(width - 8, 2, kDigitCount);
  std::array<char, kDigitCount + 1> digits{};
  if (decimal.LeadingOne) {
    // The leading 1 is the first of the `count` digits, so one digit fewer
    // comes from the 18 and the rounding happens after that one.
    digits[0] = '1';
    RoundedDigits(decimal, count - 1, digits.data() + 1);
  } else {
    RoundedDigits(decimal, count, digits.data());
    if (decimal.LeadingOne) {
      // The rounding carried out of 9.99...: the digits are now 1 and zeros.
      std::memmove(digits.data() + 1, digits.data(), static_cast<std::size_t>(count - 1));
      digits[0] = '1';
    }
  }
  const int exponent = decimal.Exponent + (decimal.LeadingOne ? 1 : 0);
  for (int blanks = width - count - 8; blanks > 0; --blanks) text.Put(' ');
  text.Put(negative ? '-' : ' ');
  text.Put(digits[0]);
  text.Put('.');
  text.Put(digits.data() + 1, count - 1);
  text.Put('E');
  text.Put(exponent < 0 ? '-' : '+');
  const int magnitude = exponent < 0 ? -exponent : exponent;
  for (int divisor = 1000; divisor > 0; divisor /= 10) text.Put(static_cast<char>('0' + (magnitude / divisor) % 10));
}

std::string PaddedLeft(const char* chars, int length, int width) {
  const int blanks = std::max(width - length, 0);
  std::string result(static_cast<std::size_t>(blanks + length), ' ');
  std::memcpy(result.data() + blanks, chars, static_cast<std::size_t>(length));
  return result;
}

}  // namespace

std::string FormatFixed(long double value, int width, int decimals) {
  width = std::clamp(width, 0, kMaxWidth);
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  if (std::isnan(value)) return PaddedLeft("Nan", 3, width);
  if (std::isinf(value)) return PaddedLeft(value < 0 ? "-Inf" : "+Inf", 4, width);

  const bool negative = std::signbit(value);
  const Decimal decimal = DigitsOf(std::fabs(value));
  Text text;
  if (decimal.Exponent > kLargestFixedExponent) {
    ExponentForm(decimal, negative, width, text);
  } else {
    FixedForm(decimal, negative, decimals, text);
  }
  return PaddedLeft(text.Chars.data(), text.Length, width);
}

}  // namespace calc
