#pragma once

#include <cstdint>
#include <vector>

#include "model/quantities.h"

namespace model {

// The most trays a column may have; larger columns are refused.
inline constexpr int kMaxTrays = 100;

struct ColumnInputs {
  std::int32_t power = 0;      // W put into the still
  Strength stillstrength;
  std::int32_t traycount = 0;  // theoretical trays N; 0 or less: no trays
  RefluxRatio reflux;
};

// The calculation is made of recurrences (the corrections of the top
// strength, the march from tray to tray, the bisection steps of a tray, the
// top-down solution from tray to tray). Once one of them maps a state onto
// itself, every further step repeats the same arithmetic on the same values.
// kSkip takes the repeated result without recomputing it, takes remembered
// properties of a strength seen before, and decides the direction of a
// correction or bisection step from estimated heats where they leave no
// doubt; kCompute computes every step in full. Both give the same bits.
enum class Repeats { kSkip, kCompute };

// One tray of a solved profile.
struct TrayState {
  long double returnflow = 0.0L;   // liquid returned from the tray, g/h
  Strength liquid;
  Strength vapour;
  long double temperature = 0.0L;  // degrees Celsius
};

// One calculation of the column: its inputs, the still output, the solved top
// strength, the product and the tray profile.
struct ColumnResult {
  ColumnInputs inputs;
  long double stillvapour = 0.0L;     // g/h
  long double stillethanol = 0.0L;    // g/h
  Strength topstrength;
  long double product = 0.0L;         // g/h
  long double productethanol = 0.0L;  // g/h
  bool topdownsolved = false;         // whether the top-down solution ran
  // One entry per tray, none for a tray count of 0 or less.
  std::vector<TrayState> trays;

  // Tray `number`, 1 just above the still, up to the tray count.
  const TrayState& Tray(int number) const { return trays[static_cast<std::size_t>(number) - 1]; }

  // Ethanol in the product over ethanol in the still's vapour, in per cent.
  // A still that gives off no ethanol makes it a division by zero; the
  // caller checks the floating-point status.
  long double EthanolEfficiencyPercent() const { return productethanol / stillethanol * 100; }
};

// Runs the whole calculation. Throws runtime::EColumnInputError for more than
// kMaxTrays trays, and runtime::EZeroDivide, EInvalidOp or EOverflow at the
// first floating-point fault.
ColumnResult Calculate(const ColumnInputs& inputs, Repeats repeats = Repeats::kSkip);

}  // namespace model
