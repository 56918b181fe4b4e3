#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "support/scoped_separators.h"

namespace {

// Inputs the fuzz target once failed on, run the same way again; a failure
// aborts the run or shows under the sanitizer build.
TEST(FuzzRegressions, FormerFailuresRunClean) {
  const ScopedSeparators restore(".", ",");
  const std::vector<std::vector<std::uint8_t>> inputs = {
      // The general form kept a view of a separator copy that had gone.
      {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x3F, 0x00,
       '#', ',', '#', '#', '0', '.', '#', '#', '#'},
  };
  for (const auto& input : inputs) numtext_fuzz::RunInput(input.data(), input.size());
  EXPECT_EQ(numtext::FloatToStr(1.5L), "1.5");
}

}  // namespace
