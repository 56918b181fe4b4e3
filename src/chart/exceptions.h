#pragma once

#include "runtime/errors.h"

namespace chart {

// A chart setting refused by its setter; the setting keeps its value.
class ChartException : public runtime::Exception {
 public:
  using runtime::Exception::Exception;
};

class AxisException : public ChartException {
 public:
  using ChartException::ChartException;
};

}  // namespace chart
