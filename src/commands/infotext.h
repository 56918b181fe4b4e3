#pragma once

#include <string_view>

namespace commands {

// The text of the information window, in UTF-8, lines separated by "\n".
std::string_view InformationText();

}  // namespace commands
