#include "app/form3.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/clicklabel.h"
#include "app/program.h"
#include "guitest.h"

namespace app {
namespace {

TEST(TForm3, ShownByButtonAndVersionLabelHiddenByClose) {
  test::Application();
  TProgramWindows windows;
  TForm1& form1 = windows.Form1;
  TForm3& form3 = windows.Form3;
  form1.show();
  ASSERT_FALSE(form3.isVisible());
  QTest::mouseClick(form1.Button4, Qt::LeftButton);
  ASSERT_TRUE(form3.isVisible());
  QScrollBar* bar = form3.Memo1->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  const int position = bar->value();
  ASSERT_GT(position, 0);
  const QRect geometry = form3.geometry();

  // A second click on either finds it shown and changes nothing.
  QTest::mouseClick(form1.Button4, Qt::LeftButton);
  QTest::mouseClick(form1.Label8, Qt::LeftButton);
  EXPECT_TRUE(form3.isVisible());
  EXPECT_EQ(form3.geometry(), geometry);
  EXPECT_EQ(bar->value(), position);

  QTest::mouseClick(form3.Button1, Qt::LeftButton);
  EXPECT_FALSE(form3.isVisible());
  EXPECT_TRUE(form1.isVisible());
  QTest::mouseClick(form1.Label8, Qt::LeftButton);
  EXPECT_TRUE(form3.isVisible());
  EXPECT_EQ(bar->value(), position);
}

TEST(TForm3, TextHasShortLinesAndItsHeadingsInOrder) {
  test::Application();
  TForm3 form3;
  const QStringList lines = form3.Memo1->toPlainText().split('\n');
  for (const QString& line : lines) EXPECT_LE(line.size(), 52) << line.toStdString();
  const QStringList headings = {"Что делает эта программа?", "Как её использовать?",
                                "Как программа рассчитывает крепость и другие", "данные?",
                                "Допущенные упрощения:", "Другие источники ошибок:"};
  qsizetype from = 0;
  for (const QString& heading : headings) {
    const qsizetype at = lines.indexOf(heading, from);
    ASSERT_GE(at, from) << heading.toStdString();
    from = at + 1;
  }
}

}  // namespace
}  // namespace app
