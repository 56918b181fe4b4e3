#include "commands/errortext.h"

#include "commands/analysistexts.h"

namespace commands {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

std::string ErrorMessage(const std::exception& error) {
  if (const auto* study = dynamic_cast<const analysis::EStudyInputError*>(&error)) {
    return StudyRefusalText(*study);
  }
  if (const auto* batch = dynamic_cast<const analysis::EBatchInputError*>(&error)) {
    return BatchRefusalText(batch->refusal);
  }
  return error.what();
}

}  // namespace commands
