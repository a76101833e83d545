#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// Text to number, the one rule for input fields and model file lines.
// Leading spaces (not tabs), an optional sign, digits with at most one full
// stop, an optional exponent (E/e, optional sign, at least one digit), nothing
// after. Any text yields a number: an invalid text yields the digits read
// before the offending character as one integer, without sign, point or
// exponent. Throws ArithmeticFailure(Overflow) when the value exceeds the
// double range (or the extended range while it is being formed); a power of
// ten of 5120 or more gives infinity or zero without a failure.
double ParseNumber(std::string_view text);

// The same rule fed one character at a time, for reading model file lines of
// any length without keeping them. Finish() may throw as ParseNumber does.
class NumberScanner {
 public:
  void Put(char c);
  double Finish() const;

 private:
  enum class State : std::uint8_t { Blanks, AfterSign, Mantissa, Fraction, ExponentLetter, ExponentSign, Exponent, Invalid };
  State state_ = State::Blanks;
  bool negative_ = false;
  long double mantissa_ = 0;    // M, every digit seen so far
  std::int64_t fraction_ = 0;   // f, digits after the point
  std::int64_t exponent_ = 0;   // |X|, saturated far beyond any meaningful power
  bool exponentNegative_ = false;
};

// Number to fixed-point text, right-aligned in `width` characters (never cut),
// rounded half away from zero at the first dropped digit of 17 places after
// the point of the normalised mantissa. "+Inf", "-Inf", "Nan" for the special
// values; the exponent form for magnitudes of 2^120 and more. A negative zero
// keeps its sign. Widths above 255 count as 255, decimals above 216 as 216,
// negative ones as 0. Never fails.
std::string FormatFixed(long double value, int width, int decimals);

}  // namespace calc
