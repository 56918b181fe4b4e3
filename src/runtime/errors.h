#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace runtime {

// Every error the program shows to the user derives from this; what() is the
// text of the message box, before the application's punctuation rule.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that does not convert to a number, or a picture pattern too long.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EZeroDivide : public Exception {
 public:
  EZeroDivide() : Exception("Floating point division by zero") {}
};

class EInvalidOp : public Exception {
 public:
  EInvalidOp() : Exception("Invalid floating point operation") {}
};

class EOverflow : public Exception {
 public:
  EOverflow() : Exception("Floating point overflow") {}
};

// Inputs the column model refuses before it computes anything.
class EColumnInputError : public Exception {
 public:
  using Exception::Exception;
};

// A text the user gave, as a message repeats it: control characters shown
// as "?" and anything after kEchoedCharacters characters cut to "...", so
// that a message stays one readable line whatever was typed.
inline constexpr std::size_t kEchoedCharacters = 40;
std::string Echoed(std::string_view text);
// A strength or density that no ethanol-water mixture has.
class EStrengthRangeError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace runtime
