#pragma once

#include <cfloat>
#include <cmath>

#include "failure.h"

// The calculation's rounding rests on a 64-bit significand in every step;
// on x86-64 that is the x87 long double.
static_assert(LDBL_MANT_DIG == 64, "cgcalc needs long double with a 64-bit significand (x86-64)");

namespace calc {

// A number with a 64-bit significand whose operations follow IEEE 754 with
// round to nearest, and which turns the three exceptions the program treats as
// failures into ArithmeticFailure at the operation that raises them:
// a nonzero finite number divided by zero, an operation without a defined
// result (0/0, inf-inf, 0*inf, inf/inf, root of a negative number), and a
// finite result beyond the range. Underflow and inexact results pass.
// The checks are explicit tests of operands and results, so the outcome does
// not depend on the optimiser or on the floating-point status register.
class Ext {
 public:
  constexpr Ext(long double value) : value_(value) {}  // NOLINT: implicit on purpose
  constexpr long double Value() const { return value_; }

 private:
  long double value_;
};

[[noreturn]] inline void Fail(FailureKind kind) { throw ArithmeticFailure(kind); }

// A result's check: NaN only comes from an invalid operation (no operand is
// ever NaN, since the NaN would have failed first), an infinity from finite
// operands is an overflow.
inline Ext Checked(long double result, long double a, long double b) {
  if (std::isnan(result)) Fail(FailureKind::InvalidOperation);
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) Fail(FailureKind::Overflow);
  return result;
}

inline Ext operator+(Ext a, Ext b) { return Checked(a.Value() + b.Value(), a.Value(), b.Value()); }
inline Ext operator-(Ext a, Ext b) { return Checked(a.Value() - b.Value(), a.Value(), b.Value()); }
inline Ext operator*(Ext a, Ext b) { return Checked(a.Value() * b.Value(), a.Value(), b.Value()); }
inline Ext operator-(Ext a) { return -a.Value(); }

inline Ext operator/(Ext a, Ext b) {
  if (b.Value() == 0) {
    if (a.Value() == 0) Fail(FailureKind::InvalidOperation);
    if (std::isfinite(a.Value())) Fail(FailureKind::DivisionByZero);
  }
  return Checked(a.Value() / b.Value(), a.Value(), b.Value());
}

inline Ext Sqrt(Ext a) {
  if (a.Value() < 0) Fail(FailureKind::InvalidOperation);
  return std::sqrt(a.Value());
}

// Rounds to the nearest double, as when a named quantity is stored; a finite
// value beyond the double range is an overflow.
inline double ToDouble(Ext a) {
  const double stored = static_cast<double>(a.Value());
  if (std::isinf(stored) && std::isfinite(a.Value())) Fail(FailureKind::Overflow);
  return stored;
}

// The same rounding, kept as an Ext for use in later steps.
inline Ext Stored(Ext a) { return ToDouble(a); }

}  // namespace calc
