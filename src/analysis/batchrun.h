#pragma once

// A batch run: the still is charged once and distils over time. The run is
// quasi-steady: at every moment the column is the one calculated for the
// still's strength at that moment (no hold-up, no heat losses), and the still
// gives up the product at that column's take-off and top strength. The still's
// mass and ethanol follow from integrating those two rates over time.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "runtime/errors.h"

namespace analysis {

// Which input a batch run refuses before it calculates anything.
enum class BatchRefusal {
  kChargeNotAboveZero,
  kChargeTooLarge,
  kChargeStrengthOutOfRange,
  kPowerBelowZero,
  kRefluxBelowZero,
  kStepNotAboveZero,
  kHoursBelowZero,
  kTooManySteps,
  kStopTopOutOfRange,
  kStopStillOutOfRange,
};

// Inputs a batch run refuses. The user's wording of the refusal is the
// commands layer's; what() only names the kind.
class EBatchInputError : public runtime::Exception {
 public:
  explicit EBatchInputError(BatchRefusal refusal) : Exception("batch input refused"), refusal(refusal) {}

  BatchRefusal refusal;
};

struct BatchInputs {
  long double chargekg = 20.0L;           // still charge, kg, above 0
  long double chargepercent = 1.0L;       // its ethanol, % by mass, 0 to 100
  std::int32_t power = 1000;              // W, 0 or more
  std::int32_t traycount = 20;            // theoretical trays
  long double refluxratio = 15.0L;        // R, 0 or more
  long double stepminutes = 1.0L;         // time between rows, above 0
  long double stoptoppercent = 0.0L;      // stop when the top falls below; 0: never
  long double stopstillpercent = 0.1L;    // stop when the still falls below
  long double hours = 24.0L;              // length of the run, 0 or more
  // Error allowed in each integration step, above 0, as a share of the
  // still's mass and of its ethanol; not one of the user's inputs. At the
  // default every row's masses and strengths lie within 1e-6 relative (1e-9 %
  // for strengths near 0) of the exact solution of the run's equations.
  long double steptolerance = 1e-9L;
};

// The largest charge, kg.
inline constexpr long double kMaxChargeKg = 1e9L;
// A run has at most this many rows after the first (hours * 60 / step minutes).
inline constexpr long long kMaxBatchSteps = 100000;

// Throws EBatchInputError with the refusal of the first input out of range
// (NaN counts as out of range). The tray count is the column's to
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
  kCancelled,      // the stop token asked to stop
  kFailed,         // a calculation failed; `failure` says why
};

struct BatchRun {
  BatchInputs inputs;          // what the run ran on
  std::vector<BatchRow> rows;  // row 0 is the charge at time 0
  BatchStop stop = BatchStop::kHours;
  std::string failure;  // the failed calculation's message
  long long calculations = 0;  // column calculations made, rows included
};

// Called with each row as soon as it is computed, on the thread that runs the
// batch. Only the stop token stops the run.
using BatchProgress = std::function<void(const BatchRow&)>;

// Runs the batch from the charge until the first stop condition, keeping
// every row computed. Row 0 is the charge at time 0 with no product yet; row
// k is the state at k step minutes, the last one at the run's length. Each
// row's top strength and take-off are one calculation of the column at that
// row's still strength, the one the main window gives for it. A stop that
// falls between rows (the top or the still falling below its stop value, the
// still running out of ethanol or of water) is located in time and ends the
// run with a row at that moment. A calculation that fails ends the run with
// its message and the rows before it. Throws EBatchInputError for inputs out
// of range.
BatchRun RunBatch(const BatchInputs& inputs, const BatchProgress& progress = {},
                  std::stop_token stoptoken = {});

// The state at the moment the top strength first falls below
// `threshold_percent` between run.rows[k - 1], at or above it, and run.rows[k],
// below it, located as a stop of the run is; rows[k] itself if that fails.
BatchRow TopFallsBelow(const BatchRun& run, std::size_t k, long double threshold_percent);

}  // namespace analysis
