#include "app/xyform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>

#include "app/program.h"
#include "chart/chartwidget.h"
#include "guitest.h"

namespace app {
namespace {

// The window is handed each calculation of the main window and redraws.
TEST(XyForm, ShowsEachNewCalculationOfTheMainWindow) {
  TProgramWindows windows;
  TMainForm& form = windows.mainWindow;
  for (const commands::InputTexts& texts : {commands::InputTexts{"1000", "20", "15", "1"}, commands::InputTexts{"500", "40", "3", "3"}}) {
    form.SetTexts(texts);
    form.CalculateClicked();
    if (!form.XyWindow()) test::Named<QAction>(form, "xyAction")->trigger();
    const TXyForm& xy = *form.XyWindow();
    EXPECT_TRUE(test::Named<QLabel>(xy, "sourceLabel")->text().contains(QString::fromStdString(", тарелок " + texts.trays + ",")));
    EXPECT_EQ(xy.Diagram().stages.size(), std::stoul(texts.trays) + 1);
  }
  // Arrow keys step the status line through the stages, held at the ends;
  // the first key tells the still.
  const TXyForm& xy = *form.XyWindow();
  const QLabel* status = test::Named<QLabel>(xy, "statusLine");
  for (const auto& [key, text] : {std::pair{Qt::Key_Left, "Куб: "}, {Qt::Key_Down, "Тарелка 1: "}, {Qt::Key_Right, "Тарелка 2: "},
                                  {Qt::Key_Up, "Тарелка 1: "}, {Qt::Key_Left, "Куб: "}, {Qt::Key_Up, "Куб: "}}) {
    QTest::keyClick(&xy.XyChart(), key);
    EXPECT_TRUE(status->text().startsWith(text)) << status->text().toStdString();
  }
}

}  // namespace
}  // namespace app
