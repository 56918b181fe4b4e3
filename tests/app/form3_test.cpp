#include "app/form3.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <tuple>

#include "app/clicklabel.h"
#include "app/program.h"

namespace app {
namespace {

TEST(TForm3, ShownByButtonAndVersionLabelHiddenByCloseWithItsText) {
  TProgramWindows windows;
  TForm1& form1 = windows.Form1;
  TForm3& form3 = windows.Form3;
  form1.show();
  ASSERT_FALSE(form3.isVisible());
  QTest::mouseClick(form1.Button4, Qt::LeftButton);
  ASSERT_TRUE(form3.isVisible());
  QScrollBar* bar = form3.Memo1->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  const auto state = [&] { return std::make_tuple(form3.isVisible(), form3.geometry(), bar->value()); };
  const auto shown = state();
  ASSERT_GT(bar->value(), 0);

  // A second click on either finds it shown and changes nothing.
  for (QWidget* control : std::initializer_list<QWidget*>{form1.Button4, form1.Label8}) {
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(state(), shown);
  }
  QTest::mouseClick(form3.Button1, Qt::LeftButton);
  EXPECT_FALSE(form3.isVisible());
  EXPECT_TRUE(form1.isVisible());
  QTest::mouseClick(form1.Label8, Qt::LeftButton);
  EXPECT_EQ(state(), shown);

  const QStringList lines = form3.Memo1->toPlainText().split('\n');
  qsizetype next = 0;
  for (const char* heading : {"Что делает эта программа?", "Как её использовать?",
                              "Как программа рассчитывает крепость и другие", "данные?",
                              "Допущенные упрощения:", "Другие источники ошибок:"}) {
    next = lines.indexOf(heading, next) + 1;
    ASSERT_GT(next, 0) << heading;
  }
  for (const QString& line : lines) EXPECT_LE(line.size(), 52) << line.toStdString();
}

}  // namespace
}  // namespace app
