#include "commands/analysistexts.h"

#include "numtext/numtext.h"

namespace commands {
namespace {

// The study's and the batch run's refusal of a negative reflux ratio alike.
constexpr const char* kRefluxBelowZero = "Флегмовое число не может быть меньше 0";

std::string Percent(long double value) { return numtext::FormatFloat("0.00", value); }

std::string WithTrays(int traycount) {
  return "с " + std::to_string(traycount) + " " +
         PluralForm(traycount, "тарелкой", "тарелками", "тарелками");
}

// Runs of consecutive trays are written "3–7".
std::string TrayRuns(const std::vector<int>& trays) {
  std::string text;
  for (std::size_t i = 0; i < trays.size();) {
    std::size_t last = i;
    while (last + 1 < trays.size() && trays[last + 1] == trays[last] + 1) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(trays[i]);
    if (last > i) text += "–" + std::to_string(trays[last]);
    i = last + 1;
  }
  return text;
}

}  // namespace

const char* PluralForm(int count, const char* one, const char* few, const char* many) {
  const int lasttwo = count % 100;
  const int last = count % 10;
  if (lasttwo >= 11 && lasttwo <= 14) return many;
  if (last == 1) return one;
  if (last >= 2 && last <= 4) return few;
  return many;
}

std::string FailureNote(const analysis::FailureCount& failure) {
  return std::to_string(failure.count) + " " +
         PluralForm(failure.count, "точка не рассчитана", "точки не рассчитаны",
                    "точек не рассчитаны") +
         ": " + failure.message;
}

std::string StudyRefusalText(const analysis::EStudyInputError& error) {
  using analysis::StudyRefusal;
  const std::string maxtrays = std::to_string(model::kMaxTrays);
  const std::string offending = runtime::Echoed(error.offending);
  switch (error.refusal) {
    case StudyRefusal::kEmptyTrayList:
      return "Список тарелок пуст: укажите числа от 1 до " + maxtrays;
    case StudyRefusal::kTrayCountNotWhole:
      return "'" + offending + "' — не целое число тарелок";
    case StudyRefusal::kTrayCountOutOfRange:
      return "Число тарелок " + offending + " вне пределов от 1 до " + maxtrays;
    case StudyRefusal::kRefluxEndsNotFinite:
      return "Границы флегмового числа должны быть конечными числами";
    case StudyRefusal::kRefluxBelowZero:
      return kRefluxBelowZero;
    case StudyRefusal::kRefluxEndsReversed:
      return "Начальное флегмовое число больше конечного";
    case StudyRefusal::kPointCountOutOfRange:
      return "Число точек должно быть от 2 до " + std::to_string(analysis::kMaxRefluxPoints);
    case StudyRefusal::kSearchTrayCountTooLarge:
      return "Число тарелок " + offending + " больше " + maxtrays;
    case StudyRefusal::kSearchRefluxTooLarge:
      return "Флегмовое число для поиска слишком велико";
    case StudyRefusal::kSearchRangeTooWide:
      return "Диапазон флегмового числа слишком широк для поиска с шагом 0,01";
  }
  return {};
}

std::string BatchRefusalText(analysis::BatchRefusal refusal) {
  using analysis::BatchRefusal;
  switch (refusal) {
    case BatchRefusal::kChargeNotAboveZero:
      return "Загрузка куба должна быть больше 0 кг";
    case BatchRefusal::kChargeTooLarge:
      return "Загрузка куба не может быть больше " +
             std::to_string(static_cast<long long>(analysis::kMaxChargeKg)) + " кг";
    case BatchRefusal::kChargeStrengthOutOfRange:
      return "Крепость загрузки должна быть от 0 до 100 %";
    case BatchRefusal::kPowerBelowZero:
      return "Мощность не может быть меньше 0 Вт";
    case BatchRefusal::kRefluxBelowZero:
      return kRefluxBelowZero;
    case BatchRefusal::kStepNotAboveZero:
      return "Шаг по времени должен быть больше 0 мин";
    case BatchRefusal::kHoursBelowZero:
      return "Время перегонки не может быть меньше 0 ч";
    case BatchRefusal::kTooManySteps:
      return "Слишком много шагов: время перегонки, деленное на шаг, больше " +
             std::to_string(analysis::kMaxBatchSteps);
    case BatchRefusal::kStopTopOutOfRange:
      return "Крепость отбора для остановки должна быть от 0 до 100 %";
    case BatchRefusal::kStopStillOutOfRange:
      return "Крепость в кубе для остановки должна быть от 0 до 100 %";
  }
  return {};
}

std::string UnreachableText(const analysis::Unreachable& reason) {
  using Why = analysis::Unreachable::Why;
  switch (reason.why) {
    case Why::kAboveAzeotrope:
      return "Крепость выше " + Percent(analysis::kAzeotropePercent) +
             " % недостижима: пар не бывает крепче азеотропа";
    case Why::kNoRefluxRatio:
      return "Крепость " + Percent(reason.targetpercent) + " % " + WithTrays(reason.traycount) +
             " не достигается ни при каком флегмовом числе от " +
             numtext::FloatToStr(reason.range.from) + " до " + numtext::FloatToStr(reason.range.to);
    case Why::kNoTrayCount:
      return "Крепость " + Percent(reason.targetpercent) +
             " % не достигается ни при каком числе тарелок от 1 до " +
             std::to_string(model::kMaxTrays) + " при флегмовом числе " +
             numtext::FloatToStr(reason.refluxratio);
  }
  return {};
}

std::string BatchStopText(const analysis::BatchRun& run) {
  using analysis::BatchStop;
  switch (run.stop) {
    case BatchStop::kHours:
      return "Прошло заданное время";
    case BatchStop::kTopStrength:
      return "Крепость отбора упала ниже заданной";
    case BatchStop::kStillStrength:
      return "Крепость в кубе упала ниже заданной";
    case BatchStop::kStillEmpty:
      return !run.rows.empty() && run.rows.back().still_ethanol_kg == 0.0L
                 ? "В кубе не осталось спирта"
                 : "В кубе не осталось воды";
    case BatchStop::kCancelled:
      return "Перегонка прервана";
    case BatchStop::kFailed:
      return run.failure;
  }
  return {};
}

std::string XyNoteText(const analysis::XyDiagram& diagram) {
  std::string note;
  if (diagram.topdownsolved) {
    note = "Профиль решён сверху вниз: ступени показывают таблицу тарелок, а не шаги от куба";
  }
  if (!diagram.drytrays.empty()) {
    note += note.empty() ? "На " : "; на ";
    note += (diagram.drytrays.size() == 1 ? "тарелке " : "тарелках ") + TrayRuns(diagram.drytrays) +
            " в жидкости нет этанола";
  }
  return note.empty() ? note : note + ".";
}

std::string TargetText(long double typed, model::StrengthUnit unit) {
  return numtext::FormatFloat("0.##", typed) + (unit == model::StrengthUnit::kVolume ? " %об." : " %");
}

std::string RefluxAnswerText(const std::string& target, const analysis::RefluxAnswer& answer, int traycount) {
  const std::string question = "Для " + target + " при N = " + std::to_string(traycount) + ": ";
  if (!answer.reached) return question + UnreachableText(answer.reason);
  return question + "флегмовое число не меньше " + numtext::FormatFloat("0.00", answer.refluxratio);
}

std::string TrayAnswerText(const std::string& target, const analysis::TrayAnswer& answer, long double refluxratio) {
  const std::string question = "Для " + target + " при ФЧ = " + numtext::FormatFloat("0.##", refluxratio) + ": ";
  if (!answer.reached) return question + UnreachableText(answer.reason);
  return question + "тарелок не меньше " + std::to_string(answer.traycount);
}

}  // namespace commands
