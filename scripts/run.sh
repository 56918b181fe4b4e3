#!/usr/bin/env bash
# Builds Stillwise and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
program=${BUILD_DIR:-build}/src/app/stillwise
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] && [ $# -eq 0 ]; then
  cat >&2 <<MSG
Stillwise is a desktop program and needs a display, but none is set
(neither DISPLAY nor WAYLAND_DISPLAY). Start it from a graphical session,
or save a picture of the window after a calculation instead:

  $program --screenshot stillwise.png 1000 1 20 15
MSG
  exit 1
fi
exec "$program" "$@"
