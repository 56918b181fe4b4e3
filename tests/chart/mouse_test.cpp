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

// The program's chart with 16 points, painted on the recording canvas,
// has its plot from (34, 40) to (234, 434): the bottom axis shows 0..100
// over 200 pixels and the left axis 15..0 over 394.
double BottomValueAt(int x) { return (x - 34) * 100.0 / 200; }
double LeftValueAt(int y) { return 15 - (y - 40) * 15.0 / 394; }

// A drag from (54, 70), 20 and 30 pixels inside the plot's upper left corner.
constexpr int kX0 = 54;
constexpr int kY0 = 70;
const Range kBottom{0, 100};
const Range kLeft{0, 15};

struct SettingsCase {
  std::string name;
  std::function<void(TChartMouse&)> set;
  TMouseButton button;
  int dx;
  int dy;
  Range bottom;
  Range left;
};

void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }

class MouseSettings : public ::testing::TestWithParam<SettingsCase> {};

void ExpectRange(const TChartAxis& axis, const Range& range) {
  EXPECT_NEAR(axis.Minimum(), range.first, 1e-9);
  EXPECT_NEAR(axis.Maximum(), range.second, 1e-9);
}

TEST_P(MouseSettings, ChooseWhatADragDoesToEachAxis) {
  const SettingsCase& c = GetParam();
  testing::FormChart form;
  form.AddPoints(16);
  form.Paint();
  ASSERT_EQ(form.Chart.ChartRect, (TRect{34, 40, 234, 434}));
  TChartMouse mouse(form.Chart);
  c.set(mouse);
  const int x1 = kX0 + c.dx, y1 = kY0 + c.dy;
  mouse.MouseDown(c.button, 0, kX0, kY0);
  mouse.MouseMove(0, x1, y1);
  mouse.MouseUp(c.button, 0, x1, y1);
  ExpectRange(form.Chart.BottomAxis, c.bottom);
  ExpectRange(form.Chart.LeftAxis, c.left);
}

const auto kDefaults = [](TChartMouse&) {};
// The 40 by 60 pixel drag: zoomed, or scrolled by what it spans.
const Range kBottomZoomed{BottomValueAt(54), BottomValueAt(94)};
const Range kLeftZoomed{LeftValueAt(130), LeftValueAt(70)};
const Range kBottomPanned{-20, 80};
const Range kLeftPanned{60 * 15.0 / 394, 15 + 60 * 15.0 / 394};

INSTANTIATE_TEST_SUITE_P(
    Cases, MouseSettings,
    ::testing::Values(
        SettingsCase{"LeftDragZooms", kDefaults, mbLeft, 40, 60, kBottomZoomed, kLeftZoomed},
        SettingsCase{"ZoomNotAllowed", [](TChartMouse& m) { m.Zoom.Allow = false; }, mbLeft, 40, 60,
                     kBottom, kLeft},
        SettingsCase{"ZoomHorizontal", [](TChartMouse& m) { m.Zoom.Direction = tzdHorizontal; },
                     mbLeft, 40, 60, kBottomZoomed, kLeft},
        SettingsCase{"ZoomVertical", [](TChartMouse& m) { m.Zoom.Direction = tzdVertical; }, mbLeft,
                     40, 60, kBottom, kLeftZoomed},
        SettingsCase{"SixteenPixelsAreTooFew", kDefaults, mbLeft, 16, 60, kBottom, kLeft},
        SettingsCase{"MinimumPixelsFive", [](TChartMouse& m) { m.Zoom.MinimumPixels = 5; }, mbLeft,
                     6, 6, Range{10, 13}, Range{LeftValueAt(76), LeftValueAt(70)}},
        SettingsCase{"RightDragPans", kDefaults, mbRight, 40, 60, kBottomPanned, kLeftPanned},
        SettingsCase{"PanningNone", [](TChartMouse& m) { m.AllowPanning = pmNone; }, mbRight, 40,
                     60, kBottom, kLeft},
        SettingsCase{"PanningHorizontal", [](TChartMouse& m) { m.AllowPanning = pmHorizontal; },
                     mbRight, 40, 60, kBottomPanned, kLeft}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace chart
