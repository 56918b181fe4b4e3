#include "chart/legend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "../numtext/scoped_separators.h"
#include "chart/chart.h"
#include "chart/exceptions.h"
#include "chart/legendtext.h"
#include "form_chart.h"

namespace chart {
namespace {

using Args = std::vector<int>;
using Texts = std::vector<std::string>;

// The program's chart with the legend drawn alone against the plot as it
// stands before legend and titles: (9, 19, 287, 454) in 296 x 473. The
// recording canvas makes rows 13 pixels high and characters 6 wide.
struct LegendOnly {
  LegendOnly() : Series(testing::ConfigureAsForm(Chart)) {}
  LegendOnly& Add(const std::vector<double>& values) {
    for (double v : values) Series->Add(v);
    return *this;
  }
  void Draw() {
    Chart.ChartBounds = {0, 0, 296, 473};
    Chart.ChartRect = {9, 19, 287, 454};
    Chart.RecalcWidthHeight();
    Canvas.Clear();
    Legend.Draw(Chart, Canvas);
  }
  // The text drawn with its top at y.
  std::string TextAt(int y) const {
    for (const auto& call : Canvas.Calls("TextOutAt")) {
      if (call.Args[1] == y) return call.Text;
    }
    return "(none)";
  }

  ScopedSeparators separators{".", ","};
  TCustomChart Chart;
  TChartLegend& Legend = Chart.Legend;
  THorizLineSeries* Series;
  testing::TRecordingCanvas Canvas;
};

TEST(Legend, SixteenPointsInvertedStandAtTheRightWithTheLastOnTop) {
  LegendOnly l;
  for (int i = 0; i < 16; ++i) l.Series->Add(0.25 + 5 * i);  // up to "75.25", 30 pixels
  l.Draw();
  // tw = 2 * 6 - 1 + 30 = 41, symbol 20 % of 51 = 10, width 61;
  // right = 287 - shadow 3 - (frame 1 + 1); top = 10 % of 473.
  EXPECT_EQ(l.Legend.ShapeRect, (TRect{221, 47, 282, 257}));
  const auto rects = l.Canvas.Calls("DrawRect");
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].Args, (Args{225, 51, 286, 261}));  // shadow, 3 + frame off
  EXPECT_EQ(rects[0].BrushColor, clBlack);
  EXPECT_EQ(rects[1].Args, (Args{221, 47, 282, 257}));
  EXPECT_EQ(rects[1].BrushColor, clWhite);
  // Row p at 48 + 13 p; values end at text x 241 + 30.
  EXPECT_EQ(l.TextAt(48), "75.25");
  EXPECT_EQ(l.TextAt(48 + 13 * 15), "0.25");
  for (const auto& call : l.Canvas.Calls("TextOutAt")) {
    EXPECT_EQ(call.Args[0], 271);
    EXPECT_EQ(call.TextAlign, taRight);
    EXPECT_EQ(call.BackMode, bmTransparent);
  }
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 16u);
  EXPECT_EQ(symbols.back().Args, (Args{227, 237, 48 + 6}));
  EXPECT_EQ(symbols.back().Pen.Color, clRed);
  // The plot ends 3 % of its width (8) left of the box.
  EXPECT_EQ(l.Chart.ChartRect, (TRect{9, 19, 213, 454}));
  EXPECT_EQ(l.Chart.ChartWidth, 204);
}

TEST(Legend, OnlyTheFirstItemsThatFitAreListed) {
  LegendOnly l;
  l.Legend.VertSpacing = 1;  // 14-pixel rows
  for (int i = 0; i < 101; ++i) l.Series->Add(i);
  l.Draw();
  // (454 - 47 - 2) / 14 = 28 rows: points 0 to 27, point 27 on top.
  EXPECT_EQ(l.Canvas.Texts().size(), 28u);
  EXPECT_EQ(l.Legend.ShapeRect.Bottom, 47 + 28 * 14 + 2);
  EXPECT_EQ(l.TextAt(48), "27");
  EXPECT_EQ(l.TextAt(48 + 27 * 14), "0");
}

TEST(Legend, WithoutItemsOrRoomNothingIsDrawnAndNoSpaceTaken) {
  LegendOnly empty;
  empty.Draw();
  LegendOnly noRoom;
  noRoom.Add({1, 2}).Legend.TopPos = 97;  // starts below the plot's bottom
  noRoom.Draw();
  for (LegendOnly* l : {&empty, &noRoom}) {
    EXPECT_TRUE(l->Canvas.Calls("DrawRect").empty());
    EXPECT_TRUE(l->Canvas.Texts().empty());
    EXPECT_EQ(l->Chart.ChartRect, (TRect{9, 19, 287, 454}));
  }
}

struct AlignmentCase {
  std::string name;
  TLegendAlignment alignment;
  TRect box;
  TRect plotAfter;
  Args firstText;
};

void PrintTo(const AlignmentCase& c, std::ostream* os) { *os << c.name; }

class LegendAlignment : public ::testing::TestWithParam<AlignmentCase> {};

// "1.5", "22.5", "75.25", not inverted. Beside: width 61 as above. Across:
// symbol 20 % of tw = 8; (278 - 2 - 8) / 57 = 4 columns, capped at 3; one
// row; (41 + 8) * 3 + 12 + 12 = 171 gives width 170 at 10 % of (296 - 170)
// + 148 - 85; gaps 3 % of 278 and 4 % of 435.
TEST_P(LegendAlignment, BoxFirstRowAndSpaceGivenUp) {
  const AlignmentCase& c = GetParam();
  LegendOnly l;
  l.Legend.Inverted = false;
  l.Legend.Alignment = c.alignment;
  l.Add({1.5, 22.5, 75.25}).Draw();
  EXPECT_EQ(l.Legend.ShapeRect, c.box);
  EXPECT_EQ(l.Chart.ChartRect, c.plotAfter);
  ASSERT_EQ(l.Canvas.Texts(), (Texts{"1.5", "22.5", "75.25"}));
  EXPECT_EQ(l.Canvas.Calls("TextOutAt")[0].Args, c.firstText);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, LegendAlignment,
    ::testing::Values(AlignmentCase{"Right", laRight, {221, 47, 282, 88}, {9, 19, 213, 454}, {271, 48}},
                      AlignmentCase{"Left", laLeft, {11, 47, 72, 88}, {80, 19, 287, 454}, {61, 48}},
                      AlignmentCase{"Top", laTop, {76, 21, 246, 36}, {9, 53, 287, 454}, {124, 22}},
                      AlignmentCase{"Bottom", laBottom, {76, 437, 246, 452}, {9, 19, 287, 420},
                                    {124, 438}}),
    [](const auto& info) { return info.param.name; });

TEST(Legend, AcrossThePlotItemsFillRowsOfColumnsUpToMaxNumRows) {
  LegendOnly l;
  l.Legend.Inverted = false;
  l.Legend.Alignment = laTop;
  l.Legend.MaxNumRows = 2;
  l.Add(std::vector<double>(10, 75.25)).Draw();
  // 4 columns 55 pixels apart; 2 rows hold 8 of the 10 items.
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 8u);
  const int x0 = l.Legend.ShapeRect.Left + 6 + 8 + 4 + 30;
  EXPECT_EQ(texts[1].Args, (Args{x0 + 55, 22}));
  EXPECT_EQ(texts[4].Args, (Args{x0, 22 + 13}));
}

TEST(Legend, ValuesFollowTheLocaleSeparators) {
  LegendOnly l;
  l.Add({9.4, 75.962, 1234.5});
  {
    ScopedSeparators comma(",", " ");
    l.Draw();
    EXPECT_EQ(l.Canvas.Texts(), (Texts{"9,4", "75,962", "1 234,5"}));
  }
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"9.4", "75.962", "1,234.5"}));
}

struct SymbolCase {
  std::string name;
  TLegendSymbol symbol;
  int width;       // of the box, for the texts "1" and "2": tw = 17
  int symbolLeft;  // from the box's left; -1: no symbol
  int textEnd;     // from the box's left
};

void PrintTo(const SymbolCase& c, std::ostream* os) { *os << c.name; }

class LegendSymbolPlace : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(LegendSymbolPlace, SymbolWidthAndPositionShapeTheRow) {
  const SymbolCase& c = GetParam();
  LegendOnly l;
  l.Legend.Symbol = c.symbol;
  l.Add({1, 2}).Draw();
  const int left = l.Legend.ShapeRect.Left;
  EXPECT_EQ(l.Legend.ShapeRect.Width(), c.width);
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  EXPECT_EQ(symbols.empty() ? -1 : symbols[0].Args[0] - left, c.symbolLeft);
  EXPECT_EQ(l.Canvas.Calls("TextOutAt")[0].Args[0] - left, c.textEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, LegendSymbolPlace,
    ::testing::Values(SymbolCase{"pixels", {.Width = 12, .WidthUnits = lcsPixels}, 39, 6, 28},
                      SymbolCase{"squared", {.Squared = true}, 35, 6, 6 + 8 + 4 + 6},  // 13 - 5
                      SymbolCase{"hidden", {.Visible = false}, 27, -1, 6 + 4 + 6},
                      SymbolCase{"right", {.Position = spRight}, 32, 6 + 17, 6 + 6}),
    [](const auto& info) { return info.param.name; });

TEST(Legend, DividingLinesWidenTheRowsAndSeparateThem) {
  LegendOnly l;
  l.Legend.DividingLines = {.Color = clGray, .Visible = true};
  l.Add({1, 2, 3}).Draw();
  EXPECT_EQ(l.Legend.ShapeRect.Height(), 3 * 14 + 2);
  std::vector<int> ys;
  for (const auto& call : l.Canvas.Calls("HorizontalLine")) {
    if (call.Pen.Color == clGray) ys.push_back(call.Args[2]);
  }
  EXPECT_EQ(ys, (std::vector<int>{48 + 28, 48 + 14}));  // first item at the bottom
}

TEST(Legend, TwoActiveSeriesGetOneRowEachLeftAligned) {
  LegendOnly l;
  l.Legend.Inverted = false;
  l.Add({1, 2, 3});
  auto* second = l.Chart.AddSeries(std::make_unique<THorizLineSeries>());
  second->Title = "вторая";
  EXPECT_EQ(l.Legend.ResolvedStyle(l.Chart), lsSeries);
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"Series1", "вторая"}));
  EXPECT_EQ(l.Canvas.Calls("TextOutAt")[1].TextAlign, taLeft);
  // The last value of each series; the empty one has no text.
  l.Legend.LegendStyle = lsLastValues;
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"3"}));
  EXPECT_EQ(l.Canvas.Calls("HorizontalLine").size(), 2u);
}

TEST(Legend, FirstValueSkipsItemsAndRefusesNegatives) {
  LegendOnly l;
  l.Legend.SetFirstValue(1);
  l.Add({1, 2, 3}).Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"2", "3"}));
  EXPECT_THROW(l.Legend.SetFirstValue(-1), LegendException);
  EXPECT_EQ(l.Legend.FirstValue(), 1);
}

TEST(Legend, WithPagingOnlyTheCurrentPageIsListed) {
  LegendOnly l;
  l.Chart.SetMaxPointsPerPage(4);
  l.Chart.Page = 2;
  l.Add({0, 1, 2, 3, 4, 5, 6}).Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"4", "5", "6"}));
  l.Chart.Page = 1 << 30;
  l.Draw();
  EXPECT_TRUE(l.Canvas.Texts().empty());
}

TEST(Legend, LabelColumnLeftValueColumnRightAndNoLineBreaks) {
  LegendOnly l;
  l.Legend.TextStyle = ltsRightValue;
  l.Series->Add(5, "a\rb");
  l.Series->Add(15, "c");
  l.Draw();
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].Text, "a b");
  EXPECT_EQ(texts[0].TextAlign, taLeft);
  EXPECT_EQ(texts[1].Text, "5");
  EXPECT_EQ(texts[1].TextAlign, taRight);
  // Column 0 is 18 wide, then a space, then column 1, 12 wide.
  EXPECT_EQ(texts[1].Args[0], texts[0].Args[0] + 18 + 6 + 12);
}

struct TextStyleCase {
  TLegendTextStyle style;
  std::string text;
};

class LegendTextStyle : public ::testing::TestWithParam<TextStyleCase> {};

// Point 1 of a series holding 5 and 15, both labelled "a": 15 is 75 % of
// the absolute sum. The column separator shows as "|".
TEST_P(LegendTextStyle, CombinesLabelValuePercentAndX) {
  ScopedSeparators separators(".", ",");
  THorizLineSeries series;
  series.Add(5, "a");
  series.Add(15, "a");
  std::string text = SeriesValueText(series, 1, GetParam().style);
  std::replace(text.begin(), text.end(), kLegendColumnSeparator, '|');
  EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, LegendTextStyle,
    ::testing::Values(TextStyleCase{ltsPlain, "a"}, TextStyleCase{ltsLeftValue, "15|a"},
                      TextStyleCase{ltsRightValue, "a|15"}, TextStyleCase{ltsLeftPercent, "75 %|a"},
                      TextStyleCase{ltsRightPercent, "a|75 %"}, TextStyleCase{ltsXValue, "15"},
                      TextStyleCase{ltsValue, "15"}, TextStyleCase{ltsPercent, "75 %"},
                      TextStyleCase{ltsXAndValue, "15|15"}, TextStyleCase{ltsXAndPercent, "15|75 %"}),
    [](const auto& info) { return "Style" + std::to_string(info.param.style); });

// In the whole paint the legend comes before the title, which is then
// centred over the plot as the legend left it: 18 characters over 9..213.
TEST(Legend, IsPlacedBeforeTheTitleTakesItsSpace) {
  testing::FormChart form;
  ScopedSeparators separators(".", ",");
  form.AddPoints(16);
  form.Paint();
  const auto& calls = form.Canvas.AllCalls();
  const TRect box = form.Chart.Legend.ShapeRect;
  EXPECT_EQ(box.Top, 47);
  auto index = [&](auto match) {
    return std::find_if(calls.begin(), calls.end(), match) - calls.begin();
  };
  const auto boxAt = index([&](const auto& c) { return c.Op == "DrawRect" && c.Args[0] == box.Left; });
  const auto titleAt = index([](const auto& c) { return c.Text == "Крепость в колонне"; });
  ASSERT_LT(titleAt, static_cast<long>(calls.size()));
  EXPECT_LT(boxAt, titleAt);
  EXPECT_EQ(calls[static_cast<std::size_t>(titleAt)].Args[0], (9 + box.Left - 8) / 2 - 18 * 6 / 2);
}

}  // namespace
}  // namespace chart
