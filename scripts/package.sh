#!/usr/bin/env bash
# Builds the Release configuration in ${BUILD_DIR:-build-release} and makes
# the Debian package there with CPack; prints the package's path. Extra
# arguments go to cmake (CI passes -DBUILD_TESTING=ON to reuse its build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export BUILD_DIR=${BUILD_DIR:-build-release}
scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "$@"
if ! (cd "$BUILD_DIR" && cpack -G DEB >cpack.log 2>&1); then
  cat "$BUILD_DIR/cpack.log" >&2
  exit 1
fi
ls "$(cd "$BUILD_DIR" && pwd)"/stillwise_*.deb
