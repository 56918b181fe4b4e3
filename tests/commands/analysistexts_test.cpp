#include "commands/analysistexts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "commands/errortext.h"
#include "support/scopedseparators.h"

namespace commands {
namespace {

using analysis::BatchRefusal;
using analysis::BatchStop;
using analysis::StudyRefusal;
using Why = analysis::Unreachable::Why;

std::string Refused(StudyRefusal refusal, std::string offending = {}) {
  return ErrorMessage(analysis::EStudyInputError(refusal, std::move(offending)));
}

std::string Refused(BatchRefusal refusal) { return ErrorMessage(analysis::EBatchInputError(refusal)); }

std::string Stopped(BatchStop stop, long double ethanolkg = 1) {
  analysis::BatchRun run;
  run.stop = stop;
  run.rows.push_back({.still_kg = 1, .still_ethanol_kg = ethanolkg});
  run.failure = "Кол-во тарелок не может быть больше 100";
  return BatchStopText(run);
}

std::string Diagram(bool topdownsolved, std::vector<int> drytrays) {
  analysis::XyDiagram diagram;
  diagram.topdownsolved = topdownsolved;
  diagram.drytrays = std::move(drytrays);
  return XyNoteText(diagram);
}

// Every reason the analysis layer gives, worded as the user reads it.
TEST(AnalysisTexts, WordEachReason) {
  const ScopedSeparators separators(",", " ");
  const std::pair<std::string, const char*> cases[] = {
      {Refused(StudyRefusal::kEmptyTrayList), "Список тарелок пуст: укажите числа от 1 до 100"},
      {Refused(StudyRefusal::kTrayCountNotWhole, "2.5"), "'2.5' — не целое число тарелок"},
      {Refused(StudyRefusal::kTrayCountOutOfRange, "101"), "Число тарелок 101 вне пределов от 1 до 100"},
      {Refused(StudyRefusal::kRefluxEndsNotFinite), "Границы флегмового числа должны быть конечными числами"},
      {Refused(StudyRefusal::kRefluxBelowZero), "Флегмовое число не может быть меньше 0"},
      {Refused(StudyRefusal::kRefluxEndsReversed), "Начальное флегмовое число больше конечного"},
      {Refused(StudyRefusal::kPointCountOutOfRange), "Число точек должно быть от 2 до 10000"},
      {Refused(StudyRefusal::kSearchTrayCountTooLarge, "101"), "Число тарелок 101 больше 100"},
      {Refused(StudyRefusal::kSearchRefluxTooLarge), "Флегмовое число для поиска слишком велико"},
      {Refused(StudyRefusal::kSearchRangeTooWide), "Диапазон флегмового числа слишком широк для поиска с шагом 0,01"},
      {Refused(BatchRefusal::kChargeNotAboveZero), "Загрузка куба должна быть больше 0 кг"},
      {Refused(BatchRefusal::kChargeTooLarge), "Загрузка куба не может быть больше 1000000000 кг"},
      {Refused(BatchRefusal::kChargeStrengthOutOfRange), "Крепость загрузки должна быть от 0 до 100 %"},
      {Refused(BatchRefusal::kPowerBelowZero), "Мощность не может быть меньше 0 Вт"},
      {Refused(BatchRefusal::kRefluxBelowZero), "Флегмовое число не может быть меньше 0"},
      {Refused(BatchRefusal::kStepNotAboveZero), "Шаг по времени должен быть больше 0 мин"},
      {Refused(BatchRefusal::kHoursBelowZero), "Время перегонки не может быть меньше 0 ч"},
      {Refused(BatchRefusal::kTooManySteps), "Слишком много шагов: время перегонки, деленное на шаг, больше 100000"},
      {Refused(BatchRefusal::kStopTopOutOfRange), "Крепость отбора для остановки должна быть от 0 до 100 %"},
      {Refused(BatchRefusal::kStopStillOutOfRange), "Крепость в кубе для остановки должна быть от 0 до 100 %"},
      {ErrorMessage(runtime::EZeroDivide()), "Floating point division by zero"},
      {UnreachableText({Why::kAboveAzeotrope, 96, 0, {0, 20, 2}, 0}), "Крепость выше 95,58 % недостижима: пар не бывает крепче азеотропа"},
      {UnreachableText({Why::kNoRefluxRatio, 50, 1, {0, 20, 2}, 0}),
       "Крепость 50,00 % с 1 тарелкой не достигается ни при каком флегмовом числе от 0 до 20"},
      {UnreachableText({Why::kNoRefluxRatio, 80, 20, {0, 16.716L, 2}, 0}),
       "Крепость 80,00 % с 20 тарелками не достигается ни при каком флегмовом числе от 0 до 16,716"},
      {UnreachableText({Why::kNoTrayCount, 50, 0, {0, 20, 2}, 2.5L}),
       "Крепость 50,00 % не достигается ни при каком числе тарелок от 1 до 100 при флегмовом числе 2,5"},
      {Stopped(BatchStop::kHours), "Прошло заданное время"},
      {Stopped(BatchStop::kTopStrength), "Крепость отбора упала ниже заданной"},
      {Stopped(BatchStop::kStillStrength), "Крепость в кубе упала ниже заданной"},
      {Stopped(BatchStop::kStillEmpty, 0), "В кубе не осталось спирта"},
      {Stopped(BatchStop::kStillEmpty, 1), "В кубе не осталось воды"},
      {Stopped(BatchStop::kCancelled), "Перегонка прервана"},
      {Stopped(BatchStop::kFailed), "Кол-во тарелок не может быть больше 100"},
      {FailureNote({"B", 2}), "2 точки не рассчитаны: B"},
      {FailureNote({"A", 1}), "1 точка не рассчитана: A"},
      {FailureNote({"C", 11}), "11 точек не рассчитаны: C"},
      {Diagram(false, {}), ""},
      {Diagram(true, {}), "Профиль решён сверху вниз: ступени показывают таблицу тарелок, а не шаги от куба."},
      {Diagram(false, {1, 2, 3, 4, 5}), "На тарелках 1–5 в жидкости нет этанола."},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(PluralForm, AgreesTheNounWithTheCount) {
  const std::pair<int, const char*> cases[] = {
      {1, "one"},    {2, "few"},    {4, "few"},   {5, "many"},  {11, "many"},  {12, "many"},
      {14, "many"},  {21, "one"},   {22, "few"},  {25, "many"}, {100, "many"}, {101, "one"},
      {111, "many"}, {112, "many"}, {114, "many"}, {122, "few"}, {0, "many"}};
  for (const auto& [count, form] : cases) {
    EXPECT_STREQ(PluralForm(count, "one", "few", "many"), form) << count;
  }
}

}  // namespace
}  // namespace commands
