#include "runtime/fpstatus.h"

#include <cfenv>

#include "runtime/errors.h"

namespace runtime {

void ClearFloatFaults() noexcept { std::feclearexcept(FE_ALL_EXCEPT); }

void CheckFloatFaults() {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  if (raised & FE_DIVBYZERO) throw EZeroDivide();
  if (raised & FE_OVERFLOW) throw EOverflow();
  if (raised & FE_INVALID) throw EInvalidOp();
}

}  // namespace runtime
