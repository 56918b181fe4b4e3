#include "app/convertform.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "guitest.h"

namespace app {
namespace {

TEST(ConvertForm, FillsTheOtherFieldsOrSaysWhatIsWrong) {
  TConvertForm form;
  const QLabel* status = test::Named<QLabel>(form, "statusLine");
  const std::tuple<model::StrengthUnit, QString, QString, QString> typed[] = {
      {model::StrengthUnit::kVolume, "40", "33.30", ""},
      {model::StrengthUnit::kDensity, "948.05", "33.30", ""},
      {model::StrengthUnit::kMass, "4x", "4x", "«4x» — не число. Введите число, например 40.5."},
      {model::StrengthUnit::kVolume, "101", "", "Крепость должна быть от 0 до 100 процентов."}};
  for (const auto& [unit, text, mass, message] : typed) {
    form.Edit(unit)->clear();
    QTest::keyClicks(form.Edit(unit), text);
    EXPECT_EQ(form.Edit(model::StrengthUnit::kMass)->text(), mass);
    EXPECT_EQ(status->text(), message);
  }
}

}  // namespace
}  // namespace app
