#pragma once

// The values an axis labels: the step between them and the list itself,
// worked out from the range alone so that drawing only draws them.

#include <climits>
#include <vector>

namespace chart {

// The smallest label step, also the tolerance of the label walk.
inline constexpr double SmallestStep = 1e-12;

// The next step of the sequence 1, 2, 5, 10, 20, ... (and 0.5, 0.2, ...)
// above x.
double NextNiceStep(double x);

// How many labels of `labelExtent` pixels along the axis, `separation` per
// cent of it kept free between them, fit into `axisLength` pixels, rounded
// to nearest; 1 when the labels take no room.
int LabelsThatFit(int axisLength, int labelExtent, int separation);

// What the label step depends on besides the number of labels that fit.
struct TLabelStepRule {
  double Span = 0;
  // The least step; 0 lets the room for labels decide.
  double Increment = 0;
  // The fewest points of a series whose positions run along the axis; an
  // axis that has room to label each of them keeps steps of at least 1.
  int FewestPositions = INT_MAX;
  // Per cent of a label's size kept free; when negative the first step is
  // taken as it is.
  int Separation = 10;
};

// The step for `count` labels: the span divided among them, grown along
// the nice steps until no more than `count` labels remain.
double LabelStepForCount(int count, const TLabelStepRule& rule);

// The label values from the top of the range down by `step`: the first one
// is High rounded toward zero to a multiple of the step (unless the range
// ends read the same), the last one the lowest not below Low. At most one
// label when the range or the step is too small to tell the labels apart,
// and none when there would be 10,000 or more or the span is infinite.
std::vector<double> LabelValues(double low, double high, double step);

}  // namespace chart
