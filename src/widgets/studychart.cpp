#include "widgets/studychart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "chart/chart.h"
#include "chart/lineseries.h"
#include "commands/analysistexts.h"
#include "numtext/numtext.h"

namespace widgets {

std::string StudyQuantityTitle(StudyQuantity quantity, model::StrengthUnit unit) {
  switch (quantity) {
    case StudyQuantity::kTopStrength:
      return unit == model::StrengthUnit::kVolume ? "Крепость отбора, %об. — по флегмовому числу"
                                                     : "Крепость отбора, % — по флегмовому числу";
    case StudyQuantity::kProduct: return "Отбор продукта, г/ч — по флегмовому числу";
    case StudyQuantity::kEfficiency: return "КПД по этанолу, % — по флегмовому числу";
  }
  return {};
}

namespace {

std::string UnitOf(StudyQuantity quantity, model::StrengthUnit unit) {
  if (quantity == StudyQuantity::kProduct) return " г/ч";
  return quantity == StudyQuantity::kTopStrength && unit == model::StrengthUnit::kVolume ? " %об." : " %";
}

// The values axis's title, with its unit.
std::string ValueAxisTitle(StudyQuantity quantity, model::StrengthUnit unit) {
  switch (quantity) {
    case StudyQuantity::kTopStrength:
      return unit == model::StrengthUnit::kVolume ? "крепость, %об." : "крепость, %масс";
    case StudyQuantity::kProduct: return "отбор, г/ч";
    case StudyQuantity::kEfficiency: return "КПД, %";
  }
  return {};
}

}  // namespace

TStudyChart::TStudyChart(chart::TCustomChart& chart, StudyQuantity quantity)
    : chart_(chart), quantity_(quantity) {
  chart_.Title.Text = {StudyQuantityTitle(quantity)};
  // One row per tray count, whatever the number of lines shown.
  chart_.Legend.LegendStyle = chart::lsSeries;
  chart_.BottomAxis.Title = "флегмовое число R";
  chart_.LeftAxis.Title = ValueAxisTitle(quantity, unit_);
  // Black and dashed, so that it differs from the dotted grey grid; added
  // first, so that the lines are drawn over it.
  auto marker = std::make_unique<chart::TLineSeries>();
  marker->SeriesColor = chart::clBlack;
  marker->LinePen.Style = chart::psDash;
  marker->Active = false;
  marker_ = chart_.AddSeries(std::move(marker));
}

long double TStudyChart::ValueOf(const analysis::StudyPoint& point) const {
  switch (quantity_) {
    case StudyQuantity::kTopStrength: return model::StrengthIn(point.toppercent, unit_);
    case StudyQuantity::kProduct: return point.product;
    case StudyQuantity::kEfficiency: return point.efficiencypercent;
  }
  return 0;
}

void TStudyChart::Reset(const std::vector<int>& traycounts) {
  // Lines are kept from one study to the next, each with the colour of its
  // place; those the new study does not need are hidden.
  while (lines_.size() < traycounts.size()) {
    auto line = std::make_unique<chart::TLineSeries>();
    line->SeriesColor = chart::kDistinctColours[lines_.size() % std::size(chart::kDistinctColours)];
    lines_.push_back(chart_.AddSeries(std::move(line)));
  }
  data_.assign(traycounts.size(), std::nullopt);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    chart::TLineSeries& line = *lines_[i];
    line.Clear();
    line.Active = false;
    line.ShowInLegend = i < traycounts.size();
    if (i >= traycounts.size()) continue;
    line.Title = "N = " + std::to_string(traycounts[i]);
    // Each line is a pixel wider than the one drawn after it, so that lines
    // that coincide (as tray counts do at a weak still) show as bands of
    // their colours, the last one thinnest on top.
    line.LinePen.Width = static_cast<int>(traycounts.size() - i);
    // Room for half the line's width at the ends of the ranges, so that a
    // line at the maximum lies inside the frame, not on it.
    line.EndMargin = line.LinePen.Width / 2 + 3;
  }
  cursorLine_ = cursorPoint_ = -1;
  PlaceMarker();
}

void TStudyChart::Fill(std::size_t index) {
  chart::TLineSeries& series = *lines_[index];
  series.BeginUpdate();
  series.Clear();
  for (const analysis::StudyPoint& point : data_[index]->points) {
    if (!point.Failed()) {
      series.AddXY(static_cast<double>(point.refluxratio), static_cast<double>(ValueOf(point)));
    }
  }
  series.Active = true;
  series.EndUpdate();
}

void TStudyChart::ShowLine(int index, const analysis::StudyLine& line) {
  if (index < 0 || static_cast<std::size_t>(index) >= data_.size()) return;
  data_[static_cast<std::size_t>(index)] = line;
  Fill(static_cast<std::size_t>(index));
  PlaceMarker();
}

void TStudyChart::SetStrengthUnit(model::StrengthUnit unit) {
  unit_ = unit;
  SetQuantity(quantity_);
}

void TStudyChart::SetQuantity(StudyQuantity quantity) {
  quantity_ = quantity;
  chart_.Title.Text = {StudyQuantityTitle(quantity, unit_)};
  chart_.LeftAxis.Title = ValueAxisTitle(quantity, unit_);
  for (std::size_t i = 0; i < data_.size(); ++i) {
    if (data_[i]) Fill(i);
  }
  PlaceMarker();
}

void TStudyChart::SetMarker(std::optional<long double> refluxratio) {
  markerAt_ = refluxratio;
  PlaceMarker();
}

// The marker spans the values shown, so it never widens the automatic range.
void TStudyChart::PlaceMarker() {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (chart::TLineSeries* line : lines_) {
    if (!line->Active || line->Count() == 0) continue;
    low = std::min(low, line->YValues.MinValue());
    high = std::max(high, line->YValues.MaxValue());
  }
  marker_->Clear();
  const bool shown = markerAt_ && std::isfinite(static_cast<double>(*markerAt_)) && low <= high;
  if (shown) {
    marker_->Title = "R = " + numtext::FormatFloat("0.##", static_cast<double>(*markerAt_)) + " главного окна";
    marker_->AddXY(static_cast<double>(*markerAt_), low);
    marker_->AddXY(static_cast<double>(*markerAt_), high);
  }
  marker_->Active = shown;
  chart_.Invalidate();
}

std::string TStudyChart::NearestPointText(int x, int y) const {
  long long best = std::numeric_limits<long long>::max();
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const chart::TLineSeries& line = *lines_[i];
    if (!line.Active) continue;
    for (int p = 0; p < line.Count(); ++p) {
      const long long dx = line.PointPixelX(p) - x;
      const long long dy = line.PointPixelY(p) - y;
      if (dx * dx + dy * dy >= best) continue;
      best = dx * dx + dy * dy;
      text = PointText(line, p);
    }
  }
  return text;
}

std::string TStudyChart::PointText(const chart::TLineSeries& line, int point) const {
  return "ФЧ " + numtext::FormatFloat("0.##", line.XValues[point]) + ": " +
         numtext::FormatFloat(quantity_ == StudyQuantity::kProduct ? "0" : "0.00", line.YValues[point]) +
         UnitOf(quantity_, unit_) + " при " + line.Title;
}

std::string TStudyChart::StepPoint(int along, int across) {
  std::vector<int> shown;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i]->Active && lines_[i]->Count() > 0) shown.push_back(static_cast<int>(i));
  }
  if (shown.empty()) return {};
  // A line that is no longer shown gives way to the first that is.
  auto at = std::find(shown.begin(), shown.end(), cursorLine_);
  if (at == shown.end()) {
    at = shown.begin();
    cursorPoint_ = 0;
  } else {
    const auto moved = (at - shown.begin()) + across;
    at = shown.begin() + std::clamp<std::ptrdiff_t>(moved, 0, std::ssize(shown) - 1);
    cursorPoint_ += along * std::max(1, lines_[static_cast<std::size_t>(*at)]->Count() / 50);
  }
  cursorLine_ = *at;
  const chart::TLineSeries& line = *lines_[static_cast<std::size_t>(cursorLine_)];
  cursorPoint_ = std::clamp(cursorPoint_, 0, line.Count() - 1);
  return PointText(line, cursorPoint_);
}

std::vector<std::string> TStudyChart::FailureNotes() const {
  std::vector<std::string> notes;
  for (std::size_t i = 0; i < data_.size(); ++i) {
    if (!data_[i]) continue;
    for (const analysis::FailureCount& failure : data_[i]->Failures()) {
      notes.push_back(lines_[i]->Title + ": " + commands::FailureNote(failure));
    }
  }
  return notes;
}

}  // namespace widgets
