#include "app/convertform.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <sstream>

#include "app/commandline.h"

namespace app {
namespace {

TEST(ConvertForm, FillsTheOtherFieldsOrSaysWhatIsWrong) {
  TConvertForm form;
  const std::tuple<model::StrengthUnit, QString, QString, QString> typed[] = {
      {model::StrengthUnit::kVolume, "40", "33.30", ""},
      {model::StrengthUnit::kDensity, "948.05", "33.30", ""},
      {model::StrengthUnit::kMass, "4x", "4x", "«4x» — не число. Введите число, например 40.5."},
      {model::StrengthUnit::kVolume, "101", "", "Крепость должна быть от 0 до 100 процентов."}};
  for (const auto& [unit, text, mass, status] : typed) {
    form.Edit(unit)->clear();
    QTest::keyClicks(form.Edit(unit), text);
    EXPECT_EQ(form.Edit(model::StrengthUnit::kMass)->text(), mass);
    EXPECT_EQ(form.StatusLine->text(), status);
  }
}

TEST(RunConvert, PrintsFourNamedLinesOrRefuses) {
  std::ostringstream out, err;
  EXPECT_EQ(RunConvert(ParseCommandLine({"--convert", "40", "volume"}).convert, out, err), 0);
  EXPECT_EQ(out.str(),
            "mass_percent 33.2996\nvolume_percent 40.0000\nmole_percent 16.3341\ndensity_kg_per_m3 948.045\n");
  EXPECT_EQ(RunConvert(ParseCommandLine({"--convert", "-1", "mass"}).convert, out, err), 1);
  EXPECT_EQ(err.str(), "Крепость должна быть от 0 до 100 процентов.\n");
  for (const auto& malformed : {std::vector<std::string>{"--convert", "40"}, {"--convert", "4,0", "mass"},
                                {"--convert", "40", "proof"}}) {
    EXPECT_EQ(ParseCommandLine(malformed).mode, CommandLine::Mode::kError);
  }
}

}  // namespace
}  // namespace app
