#pragma once

#include <array>

#include "model/column.h"

namespace model {

// The calculator behind Calculate. Entries 1..traycount of
// the profile arrays are the trays, 1 just above the still; entry 0 is unused.
class TColumn {
 public:
  using Profile = std::array<long double, kMaxTrays + 1>;

  // Runs the whole calculation. Throws runtime::EColumnInputError for more
  // than kMaxTrays trays, before anything is changed, and runtime::EZeroDivide,
  // EInvalidOp or EOverflow at the first floating-point fault, leaving the
  // results incomplete.
  void Calculate(const ColumnInputs& inputs, Repeats repeats);

  // Solves the tray profile again from the top down, from topstrength and
  // product; Calculate runs it when the bottom-up profile misses the top.
  void SolveTopDown(Repeats repeats);

  // The inputs and results, the profile cut to the tray count.
  ColumnResult Result() const;

  ColumnInputs inputs;
  long double stillvapour = 0.0L;     // g/h
  long double stillethanol = 0.0L;    // g/h
  long double topstrength = 0.0L;     // fraction
  long double product = 0.0L;         // g/h
  long double productethanol = 0.0L;  // g/h
  Profile trayreturn{};               // g/h
  Profile trayliquid{};               // fraction
  Profile trayvapour{};               // fraction
  Profile traytemperature{};          // degrees Celsius
  bool topdownsolved = false;         // whether the top-down solution ran

 private:
  // Liquid strengths of the correction marches stay below the azeotrope.
  static constexpr long double kLiquidCap = 0.948L;

  long double VapourFlow(long double vapour) const;
  long double VapourFlowForHeat(long double heat) const;
  void SetTopStrength(long double top);
  long double MarchToTop(long double stillvapourstrength, Repeats repeats) const;
  // Exact values every march starts from or returns to.
  struct MarchStarts {
    long double stillvapourstrength;  // vapourstrength(stillstrength)
    long double capvapour;            // the vapour flow from liquid at the cap
  };
  // +1 or -1 when an estimated march shows that the exact march's top vapour
  // lies above or below `guess`; 0 when it cannot tell.
  int EstimateTopSide(const MarchStarts& starts, long double guess) const;
  void MarchProfile();
  struct TraySolution {
    long double strength;  // liquid on the tray
    long double vapour;    // vapour flow of the last bisection step
  };
  TraySolution SolveTray(long double above, Repeats repeats) const;
  struct TrialResult {
    long double residual;  // its sign is exact
    long double vapour;    // vapour flow; estimated or exact
    bool estimated;
  };
  TrialResult TryTrayStrength(long double trial, long double above, Repeats repeats) const;
};

}  // namespace model
