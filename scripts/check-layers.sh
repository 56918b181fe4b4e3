#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder it may not use, or when a
# folder that must stay free of Qt includes it. The rules are the README's.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A may=(
  [runtime]="runtime"
  [numtext]="numtext runtime"
  [model]="model runtime"
  [chart]="chart numtext runtime"
  [analysis]="analysis model runtime"
  [commands]="commands analysis model numtext runtime"
  [cli]="cli commands analysis model numtext runtime"
  [widgets]="widgets commands analysis model chart numtext runtime"
  [app]="app widgets cli commands analysis model chart numtext runtime"
)
pure="runtime numtext model analysis commands cli"
faults=0
for folder in src/*/; do
  layer=$(basename "$folder")
  allowed=${may[$layer]:-}
  [ -n "$allowed" ] || { echo "$folder: a folder with no rule"; faults=1; continue; }
  while IFS=: read -r file line used; do
    case " $allowed " in *" $used "*) ;; *) echo "$file:$line: $layer may not include $used/"; faults=1 ;; esac
  done < <(grep -Hno -E '^#include "[a-z]+/' "$folder"*.h "$folder"*.cpp 2>/dev/null |
           sed -E 's/#include "([a-z]+)\//\1/')
  case " $pure " in *" $layer "*)
    if grep -Hn -E '^#include <Q' "$folder"*.h "$folder"*.cpp 2>/dev/null; then
      echo "$folder: uses Qt but must not"; faults=1
    fi ;;
  esac
done
exit "$faults"
