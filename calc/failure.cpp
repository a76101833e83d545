#include "failure.h"

namespace calc {

const char* FailureText(FailureKind kind) {
  switch (kind) {
    case FailureKind::DivisionByZero:
      return "Floating point division by zero";
    case FailureKind::InvalidOperation:
      return "Invalid floating point operation";
    case FailureKind::Overflow:
      return "Floating point overflow";
  }
  return "Invalid floating point operation";
}

ArithmeticFailure::ArithmeticFailure(FailureKind kind) : std::runtime_error(FailureText(kind)), kind_(kind) {}

}  // namespace calc
