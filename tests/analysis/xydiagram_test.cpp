#include "analysis/xydiagram.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/properties.h"

namespace analysis {
namespace {

model::ColumnResult Calculated(int power, long double stillpercent, int trays, long double reflux) {
  return model::Calculate({power, model::Strength::FromPercent(stillpercent), trays,
                           model::RefluxRatio::FromRatio(reflux)});
}

// The steps are the tray table's own values, never stepped again from the
// curves: across at the vapour from the stage below to the tray's liquid,
// then up to the tray's vapour, and across to the top at the end.
TEST(XyDiagram, StepsAreTheTrayTable) {
  const model::ColumnResult columns[] = {Calculated(1000, 1, 20, 15), Calculated(1000, 20, 15, 1),
                                    Calculated(1000, 10, 1, 2), Calculated(500, 40, 0, 3)};
  for (const model::ColumnResult& column : columns) {
    const XyDiagram diagram = MakeXyDiagram(column, model::StrengthUnit::kMass);
    const auto n = static_cast<std::size_t>(column.inputs.traycount);
    ASSERT_EQ(diagram.staircase.size(), 2 * n + 2);
    // The still's liquid and vapour, then each tray's, then the top.
    const long double still = column.inputs.stillstrength.Fraction();
    std::vector<XyPoint> stages = {{still * 100, model::vapourstrength(still) * 100}};
    for (const model::TrayState& tray : column.trays) stages.push_back({tray.liquid.Percent(), tray.vapour.Percent()});
    stages.push_back({column.topstrength.Percent(), 0});
    for (std::size_t i = 0; i < diagram.staircase.size(); ++i) {
      // Corner 2i is stage i; corner 2i - 1 has stage i's liquid at stage i - 1's vapour.
      EXPECT_EQ(diagram.staircase[i].x, stages[(i + 1) / 2].x) << i;
      EXPECT_EQ(diagram.staircase[i].y, stages[i / 2].y) << i;
    }
  }
}

TEST(XyDiagram, SaysWhatTheStepsDoNotExplain) {
  const std::tuple<model::ColumnResult, bool, std::vector<int>> notes[] = {
      {Calculated(1000, 20, 15, 1), false, {}},
      {Calculated(1000, 1, 20, 15), true, {}},
      {Calculated(1000, 0, 5, 1), false, {1, 2, 3, 4, 5}}};
  for (const auto& [column, topdown, dry] : notes) {
    const XyDiagram diagram = MakeXyDiagram(column, model::StrengthUnit::kMass);
    EXPECT_EQ(std::pair(diagram.topdownsolved, diagram.drytrays), std::pair(topdown, dry));
  }
}

TEST(XyDiagram, TextbookLineIsStraightInMoleFractions) {
  const model::ColumnResult column = Calculated(1000, 10, 5, 2);
  const XyDiagram diagram = MakeXyDiagram(column, model::StrengthUnit::kMole);
  const long double top = model::StrengthIn(column.topstrength.Percent(), model::StrengthUnit::kMole);
  // Through the top on the diagonal, with slope R / (R + 1) = 2 / 3.
  EXPECT_NEAR(diagram.textbook.back().x, top, 1e-12L);
  EXPECT_NEAR(diagram.textbook.back().y, top, 1e-12L);
  for (const XyPoint& p : diagram.textbook) EXPECT_NEAR(p.y, top + (p.x - top) * 2 / 3, 1e-12L);
}

}  // namespace
}  // namespace analysis
