#include "app/xyform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/program.h"
#include "chart/chartwidget.h"
#include "guitest.h"

namespace app {
namespace {

TEST(XyForm, ShowsEachNewCalculationOfTheMainWindow) {
  TProgramWindows windows;
  TForm1& form = windows.Form1;
  form.show();
  for (const InputTexts& texts : {InputTexts{"1000", "20", "15", "1"}, InputTexts{"500", "40", "3", "3"}}) {
    form.SetTexts(texts);
    EXPECT_EQ(test::AnswerMessageBoxes([&] { QTest::mouseClick(form.Button1, Qt::LeftButton); }), QStringList());
    if (!form.XyWindow()) form.ActionXy->trigger();
    const TXyForm& xy = *form.XyWindow();
    EXPECT_TRUE(xy.SourceLabel->text().contains(QString::fromStdString(", тарелок " + texts.trays + ",")));
    EXPECT_EQ(xy.Diagram().stages.size(), std::stoul(texts.trays) + 1);
  }
}

}  // namespace
}  // namespace app
