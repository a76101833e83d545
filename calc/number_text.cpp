#include "number_text.h"

#include <algorithm>
#include <cmath>

#include "extended.h"
#include "failure.h"
#include "powers_of_ten.h"

namespace calc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'E' || c == 'e'; }

// Far beyond any power that can matter (|q| >= 5120 saturates anyway), small
// enough that X - f never overflows.
constexpr std::int64_t kExponentCeiling = 1'000'000'000;

// Rounds to a double; the value may exceed the double range.
double StoredValue(long double value) { return ToDouble(Ext(value)); }

}  // namespace

void NumberScanner::Put(char c) {
  switch (state_) {
    case State::Blanks:
      if (c == ' ') return;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        state_ = State::AfterSign;
        return;
      }
      [[fallthrough]];
    case State::AfterSign:
    case State::Mantissa:
      if (IsDigit(c)) {
        mantissa_ = mantissa_ * 10.0L + static_cast<long double>(c - '0');
        mantissaDigits_ = true;
        state_ = State::Mantissa;
      } else if (c == '.') {
        state_ = State::Fraction;
      } else if (IsExponentLetter(c)) {
        state_ = State::ExponentLetter;
      } else {
        Stop(c);
      }
      return;
    case State::Fraction:
      if (IsDigit(c)) {
        mantissa_ = mantissa_ * 10.0L + static_cast<long double>(c - '0');
        mantissaDigits_ = true;
        ++fraction_;
      } else if (IsExponentLetter(c)) {
        state_ = State::ExponentLetter;
      } else {
        Stop(c);
      }
      return;
    case State::ExponentLetter:
      if (c == '+' || c == '-') {
        exponentNegative_ = c == '-';
        state_ = State::ExponentSign;
        return;
      }
      [[fallthrough]];
    case State::ExponentSign:
    case State::Exponent:
      if (IsDigit(c)) {
        exponent_ = std::min(exponent_ * 10 + (c - '0'), kExponentCeiling);
        state_ = State::Exponent;
      } else {
        Stop(c);
      }
      return;
    case State::Trailing:
      if (c != ' ') state_ = State::Invalid;
      return;
    case State::Invalid:
      return;
  }
}

void NumberScanner::Stop(char c) {
  // Spaces after a number are told apart only for Form(); the value is that
  // of any invalid text.
  state_ = c == ' ' && Form() == NumberForm::Number ? State::Trailing : State::Invalid;
}

NumberForm NumberScanner::Form() const {
  switch (state_) {
    case State::Blanks:
      return NumberForm::Blank;
    case State::AfterSign:
      return NumberForm::Unfinished;
    case State::Mantissa:
      return NumberForm::Number;
    case State::Fraction:
      return mantissaDigits_ ? NumberForm::Number : NumberForm::Unfinished;
    case State::ExponentLetter:
    case State::ExponentSign:
      return mantissaDigits_ ? NumberForm::Unfinished : NumberForm::NoNumber;
    case State::Exponent:
      return mantissaDigits_ ? NumberForm::Number : NumberForm::NoNumber;
    case State::Trailing:
      return NumberForm::NumberAndBlanks;
    case State::Invalid:
      break;
  }
  return NumberForm::NoNumber;
}

double NumberScanner::Finish() const {
  // An accumulated mantissa beyond the extended range is an overflow, valid
  // text or not.
  if (std::isinf(mantissa_)) Fail(FailureKind::Overflow);
  const bool valid = state_ == State::Mantissa || state_ == State::Fraction || state_ == State::Exponent;
  if (!valid) return StoredValue(mantissa_);

  const std::int64_t power = (exponentNegative_ ? -exponent_ : exponent_) - fraction_;
  long double magnitude = mantissa_;
  if (magnitude != 0 && power != 0) {
    if (power >= kPowerOfTenLimit) {
      magnitude = INFINITY;
    } else if (power <= -kPowerOfTenLimit) {
      magnitude = 0;
    } else {
      magnitude = ScaleByPowerOfTen(magnitude, power);
    }
  }
  const double value = StoredValue(magnitude);
  return negative_ ? -value : value;
}

double ParseNumber(std::string_view text) {
  NumberScanner scanner;
  for (char c : text) scanner.Put(c);
  return scanner.Finish();
}

NumberForm NumberFormOf(std::string_view text) {
  NumberScanner scanner;
  for (char c : text) scanner.Put(c);
  return scanner.Form();
}

std::string_view WithoutBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

GivenNumber ReadGivenNumber(std::string_view text) {
  NumberScanner scanner;
  for (char c : WithoutBlanks(text)) scanner.Put(c);
  if (scanner.Form() != NumberForm::Number) return {0, NumberFault::NotANumber};
  try {
    const double value = scanner.Finish();
    if (std::isfinite(value)) return {value, std::nullopt};
  } catch (const ArithmeticFailure&) {
    // Beyond the range while it was formed: too large as well.
  }
  return {0, NumberFault::TooLarge};
}

}  // namespace calc
