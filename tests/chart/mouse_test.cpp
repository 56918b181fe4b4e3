#include "chart/mouse.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form_chart.h"

namespace chart {
namespace {

using Range = std::pair<double, double>;

Range RangeOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

// The program's chart with 16 points, laid out by one paint, and its mouse.
class ChartMouseTest : public ::testing::Test {
 protected:
  ChartMouseTest() {
    Form.AddPoints(16);
    Form.Paint();
    Mouse.OnZoom = [this] { ++Zooms; };
    Mouse.OnUndoZoom = [this] { ++Restores; };
  }
  ~ChartMouseTest() override {
    ChartPanningShift = 0;
    ChartWheelScrolling = true;
  }

  const TRect& Plot() const { return Form.Chart.ChartRect; }
  TChartAxis& Bottom() { return Form.Chart.BottomAxis; }
  TChartAxis& Left() { return Form.Chart.LeftAxis; }

  void Drag(TMouseButton button, int x0, int y0, int x1, int y1) {
    Mouse.MouseDown(button, 0, x0, y0);
    Mouse.MouseMove(0, x1, y1);
    Mouse.MouseUp(button, 0, x1, y1);
  }

  testing::FormChart Form;
  TChartMouse Mouse{Form.Chart};
  int Zooms = 0;
  int Restores = 0;
};

template <class Case>
class ChartMouseCaseTest : public ChartMouseTest, public ::testing::WithParamInterface<Case> {};

const auto kCaseName = [](const auto& info) { return info.param.Name; };

struct DragCase {
  std::string Name;
  int Dx;
  int Dy;
  int MinimumPixels;
  int Zooms;
  int Restores;
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.Name; }

using ZoomDragTest = ChartMouseCaseTest<DragCase>;

TEST_P(ZoomDragTest, ZoomsRestoresOrIgnoresByLengthAndDirection) {
  const DragCase& c = GetParam();
  Mouse.Zoom.MinimumPixels = c.MinimumPixels;
  const int x = (Plot().Left + Plot().Right) / 2;
  const int y = (Plot().Top + Plot().Bottom) / 2;
  Drag(mbLeft, x, y, x + c.Dx, y + c.Dy);
  EXPECT_EQ(Zooms, c.Zooms);
  EXPECT_EQ(Restores, c.Restores);
  EXPECT_EQ(Mouse.Zoomed, c.Zooms == 1);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ZoomDragTest,
                         ::testing::Values(DragCase{"DownRight17By17Zooms", 17, 17, 16, 1, 0},
                                           DragCase{"Wide16DoesNothing", 16, 50, 16, 0, 0},
                                           DragCase{"High16DoesNothing", 50, 16, 16, 0, 0},
                                           DragCase{"UpLeftRestores", -30, -30, 16, 0, 1},
                                           DragCase{"DownLeftRestores", -30, 30, 16, 0, 1},
                                           DragCase{"NoMinimumOnePixelZooms", 1, 1, 0, 1, 0}),
                         kCaseName);

struct DirectionCase {
  std::string Name;
  TChartZoomDirection Direction;
  bool WholeWidth;
  bool WholeHeight;
};

void PrintTo(const DirectionCase& c, std::ostream* os) { *os << c.Name; }

using ZoomDirectionTest = ChartMouseCaseTest<DirectionCase>;

TEST_P(ZoomDirectionTest, OneWayZoomSpansThePlotTheOtherWay) {
  const DirectionCase& c = GetParam();
  Mouse.Zoom.Direction = c.Direction;
  const int x0 = Plot().Left + 20, y0 = Plot().Top + 30, x1 = x0 + 60, y1 = y0 + 90;
  const Range bottom{Bottom().PixelToValue(c.WholeWidth ? Plot().Left : x0),
                     Bottom().PixelToValue(c.WholeWidth ? Plot().Right : x1)};
  const Range left{Left().PixelToValue(c.WholeHeight ? Plot().Bottom : y1),
                   Left().PixelToValue(c.WholeHeight ? Plot().Top : y0)};
  Drag(mbLeft, x0, y0, x1, y1);
  EXPECT_EQ(RangeOf(Bottom()), bottom);
  EXPECT_EQ(RangeOf(Left()), left);
}

INSTANTIATE_TEST_SUITE_P(Directions, ZoomDirectionTest,
                         ::testing::Values(DirectionCase{"Both", tzdBoth, false, false},
                                           DirectionCase{"Horizontal", tzdHorizontal, false, true},
                                           DirectionCase{"Vertical", tzdVertical, true, false}),
                         kCaseName);

struct StartCase {
  std::string Name;
  std::function<void(TChartMouse&)> Set;
  TMouseButton Button;
  TShiftState Shift;
  bool Zooms;
  bool Pans;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.Name; }

using DragStartTest = ChartMouseCaseTest<StartCase>;

TEST_P(DragStartTest, SettingsChooseWhichDragStarts) {
  const StartCase& c = GetParam();
  c.Set(Mouse);
  Mouse.MouseDown(c.Button, c.Shift, Plot().Left + 20, Plot().Top + 20);
  EXPECT_EQ(Mouse.Zoom.Active, c.Zooms);
  EXPECT_EQ(Mouse.Panning.Active, c.Pans);
}

const auto kDefaults = [](TChartMouse&) {};
const auto kShiftToZoom = [](TChartMouse& m) { m.Zoom.KeyShift = ssShift; };
const auto kCtrlToPan = [](TChartMouse&) { ChartPanningShift = ssCtrl; };

INSTANTIATE_TEST_SUITE_P(
    Settings, DragStartTest,
    ::testing::Values(
        StartCase{"LeftZooms", kDefaults, mbLeft, 0, true, false},
        StartCase{"RightPans", kDefaults, mbRight, 0, false, true},
        StartCase{"MiddleDoesNothing", kDefaults, mbMiddle, 0, false, false},
        StartCase{"ZoomNotAllowed", [](TChartMouse& m) { m.Zoom.Allow = false; }, mbLeft, 0,
                  false, false},
        StartCase{"ZoomOnRightButton", [](TChartMouse& m) { m.Zoom.MouseButton = mbRight; },
                  mbRight, 0, true, true},
        StartCase{"ZoomKeyMissing", kShiftToZoom, mbLeft, ssCtrl, false, false},
        StartCase{"ZoomKeyHeld", kShiftToZoom, mbLeft, ssShift | ssCtrl, true, false},
        StartCase{"PanningOff", [](TChartMouse& m) { m.AllowPanning = pmNone; }, mbRight, 0,
                  false, false},
        StartCase{"ScrollOnMiddle", [](TChartMouse& m) { m.ScrollMouseButton = mbMiddle; },
                  mbMiddle, 0, false, true},
        StartCase{"PanKeyMissing", kCtrlToPan, mbRight, ssShift, false, false},
        StartCase{"PanKeyHeld", kCtrlToPan, mbRight, ssCtrl, false, true}),
    kCaseName);

struct PanCase {
  std::string Name;
  TPanningMode Mode;
  bool Horizontal;
  bool Vertical;
};

void PrintTo(const PanCase& c, std::ostream* os) { *os << c.Name; }

using PanModeTest = ChartMouseCaseTest<PanCase>;

TEST_P(PanModeTest, ScrollsTheAllowedDirectionsWithTheContentFollowingTheMouse) {
  const PanCase& c = GetParam();
  Mouse.AllowPanning = c.Mode;
  int scrolls = 0;
  Mouse.OnScroll = [&] { ++scrolls; };
  const int x0 = Plot().Left + 20, y0 = Plot().Top + 20, x1 = x0 + 25, y1 = y0 + 40;
  const double dx = Bottom().PixelToValue(x0) - Bottom().PixelToValue(x1);
  const double dy = Left().PixelToValue(y0) - Left().PixelToValue(y1);
  const Range bottom = RangeOf(Bottom());
  const Range left = RangeOf(Left());
  Drag(mbRight, x0, y0, x1, y1);
  const Range bottomAfter{bottom.first + dx, bottom.second + dx};
  const Range leftAfter{left.first + dy, left.second + dy};
  EXPECT_EQ(RangeOf(Bottom()), c.Horizontal ? bottomAfter : bottom);
  EXPECT_EQ(RangeOf(Left()), c.Vertical ? leftAfter : left);
  EXPECT_EQ(Left().Automatic, !c.Vertical);
  EXPECT_EQ(scrolls, 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, PanModeTest,
                         ::testing::Values(PanCase{"Both", pmBoth, true, true},
                                           PanCase{"Horizontal", pmHorizontal, true, false},
                                           PanCase{"Vertical", pmVertical, false, true}),
                         kCaseName);

TEST_F(ChartMouseTest, AllowScrollMayChangeOrRefuseARange) {
  Mouse.OnAllowScroll = [&](TChartAxis& axis, double& minimum, double& maximum, bool& allow) {
    if (&axis == &Left()) allow = false;
    if (&axis == &Bottom()) minimum = -5, maximum = 5;
  };
  Drag(mbRight, Plot().Left + 20, Plot().Top + 20, Plot().Left + 50, Plot().Top + 50);
  EXPECT_EQ(RangeOf(Bottom()), (Range{-5, 5}));
  EXPECT_TRUE(Left().Automatic);
}

enum class Spot { Margin, Title, Legend, LeftAxisTicks, BottomAxisLine, Plot };

struct ClickCase {
  std::string Name;
  Spot Where;
  std::string Event;
  bool Drags;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.Name; }

using ClickTest = ChartMouseCaseTest<ClickCase>;

TEST_P(ClickTest, DragsStartOnlyOnAnAxisOrInThePlot) {
  const ClickCase& c = GetParam();
  const TRect& plot = Plot();
  const TRect& title = Form.Chart.Title.ShapeRect;
  const TRect& legend = Form.Chart.Legend.ShapeRect;
  const std::pair<int, int> points[] = {{2, 2},
                                        {(title.Left + title.Right) / 2, title.Top + 2},
                                        {legend.Left + 3, legend.Top + 3},
                                        {plot.Left - 2, plot.Top + 40},
                                        {plot.Left + 40, plot.Bottom},
                                        {plot.Left + 40, plot.Top + 40}};
  std::vector<std::string> events;
  // Handlers that let the default handling go on.
  auto note = [&](std::string name) {
    events.push_back(std::move(name));
    Mouse.CancelMouse = false;
  };
  Mouse.OnClickLegend = [&](auto...) { note("legend"); };
  Mouse.OnClickAxis = [&](TChartAxis& axis, auto...) {
    note(&axis == &Left() ? "left axis" : &axis == &Bottom() ? "bottom axis" : "other axis");
  };
  Mouse.OnClickTitle = [&](auto&, auto...) { note("title"); };
  Mouse.OnClickBackground = [&](auto...) { note("background"); };
  const auto [x, y] = points[static_cast<int>(c.Where)];
  Mouse.MouseDown(mbLeft, 0, x, y);
  EXPECT_EQ(events, std::vector<std::string>{c.Event});
  EXPECT_EQ(Mouse.Zoom.Active, c.Drags);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, ClickTest,
    ::testing::Values(ClickCase{"Margin", Spot::Margin, "background", false},
                      ClickCase{"Title", Spot::Title, "title", false},
                      ClickCase{"Legend", Spot::Legend, "legend", false},
                      ClickCase{"LeftAxisTicks", Spot::LeftAxisTicks, "left axis", true},
                      ClickCase{"BottomAxisLine", Spot::BottomAxisLine, "bottom axis", true},
                      ClickCase{"Plot", Spot::Plot, "background", true}),
    kCaseName);

TEST_F(ChartMouseTest, AHandlerThatKeepsTheCancelStopsTheDragUntilRelease) {
  Mouse.OnClickBackground = [](auto...) {};
  const int x = Plot().Left + 20, y = Plot().Top + 20;
  Mouse.MouseDown(mbLeft, 0, x, y);
  EXPECT_FALSE(Mouse.Zoom.Active);
  Mouse.MouseUp(mbLeft, 0, x, y);
  Mouse.OnClickBackground = nullptr;
  Form.Series->Active = false;
  Mouse.MouseDown(mbLeft, 0, x, y);
  EXPECT_FALSE(Mouse.Zoom.Active) << "without active series the plot is background";
  Form.Series->Active = true;
  Mouse.MouseDown(mbLeft, 0, x, y);
  EXPECT_TRUE(Mouse.Zoom.Active);
}

// Notes the bottom axis' minimum at every step the zoom shows.
struct StepRecorder : TChartMouse {
  explicit StepRecorder(TCustomChart& chart) : TChartMouse(chart), Axis(chart.BottomAxis) {}
  void RepaintNow() override { Minimums.push_back(Axis.Minimum()); }

  TChartAxis& Axis;
  std::vector<double> Minimums;
};

TEST_F(ChartMouseTest, AnimatedZoomShowsEachStepOnTheWay) {
  StepRecorder animated(Form.Chart);
  animated.Zoom.Animated = true;
  animated.Zoom.AnimatedSteps = 4;
  const int x0 = Plot().Left + 40, y0 = Plot().Top + 40;
  const double target = Bottom().PixelToValue(x0);
  animated.MouseDown(mbLeft, 0, x0, y0);
  animated.MouseUp(mbLeft, 0, x0 + 50, y0 + 50);
  ASSERT_EQ(animated.Minimums.size(), 3u);
  EXPECT_DOUBLE_EQ(animated.Minimums[0], target / 4);
  EXPECT_DOUBLE_EQ(animated.Minimums[2], target * 3 / 4);
  EXPECT_EQ(Bottom().Minimum(), target);
}

struct WheelCase {
  std::string Name;
  bool Scrolling;
  std::vector<int> Deltas;
  Range Left;
};

void PrintTo(const WheelCase& c, std::ostream* os) { *os << c.Name; }

using WheelTest = ChartMouseCaseTest<WheelCase>;

TEST_P(WheelTest, NotchesScrollTheVerticalAxesByThreePerCent) {
  const WheelCase& c = GetParam();
  ChartWheelScrolling = c.Scrolling;
  for (int delta : c.Deltas) EXPECT_EQ(Mouse.MouseWheel(delta), c.Scrolling);
  EXPECT_DOUBLE_EQ(Left().Minimum(), c.Left.first);
  EXPECT_DOUBLE_EQ(Left().Maximum(), c.Left.second);
  EXPECT_EQ(RangeOf(Bottom()), (Range{0, 100}));
}

INSTANTIATE_TEST_SUITE_P(
    Notches, WheelTest,
    ::testing::Values(WheelCase{"OneUp", true, {120}, {-0.45, 14.55}},
                      WheelCase{"TwoHalvesMakeOne", true, {-60, -60}, {0.45, 15.45}},
                      WheelCase{"AHalfDoesNothing", true, {60}, {0, 15}},
                      WheelCase{"TwoInOneEvent", true, {-240}, {0.9, 15.9}},
                      WheelCase{"SwitchedOff", false, {-120}, {0, 15}}),
    kCaseName);

}  // namespace
}  // namespace chart
