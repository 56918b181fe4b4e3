#pragma once

#include <string_view>

namespace app {

// The text of the information window, in UTF-8, lines separated by "\n".
std::string_view InformationText();

}  // namespace app
