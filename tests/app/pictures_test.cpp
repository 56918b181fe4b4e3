// The main window and its chart against pictures kept in tests/app/pictures.
//
// After an intended change of the drawing, write the pictures anew with
//   STILLWISE_WRITE_PICTURES=1 build/tests/app/app_tests --gtest_filter='*Stored*'
// and look at them before committing.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <ostream>
#include <string>

#include "app/program.h"
#include "chart/chartwidget.h"
#include "support/stored_picture.h"

namespace app {
namespace {

void ExpectStoredPicture(const QImage& picture, const std::string& name) {
  test_support::ExpectStoredPicture(
      picture, QStringLiteral(STILLWISE_PICTURES_DIR "/") + QString::fromStdString(name) + ".png");
}

struct PictureCase {
  std::string trays;
  InputTexts texts;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.trays << " trays"; }

class StoredPicture : public testing::TestWithParam<PictureCase> {
 protected:
  // As `--screenshot` and `--chart` make them: the texts typed, "Расчет"
  // clicked, the window shown and painted.
  TForm1& Calculated() {
    TForm1& form = windows.Form1;
    form.SetTexts(GetParam().texts);
    form.show();
    form.Button1Click();
    QApplication::processEvents();
    return form;
  }

  TProgramWindows windows;
};

TEST_P(StoredPicture, MainWindow) {
  ExpectStoredPicture(Calculated().grab().toImage(), "screenshot_" + GetParam().trays);
}

TEST_P(StoredPicture, Chart) {
  ExpectStoredPicture(Calculated().Chart1->grab().toImage(), "chart_" + GetParam().trays);
}

INSTANTIATE_TEST_SUITE_P(Trays, StoredPicture,
                         testing::Values(PictureCase{"0", {"1000", "1", "0", "15"}},
                                         PictureCase{"1", {"1000", "20", "1", "1"}},
                                         PictureCase{"20", {"1000", "1", "20", "15"}},
                                         PictureCase{"100", {"1000", "1", "100", "15"}}),
                         [](const auto& info) { return info.param.trays + "Trays"; });

TEST(StoredZoomPicture, ChartAfterALeftDragDownRight) {
  TProgramWindows windows;
  TForm1& form = windows.Form1;
  form.SetTexts({"1000", "1", "20", "15"});
  form.show();
  form.Button1Click();
  QApplication::processEvents();
  chart::TChart& chart = *form.Chart1;
  QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(90, 120));
  QTest::mouseMove(&chart, QPoint(150, 200));
  QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(210, 300));
  ASSERT_TRUE(chart.Zoomed);
  ExpectStoredPicture(chart.grab().toImage(), "chart_20_zoomed");
}

}  // namespace
}  // namespace app
