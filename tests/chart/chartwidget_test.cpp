#include "chart/chartwidget.h"

#include <gtest/gtest.h>

#include <QImage>

#include "form_chart.h"
#include "qt_application.h"

namespace chart {
namespace {

// The application must exist before the widget.
struct QtApplication {
  QtApplication() { testing::EnsureQtApplication(); }
};

class ChartWidget : public ::testing::Test {
 protected:
  ChartWidget() : series(testing::ConfigureAsForm(chart)) { chart.resize(296, 473); }
  QImage Show() { return chart.grab().toImage(); }

  QtApplication application;
  TChart chart;
  THorizLineSeries* series;
};

TEST_F(ChartWidget, ManyRequestsOneFullDrawAndUnchangedPaintsOnlyCopy) {
  Show();
  EXPECT_EQ(chart.FullDrawCount(), 1);
  EXPECT_FALSE(chart.BufferStale);
  Show();
  EXPECT_EQ(chart.FullDrawCount(), 1) << "nothing changed: the picture is copied";
  series->Clear();
  for (int i = 0; i < 20; ++i) series->Add(i * 4.5);
  EXPECT_TRUE(chart.BufferStale);
  Show();
  EXPECT_EQ(chart.FullDrawCount(), 2);
  chart.resize(300, 400);
  Show();
  EXPECT_EQ(chart.FullDrawCount(), 3) << "a new size needs a new picture";
  EXPECT_EQ(chart.Picture().size(), QSize(300, 400));
}

TEST_F(ChartWidget, ThePlatformNeverErasesTheBackground) {
  EXPECT_TRUE(chart.testAttribute(Qt::WA_OpaquePaintEvent));
  EXPECT_TRUE(chart.testAttribute(Qt::WA_NoSystemBackground));
  EXPECT_FALSE(chart.autoFillBackground());
}

TEST_F(ChartWidget, PictureShowsPanelTitleFrameAndAxes) {
  const QImage picture = Show();
  const QColor face(240, 240, 240);
  EXPECT_EQ(picture.pixelColor(4, 4), face);
  EXPECT_EQ(picture.pixelColor(0, 100), QColor(Qt::white)) << "raised bevel, light left edge";
  EXPECT_EQ(picture.pixelColor(295, 100), QColor(160, 160, 160));

  bool blueTitle = false;
  for (int y = 19; y < 34 && !blueTitle; ++y) {
    for (int x = 100; x < 200 && !blueTitle; ++x) {
      const QColor c = picture.pixelColor(x, y);
      blueTitle = c.blue() > 150 && c.red() < 100 && c.green() < 100;
    }
  }
  EXPECT_TRUE(blueTitle);

  const TRect plot = chart.ChartRect;
  EXPECT_EQ(picture.pixelColor(plot.Right, plot.Top + 10), QColor(Qt::black)) << "plot frame";
  const TChartAxis& bottom = chart.BottomAxis;
  EXPECT_EQ(picture.pixelColor((plot.Left + plot.Right) / 2, bottom.AxisPosition),
            QColor(Qt::black));

  // A dotted grid line at the bottom axis' second tick: 3 grey, 3 background.
  const int x = bottom.TickPositions[1];
  const QColor grey(128, 128, 128);
  int greys = 0;
  for (int y = plot.Top + 1; y < plot.Top + 13; ++y) greys += picture.pixelColor(x, y) == grey;
  EXPECT_EQ(greys, 6);
  EXPECT_EQ(picture.pixelColor(x, plot.Top + 1), grey);
  EXPECT_EQ(picture.pixelColor(x, plot.Top + 4), face);
}

}  // namespace
}  // namespace chart
