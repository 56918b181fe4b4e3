#pragma once

// Floating-point faults are not trapped. Code that can fault clears the
// status flags, computes, and checks them where a fault can first arise, so
// the error reported is the kind of the first fault and nothing computed
// after it is written anywhere.

namespace runtime {

// Clears every floating-point status flag of the calling thread.
void ClearFloatFaults() noexcept;

// Throws EZeroDivide, EOverflow or EInvalidOp when the matching flag is set.
// A division by zero or an overflow yields an infinity and only later
// operations on it can make the invalid flag rise, so those two are reported
// before an invalid operation seen in the same interval.
void CheckFloatFaults();

// Makes the compiler finish computing `value` before the next statement:
// without it, arithmetic could be moved past the flag test that guards it.
inline void Settle(const long double& value) noexcept {
  asm volatile("" : : "m"(value) : "memory");
}

template <class... Values>
void CheckFloatFaults(const Values&... values) {
  (Settle(values), ...);
  CheckFloatFaults();
}

}  // namespace runtime
