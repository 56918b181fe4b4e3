#include "app/application.h"

#include <gtest/gtest.h>

#include <QStyle>
#include <sstream>

#include "app/errortext.h"
#include "guitest.h"
#include "numtext/numtext.h"
#include "runtime/errors.h"

namespace app {
namespace {

TEST(TApplication, ShowsAnErrorInAStopBoxWithOneOkButton) {
  TApplication& application = test::Application();
  const auto boxes = test::AnswerMessageBoxes(
      [&] { application.HandleException(runtime::EConvertError("'x' is not a valid integer value")); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'x' is not a valid integer value.");
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_TRUE(boxes[0].applicationModal);
  EXPECT_EQ(boxes[0].title, "app_tests");
  EXPECT_EQ(boxes[0].title, ApplicationTitle(QApplication::applicationFilePath()));
}

TEST(TApplication, GuardedCommandHandsItsErrorOverAndReturns) {
  test::Application();
  bool after = false;
  const auto boxes = test::AnswerMessageBoxes([&] {
    Guarded([] { throw runtime::EInvalidOp(); })();
    after = true;
  });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Invalid floating point operation.");
  EXPECT_TRUE(after);
}

TEST(TApplication, ErrorStreamTakesTheTextInsteadOfABox) {
  TApplication& application = test::Application();
  std::ostringstream stream;
  application.SetErrorStream(&stream);
  const auto boxes = test::AnswerMessageBoxes(
      [&] { application.HandleException(runtime::EColumnInputError("Кол-во тарелок не может быть больше 100")); });
  application.SetErrorStream(nullptr);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(stream.str(), "Кол-во тарелок не может быть больше 100.\n");
}

TEST(TApplication, RereadsTheSeparatorsWhenTheLocaleChanges) {
  test::Application();
  EXPECT_EQ(numtext::LocaleDecimalSeparator(), ".");
  {
    test::TScopedLocale russian("ru_RU.UTF-8");
    EXPECT_EQ(numtext::LocaleDecimalSeparator(), ",");
  }
  EXPECT_EQ(numtext::LocaleDecimalSeparator(), ".");
}

TEST(TApplication, HintsWakeAfterHalfASecond) {
  test::Application();
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
}

TEST(TApplication, HasTheColumnIcon) {
  test::Application();
  EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(48, 48)));
}

}  // namespace
}  // namespace app
