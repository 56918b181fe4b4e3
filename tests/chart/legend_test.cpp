#include "chart/legend.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/exceptions.h"
#include "chart/legendtext.h"
#include "chart/lineseries.h"
#include "form_chart.h"
#include "numtext/numtext.h"
#include "recording_canvas.h"

namespace chart {
namespace {

using testing::CanvasCall;
using testing::ConfigureAsForm;
using testing::TRecordingCanvas;
using Args = std::vector<int>;

// Pins the number separators for one test.
class Separators {
 public:
  Separators(std::string_view decimal, std::string_view thousand)
      : decimal_(numtext::LocaleDecimalSeparator()), thousand_(numtext::LocaleThousandSeparator()) {
    numtext::SetLocaleSeparators(decimal, thousand);
  }
  ~Separators() { numtext::SetLocaleSeparators(decimal_, thousand_); }
  Separators(const Separators&) = delete;
  Separators& operator=(const Separators&) = delete;

 private:
  std::string decimal_;
  std::string thousand_;
};

// The program's chart with the legend drawn alone, against the plot
// rectangle as it stands before the legend and the titles: (9, 19, 287,
// 454) in bounds of 296 x 473. The recording canvas makes rows 13 pixels
// high and every character but "W" 6 pixels wide.
struct LegendOnly {
  LegendOnly() : Series(ConfigureAsForm(Chart)) {}
  void Add(const std::vector<double>& values) {
    for (double v : values) Series->Add(v);
  }
  void Draw() {
    Chart.ChartBounds = {0, 0, 296, 473};
    Chart.ChartRect = {9, 19, 287, 454};
    Chart.RecalcWidthHeight();
    Canvas.Clear();
    Chart.Legend.Draw(Chart, Canvas);
  }
  // The text drawn at row top y, or empty.
  std::vector<CanvasCall> TextsAt(int y) const {
    std::vector<CanvasCall> found;
    for (const auto& call : Canvas.Calls("TextOutAt")) {
      if (call.Args[1] == y) found.push_back(call);
    }
    return found;
  }

  Separators separators{".", ","};
  TCustomChart Chart;
  THorizLineSeries* Series;
  TRecordingCanvas Canvas;
};

// 0.25, 5.25, ..., 75.25: the widest text, "75.25", is 30 pixels.
std::vector<double> Steps(int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(0.25 + 5 * i);
  return values;
}

TEST(LegendLayout, SixteenPointsInvertedStandAtTheRightTopRowLast) {
  LegendOnly l;
  l.Add(Steps(16));
  l.Draw();
  // tw = 2 * 6 - 1 + 30 = 41; symbol 20 % of 51 = 10; width 61;
  // right = 287 - 3 (shadow) - 2 (frame + 1); top 10 % of 473.
  EXPECT_EQ(l.Chart.Legend.ShapeRect, (TRect{221, 47, 282, 257}));
  const auto rects = l.Canvas.Calls("DrawRect");
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].Args, (Args{225, 51, 286, 261}));  // shadow, 3 + frame 1 off
  EXPECT_EQ(rects[0].BrushColor, clBlack);
  EXPECT_FALSE(rects[0].Pen.Visible);
  EXPECT_EQ(rects[1].Args, (Args{221, 47, 282, 257}));
  EXPECT_EQ(rects[1].BrushColor, clWhite);
  EXPECT_EQ(rects[1].Pen.Color, clBlack);

  // Row p starts at 48 + 13 p; values end at text x 241 + 30.
  const auto top = l.TextsAt(48);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].Text, "75.25");
  EXPECT_EQ(top[0].Args[0], 271);
  EXPECT_EQ(top[0].TextAlign, taRight);
  EXPECT_EQ(top[0].BackMode, bmTransparent);
  const auto bottom = l.TextsAt(48 + 13 * 15);
  ASSERT_EQ(bottom.size(), 1u);
  EXPECT_EQ(bottom[0].Text, "0.25");
  EXPECT_EQ(bottom[0].Args[0], 271);
  EXPECT_EQ(l.Canvas.Texts().size(), 16u);

  // Symbols: 227..237, 2 pixels below the row top to 3 above the next.
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 16u);
  EXPECT_EQ(symbols.front().Args, (Args{227, 237, 48 + 13 * 15 + 6}));
  EXPECT_EQ(symbols.back().Args, (Args{227, 237, 48 + 6}));
  EXPECT_EQ(symbols.back().Pen.Color, clRed);

  // The plot ends 3 % of its width (8) left of the box.
  EXPECT_EQ(l.Chart.ChartRect, (TRect{9, 19, 213, 454}));
  EXPECT_EQ(l.Chart.ChartWidth, 204);
}

TEST(LegendLayout, OnlyTheFirstItemsThatFitAreListed) {
  LegendOnly l;
  l.Chart.Legend.VertSpacing = 1;  // 14-pixel rows
  std::vector<double> values;
  for (int i = 0; i < 101; ++i) values.push_back(i);
  l.Add(values);
  l.Draw();
  // (454 - 47 - 2) / 14 = 28 rows: points 0 to 27, point 27 on top.
  EXPECT_EQ(l.Canvas.Texts().size(), 28u);
  EXPECT_EQ(l.Chart.Legend.ShapeRect.Bottom, 47 + 28 * 14 + 2);
  ASSERT_EQ(l.TextsAt(48).size(), 1u);
  EXPECT_EQ(l.TextsAt(48)[0].Text, "27");
  ASSERT_EQ(l.TextsAt(48 + 27 * 14).size(), 1u);
  EXPECT_EQ(l.TextsAt(48 + 27 * 14)[0].Text, "0");
}

TEST(LegendLayout, EmptySeriesDrawsNoBoxAndTakesNoSpace) {
  LegendOnly l;
  l.Draw();
  EXPECT_TRUE(l.Canvas.Calls("DrawRect").empty());
  EXPECT_TRUE(l.Canvas.Texts().empty());
  EXPECT_EQ(l.Chart.ChartRect, (TRect{9, 19, 287, 454}));
  EXPECT_EQ(l.Chart.Legend.ShapeRect, TRect{});
}

TEST(LegendLayout, NoRoomForARowDrawsNothing) {
  LegendOnly l;
  l.Add({1, 2});
  l.Chart.Legend.TopPos = 97;  // the top falls below the plot's bottom
  l.Draw();
  EXPECT_TRUE(l.Canvas.Calls("DrawRect").empty());
  EXPECT_EQ(l.Chart.ChartRect, (TRect{9, 19, 287, 454}));
}

struct AlignmentCase {
  std::string name;
  TLegendAlignment alignment;
  TRect box;
  TRect plotAfter;
  int firstTextX;  // where the first item's value ends
  int firstTextY;
};

void PrintTo(const AlignmentCase& c, std::ostream* os) { *os << c.name; }

class LegendAlignment : public ::testing::TestWithParam<AlignmentCase> {};

// Three points, "1.5", "22.5" and "75.25", not inverted. Beside the plot:
// width 61 as above. Across: symbol 20 % of tw = 8; (278 - 2 - 8) / 57 =
// 4 columns, capped at 3; one row; total (41 + 8) * 3 + 12 + 12 = 171, so
// width 170, left 10 % of (296 - 170) + 148 - 85; column step 55.
TEST_P(LegendAlignment, BoxRowsAndSpaceGivenUp) {
  const AlignmentCase& c = GetParam();
  LegendOnly l;
  l.Chart.Legend.Inverted = false;
  l.Chart.Legend.Alignment = c.alignment;
  l.Add({1.5, 22.5, 75.25});
  l.Draw();
  EXPECT_EQ(l.Chart.Legend.ShapeRect, c.box);
  EXPECT_EQ(l.Chart.ChartRect, c.plotAfter);
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].Text, "1.5");
  EXPECT_EQ(texts[0].Args, (Args{c.firstTextX, c.firstTextY}));
}

INSTANTIATE_TEST_SUITE_P(
    Sides, LegendAlignment,
    ::testing::Values(
        AlignmentCase{"Right", laRight, {221, 47, 282, 88}, {9, 19, 213, 454}, 271, 48},
        AlignmentCase{"Left", laLeft, {11, 47, 72, 88}, {80, 19, 287, 454}, 61, 48},
        // Top: 19 + frame 1 + 1; the plot starts 4 % of 435 (17) below.
        AlignmentCase{"Top", laTop, {76, 21, 246, 36}, {9, 53, 287, 454}, 94 + 30, 22},
        // Bottom: 454 - frame 1 - 1.
        AlignmentCase{"Bottom", laBottom, {76, 437, 246, 452}, {9, 19, 287, 420}, 94 + 30, 438}),
    [](const auto& info) { return info.param.name; });

TEST(LegendLayout, AcrossTheTopItemsFillColumnsThenRowsUpToMaxNumRows) {
  LegendOnly l;
  l.Chart.Legend.Inverted = false;
  l.Chart.Legend.Alignment = laTop;
  l.Chart.Legend.MaxNumRows = 2;
  l.Add(std::vector<double>(10, 75.25));
  l.Draw();
  // 4 columns of 55 pixels; 2 rows hold 8 of the 10 items.
  EXPECT_EQ(l.Canvas.Texts().size(), 8u);
  std::vector<Args> positions;
  for (const auto& call : l.Canvas.Calls("TextOutAt")) positions.push_back(call.Args);
  const int x0 = l.Chart.Legend.ShapeRect.Left + 6 + 8 + 4 + 30;
  const int y0 = l.Chart.Legend.ShapeRect.Top + 1;
  EXPECT_EQ(positions[1], (Args{x0 + 55, y0}));
  EXPECT_EQ(positions[4], (Args{x0, y0 + 13}));
  EXPECT_EQ(l.Chart.Legend.ShapeRect.Height(), 2 * 13 + 2);
}

TEST(LegendLayout, ValuesFollowTheLocaleSeparators) {
  LegendOnly l;
  l.Add({9.4, 75.962, 1234.5});
  {
    Separators comma(",", " ");
    l.Draw();
    EXPECT_EQ(l.Canvas.Texts(), (std::vector<std::string>{"9,4", "75,962", "1 234,5"}));
  }
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (std::vector<std::string>{"9.4", "75.962", "1,234.5"}));
}

struct SymbolCase {
  std::string name;
  TLegendSymbol symbol;
  int width;       // box width for the texts "1" and "2"; tw = 17
  int symbolLeft;  // relative to the box
  int textEnd;     // where the value ends, relative to the box
};

void PrintTo(const SymbolCase& c, std::ostream* os) { *os << c.name; }

class LegendSymbolLayout : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(LegendSymbolLayout, SymbolWidthAndPlaceShapeTheRow) {
  const SymbolCase& c = GetParam();
  LegendOnly l;
  l.Chart.Legend.Symbol = c.symbol;
  l.Add({1, 2});
  l.Draw();
  const TRect box = l.Chart.Legend.ShapeRect;
  EXPECT_EQ(box.Width(), c.width);
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  if (c.symbolLeft < 0) {
    EXPECT_TRUE(symbols.empty());
  } else {
    ASSERT_EQ(symbols.size(), 2u);
    EXPECT_EQ(symbols[0].Args[0] - box.Left, c.symbolLeft);
  }
  EXPECT_EQ(l.Canvas.Calls("TextOutAt")[0].Args[0] - box.Left, c.textEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, LegendSymbolLayout,
    ::testing::Values(
        // 20 % of 27 = 5.4 -> 5.
        SymbolCase{"percent", {}, 32, 6, 6 + 5 + 4 + 6},
        SymbolCase{"pixels", {.Width = 12, .WidthUnits = lcsPixels}, 39, 6, 6 + 12 + 4 + 6},
        // 13 - 5.
        SymbolCase{"squared", {.Squared = true}, 35, 6, 6 + 8 + 4 + 6},
        SymbolCase{"hidden", {.Visible = false}, 27, -1, 6 + 0 + 4 + 6},
        // Text first at x0 + 6, the symbol after the text width.
        SymbolCase{"right", {.Position = spRight}, 32, 6 + 17, 6 + 6}),
    [](const auto& info) { return info.param.name; });

TEST(LegendDrawing, TransparentLegendDrawsRowsOnly) {
  LegendOnly l;
  l.Chart.Legend.Transparent = true;
  l.Add({1, 2});
  l.Draw();
  EXPECT_TRUE(l.Canvas.Calls("DrawRect").empty());
  EXPECT_EQ(l.Canvas.Texts().size(), 2u);
}

TEST(LegendDrawing, DividingLinesSeparateRowsAndWidenThem) {
  LegendOnly l;
  l.Chart.Legend.Inverted = false;
  l.Chart.Legend.DividingLines = {.Color = clGray, .Visible = true};
  l.Add({1, 2, 3});
  l.Draw();
  const TRect box = l.Chart.Legend.ShapeRect;
  EXPECT_EQ(box.Height(), 3 * 14 + 2);
  std::vector<Args> dividers;
  for (const auto& call : l.Canvas.Calls("HorizontalLine")) {
    if (call.Pen.Color == clGray) dividers.push_back(call.Args);
  }
  EXPECT_EQ(dividers, (std::vector<Args>{{box.Left, box.Right, 47 + 1 + 14},
                                         {box.Left, box.Right, 47 + 1 + 28}}));
}

TEST(LegendDrawing, FontSeriesColorPaintsTextsInThePointColours) {
  LegendOnly l;
  l.Chart.Legend.FontSeriesColor = true;
  l.Series->Add(1);
  l.Series->Add(2, "", clBlue);
  l.Draw();
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "1");
  EXPECT_EQ(texts[0].Font.Color, clRed);
  EXPECT_EQ(texts[1].Text, "2");
  EXPECT_EQ(texts[1].Font.Color, clBlue);
}

TEST(LegendDrawing, NoColourPointHasNoSymbol) {
  LegendOnly l;
  l.Series->Add(1, "", clNone);
  l.Series->Add(2);
  l.Draw();
  EXPECT_EQ(l.Canvas.Calls("HorizontalLine").size(), 1u);
  EXPECT_EQ(l.Canvas.Texts().size(), 2u);
}

TEST(LegendDrawing, EventsChangeTextBoxAndRow) {
  LegendOnly l;
  l.Add({1, 2});
  l.Chart.Legend.OnGetLegendText = [](TLegendStyle, int index, std::string& text) {
    text = "p" + std::to_string(index) + "=" + text;
  };
  l.Chart.Legend.OnGetLegendRect = [](TRect& r) { r.Top += 100; r.Bottom += 100; };
  l.Chart.Legend.OnGetLegendPos = [](int index, int& x, int&, int&) {
    if (index == 0) x += 1000;
  };
  l.Draw();
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "p0=1");
  EXPECT_GT(texts[0].Args[0], 1000);
  EXPECT_EQ(texts[1].Text, "p1=2");
  EXPECT_EQ(texts[1].Args[1], 147 + 1);
  EXPECT_EQ(l.Canvas.Calls("DrawRect")[1].Args[1], 147);
}

TEST(LegendStyles, TwoActiveSeriesListOneRowPerSeriesLeftAligned) {
  LegendOnly l;
  l.Add({1, 2, 3});
  auto* second = l.Chart.AddSeries(std::make_unique<THorizLineSeries>());
  second->Title = "вторая";
  second->SeriesColor = clBlue;
  EXPECT_EQ(l.Chart.Legend.ResolvedStyle(l.Chart), lsSeries);
  l.Chart.Legend.Inverted = false;
  l.Draw();
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "Series1");
  EXPECT_EQ(texts[1].Text, "вторая");
  EXPECT_EQ(texts[0].TextAlign, taLeft);
  EXPECT_EQ(texts[0].Args[0], texts[1].Args[0]);
  const auto symbols = l.Canvas.Calls("HorizontalLine");
  ASSERT_EQ(symbols.size(), 2u);
  EXPECT_EQ(symbols[1].Pen.Color, clBlue);

  // The last value of each series; the empty one shows no text.
  l.Chart.Legend.LegendStyle = lsLastValues;
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (std::vector<std::string>{"3"}));
  EXPECT_EQ(l.Canvas.Calls("HorizontalLine").size(), 2u);

  second->Active = false;
  EXPECT_EQ(l.Chart.Legend.ResolvedStyle(l.Chart), lsLastValues);
  l.Chart.Legend.LegendStyle = lsAuto;
  EXPECT_EQ(l.Chart.Legend.ResolvedStyle(l.Chart), lsValues);
}

TEST(LegendStyles, FirstValueSkipsItemsAndRefusesNegatives) {
  LegendOnly l;
  l.Add({1, 2, 3});
  l.Chart.Legend.SetFirstValue(1);
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (std::vector<std::string>{"2", "3"}));
  EXPECT_THROW(l.Chart.Legend.SetFirstValue(-1), LegendException);
  EXPECT_EQ(l.Chart.Legend.FirstValue(), 1);
}

struct TextStyleCase {
  std::string name;
  TLegendTextStyle style;
  std::string text;
};

void PrintTo(const TextStyleCase& c, std::ostream* os) { *os << c.name; }

class LegendTextStyles : public ::testing::TestWithParam<TextStyleCase> {};

// Point 1 of a series holding 5 (label "a") and 15 (label "a"): value 15,
// X 15, 75 % of the absolute sum 20. Column separator shown as "|".
TEST_P(LegendTextStyles, TextCombinesLabelValuePercentAndX) {
  Separators separators{".", ","};
  const TextStyleCase& c = GetParam();
  THorizLineSeries series;
  series.Add(5, "a");
  series.Add(15, "a");
  std::string text = SeriesValueText(series, 1, c.style);
  for (char& ch : text) {
    if (ch == kLegendColumnSeparator) ch = '|';
  }
  EXPECT_EQ(text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Styles, LegendTextStyles,
                         ::testing::Values(TextStyleCase{"Plain", ltsPlain, "a"},
                                           TextStyleCase{"LeftValue", ltsLeftValue, "15|a"},
                                           TextStyleCase{"RightValue", ltsRightValue, "a|15"},
                                           TextStyleCase{"LeftPercent", ltsLeftPercent, "75 %|a"},
                                           TextStyleCase{"RightPercent", ltsRightPercent, "a|75 %"},
                                           TextStyleCase{"XValue", ltsXValue, "15"},
                                           TextStyleCase{"Value", ltsValue, "15"},
                                           TextStyleCase{"Percent", ltsPercent, "75 %"},
                                           TextStyleCase{"XAndValue", ltsXAndValue, "15|15"},
                                           TextStyleCase{"XAndPercent", ltsXAndPercent, "15|75 %"}),
                         [](const auto& info) { return info.param.name; });

TEST(LegendText, UnlabelledValueHasOneColumnAndZeroSumGivesAHundredPerCent) {
  Separators separators{".", ","};
  THorizLineSeries series;
  series.Add(0);
  EXPECT_EQ(SeriesValueText(series, 0, ltsLeftValue), "0");
  EXPECT_EQ(SeriesValueText(series, 0, ltsPercent), "100 %");
}

TEST(LegendText, SplitKeepsTwoColumnsAndDropsTheRest) {
  EXPECT_EQ(SplitLegendColumns("a"), (std::array<std::string, 2>{"a", ""}));
  EXPECT_EQ(SplitLegendColumns("a\x06" "b"), (std::array<std::string, 2>{"a", "b"}));
  EXPECT_EQ(SplitLegendColumns("a\x06" "b\x06" "c"), (std::array<std::string, 2>{"a", "b"}));
}

TEST(LegendDrawing, LabelLeftAlignedValueRightAlignedInTwoColumns) {
  LegendOnly l;
  l.Chart.Legend.TextStyle = ltsRightValue;
  l.Series->Add(5, "a");
  l.Series->Add(15, "bb");
  l.Draw();
  // Columns 12 and 12 wide; the value column starts after column 0 and a
  // space.
  const auto texts = l.Canvas.Calls("TextOutAt");
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].Text, "a");
  EXPECT_EQ(texts[0].TextAlign, taLeft);
  EXPECT_EQ(texts[1].Text, "5");
  EXPECT_EQ(texts[1].TextAlign, taRight);
  EXPECT_EQ(texts[1].Args[0], texts[0].Args[0] + 12 + 6 + 12);
  EXPECT_EQ(texts[2].Text, "bb");
  EXPECT_EQ(texts[2].Args[0], texts[0].Args[0]);
}

TEST(LegendDrawing, CarriageReturnInALabelBecomesASpace) {
  LegendOnly l;
  l.Chart.Legend.TextStyle = ltsPlain;
  l.Series->Add(5, "a\rb");
  l.Draw();
  EXPECT_EQ(l.Canvas.Texts(), (std::vector<std::string>{"a b"}));
}

// In the whole paint the legend comes before the title, so the title is
// centred over the plot as the legend left it.
TEST(LegendInChart, LegendIsPlacedBeforeTheTitleTakesItsSpace) {
  testing::FormChart form;
  for (double v : Steps(16)) form.Series->Add(v);
  Separators separators{".", ","};
  form.Paint();
  EXPECT_EQ(form.Chart.Legend.ShapeRect, (TRect{221, 47, 282, 257}));
  const auto& calls = form.Canvas.AllCalls();
  std::size_t box = calls.size();
  std::size_t title = calls.size();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].Op == "DrawRect" && calls[i].Args == Args{221, 47, 282, 257}) box = i;
    if (calls[i].Op == "TextOutAt" && calls[i].Text == "Крепость в колонне") title = i;
  }
  ASSERT_LT(box, calls.size());
  ASSERT_LT(title, calls.size());
  EXPECT_LT(box, title);
  // 18 characters of 6 pixels, centred over 9..213.
  EXPECT_EQ(calls[title].Args[0], (9 + 213) / 2 - 18 * 6 / 2);
}

}  // namespace
}  // namespace chart
