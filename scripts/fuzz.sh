#!/usr/bin/env bash
# Builds the number-text fuzz target with clang, libFuzzer and the address and
# undefined-behaviour sanitizers, and runs it for ${FUZZ_SECONDS:-60} seconds.
# Fails on any crash, hang, leak or sanitizer report; the input that caused it
# is left in ${FUZZ_DIR:-build-fuzz}/.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${FUZZ_DIR:-build-fuzz}
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -Wall -Wextra -Werror -frounding-math \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc src/numtext/*.cpp src/runtime/*.cpp tests/numtext/fuzz/numtext_fuzz.cpp \
  -o "$out/numtext_fuzz"

"$out/numtext_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 \
  -artifact_prefix="$out/" -print_final_stats=1 \
  "$out/corpus" tests/numtext/fuzz/seeds
