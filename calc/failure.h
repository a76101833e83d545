#pragma once

#include <stdexcept>

namespace calc {

enum class FailureKind { DivisionByZero, InvalidOperation, Overflow };

// The fixed message text of a failure, without a full stop:
// "Floating point division by zero", "Invalid floating point operation",
// "Floating point overflow".
const char* FailureText(FailureKind kind);

// Thrown by the calculation at the failing step. what() is FailureText(kind).
class ArithmeticFailure : public std::runtime_error {
 public:
  explicit ArithmeticFailure(FailureKind kind);
  FailureKind Kind() const { return kind_; }

 private:
  FailureKind kind_;
};

}  // namespace calc
