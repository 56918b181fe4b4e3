#pragma once

#include <array>
#include <cstdint>

namespace model {

// The tray profile has room for this many trays; larger columns are refused.
inline constexpr int kMaxTrays = 100;

struct ColumnInputs {
  std::int32_t power = 0;             // W put into the still
  long double stillstrength = 0.0L;   // fraction
  std::int32_t traycount = 0;         // theoretical trays N; 0 or less: no trays
  long double refluxplusone = 1.0L;   // reflux ratio R + 1
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

// One calculation of the column: still output, solved top strength, product
// and the tray profile. Entries 1..traycount of the profile arrays are the
// trays, 1 just above the still; entry 0 is unused and entries above the tray
// count keep whatever an earlier calculation left there.
class TColumn {
 public:
  using Profile = std::array<long double, kMaxTrays + 1>;

  // Runs the whole calculation. Throws runtime::EColumnInputError for more
  // than kMaxTrays trays, before anything is changed, and runtime::EZeroDivide,
  // EInvalidOp or EOverflow at the first floating-point fault, leaving the
  // results incomplete.
  void Calculate(const ColumnInputs& inputs, Repeats repeats = Repeats::kSkip);

  // Solves the tray profile again from the top down, from topstrength and
  // product; Calculate runs it when the bottom-up profile misses the top.
  void SolveTopDown(Repeats repeats = Repeats::kSkip);

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
