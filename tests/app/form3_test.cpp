#include "app/form3.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/clicklabel.h"
#include "app/infotext.h"
#include "app/program.h"
#include "guitest.h"

namespace app {
namespace {

class Form3Test : public testing::Test {
 protected:
  static void SetUpTestSuite() { test::Application(); }

  void SetUp() override {
    windows_ = std::make_unique<TProgramWindows>();
    windows_->Form1.show();
  }

  TForm1& form1() { return windows_->Form1; }
  TForm3& form3() { return windows_->Form3; }

  std::unique_ptr<TProgramWindows> windows_;
};

TEST_F(Form3Test, IsAFixedHiddenWindowWithItsControls) {
  EXPECT_FALSE(form3().isVisible());
  EXPECT_EQ(form3().windowTitle(), "Информация");
  EXPECT_EQ(form3().minimumSize(), QSize(319, 440));
  EXPECT_EQ(form3().maximumSize(), QSize(319, 440));
  EXPECT_EQ(form3().Label1->text(), "Информация о Stillwise");
  EXPECT_EQ(form3().Label1->pos(), QPoint(75, 8));
  EXPECT_EQ(form3().Button1->text(), "Закрыть");
  EXPECT_EQ(form3().Button1->geometry(), QRect(97, 408, 75, 25));
  EXPECT_EQ(form3().Memo1->geometry(), QRect(12, 32, 294, 369));
  EXPECT_TRUE(form3().Memo1->isReadOnly());
  EXPECT_EQ(form3().Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(form3().Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(Form3Test, ButtonAndVersionLabelShowItOnce) {
  QTest::mouseClick(form1().Button4, Qt::LeftButton);
  EXPECT_TRUE(form3().isVisible());
  form1().raise();
  QTest::mouseClick(form1().Button4, Qt::LeftButton);
  QTest::mouseClick(form1().Label8, Qt::LeftButton);
  EXPECT_TRUE(form3().isVisible());

  QTest::mouseClick(form3().Button1, Qt::LeftButton);
  EXPECT_FALSE(form3().isVisible());
  QTest::mouseClick(form1().Label8, Qt::LeftButton);
  EXPECT_TRUE(form3().isVisible());
  QTest::mouseClick(form1().Label8, Qt::LeftButton);
  EXPECT_TRUE(form3().isVisible());
  EXPECT_TRUE(form1().isVisible());
}

TEST_F(Form3Test, ClosingHidesItAndKeepsTheScrollPosition) {
  form1().Button4Click();
  QScrollBar* bar = form3().Memo1->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  const int position = bar->value();
  ASSERT_GT(position, 0);

  form3().close();
  EXPECT_FALSE(form3().isVisible());
  form1().Button4Click();
  EXPECT_TRUE(form3().isVisible());
  EXPECT_EQ(bar->value(), position);
  EXPECT_EQ(form3().Memo1->toPlainText().toStdString(), InformationText());
}

TEST_F(Form3Test, ClosingItLeavesTheProgramRunning) {
  EXPECT_FALSE(form3().testAttribute(Qt::WA_QuitOnClose));
  EXPECT_TRUE(form1().testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(Form3Test, TextLinesFitTheMemoWithoutWrapping) {
  form1().Button4Click();
  const QFontMetrics metrics(form3().Memo1->font());
  const int room = form3().Memo1->viewport()->width() -
                   2 * static_cast<int>(form3().Memo1->document()->documentMargin());
  for (const QString& line : QString::fromStdString(std::string(InformationText())).split('\n')) {
    EXPECT_LE(line.size(), 52) << line.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
  }
}

TEST(InformationText, FollowsItsHeadingsInOrder) {
  const QStringList lines = QString::fromStdString(std::string(InformationText())).split('\n');
  const QStringList headings = {"Что делает эта программа?",
                                "Как её использовать?",
                                "Как программа рассчитывает крепость и другие",
                                "данные?",
                                "Допущенные упрощения:",
                                "Другие источники ошибок:"};
  qsizetype from = 0;
  for (const QString& heading : headings) {
    const qsizetype at = lines.indexOf(heading, from);
    ASSERT_GE(at, from) << heading.toStdString();
    from = at + 1;
  }
  EXPECT_EQ(lines[lines.indexOf("данные?") - 1], "Как программа рассчитывает крепость и другие");
  EXPECT_TRUE(lines.join(' ').contains("1000 раз"));
  EXPECT_TRUE(lines.back().endsWith("."));
}

}  // namespace
}  // namespace app
