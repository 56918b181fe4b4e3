#include "app/batchform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "analysis/batchtable.h"
#include "app/program.h"
#include "chart/chartwidget.h"
#include "guitest.h"
#include "model/strengthunits.h"
#include "numtext/numtext.h"

namespace app {
namespace {

class BatchFormTest : public testing::Test {
 protected:
  void SetUp() override { form.show(); }

  TBatchForm& Open() {
    form.ActionBatch->trigger();
    return *form.BatchWindow();
  }
  static QStringList Start(TBatchForm& batch) {
    const QStringList boxes =
        test::AnswerMessageBoxes([&] { QTest::mouseClick(batch.StartButton, Qt::LeftButton); });
    EXPECT_TRUE(test::WaitUntil([&] { return !batch.Busy(); }));
    return boxes;
  }

  TProgramWindows windows;
  TForm1& form = windows.Form1;
};

// The run shown is the batch run of the fields, row for row.
TEST_F(BatchFormTest, ShowsTheRunOfItsFields) {
  form.SetTexts({"1500", "10", "12", "4"});
  TBatchForm& batch = Open();
  EXPECT_TRUE(batch.isVisible());
  EXPECT_EQ(batch.windowTitle(), "Перегонка по времени");
  const BatchTexts texts = batch.Texts();
  EXPECT_EQ(texts.strength, "10");
  EXPECT_EQ(texts.power, "1500");
  EXPECT_EQ(texts.trays, "12");
  EXPECT_EQ(texts.reflux, "4");
  EXPECT_EQ(texts.charge, "20");
  EXPECT_EQ(texts.stopStill, "0.1");
  EXPECT_EQ(texts.hours, "24");
  batch.HoursEdit->setText("3");
  ASSERT_EQ(Start(batch), QStringList());

  const analysis::BatchRun expected = analysis::RunBatch(ParseBatchTexts(batch.Texts()));
  const analysis::BatchRun& shown = batch.LastRun();
  ASSERT_EQ(shown.rows.size(), expected.rows.size());
  EXPECT_EQ(shown.rows.back().product_kg, expected.rows.back().product_kg);
  EXPECT_EQ(shown.rows.back().still_percent, expected.rows.back().still_percent);
  EXPECT_EQ(batch.StopLabel->text(), QString::fromStdString(analysis::StopText(expected)));
  // The top and still strengths and the product, one point per row.
  EXPECT_EQ(batch.StrengthChart->Series(0).Count(), static_cast<int>(expected.rows.size()));
  EXPECT_EQ(batch.StrengthChart->Series(1).YValues[0], static_cast<double>(expected.rows[0].still_percent));
  EXPECT_EQ(batch.ProductChart->Series(0).YValues[0], 0.0);

  // Four cuts: 90, 80 and 60 % and the user's own.
  ASSERT_EQ(batch.CutTable->rowCount(), 4);
  const QStringList thresholds = {batch.CutTable->item(0, 0)->text(), batch.CutTable->item(1, 0)->text(),
                                  batch.CutTable->item(2, 0)->text(), batch.CutTable->item(3, 0)->text()};
  EXPECT_EQ(thresholds, QStringList({"90", "80", "60", "70"}));
  const analysis::Cut cut = analysis::CutAt(expected.rows, 80);
  EXPECT_EQ(batch.CutTable->item(1, 2)->text().toStdString(), numtext::FormatFloat("0.000", cut.product_kg));

  // By volume the strengths shown change, the run does not; litres are at 20 °C.
  batch.StrengthUnitBox->setCurrentIndex(1);
  const auto byVolume = [](long double mass) { return model::StrengthIn(mass, model::StrengthUnit::kVolume); };
  EXPECT_EQ(batch.StrengthChart->Series(1).YValues[0], static_cast<double>(byVolume(expected.rows[0].still_percent)));
  EXPECT_EQ(batch.CutTable->item(1, 4)->text().toStdString(), numtext::FormatFloat("0.00", byVolume(cut.product_mean_percent)));
  EXPECT_EQ(batch.CutTable->item(1, 3)->text().toStdString(),
            numtext::FormatFloat("0.000", cut.product_kg / model::densityat20(cut.product_mean_percent / 100) * 1000));
}

TEST_F(BatchFormTest, RefusesBadInputsWithTheirMessages) {
  TBatchForm& batch = Open();
  batch.ChargeEdit->setText("0");
  const QStringList zero = Start(batch);
  ASSERT_EQ(zero.size(), 1);
  EXPECT_TRUE(zero[0].contains("кг")) << zero[0].toStdString();
  batch.ChargeEdit->setText("20");
  batch.StepEdit->setText("x");
  EXPECT_EQ(Start(batch), QStringList{test::StopBox("'x' is not a valid floating point value.")});
  EXPECT_TRUE(batch.LastRun().rows.empty());
}

// Stopped, a long run keeps what it computed.
TEST_F(BatchFormTest, StopsALongRunAndKeepsItsRows) {
  TBatchForm& batch = Open();
  batch.StrengthEdit->setText("30");
  batch.StepEdit->setText("0.1");
  batch.HoursEdit->setText("150");
  batch.StopStillEdit->setText("0");
  EXPECT_EQ(test::AnswerMessageBoxes([&] { QTest::mouseClick(batch.StartButton, Qt::LeftButton); }),
            QStringList());
  EXPECT_TRUE(batch.Busy());
  // The fields may change while it runs; the run keeps its own inputs.
  batch.HoursEdit->setText("x");
  // Stopped once it has shown some progress.
  EXPECT_TRUE(test::WaitUntil([&] { return batch.Progress->value() > 0; }));
  QTest::mouseClick(batch.StopButton, Qt::LeftButton);
  ASSERT_TRUE(test::WaitUntil([&] { return !batch.Busy(); }));
  EXPECT_EQ(batch.StopLabel->text(), "Перегонка прервана");
  EXPECT_FALSE(batch.LastRun().rows.empty());
  EXPECT_EQ(batch.StrengthChart->Series(0).Count(), static_cast<int>(batch.LastRun().rows.size()));
}

}  // namespace
}  // namespace app
