// libFuzzer entry point; scripts/fuzz.sh builds and runs it.

#include <cstddef>
#include <cstdint>

#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  numtext_fuzz::RunInput(data, size);
  return 0;
}
