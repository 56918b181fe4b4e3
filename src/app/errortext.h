#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace app {

// The text of an error's message box: the message, with a "." appended when
// its last byte is above "." (a letter, a digit; in UTF-8 every non-ASCII
// character ends in a byte above it too). One ending in ".", "!", ")" or a
// space is left as it is.
std::string ErrorBoxText(std::string_view message);

// The program's title from its executable's path: the file name without its
// folder and without everything from its first "." on, every character after
// the first in lower case.
QString ApplicationTitle(const QString& executablePath);

}  // namespace app
