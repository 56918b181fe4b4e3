#include "app/xyform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "app/program.h"

namespace app {
namespace {

// The window is handed each calculation of the main window and redraws.
TEST(XyForm, ShowsEachNewCalculationOfTheMainWindow) {
  TProgramWindows windows;
  TForm1& form = windows.Form1;
  for (const InputTexts& texts : {InputTexts{"1000", "20", "15", "1"}, InputTexts{"500", "40", "3", "3"}}) {
    form.SetTexts(texts);
    form.Button1Click();
    if (!form.XyWindow()) form.ActionXy->trigger();
    const TXyForm& xy = *form.XyWindow();
    EXPECT_TRUE(xy.SourceLabel->text().contains(QString::fromStdString(", тарелок " + texts.trays + ",")));
    EXPECT_EQ(xy.Diagram().stages.size(), std::stoul(texts.trays) + 1);
  }
}

}  // namespace
}  // namespace app
