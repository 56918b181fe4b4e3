#include "chart/series.h"

#include <array>

#include "chart/axis.h"
#include "chart/chart.h"

namespace chart {

TColor PaletteColor(int index) {
  static constexpr std::array<TColor, 12> kPalette = {
      clRed,  clGreen, clYellow, clBlue,   clWhite, clGray,
      clNavy, clMaroon, clLime,  clSilver, clBlack, RGB(0, 128, 128)};
  return kPalette[static_cast<std::size_t>(index) % kPalette.size()];
}

TChartSeries::TChartSeries() {
  XValues.Order = loAscending;
  YValues.Order = loNone;
}

void TChartSeries::Clear() {
  XValues.RemoveAll();
  YValues.RemoveAll();
  PointColors.reset();
  PointLabels.clear();
  if (Active) Repaint();
}

int TChartSeries::Add(double value, const std::string& label, TColor color) {
  if (YIsMandatory) return AddXY(static_cast<double>(XValues.Count()), value, label, color);
  return AddXY(value, static_cast<double>(YValues.Count()), label, color);
}

int TChartSeries::AddXY(double x, double y, const std::string& label, TColor color) {
  // The X list places the point by its order; Y takes the same index.
  const int index = XValues.AddValue(x);
  YValues.InsertValue(index, y);
  if (!PointColors && color != clTeeColor) {
    // Count already includes the new point, whose entry is inserted next.
    PointColors.emplace(static_cast<std::size_t>(Count() - 1), clTeeColor);
  }
  if (PointColors) PointColors->insert(PointColors->begin() + index, color);
  if (!label.empty() || !PointLabels.empty()) {
    if (PointLabels.size() < static_cast<std::size_t>(index)) {
      PointLabels.resize(static_cast<std::size_t>(index));
    }
    std::optional<std::string> entry;
    if (!label.empty()) entry = label;
    PointLabels.insert(PointLabels.begin() + index, std::move(entry));
  }
  if (updateCount_ == 0 && Active) Repaint();
  return index;
}

void TChartSeries::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && Active) Repaint();
}

void TChartSeries::Repaint() {
  if (parentChart_) parentChart_->Invalidate();
}

TColor TChartSeries::PointColor(int index) const {
  if (PointColors && index >= 0 && static_cast<std::size_t>(index) < PointColors->size()) {
    const TColor own = (*PointColors)[static_cast<std::size_t>(index)];
    if (own != clTeeColor) return own;
  }
  if (ColorEachPoint) return PaletteColor(index);
  return SeriesColor;
}

std::string TChartSeries::PointLabel(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= PointLabels.size()) return {};
  const auto& entry = PointLabels[static_cast<std::size_t>(index)];
  return entry ? *entry : std::string();
}

TChartAxis* TChartSeries::GetHorizAxis() const {
  if (!parentChart_) return nullptr;
  return HorizAxis == aTopAxis ? &parentChart_->TopAxis : &parentChart_->BottomAxis;
}

TChartAxis* TChartSeries::GetVertAxis() const {
  if (!parentChart_) return nullptr;
  return VertAxis == aRightAxis ? &parentChart_->RightAxis : &parentChart_->LeftAxis;
}

bool TChartSeries::UsesAxis(const TChartAxis& axis) const {
  if (axis.Horizontal()) return HorizAxis == aBothHorizAxis || GetHorizAxis() == &axis;
  return VertAxis == aBothVertAxis || GetVertAxis() == &axis;
}

void TChartSeries::CalcFirstLastVisibleIndex() {
  FirstVisible = LastVisible = -1;
  if (Count() == 0) return;
  // Every point is drawn; the chart's clipping hides those outside the axes.
  FirstVisible = 0;
  LastVisible = Count() - 1;
}

void TChartSeries::DrawPoints(TChartCanvas3D&) {}

void TChartSeries::DrawLegendSymbol(TChartCanvas3D& canvas, int, const TRect& rect) {
  canvas.DrawRect(rect);
}

}  // namespace chart
