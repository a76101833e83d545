#pragma once

namespace calc {

// Runs `fast` with plain extended-precision arithmetic and tells whether it
// raised none of the three exceptions the calculation treats as failures
// (invalid operation, division by zero, overflow). The processor records them
// in its sticky status flags for free, so the checked arithmetic of Ext is
// needed only when a flag is set: the caller then runs the checked version of
// the same formulas on the original state to fail at the exact step. Both
// versions perform the same operations in the same order, so their results
// are identical.
//
// `state` names every object `fast` reads or writes: the asm statements
// around it read and write them, which keeps the compiler from moving any of
// the arithmetic before the flags are cleared or after they are read.
#if (defined(__x86_64__) || defined(__i386__)) && !defined(CGCALC_CHECKED_ONLY)
// Tells the compiler that `object` may change here / is read here.
template <class T>
inline void Touch(T& object) {
  asm volatile("" : "+m"(object));
}
template <class T>
inline void Read(T& object) {
  asm volatile("" : : "m"(object));
}
#endif

template <class Fast, class... State>
bool RanWithoutException(Fast fast, State&... state) {
#if (defined(__x86_64__) || defined(__i386__)) && !defined(CGCALC_CHECKED_ONLY)
  constexpr unsigned short kInvalid = 0x01, kDivisionByZero = 0x04, kOverflow = 0x08;
  constexpr unsigned short kFailures = kInvalid | kDivisionByZero | kOverflow;
  // Clearing the flags is slow on some processors, and they are clear unless
  // an earlier calculation failed, so they are read first.
  unsigned short status = 0;
  asm volatile("fnstsw %0" : "=m"(status));
  if (status & kFailures) asm volatile("fnclex");
  (Touch(state), ...);
  fast();
  (Read(state), ...);
  asm volatile("fnstsw %0" : "=m"(status));
  return (status & kFailures) == 0;
#else
  // Without access to the flags every calculation takes the checked path.
  (void)fast;
  ((void)state, ...);
  return false;
#endif
}

}  // namespace calc
