#include "app/studyform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "analysis/studypool.h"
#include "app/program.h"
#include "chart/chartwidget.h"
#include "chart/lineseries.h"
#include "guitest.h"

namespace app {
namespace {

class StudyFormTest : public testing::Test {
 protected:
  void SetUp() override { form.show(); }

  // Opens the study from the menu and waits until every line has come.
  TStudyForm& OpenStudy() {
    EXPECT_EQ(test::AnswerMessageBoxes([this] { form.ActionStudy->trigger(); }), QStringList());
    TStudyForm& study = *form.StudyWindow();
    WaitFor(study);
    return study;
  }
  static void WaitFor(const TStudyForm& study) {
    ASSERT_TRUE(test::WaitUntil([&] { return !study.Busy(); }));
  }
  // The shown lines of a chart, in series order: title and points.
  static std::vector<std::pair<std::string, std::vector<std::pair<double, double>>>> Lines(
      const chart::TChart& chart) {
    std::vector<std::pair<std::string, std::vector<std::pair<double, double>>>> lines;
    for (int s = 0; s < chart.SeriesCount(); ++s) {
      const chart::TChartSeries& series = chart.Series(s);
      if (!series.Active || !series.ShowInLegend) continue;
      std::vector<std::pair<double, double>> points;
      for (int i = 0; i < series.Count(); ++i) points.emplace_back(series.XValues[i], series.YValues[i]);
      lines.emplace_back(series.Title, points);
    }
    return lines;
  }

  TProgramWindows windows;
  TForm1& form = windows.Form1;
};

// Opened from the menu, the study takes the main window's power, strength
// and tray count and draws each tray count's points exactly as the
// calculation gives them.
TEST_F(StudyFormTest, DrawsEveryLineAsTheCalculationGivesIt) {
  form.SetTexts({"1500", "5", "7", "4"});
  TStudyForm& study = OpenStudy();
  EXPECT_TRUE(study.isVisible());
  EXPECT_EQ(study.windowTitle(), "Исследование колонны");
  EXPECT_EQ(study.TraysEdit->text(), "1 2 5 10 20 40 7");

  analysis::Study expected;
  expected.power = 1500;
  expected.stillstrength = 5.0L / 100;
  expected.traycounts = {1, 2, 5, 7, 10, 20, 40};
  const std::vector<analysis::StudyLine> lines = analysis::RunStudy(expected, 1);
  const auto shown = Lines(*study.MainChart);
  ASSERT_EQ(shown.size(), lines.size());
  for (std::size_t l = 0; l < lines.size(); ++l) {
    EXPECT_EQ(shown[l].first, "N = " + std::to_string(lines[l].traycount));
    ASSERT_EQ(shown[l].second.size(), lines[l].points.size());
    for (std::size_t p = 0; p < lines[l].points.size(); ++p) {
      EXPECT_EQ(shown[l].second[p].first, static_cast<double>(lines[l].points[p].refluxratio));
      EXPECT_EQ(shown[l].second[p].second, static_cast<double>(lines[l].points[p].toppercent));
    }
  }
  // The second chart switches between product and efficiency.
  EXPECT_EQ(Lines(*study.SecondChart)[0].second[3].second, static_cast<double>(lines[0].points[3].product));
  study.SecondQuantity->setCurrentIndex(1);
  EXPECT_EQ(Lines(*study.SecondChart)[0].second[3].second,
            static_cast<double>(lines[0].points[3].efficiencypercent));

  // The marker stands at the main window's reflux ratio, over the values shown.
  const chart::TChartSeries& marker = study.MainChart->Series(0);
  ASSERT_TRUE(marker.Active);
  EXPECT_EQ(marker.XValues[0], 4.0);
  EXPECT_EQ(marker.XValues[1], 4.0);
}

TEST_F(StudyFormTest, FailedPointsAreLeftOutAndCounted) {
  form.SetTexts({"0", "1", "3", "15"});
  TStudyForm& study = OpenStudy();
  study.TraysEdit->setText("3");
  study.FromEdit->setText("0");
  study.ToEdit->setText("2");
  study.PointsEdit->setText("3");
  EXPECT_EQ(test::AnswerMessageBoxes([&] { QTest::mouseClick(study.StartButton, Qt::LeftButton); }), QStringList());
  WaitFor(study);
  const auto shown = Lines(*study.MainChart);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].second.size(), 0u);
  EXPECT_EQ(study.NotesLabel->text(), "N = 3: 3 точки не рассчитаны: Invalid floating point operation");
}

// A second request replaces the first: only its lines are drawn, each whole.
TEST_F(StudyFormTest, ANewRequestReplacesTheRunningOne) {
  TStudyForm& study = OpenStudy();
  study.TraysEdit->setText("1 2 3");
  study.PointsEdit->setText("2001");
  QTest::mouseClick(study.StartButton, Qt::LeftButton);
  study.TraysEdit->setText("4 6");
  study.PointsEdit->setText("11");
  QTest::mouseClick(study.StartButton, Qt::LeftButton);
  WaitFor(study);
  const auto shown = Lines(*study.MainChart);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].first, "N = 4");
  EXPECT_EQ(shown[1].second.size(), 11u);
}

TEST_F(StudyFormTest, RefusesBadInputsWithTheirMessages) {
  TStudyForm& study = OpenStudy();
  const std::pair<std::function<void()>, QString> cases[] = {
      {[&] { study.TraysEdit->setText("1 200"); }, "Число тарелок 200 вне пределов от 1 до 100."},
      {[&] { study.PointsEdit->setText("x"); }, "'x' is not a valid integer value."},
      {[&] { form.Edit1->setText(""); }, "'' is not a valid integer value."},
  };
  for (const auto& [mistype, message] : cases) {
    study.TraysEdit->setText("1 2");
    study.PointsEdit->setText("11");
    mistype();
    EXPECT_EQ(test::AnswerMessageBoxes([&] { QTest::mouseClick(study.StartButton, Qt::LeftButton); }),
              QStringList{test::StopBox(message)});
  }
}

// The status line names the point nearest to the mouse.
TEST_F(StudyFormTest, StatusLineNamesTheNearestPoint) {
  form.SetTexts({"1000", "1", "20", "15"});
  TStudyForm& study = OpenStudy();
  study.TraysEdit->setText("20");
  study.PointsEdit->setText("5");
  QTest::mouseClick(study.StartButton, Qt::LeftButton);
  WaitFor(study);
  study.MainChart->repaint();
  const chart::TLineSeries& line = dynamic_cast<const chart::TLineSeries&>(study.MainChart->Series(1));
  QMouseEvent move(QEvent::MouseMove, QPointF(line.PointPixelX(2) + 2, line.PointPixelY(2) - 1),
                   study.MainChart->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(study.MainChart, &move);
  EXPECT_TRUE(study.StatusLine->text().startsWith("ФЧ 10: ")) << study.StatusLine->text().toStdString();
  EXPECT_TRUE(study.StatusLine->text().endsWith(" % при N = 20")) << study.StatusLine->text().toStdString();
}

// The answers are checked by calculating at them and one step below.
TEST_F(StudyFormTest, AnswersWhatATargetStrengthNeeds) {
  form.SetTexts({"1000", "5", "10", "3"});
  TStudyForm& study = OpenStudy();
  study.TargetEdit->setText("85");
  QTest::mouseClick(study.FindButton, Qt::LeftButton);
  WaitFor(study);
  const QString reflux = study.RefluxAnswer->text();
  ASSERT_TRUE(reflux.startsWith("Флегмовое число при N = 10: не меньше ")) << reflux.toStdString();
  const long double answer = reflux.section(' ', -1).toDouble();
  model::TColumn column;
  column.Calculate({1000, 0.05L, 10, answer + 1});
  EXPECT_GE(column.topstrength * 100, 85.0L);
  column.Calculate({1000, 0.05L, 10, answer - 0.01L + 1});
  EXPECT_LT(column.topstrength * 100, 85.0L);
  EXPECT_TRUE(study.TrayAnswer->text().startsWith("Тарелок при ФЧ = 3: ")) << study.TrayAnswer->text().toStdString();

  study.TargetEdit->setText("99");
  QTest::mouseClick(study.FindButton, Qt::LeftButton);
  WaitFor(study);
  EXPECT_TRUE(study.RefluxAnswer->text().contains("азеотроп")) << study.RefluxAnswer->text().toStdString();
}

}  // namespace
}  // namespace app
