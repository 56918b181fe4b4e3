#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/study.h"
#include "model/strengthunits.h"

namespace chart {
class TCustomChart;
class TLineSeries;
}  // namespace chart

namespace widgets {

// What a study chart plots against the reflux ratio.
enum class StudyQuantity { kTopStrength, kProduct, kEfficiency };

// A chart of one quantity of a study against the reflux ratio: one line per
// tray count in colours told apart with colour-vision deficiencies, titled
// "N = 5" in the legend, and a dashed vertical marker at the main window's
// reflux ratio, labelled in the legend. Lines are shown
// as they come; a tray count whose line has not come yet is not drawn.
class TStudyChart {
 public:
  TStudyChart(chart::TCustomChart& chart, StudyQuantity quantity);

  // Starts over with one empty line per tray count.
  void Reset(const std::vector<int>& traycounts);
  // Shows the finished line of tray count number `index`; its failed points
  // are left out of it.
  void ShowLine(int index, const analysis::StudyLine& line);
  // The marker's reflux ratio; none hides it.
  void SetMarker(std::optional<long double> refluxratio);
  // Plots another quantity of the same lines.
  void SetQuantity(StudyQuantity quantity);
  StudyQuantity Quantity() const { return quantity_; }
  // The unit top strengths are shown in: by mass (as computed) or by volume.
  void SetStrengthUnit(model::StrengthUnit unit);

  // The shown lines' points, nearest first, by pixel distance from (x, y)
  // on the chart's last paint: its text for a status line ("ФЧ 4.2:
  // 93.41 % при N = 20"), or empty when no line has a point.
  std::string NearestPointText(int x, int y) const;
  // The keyboard's way to the same texts: steps `along` the line of the
  // last step, a fiftieth of its points a step (a study line may have ten
  // thousand), and `across` shown lines, both held at their ends, and tells
  // that point. The first step, and the first after a Reset, tells
  // the first point of the first line shown.
  std::string StepPoint(int along, int across);

  // The notes under the chart: for each line with failed points, "N = 5: 3
  // точки не рассчитаны: Floating point overflow".
  std::vector<std::string> FailureNotes() const;

 private:
  long double ValueOf(const analysis::StudyPoint& point) const;
  void Fill(std::size_t index);
  void PlaceMarker();
  std::string PointText(const chart::TLineSeries& line, int point) const;

  chart::TCustomChart& chart_;
  StudyQuantity quantity_;
  model::StrengthUnit unit_ = model::StrengthUnit::kMass;
  std::vector<chart::TLineSeries*> lines_;
  std::vector<std::optional<analysis::StudyLine>> data_;
  chart::TLineSeries* marker_ = nullptr;
  std::optional<long double> markerAt_;
  // Where the keyboard's steps stand; -1 before the first.
  int cursorLine_ = -1;
  int cursorPoint_ = -1;
};

// The title of a quantity's chart, top strengths in `unit`.
std::string StudyQuantityTitle(StudyQuantity quantity,
                               model::StrengthUnit unit = model::StrengthUnit::kMass);

}  // namespace widgets
