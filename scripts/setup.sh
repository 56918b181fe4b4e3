#!/usr/bin/env bash
# Installs what building, running and testing Stillwise needs on Debian 12,
# skipping whatever is already there. Safe to run again.
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation locales clang libclang-rt-14-dev
          desktop-file-utils appstream man-db dpkg-dev file lintian qt6-translations-l10n)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else echo "Need root rights to run: $*" >&2; exit 1
  fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The comma-separator tests run under a real Russian locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "Generating the ru_RU.UTF-8 locale"
  as_root localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
