#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace commands {

// The text of an error's message box: the message, with a "." appended when
// its last byte is above "." (a letter, a digit; in UTF-8 every non-ASCII
// character ends in a byte above it too). One ending in ".", "!", ")" or a
// space is left as it is.
std::string ErrorBoxText(std::string_view message);

// An error's message for the user: the wording of a study's or a batch
// run's refusal, what() of any other error.
std::string ErrorMessage(const std::exception& error);

}  // namespace commands
