#include "cli/progressline.h"

#include <algorithm>
#include <cmath>

namespace cli {

TProgressLine::~TProgressLine() {
  if (terminal_ && !shown_.empty()) *terminal_ << '\r' << std::string(shown_.size(), ' ') << '\r' << std::flush;
}

void TProgressLine::Show(long double share) {
  if (!terminal_) return;
  const long double percent = share > 0 ? std::floor(100 * std::min(share, 1.0L)) : 0;
  const std::string line = "stillwise: " + std::to_string(static_cast<int>(percent)) + " %";
  if (line == shown_) return;
  shown_ = line;
  *terminal_ << '\r' << line << std::flush;
}

}  // namespace cli
