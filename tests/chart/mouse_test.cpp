#include "chart/mouse.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>

#include "form_chart.h"

namespace chart {
namespace {

using Range = std::pair<double, double>;

enum class After { Same, Zoomed, Panned };

struct SettingsCase {
  std::string name;
  std::function<void(TChartMouse&)> set;
  TMouseButton button;
  int dx;
  int dy;
  After bottom;
  After left;
};

void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

class MouseSettings : public ::testing::TestWithParam<SettingsCase> {};

// The program's chart with 16 points, laid out by one paint, dragged from
// 20, 30 pixels inside the plot's upper left corner.
TEST_P(MouseSettings, ChooseWhatADragDoesToEachAxis) {
  const SettingsCase& c = GetParam();
  testing::FormChart form;
  form.AddPoints(16);
  form.Paint();
  TChartMouse mouse(form.Chart);
  c.set(mouse);
  const int x0 = form.Chart.ChartRect.Left + 20, y0 = form.Chart.ChartRect.Top + 30;
  const int x1 = x0 + c.dx, y1 = y0 + c.dy;
  const auto expected = [](TChartAxis& axis, After after, int from, int to) {
    const Range range{axis.Minimum(), axis.Maximum()};
    const double a = axis.PixelToValue(from), b = axis.PixelToValue(to);
    if (after == After::Zoomed) return axis.Horizontal ? Range{a, b} : Range{b, a};
    if (after == After::Panned) return Range{range.first + a - b, range.second + a - b};
    return range;
  };
  const Range bottom = expected(form.Chart.BottomAxis, c.bottom, x0, x1);
  const Range left = expected(form.Chart.LeftAxis, c.left, y0, y1);
  mouse.MouseDown(c.button, 0, x0, y0);
  mouse.MouseMove(0, x1, y1);
  mouse.MouseUp(c.button, 0, x1, y1);
  EXPECT_EQ((Range{form.Chart.BottomAxis.Minimum(), form.Chart.BottomAxis.Maximum()}), bottom);
  EXPECT_EQ((Range{form.Chart.LeftAxis.Minimum(), form.Chart.LeftAxis.Maximum()}), left);
}

const auto kDefaults = [](TChartMouse&) {};

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseSettings,
    ::testing::Values(
        SettingsCase{"LeftDragZooms", kDefaults, mbLeft, 40, 60, After::Zoomed, After::Zoomed},
        SettingsCase{"ZoomNotAllowed", [](TChartMouse& m) { m.Zoom.Allow = false; }, mbLeft, 40, 60,
                     After::Same, After::Same},
        SettingsCase{"ZoomHorizontal", [](TChartMouse& m) { m.Zoom.Direction = tzdHorizontal; },
                     mbLeft, 40, 60, After::Zoomed, After::Same},
        SettingsCase{"ZoomVertical", [](TChartMouse& m) { m.Zoom.Direction = tzdVertical; }, mbLeft,
                     40, 60, After::Same, After::Zoomed},
        SettingsCase{"SixteenPixelsAreTooFew", kDefaults, mbLeft, 16, 60, After::Same, After::Same},
        SettingsCase{"MinimumPixelsFive", [](TChartMouse& m) { m.Zoom.MinimumPixels = 5; }, mbLeft,
                     6, 6, After::Zoomed, After::Zoomed},
        SettingsCase{"RightDragPans", kDefaults, mbRight, 40, 60, After::Panned, After::Panned},
        SettingsCase{"PanningNone", [](TChartMouse& m) { m.AllowPanning = pmNone; }, mbRight, 40,
                     60, After::Same, After::Same},
        SettingsCase{"PanningHorizontal", [](TChartMouse& m) { m.AllowPanning = pmHorizontal; },
                     mbRight, 40, 60, After::Panned, After::Same}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace chart
