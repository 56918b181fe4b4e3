// Measures whether the top strength grows with the reflux ratio and with the
// tray count under the column model, over a grid of powers and still
// strengths. Prints, for each direction, how many neighbouring steps fall and
// by how much (in percentage points), and where the largest fall is.
//
// study_monotonicity [REFLUX_STEP [REFLUX_MAX [list]]]   (defaults 0.25 and 30;
// "list" prints every fall)

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

#include "analysis/study.h"

namespace {

const int kPowers[] = {500, 1000, 2000, 3000};
const long double kStrengths[] = {0.5L, 1, 2, 5, 10, 20, 40};  // per cent
constexpr int kSettings = std::size(kPowers) * std::size(kStrengths);

bool listfalls = false;

struct Fall {
  long long steps = 0;      // neighbouring pairs compared
  long long falls = 0;      // pairs where the top strength drops
  long long bigfalls = 0;   // drops above 0.01 percentage points
  long long lines = 0;      // sequences compared
  long long fallinglines = 0;
  long double largest = 0;  // percentage points
  int power = 0;
  long double strength = 0, reflux = 0;
  int trays = 0;
};

void Compare(Fall& fall, const std::vector<long double>& tops, int power, long double strength,
             const auto& where) {
  bool fell = false;
  for (std::size_t i = 1; i < tops.size(); ++i) {
    if (tops[i - 1] < 0 || tops[i] < 0) continue;  // a failed point
    ++fall.steps;
    const long double drop = tops[i - 1] - tops[i];
    if (drop <= 0) continue;
    ++fall.falls;
    fell = true;
    if (listfalls) {
      Fall here;
      where(i, here);
      std::printf("  fall of %.6Lg points at %d W, %.4Lg %%, %d trays, reflux ratio %.4Lg\n", drop,
                  power, strength, here.trays, here.reflux);
    }
    if (drop > 0.01L) ++fall.bigfalls;
    if (drop > fall.largest) {
      fall.largest = drop;
      fall.power = power;
      fall.strength = strength;
      where(i, fall);
    }
  }
  ++fall.lines;
  if (fell) ++fall.fallinglines;
}

void Print(const char* title, const Fall& fall) {
  std::printf(
      "%s: %lld of %lld sequences fall somewhere; %lld of %lld steps fall, %lld by more than "
      "0.01 points; largest fall %.6Lg points at %d W, %.4Lg %%, %d trays, reflux ratio %.4Lg\n",
      title, fall.fallinglines, fall.lines, fall.falls, fall.steps, fall.bigfalls, fall.largest,
      fall.power, fall.strength, fall.trays, fall.reflux);
}

}  // namespace

int main(int argc, char** argv) {
  const long double step = argc > 1 ? std::strtold(argv[1], nullptr) : 0.25L;
  const long double refluxmax = argc > 2 ? std::strtold(argv[2], nullptr) : 30;
  listfalls = argc > 3 && std::string_view(argv[3]) == "list";
  const int ratios = static_cast<int>(refluxmax / step + 0.5L) + 1;
  const int trays = model::kMaxTrays;

  // tops[setting][tray - 1][ratio], -1 for a failed point.
  std::vector<long double> tops(static_cast<std::size_t>(kSettings) * trays * ratios);
  const auto at = [&](int setting, int tray, int ratio) -> long double& {
    return tops[(static_cast<std::size_t>(setting) * trays + tray - 1) * ratios + ratio];
  };
  std::atomic<int> next{0};
  std::atomic<int> failed{0};
  const auto work = [&] {
    for (int task = next++; task < kSettings * trays; task = next++) {
      const int setting = task / trays;
      const int tray = task % trays + 1;
      const int power = kPowers[setting / std::size(kStrengths)];
      const model::Strength strength =
          model::Strength::FromPercent(kStrengths[setting % std::size(kStrengths)]);
      for (int r = 0; r < ratios; ++r) {
        const analysis::StudyPoint point =
            analysis::CalculatePoint(power, strength, tray, r * step);
        if (point.Failed()) ++failed;
        at(setting, tray, r) = point.Failed() ? -1 : point.toppercent;
      }
    }
  };
  {
    std::vector<std::jthread> workers;
    for (unsigned i = 1; i < std::max(1U, std::thread::hardware_concurrency()); ++i) {
      workers.emplace_back(work);
    }
    work();
  }

  Fall byreflux;
  Fall bytrays;
  long double highest = 0;
  for (int setting = 0; setting < kSettings; ++setting) {
    const int power = kPowers[setting / std::size(kStrengths)];
    const long double strength = kStrengths[setting % std::size(kStrengths)];
    for (int tray = 1; tray <= trays; ++tray) {
      std::vector<long double> line(&at(setting, tray, 0), &at(setting, tray, 0) + ratios);
      for (const long double top : line) highest = std::max(highest, top);
      Compare(byreflux, line, power, strength, [&](std::size_t i, Fall& f) {
        f.trays = tray;
        f.reflux = i * step;
      });
    }
    for (int r = 0; r < ratios; ++r) {
      std::vector<long double> line;
      for (int tray = 1; tray <= trays; ++tray) line.push_back(at(setting, tray, r));
      Compare(bytrays, line, power, strength, [&](std::size_t i, Fall& f) {
        f.trays = static_cast<int>(i) + 1;
        f.reflux = r * step;
      });
    }
  }
  std::printf("grid: powers 500 1000 2000 3000 W, still 0.5 1 2 5 10 20 40 %%, trays 1..%d, "
              "reflux ratio 0..%Lg by %Lg; %d points failed; highest top strength %.21Lg %% (%s 95.58)\n",
              trays, refluxmax, step, failed.load(), highest, highest > 95.58L ? "above" : "not above");
  Print("along the reflux ratio", byreflux);
  Print("along the tray count", bytrays);
}
