#pragma once

namespace calc {

// Runs `fast` on `state` with plain extended-precision arithmetic and tells
// whether it raised none of the three exceptions the calculation treats as
// failures (invalid operation, division by zero, overflow). The processor
// records them in its sticky status flags for free, so the checked
// arithmetic of Ext is needed only when a flag is set: the caller then runs
// the checked version of the same formulas on the untouched original state to
// fail at the exact step. Both versions perform the same operations in the
// same order, so their results are identical.
//
// `state` holds every input and output of `fast`: the asm statements read
// and write it, which keeps the compiler from moving any of the arithmetic
// before the flags are cleared or after they are read.
template <class State, class Fast>
bool RanWithoutException(State& state, Fast fast) {
#if defined(__x86_64__) || defined(__i386__)
  constexpr unsigned short kInvalid = 0x01, kDivisionByZero = 0x04, kOverflow = 0x08;
  constexpr unsigned short kFailures = kInvalid | kDivisionByZero | kOverflow;
  // Clearing the flags is slow on some processors, and they are clear unless
  // an earlier calculation failed, so they are read first.
  unsigned short status = 0;
  asm volatile("fnstsw %0" : "=m"(status) : "m"(state));
  if (status & kFailures) asm volatile("fnclex" : "+m"(state));
  asm volatile("" : "+m"(state));
  fast(state);
  asm volatile("fnstsw %0" : "=m"(status) : "m"(state));
  return (status & kFailures) == 0;
#else
  // Without access to the flags every calculation takes the checked path.
  (void)state;
  (void)fast;
  return false;
#endif
}

}  // namespace calc
