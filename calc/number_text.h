#pragma once

#include <cstdint>
#include <optional>
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

// How much of a text is a number by the rule above. A number here has at
// least one digit before its exponent ("." and "E5" read as 0 but are none).
enum class NumberForm : std::uint8_t {
  Blank,            // empty, or spaces only
  Number,           // wholly one number
  NumberAndBlanks,  // a number with spaces after it, which make the text
                    // invalid: "-1.5 " reads as 15
  Unfinished,       // the start of a number: "-", ".", "1e", "2e+"
  NoNumber,         // no more characters make it a number: "8O", "inf", "1e5x"
};

// The same rule fed one character at a time, for reading model file lines of
// any length without keeping them. Finish() may throw as ParseNumber does.
class NumberScanner {
 public:
  void Put(char c);
  double Finish() const;
  // The form of the characters put so far.
  NumberForm Form() const;

 private:
  enum class State : std::uint8_t {
    Blanks, AfterSign, Mantissa, Fraction, ExponentLetter, ExponentSign, Exponent,
    Trailing,  // invalid, but only spaces after a number so far
    Invalid
  };
  // Ends the number at the character `c` that does not continue it.
  void Stop(char c);

  State state_ = State::Blanks;
  bool negative_ = false;
  bool mantissaDigits_ = false;
  long double mantissa_ = 0;    // M, every digit seen so far
  std::int64_t fraction_ = 0;   // f, digits after the point
  std::int64_t exponent_ = 0;   // |X|, saturated far beyond any meaningful power
  bool exponentNegative_ = false;
};

// The form of a whole text.
NumberForm NumberFormOf(std::string_view text);

// Why a number given outside the fifteen model fields is refused.
enum class NumberFault : std::uint8_t {
  NotANumber,     // not wholly a number by the rule above: "", "95,5", "1e", "inf"
  TooLarge,       // beyond the double range: "1e400"
  TooManyDigits,  // where the exact decimal is needed (a sweep's range): more
                  // than 15 digits written out, or more than 15 decimals
};

// The message of each fault, in English; the windows show translations.
constexpr const char* NumberFaultText(NumberFault fault) {
  switch (fault) {
    case NumberFault::NotANumber:
      return "not a number";
    case NumberFault::TooLarge:
      return "too large";
    case NumberFault::TooManyDigits:
      return "more than 15 digits";
  }
  return "not a number";
}

struct GivenNumber {
  double Value = 0;
  std::optional<NumberFault> Fault;  // set: Value means nothing
};

// The one reading of a number given outside the fifteen model fields: the
// balance check's inputs, the what-if range, cgcalc-cli's option values and
// sweep ranges. Spaces before and after it are no part of it; the rest must
// be wholly a number (NumberForm::Number) and read, as ParseNumber reads it,
// as a finite value. Never throws. A wrong reading must not pass silently
// here: "95,5" or "1.5 e2" is refused, not read as 95 or 15.
GivenNumber ReadGivenNumber(std::string_view text);

// `text` without the spaces before and after it.
std::string_view WithoutBlanks(std::string_view text);

// Number to fixed-point text, right-aligned in `width` characters (never cut),
// rounded half away from zero at the first dropped digit of 17 places after
// the point of the normalised mantissa. "+Inf", "-Inf", "Nan" for the special
// values; the exponent form for magnitudes of 2^120 and more. A negative zero
// keeps its sign. Widths above 255 count as 255, decimals above 216 as 216,
// negative ones as 0. Never fails.
std::string FormatFixed(long double value, int width, int decimals);

// Number to plain decimal text: no exponent, no zeros after the point that
// add nothing, no point for a whole number ("437.5", "-30", "0.005", "1200").

// The value ±digits · 10^exponent; `digits` are decimal digits without
// leading zeros ("0" for zero, then `negative` false).
std::string PlainDecimal(bool negative, std::string digits, int exponent);

// The shortest text that reads back as `value` (finite; the largest doubles
// take 309 digits).
std::string PlainDecimal(double value);

}  // namespace calc
