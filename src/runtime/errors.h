#pragma once

#include <stdexcept>
#include <string>

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

// A strength or density that no ethanol-water mixture has.
class EStrengthRangeError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace runtime
