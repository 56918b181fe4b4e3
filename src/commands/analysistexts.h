#pragma once

// The user's wording of what the analysis layer reports as reasons: the
// study's and the batch run's refusals, why a search found no answer, why a
// batch run stopped, the notes on failed study points and on the x-y diagram.

#include <string>

#include "analysis/batchrun.h"
#include "analysis/inverse.h"
#include "analysis/study.h"
#include "analysis/xydiagram.h"
#include "model/strengthunits.h"

namespace commands {

// The form of a Russian noun that agrees with `count`: `one` after 1, 21,
// 101…, `few` after 2–4, 22–24…, `many` after the rest, 11–14 and 111–114
// among them.
const char* PluralForm(int count, const char* one, const char* few, const char* many);

// The note under the chart for one message: "1 точка не рассчитана: …",
// "3 точки не рассчитаны: …", "5 точек не рассчитаны: …".
std::string FailureNote(const analysis::FailureCount& failure);

// The refusal of a study's or a search's inputs, naming the text or count at
// fault, cut as runtime::Echoed cuts it.
std::string StudyRefusalText(const analysis::EStudyInputError& error);

std::string BatchRefusalText(analysis::BatchRefusal refusal);

// Why a search found no answer: "Крепость 80,00 % с 20 тарелками не
// достигается ни при каком флегмовом числе от 0 до 16,716" and the like.
std::string UnreachableText(const analysis::Unreachable& reason);

// A search's target as its answers name it: "85 %", or "85 %об." when it
// was typed by volume.
std::string TargetText(long double typed, model::StrengthUnit unit);

// The answers of the two searches, each naming the target it answers, so that
// one left from an earlier target cannot pass for the current one: "Для 85 %
// при N = 10: флегмовое число не меньше 3.34".
std::string RefluxAnswerText(const std::string& target, const analysis::RefluxAnswer& answer, int traycount);
std::string TrayAnswerText(const std::string& target, const analysis::TrayAnswer& answer, long double refluxratio);

// Why the run stopped: the failure's message for kFailed.
std::string BatchStopText(const analysis::BatchRun& run);

// One line on what the diagram shows that its steps do not explain, or empty.
std::string XyNoteText(const analysis::XyDiagram& diagram);

}  // namespace commands
