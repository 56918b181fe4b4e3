#include "analysis/xydiagram.h"

#include <gtest/gtest.h>

#include "model/properties.h"

namespace analysis {
namespace {

model::TColumn Calculated(int power, long double stillpercent, int trays, long double reflux) {
  model::TColumn column;
  column.Calculate({power, stillpercent / 100, trays, reflux + 1});
  return column;
}

// The steps are the tray table's own values, never stepped again from the
// curves: across at the vapour from the stage below to the tray's liquid,
// then up to the tray's vapour, and across to the top at the end.
TEST(XyDiagram, StepsAreTheTrayTable) {
  const model::TColumn columns[] = {Calculated(1000, 1, 20, 15), Calculated(1000, 20, 15, 1),
                                    Calculated(1000, 10, 1, 2), Calculated(500, 40, 0, 3)};
  for (const model::TColumn& column : columns) {
    const XyDiagram diagram = MakeXyDiagram(column, StrengthAxis::kMass);
    const int trays = column.inputs.traycount;
    ASSERT_EQ(diagram.staircase.size(), static_cast<std::size_t>(2 * trays + 2)) << trays;
    ASSERT_EQ(diagram.stages.size(), static_cast<std::size_t>(trays + 1));
    long double liquid = column.inputs.stillstrength;
    long double vapour = model::vapourstrength(liquid);
    EXPECT_EQ(diagram.staircase[0].x, liquid * 100);
    EXPECT_EQ(diagram.staircase[0].y, vapour * 100);
    for (int i = 1; i <= trays; ++i) {
      const XyPoint across = diagram.staircase[static_cast<std::size_t>(2 * i - 1)];
      const XyPoint up = diagram.staircase[static_cast<std::size_t>(2 * i)];
      liquid = column.trayliquid[static_cast<std::size_t>(i)];
      EXPECT_EQ(across.x, liquid * 100) << i;
      EXPECT_EQ(across.y, vapour * 100) << i;
      vapour = column.trayvapour[static_cast<std::size_t>(i)];
      EXPECT_EQ(up.x, liquid * 100) << i;
      EXPECT_EQ(up.y, vapour * 100) << i;
      EXPECT_EQ(diagram.stages[static_cast<std::size_t>(i)].number, i);
    }
    EXPECT_EQ(diagram.staircase.back().x, column.topstrength * 100);
    EXPECT_EQ(diagram.staircase.back().y, vapour * 100);
  }
}

TEST(XyDiagram, SaysWhatTheStepsDoNotExplain) {
  const std::pair<model::TColumn, std::string> notes[] = {
      {Calculated(1000, 20, 15, 1), ""},
      {Calculated(1000, 1, 20, 15),
       "Профиль решён сверху вниз: ступени показывают таблицу тарелок, а не шаги от куба."},
      {Calculated(1000, 0, 5, 1), "На тарелках 1–5 в жидкости нет этанола."}};
  for (const auto& [column, note] : notes) EXPECT_EQ(MakeXyDiagram(column, StrengthAxis::kMass).note, note);
}

TEST(XyDiagram, TextbookLineIsStraightInMoleFractions) {
  const model::TColumn column = Calculated(1000, 10, 5, 2);
  const XyDiagram diagram = MakeXyDiagram(column, StrengthAxis::kMole);
  const long double top = ShownStrength(column.topstrength * 100, StrengthAxis::kMole);
  // Through the top on the diagonal, with slope R / (R + 1) = 2 / 3.
  EXPECT_NEAR(diagram.textbook.back().x, top, 1e-12L);
  EXPECT_NEAR(diagram.textbook.back().y, top, 1e-12L);
  for (const XyPoint& p : diagram.textbook) EXPECT_NEAR(p.y, top + (p.x - top) * 2 / 3, 1e-12L);
}

}  // namespace
}  // namespace analysis
