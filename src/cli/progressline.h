#pragma once

#include <ostream>
#include <string>

namespace cli {

// How far a long command-line run has come, for a user who watches a
// terminal: one line, "stillwise: 42 %", rewritten in place after a
// carriage return whenever the whole per cent changes, and wiped when the
// run ends so that the terminal shows what it would show without it.
class TProgressLine {
 public:
  // With no terminal it shows nothing.
  explicit TProgressLine(std::ostream* terminal) : terminal_(terminal) {}
  ~TProgressLine();
  TProgressLine(const TProgressLine&) = delete;
  TProgressLine& operator=(const TProgressLine&) = delete;

  // `share` of the run done, 0 to 1.
  void Show(long double share);

 private:
  std::ostream* terminal_;
  std::string shown_;
};

}  // namespace cli
