#include "analysis/batchrun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

#include "model/column.h"

namespace analysis {

namespace {

bool IsPercent(long double value) { return value >= 0.0L && value <= 100.0L; }

void Require(bool holds, BatchRefusal refusal) {
  if (!holds) throw EBatchInputError(refusal);
}

// The run integrates the still's mass W and ethanol E, in grams:
//   dW/dt = -D(x),  dE/dt = -D(x) xD(x),  x = E / W,
// D and xD being the take-off and top strength of the column calculated at x.
// An Adams predictor takes the rates at the last few points of the solution,
// each a column calculation; with every row one of those points, the rows'
// own calculations carry the integration, and points between rows are
// calculated only where a row's interval is too long for the error allowed.
// The predictor's value is kept, so that each point's column is the one at
// its still; the corrector, which includes the new point's rates, measures
// the step's error. The fits switch pieces at fixed strengths, so the rates
// jump where the still or a tray crosses one: a step over a jump fails its
// error test and shrinks, and after two failures running the method starts
// again at first order, so that no polynomial spans a jump.

// Points in the predictor's polynomial, at most: its order.
constexpr std::size_t kMaxOrder = 5;
// No step is shorter than this share of (1 h + its start time): a jump that
// no step can pass within the error allowed is passed with this step.
constexpr long double kShortestStep = 1e-13L;
// The still strength, as a fraction, below which its error is measured
// against this strength rather than its own.
constexpr long double kWeakest = 1e-5L;
// Stops are located to this share of (1 h + their time).
constexpr long double kLocateWidth = 1e-10L;

struct Still {
  long double mass;     // g
  long double ethanol;  // g
};

// A point of the run: its time, its still and the column calculated there.
struct Point {
  long double time;            // h
  Still still;
  long double percent;         // the still's strength as given to the column
  model::Strength top;
  long double product;         // g/h
  long double productethanol;  // g/h
};

// The column is given this per cent divided by 100, as the main window
// divides a typed strength, so a row's column is the window's for the
// strength the row shows.
long double PercentOf(const Still& still) {
  return still.mass > 0.0L ? model::Strength::FromFraction(still.ethanol / still.mass).Percent()
                           : 0.0L;
}

// Past the moment the still runs out of ethanol or of water.
bool IsOverdrawn(const Still& still) { return still.ethanol < 0.0L || still.mass < still.ethanol; }

// Gauss-Legendre with three points is exact up to degree 5, the degree of
// the corrector's polynomial through kMaxOrder + 1 points.
static_assert(kMaxOrder <= 5);
constexpr long double kGaussNode = 0.774596669241483377035853079956479922L;
constexpr std::array<std::pair<long double, long double>, 3> kGauss = {
    {{-kGaussNode, 5.0L / 9.0L}, {0.0L, 8.0L / 9.0L}, {kGaussNode, 5.0L / 9.0L}}};

// One step of the integration: between its points the still follows the
// polynomial through the rates of `points`, integrated from `start`.
struct Step {
  std::vector<Point> points;
  Point start;

  Still At(long double time) const {
    const long double half = (time - start.time) / 2.0L;
    Still still = start.still;
    for (const auto& [node, weight] : kGauss) {
      const long double t = start.time + half * (1.0L + node);
      for (std::size_t i = 0; i < points.size(); ++i) {
        long double basis = weight * half;
        for (std::size_t j = 0; j < points.size(); ++j) {
          if (j != i) basis *= (t - points[j].time) / (points[i].time - points[j].time);
        }
        still.mass -= basis * points[i].product;
        still.ethanol -= basis * points[i].productethanol;
      }
    }
    return still;
  }
};

// The first time in (from, to] at which `holds` does, to within `width`,
// given that it holds at `to` and not at `from`.
template <typename Condition>
long double FirstTime(long double from, long double to, long double width, Condition holds) {
  while (to - from > width) {
    const long double middle = from + (to - from) / 2.0L;
    if (middle <= from || middle >= to) break;
    (holds(middle) ? to : from) = middle;
  }
  return to;
}

long double LocateWidth(long double time) { return kLocateWidth * (1.0L + time); }

struct Cancelled {};

enum class Event { kNone, kEmpty, kStop };

class Integration {
 public:
  Integration(const BatchInputs& inputs, long long& calculations, std::stop_token stoptoken)
      : inputs_(inputs),
        step_(inputs.stepminutes / 60.0L),
        calculations_(calculations),
        stoptoken_(std::move(stoptoken)) {}

  Point Start(long double time, const Still& still, long double percent) {
    points_ = {Calculate(time, still, percent)};
    return points_.back();
  }

  // The point at `end`, or at the first stop before it: the still running
  // out, or the top or the still falling below its stop value.
  std::pair<Point, Event> AdvanceTo(long double end);

 private:
  Point Calculate(long double time, const Still& still, long double percent) {
    if (stoptoken_.stop_requested()) throw Cancelled{};
    ++calculations_;
    const model::ColumnResult result =
        model::Calculate({inputs_.power, model::Strength::FromPercent(percent), inputs_.traycount,
                          model::RefluxRatio::FromRatio(inputs_.refluxratio)});
    return {time, still, percent, result.topstrength, result.product, result.productethanol};
  }
  Point CalculateAt(const Step& step, long double time) {
    const Still still = step.At(time);
    return Calculate(time, still, PercentOf(still));
  }
  bool TopBelow(const Point& point) const { return point.top.Percent() < inputs_.stoptoppercent; }
  Point LocateTop(const Step& step, Point above, Point below);

  const BatchInputs& inputs_;
  long double step_;             // the next step's length, h
  long long& calculations_;
  std::stop_token stoptoken_;
  std::vector<Point> points_;  // the latest last
  int failures_ = 0;           // failed steps running
  long double passed_ = 0.0L;  // the last step that passed its test, h
};

std::pair<Point, Event> Integration::AdvanceTo(long double end) {
  while (points_.back().time < end) {
    const Step step{points_, points_.back()};
    const long double from = step.start.time;
    long double to = from + step_;
    if (to >= end) {
      to = end;
    } else if (to + step_ > end) {
      to = from + (end - from) / 2.0L;  // two even steps rather than a sliver
    }
    Still predicted = step.At(to);
    bool empties = false;
    if (IsOverdrawn(predicted)) {
      // The rates jump where the still runs out, so the step that ends there
      // cannot be tested: it is taken only when no longer than the last step
      // that passed, and the steps up to it are tested as any other.
      const long double empty =
          FirstTime(from, to, 0.0L, [&step](long double t) { return IsOverdrawn(step.At(t)); });
      const long double allowed = passed_ > 0.0L ? passed_ : (empty - from) / 2.0L;
      empties = empty - from <= allowed;
      to = empties ? empty : from + std::min(allowed, (empty - from) / 2.0L);
      predicted = step.At(to);
      if (empties && predicted.ethanol <= 0.0L) {
        predicted.ethanol = 0.0L;
      } else if (empties) {
        predicted.mass = predicted.ethanol;
      }
    }
    const Point next = Calculate(to, predicted, PercentOf(predicted));
    Step corrector = step;
    corrector.points.push_back(next);
    const Still corrected = corrector.At(to);
    const Still extrapolated = step.At(to);  // before a part that ran out is set to 0
    // Each part against its own size: the still's strength must stay exact
    // to a share of itself down to kWeakest, and as far as that below it.
    const Still& size = step.start.still;
    const long double error =
        std::max(std::fabs(corrected.mass - extrapolated.mass) / size.mass,
                 std::fabs(corrected.ethanol - extrapolated.ethanol) /
                     (size.ethanol + kWeakest * size.mass)) /
        inputs_.steptolerance;
    const long double exponent = -1.0L / static_cast<long double>(points_.size() + 1);
    const long double shortest = kShortestStep * (1.0L + from);
    if (!empties && error > 1.0L && to - from > shortest) {
      step_ = std::max(shortest, (to - from) * std::max(0.2L, 0.9L * std::pow(error, exponent)));
      if (++failures_ >= 2) points_.erase(points_.begin(), points_.end() - 1);
      continue;
    }
    failures_ = 0;
    if (!empties && error <= 1.0L) passed_ = to - from;
    const long double growth = error > 0.0L ? 0.9L * std::pow(error, exponent) : 2.0L;
    step_ = std::max(shortest, (to - from) * std::min(2.0L, growth));
    points_.push_back(next);
    if (points_.size() > kMaxOrder) points_.erase(points_.begin());

    Point stop = next;
    Event event = empties ? Event::kEmpty : Event::kNone;
    if (next.percent < inputs_.stopstillpercent) {
      const long double time = FirstTime(from, to, LocateWidth(to), [&](long double t) {
        return PercentOf(step.At(t)) < inputs_.stopstillpercent;
      });
      if (time < to) stop = CalculateAt(step, time);
      event = Event::kStop;
    }
    if (TopBelow(stop)) {
      stop = LocateTop(step, step.start, stop);
      event = Event::kStop;
    }
    if (event != Event::kNone) return {stop, event};
  }
  return {points_.back(), Event::kNone};
}

// Regula falsi in the Illinois form on the top strength between a point at
// or above the stop value and one below it.
Point Integration::LocateTop(const Step& step, Point above, Point below) {
  const auto excess = [this](const Point& point) {
    return point.top.Percent() - inputs_.stoptoppercent;
  };
  long double fabove = excess(above);
  long double fbelow = excess(below);
  int lastside = 0;
  for (int i = 0; i < 200 && below.time - above.time > LocateWidth(below.time); ++i) {
    long double time = below.time - fbelow * (below.time - above.time) / (fbelow - fabove);
    if (!(time > above.time && time < below.time)) time = above.time + (below.time - above.time) / 2.0L;
    const Point middle = CalculateAt(step, time);
    if (TopBelow(middle)) {
      below = middle;
      fbelow = excess(middle);
      if (lastside < 0) fabove /= 2.0L;
      lastside = -1;
    } else {
      above = middle;
      fabove = excess(middle);
      if (lastside > 0) fbelow /= 2.0L;
      lastside = 1;
    }
  }
  return below;
}

// Where a run starts: its still, and the product collected before.
struct Origin {
  long double time;
  Still still;
  long double percent;
  Still product;
};

BatchRow RowOf(const Point& point, const Origin& origin) {
  const long double productmass = origin.product.mass + (origin.still.mass - point.still.mass);
  const long double productethanol =
      origin.product.ethanol + (origin.still.ethanol - point.still.ethanol);
  BatchRow row;
  row.time_h = point.time;
  row.still_percent = point.percent;
  row.still_kg = point.still.mass / 1000.0L;
  row.top_percent = point.top.Percent();
  row.product_g_per_h = point.product;
  row.product_kg = productmass / 1000.0L;
  row.product_mean_percent =
      productmass > 0.0L ? model::Strength::FromFraction(productethanol / productmass).Percent()
                         : 0.0L;
  row.still_ethanol_kg = point.still.ethanol / 1000.0L;
  row.product_ethanol_kg = productethanol / 1000.0L;
  return row;
}

// Runs from `origin` with rows `stephours` apart, into `run`, on run.inputs.
void Run(BatchRun& run, const Origin& origin, long double stephours, const BatchProgress& progress,
         std::stop_token stoptoken) {
  const BatchInputs& inputs = run.inputs;
  Integration integration(inputs, run.calculations, std::move(stoptoken));
  try {
    Point point = integration.Start(origin.time, origin.still, origin.percent);
    // A still that starts without ethanol or water runs out at once, unless
    // nothing comes off.
    Event event = (point.still.ethanol <= 0.0L && point.productethanol > 0.0L) ||
                          (point.still.mass <= point.still.ethanol &&
                           point.product > point.productethanol)
                      ? Event::kEmpty
                      : Event::kNone;
    for (long long row = 1;; ++row) {
      run.rows.push_back(RowOf(point, origin));
      const BatchRow& shown = run.rows.back();
      if (progress) progress(shown);
      if (event == Event::kEmpty) {
        run.stop = BatchStop::kStillEmpty;
        return;
      }
      if (shown.top_percent < inputs.stoptoppercent) {
        run.stop = BatchStop::kTopStrength;
        return;
      }
      if (shown.still_percent < inputs.stopstillpercent) {
        run.stop = BatchStop::kStillStrength;
        return;
      }
      if (shown.time_h >= inputs.hours) {
        run.stop = BatchStop::kHours;
        return;
      }
      // Row times are multiples of the step, not running sums, so that they
      // carry no drift; the last one is the run's length.
      std::tie(point, event) = integration.AdvanceTo(
          std::min(origin.time + static_cast<long double>(row) * stephours, inputs.hours));
    }
  } catch (const Cancelled&) {
    run.stop = BatchStop::kCancelled;
  } catch (const runtime::Exception& error) {
    run.stop = BatchStop::kFailed;
    run.failure = error.what();
  }
}

}  // namespace

void ValidateBatchInputs(const BatchInputs& inputs) {
  Require(inputs.chargekg > 0.0L, BatchRefusal::kChargeNotAboveZero);
  Require(inputs.chargekg <= kMaxChargeKg, BatchRefusal::kChargeTooLarge);
  Require(IsPercent(inputs.chargepercent), BatchRefusal::kChargeStrengthOutOfRange);
  Require(inputs.power >= 0, BatchRefusal::kPowerBelowZero);
  Require(inputs.refluxratio >= 0.0L, BatchRefusal::kRefluxBelowZero);
  Require(inputs.stepminutes > 0.0L, BatchRefusal::kStepNotAboveZero);
  Require(inputs.hours >= 0.0L, BatchRefusal::kHoursBelowZero);
  Require(inputs.hours * 60.0L / inputs.stepminutes <= kMaxBatchSteps, BatchRefusal::kTooManySteps);
  Require(IsPercent(inputs.stoptoppercent), BatchRefusal::kStopTopOutOfRange);
  Require(IsPercent(inputs.stopstillpercent), BatchRefusal::kStopStillOutOfRange);
}

BatchRun RunBatch(const BatchInputs& inputs, const BatchProgress& progress,
                  std::stop_token stoptoken) {
  ValidateBatchInputs(inputs);
  BatchRun run;
  run.inputs = inputs;
  const long double chargemass = inputs.chargekg * 1000.0L;
  // The first calculation gets the strength exactly as the main window passes
  // a typed one, so that row 0 matches the window's results.
  const Origin charge{0.0L,
                      {chargemass, chargemass * model::Strength::FromPercent(inputs.chargepercent).Fraction()},
                      inputs.chargepercent, {0.0L, 0.0L}};
  Run(run, charge, inputs.stepminutes / 60.0L, progress, std::move(stoptoken));
  return run;
}

BatchRow TopFallsBelow(const BatchRun& run, std::size_t k, long double threshold_percent) {
  const BatchRow& before = run.rows[k - 1];
  const BatchRow& after = run.rows[k];
  BatchRun between;
  between.inputs = run.inputs;
  between.inputs.stoptoppercent = threshold_percent;
  between.inputs.stopstillpercent = 0.0L;
  between.inputs.hours = after.time_h;
  const Origin origin{before.time_h,
                      {before.still_kg * 1000.0L, before.still_ethanol_kg * 1000.0L},
                      before.still_percent,
                      {before.product_kg * 1000.0L, before.product_ethanol_kg * 1000.0L}};
  // One row interval, reaching past `after` so that it ends there.
  Run(between, origin, 2.0L * (after.time_h - before.time_h), {}, {});
  return between.stop == BatchStop::kTopStrength ? between.rows.back() : after;
}

}  // namespace analysis
