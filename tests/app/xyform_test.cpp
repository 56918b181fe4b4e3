#include "app/xyform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include "app/program.h"
#include "chart/chartwidget.h"

namespace app {
namespace {

// The window is handed each calculation of the main window and redraws.
TEST(XyForm, ShowsEachNewCalculationOfTheMainWindow) {
  TProgramWindows windows;
  TForm1& form = windows.Form1;
  for (const commands::InputTexts& texts : {commands::InputTexts{"1000", "20", "15", "1"}, commands::InputTexts{"500", "40", "3", "3"}}) {
    form.SetTexts(texts);
    form.Button1Click();
    if (!form.XyWindow()) form.ActionXy->trigger();
    const TXyForm& xy = *form.XyWindow();
    EXPECT_TRUE(xy.SourceLabel->text().contains(QString::fromStdString(", тарелок " + texts.trays + ",")));
    EXPECT_EQ(xy.Diagram().stages.size(), std::stoul(texts.trays) + 1);
  }
  // Arrow keys step the status line through the stages, held at the ends;
  // the first key tells the still.
  const TXyForm& xy = *form.XyWindow();
  for (const auto& [key, text] : {std::pair{Qt::Key_Left, "Куб: "}, {Qt::Key_Down, "Тарелка 1: "}, {Qt::Key_Right, "Тарелка 2: "},
                                  {Qt::Key_Up, "Тарелка 1: "}, {Qt::Key_Left, "Куб: "}, {Qt::Key_Up, "Куб: "}}) {
    QTest::keyClick(xy.XyChart, key);
    EXPECT_TRUE(xy.StatusLine->text().startsWith(text)) << xy.StatusLine->text().toStdString();
  }
}

}  // namespace
}  // namespace app
