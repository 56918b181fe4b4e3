#pragma once

// A batch run: the still is charged once and distils over time. The run is
// quasi-steady: at each time step the column is calculated for the still's
// current strength (no hold-up, no heat losses), and over the step the still
// gives up the product at the take-off and top strength of that calculation.

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "runtime/errors.h"

namespace analysis {

// Inputs a batch run refuses before it calculates anything.
class EBatchInputError : public runtime::Exception {
 public:
  using Exception::Exception;
};

struct BatchInputs {
  long double chargekg = 20.0L;           // still charge, kg, above 0
  long double chargepercent = 1.0L;       // its ethanol, % by mass, 0 to 100
  std::int32_t power = 1000;              // W, 0 or more
  std::int32_t traycount = 20;            // theoretical trays
  long double refluxratio = 15.0L;        // R, 0 or more
  long double stepminutes = 1.0L;         // time step, above 0
  long double stoptoppercent = 0.0L;      // stop when the top falls below; 0: never
  long double stopstillpercent = 0.1L;    // stop when the still falls below
  long double hours = 24.0L;              // length of the run, 0 or more
};

// A run takes at most this many steps (hours * 60 / step minutes).
inline constexpr long long kMaxBatchSteps = 100000;

// Throws EBatchInputError with a message for the user at the first input out
// of range (NaN counts as out of range). The tray count is the column's to
// judge: more than it holds fails the first calculation.
void ValidateBatchInputs(const BatchInputs& inputs);

// The state at one moment of the run, with the column calculated for the
// still's strength at that moment. The product figures sum all steps so far.
struct BatchRow {
  long double time_h = 0.0L;
  long double still_percent = 0.0L;
  long double still_kg = 0.0L;
  long double top_percent = 0.0L;
  long double product_g_per_h = 0.0L;       // take-off of this calculation
  long double product_kg = 0.0L;            // collected since the start
  long double product_mean_percent = 0.0L;  // its strength; 0 while none
  long double still_ethanol_kg = 0.0L;      // ethanol left in the still
  long double product_ethanol_kg = 0.0L;    // ethanol collected
};

enum class BatchStop {
  kHours,          // the run's length has passed
  kTopStrength,    // the top strength fell below its stop value
  kStillStrength,  // the still strength fell below its stop value
  kStillEmpty,     // the still ran out of ethanol or of water
  kCancelled,      // the observer or the stop token asked to stop
  kFailed,         // a calculation failed; `failure` says why
};

struct BatchRun {
  std::vector<BatchRow> rows;  // row 0 is the charge at time 0
  BatchStop stop = BatchStop::kHours;
  std::string failure;  // the failed calculation's message
};

// Called with each row as soon as it is computed, on the thread that runs the
// batch; returning false stops the run after that row.
using BatchObserver = std::function<bool(const BatchRow&)>;

// Runs the batch from the charge until the first stop condition, keeping
// every row computed. Row 0 is the charge at time 0 with no product yet; each
// further row is the state one step later. A step that would take more
// ethanol or water than the still holds is shortened to end when that runs
// out, and the run stops there; the last step is shortened to end at the
// run's length. A calculation that fails ends the run with its message and
// the rows before it. Throws EBatchInputError for inputs out of range.
BatchRun RunBatch(const BatchInputs& inputs, const BatchObserver& observer = {},
                  std::stop_token stoptoken = {});

// Why the run stopped, for the user: the failure's message for kFailed.
std::string StopText(const BatchRun& run);

}  // namespace analysis
