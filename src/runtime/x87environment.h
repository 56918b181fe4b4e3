#pragma once

// The x87 control word and status flags around a stretch of extended
// arithmetic that must run in a known environment whatever the caller set.
// Inline, because the number parser opens one per call.

#include <fpu_control.h>

#include <cfenv>

namespace runtime {

// While it lives, every x87 exception is masked and arithmetic rounds to
// nearest on the full 64-bit mantissa. On leaving it gives the caller back
// its control word and its x87 status flags exactly, so flags raised inside
// do not leak out (only x87 state is saved: SSE arithmetic is not covered).
// Only cheap instructions run when the caller's state already fits.
class X87ExactScope {
 public:
  X87ExactScope() noexcept : callers_status_(StatusFlags()) {
    _FPU_GETCW(callers_control_);
    if ((callers_control_ & kSignificantControl) != (kExactControl & kSignificantControl)) {
      const fpu_control_t exact = kExactControl;
      _FPU_SETCW(exact);
      control_changed_ = true;
    }
  }
  ~X87ExactScope() {
    if (control_changed_) _FPU_SETCW(callers_control_);
    if (StatusFlags() == callers_status_) return;
    if (callers_status_ == 0) {
      asm volatile("fnclex");
    } else {
      std::fenv_t environment;
      std::fegetenv(&environment);
      environment.__status_word =
          static_cast<unsigned short>((environment.__status_word & ~kFlagBits) | callers_status_);
      std::fesetenv(&environment);
    }
  }
  X87ExactScope(const X87ExactScope&) = delete;
  X87ExactScope& operator=(const X87ExactScope&) = delete;

  // The six sticky exception flags, the stack fault and the summary bit.
  static unsigned StatusFlags() noexcept {
    unsigned short status;
    asm volatile("fnstsw %0" : "=a"(status));
    return status & kFlagBits;
  }

 private:
  // All exceptions masked, 64-bit precision, round to nearest.
  static constexpr fpu_control_t kExactControl = 0x133F;
  // Exception masks, precision and rounding; the rest has no effect.
  static constexpr fpu_control_t kSignificantControl = 0x0F3F;
  static constexpr unsigned kFlagBits = 0x00FF;

  unsigned callers_status_;
  fpu_control_t callers_control_;
  bool control_changed_ = false;
};

}  // namespace runtime
