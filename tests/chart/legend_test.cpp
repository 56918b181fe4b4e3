#include "chart/legend.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/scoped_separators.h"
#include "chart/chart.h"
#include "chart/lineseries.h"
#include "form_chart.h"

namespace chart {
namespace {

using Args = std::vector<int>;
using Texts = std::vector<std::string>;

// The program's chart with the legend drawn alone against the plot as it
// stands before legend and titles: (9, 19, 287, 454) in 296 x 473. Rows are
// 13 pixels high and characters 6 wide.
struct LegendOnly {
  LegendOnly() : Series(SetUpColumnStrengthChart(Chart)) {}
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
  // Text 2 * 6 - 1 + 30 = 41, symbol 20 % of 51 = 10, width 61; right =
  // 287 - shadow 3 - (frame 1 + 1); top = 10 % of 473.
  EXPECT_EQ(l.Legend.ShapeRect, (TRect{221, 47, 282, 257}));
  const auto rects = l.Canvas.Calls("DrawRect");
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].Args, (Args{225, 51, 286, 261})) << "the shadow, 3 + frame off";
  EXPECT_EQ(rects[1].Args, (Args{221, 47, 282, 257}));
  // Row p at 48 + 13 p, the values ending at 241 + 30.
  EXPECT_EQ(l.TextAt(48), "75.25");
  EXPECT_EQ(l.TextAt(48 + 13 * 15), "0.25");
  for (const auto& call : l.Canvas.Calls("TextOutAt")) {
    EXPECT_EQ(call.Args[0], 271);
    EXPECT_EQ(call.TextAlign, taRight);
  }
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 16u);
  EXPECT_EQ(symbols.back().Args, (Args{227, 237, 48 + 6}));
  EXPECT_EQ(symbols.back().Pen.Color, clRed);
  // The plot ends 3 % of its width (8) left of the box.
  EXPECT_EQ(l.Chart.ChartRect, (TRect{9, 19, 213, 454}));
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
  noRoom.Series->Add(1);
  noRoom.Legend.TopPos = 97;  // starts below the plot's bottom
  noRoom.Draw();
  for (LegendOnly* l : {&empty, &noRoom}) {
    EXPECT_TRUE(l->Canvas.Calls().empty());
    EXPECT_EQ(l->Chart.ChartRect, (TRect{9, 19, 287, 454}));
  }
}

TEST(Legend, WithPagingListsTheCurrentPageOnly) {
  LegendOnly l;
  l.Chart.SetMaxPointsPerPage(4);
  l.Chart.Page = 2;
  for (int i = 0; i < 7; ++i) l.Series->Add(i);
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"4", "5", "6"}));
  l.Chart.Page = 1 << 30;
  l.Draw();
  EXPECT_TRUE(l.Canvas.Texts().empty()) << "a far page lists nothing";
}

struct LegendCase {
  std::string name;
  TLegendAlignment alignment;
  TLegendTextStyle style;
  std::string drawn;  // the box, the plot after, then each text at its x, y
};

void PrintTo(const LegendCase& c, std::ostream* os) { *os << c.name; }

class LegendLayout : public ::testing::TestWithParam<LegendCase> {};

// Points 5 "a" and 15 "b", first on top: 15 is 75 % of the sum. A
// right-aligned text shows as "text>x,y", a left-aligned one "text<x,y".
TEST_P(LegendLayout, PlacesTheBoxAndTheColumns) {
  const LegendCase& c = GetParam();
  LegendOnly l;
  l.Legend.Inverted = false;
  l.Legend.Alignment = c.alignment;
  l.Legend.TextStyle = c.style;
  l.Series->Add(5, "a");
  l.Series->Add(15, "b");
  l.Draw();
  const auto rect = [](const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
  };
  std::string drawn = rect(l.Legend.ShapeRect) + " " + rect(l.Chart.ChartRect);
  for (const auto& call : l.Canvas.Calls("TextOutAt")) {
    drawn += " " + call.Text + (call.TextAlign == taRight ? ">" : "<") +
             std::to_string(call.Args[0]) + "," + std::to_string(call.Args[1]);
  }
  EXPECT_EQ(drawn, c.drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LegendLayout,
    ::testing::Values(
        LegendCase{"Left", laLeft, ltsLeftValue,
                   "11,47,58,75 66,19,287,454 5>41,48 a<47,48 15>41,61 b<47,61"},
        LegendCase{"Top", laTop, ltsLeftValue,
                   "125,21,213,36 9,53,287,454 5>153,22 a<159,22 15>194,22 b<200,22"},
        LegendCase{"Bottom", laBottom, ltsLeftValue,
                   "125,437,213,452 9,19,287,420 5>153,438 a<159,438 15>194,438 b<200,438"},
        LegendCase{"Plain", laRight, ltsPlain, "250,47,282,75 9,19,242,454 a<265,48 b<265,61"},
        LegendCase{"LeftValue", laRight, ltsLeftValue,
                   "235,47,282,75 9,19,227,454 5>265,48 a<271,48 15>265,61 b<271,61"},
        LegendCase{"RightValue", laRight, ltsRightValue,
                   "235,47,282,75 9,19,227,454 a<253,48 5>277,48 b<253,61 15>277,61"},
        LegendCase{"LeftPercent", laRight, ltsLeftPercent,
                   "221,47,282,75 9,19,213,454 25 %>265,48 a<271,48 75 %>265,61 b<271,61"},
        LegendCase{"RightPercent", laRight, ltsRightPercent,
                   "221,47,282,75 9,19,213,454 a<241,48 25 %>277,48 b<241,61 75 %>277,61"},
        LegendCase{"XValue", laRight, ltsXValue, "242,47,282,75 9,19,234,454 5>271,48 15>271,61"},
        LegendCase{"Value", laRight, ltsValue, "242,47,282,75 9,19,234,454 5>271,48 15>271,61"},
        LegendCase{"Percent", laRight, ltsPercent,
                   "228,47,282,75 9,19,220,454 25 %>271,48 75 %>271,61"},
        LegendCase{"XAndValue", laRight, ltsXAndValue,
                   "228,47,282,75 9,19,220,454 5>259,48 5>277,48 15>259,61 15>277,61"},
        LegendCase{"XAndPercent", laRight, ltsXAndPercent,
                   "214,47,282,75 9,19,206,454 5>247,48 25 %>277,48 15>247,61 75 %>277,61"}),
    [](const auto& info) { return info.param.name; });

TEST(Legend, ValuesFollowTheLocaleSeparators) {
  LegendOnly l;
  for (double v : {9.4, 75.962, 1234.5}) l.Series->Add(v);
  ScopedSeparators comma(",", " ");
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"9,4", "75,962", "1 234,5"}));
}

// Line series listed by title, drawn alone against the plot (10, 20, 290,
// 280) of a 300 x 300 chart.
struct SeriesLegend {
  TLineSeries* Add(const std::string& title) {
    auto* series = Chart.AddSeries(std::make_unique<TLineSeries>());
    series->Title = title;
    series->AddXY(0, 1);
    series->AddXY(1, 2);
    return series;
  }
  void Draw() {
    Chart.ChartBounds = {0, 0, 300, 300};
    Chart.ChartRect = {10, 20, 290, 280};
    Chart.RecalcWidthHeight();
    Canvas.Clear();
    Chart.Legend.Draw(Chart, Canvas);
  }

  TCustomChart Chart;
  testing::TRecordingCanvas Canvas;
};

TEST(Legend, SeveralSeriesAreListedOneRowEachWithTheirLineSymbol) {
  SeriesLegend l;
  l.Add("пар");
  l.Add("");
  l.Add("флегма");
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"пар", "Series2", "флегма"})) << "untitled: its place";
  const auto texts = l.Canvas.Calls("TextOutAt");
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 3u);
  const TColor colours[] = {clRed, clGreen, clYellow};
  for (std::size_t i = 0; i < 3; ++i) {
    const int top = texts[i].Args[1];
    EXPECT_EQ(top, texts[0].Args[1] + 13 * static_cast<int>(i)) << "13-pixel rows";
    EXPECT_EQ(symbols[i].Pen.Color, colours[i]);
    // A short line left of the text, across the middle of the row's symbol
    // box from top + 2 to top + 11.
    EXPECT_LT(symbols[i].Args[1], texts[i].Args[0]);
    EXPECT_EQ(symbols[i].Args[2], top + 6);
  }
}

TEST(Legend, SeriesStyleListsALoneSeriesByTitle) {
  SeriesLegend l;
  l.Add("крепость");
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"1", "2"})) << "a lone series lists its values";
  l.Chart.Legend.LegendStyle = lsSeries;
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (Texts{"крепость"}));
}

}  // namespace
}  // namespace chart
