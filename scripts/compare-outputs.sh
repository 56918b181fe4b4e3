#!/usr/bin/env bash
# Runs two builds of the program over the same many inputs, in the C and
# the Russian locale, and reports every difference in standard output,
# standard error, exit status or written file. A change meant to keep
# behaviour must leave this silent.
#   scripts/compare-outputs.sh OLD_PROGRAM NEW_PROGRAM
set -uo pipefail
[ $# -eq 2 ] || { echo "usage: $0 OLD_PROGRAM NEW_PROGRAM" >&2; exit 2; }
old=$(realpath "$1") new=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
cases=0 differences=0

# Runs one case with both programs in their own folders; the arguments may
# name output files, which are relative to that folder.
compare() {
  local lc=$1; shift
  cases=$((cases + 1))
  for side in old new; do
    rm -rf "${work:?}/$side" && mkdir "$work/$side"
    local program=$old
    [ "$side" = new ] && program=$new
    (cd "$work/$side" && LC_ALL=$lc "$program" "$@" >stdout 2>stderr </dev/null; echo $? >status)
  done
  if ! diff -r "$work/old" "$work/new" >/dev/null; then
    differences=$((differences + 1))
    echo "differs: LC_ALL=$lc stillwise $*"
    diff -r "$work/old" "$work/new" | head -n 6
  fi
}

# Column inputs as the fields take them: power, strength, trays, reflux.
inputs=(
  "1000 1 20 15" "1500 1 20 15" "1000 10 5 3" "2000 40 10 2" "500 80 3 1"
  "3000 5 0 0" "1000 0 10 2" "1000 100 5 2" "1000 95 20 5" "1000 1 1 0"
  "1000 1 100 15" "1000 1 101 15" "0 1 20 15" "-100 1 20 15" "1000 -1 5 2"
  "1000 1 -1 2" "1000 1 5 -1" "1000 1 5 -0.5" "1e4 1 20 15" "1e30 1 20 15"
  "1000 1e-20 20 15" "1000 1 20 1e-30" "1000 1 20 1e30" "abc 1 20 15"
  "1000 1 2.5 15" "1000 1 20 0.7" "1000 12.5 12 4.25" "750 2.75 7 0.35"
  "1000 1 20 15 extra" "1000 1 20" "1000  1 20 15" " 1000 1 20 15"
  "1000 99.9 40 20" "1000 0.001 60 100" "4000 60 25 0.1" "1 1 1 1"
)
for lc in C.UTF-8 ru_RU.UTF-8; do
  for input in "${inputs[@]}"; do
    typed=$input
    [ "$lc" = ru_RU.UTF-8 ] && typed=${input//./,}
    # shellcheck disable=SC2086
    {
      compare "$lc" --report $typed
      compare "$lc" --report $typed --no-return --no-vapour
      compare "$lc" --report $typed --no-liquid --no-temperature
      compare "$lc" --csv out.csv $typed
      compare "$lc" --csv - $typed
      compare "$lc" --need 85 $typed
      compare "$lc" --need 40.5 $typed
    }
  done
  compare "$lc" --need 0 1000 1 20 15
  compare "$lc" --need 101 1000 1 20 15
  compare "$lc" --need 99 1000 50 20 15
  for study in "1000 1" "1500 10 --trays 1,3,8 --reflux 0 5 21" \
               "2000 40 --trays 0 --reflux 0 2 5" "1000 1 --reflux 0.1 1.9 4" \
               "1000 1 --trays 1 2 5" "1000 1 --reflux -1 2 3" "1000 x" \
               "1000 1 --trays 101" "1000 1 --reflux 1e308 1e309 3"; do
    typed=$study
    [ "$lc" = ru_RU.UTF-8 ] && typed=$(sed -E 's/^([^ ]+) ([0-9]+)\.([0-9]+)/\1 \2,\3/' <<<"$study")
    # shellcheck disable=SC2086
    compare "$lc" --study out.csv $typed
    # shellcheck disable=SC2086
    compare "$lc" --study-chart out.svg $typed
  done
  compare "$lc" --study-chart out.png 1000 1 --trays 1,5,20
  for batch in "20 10 1000 0 0" "20 10 1500 12 4 --step 5" \
               "40 40 2000 10 2 --step 10 --stop-top 80" \
               "5 1 3000 5 1 --step 2 --stop-still 0.5" "20 10 1000 5 2 --hours 3 --step 7" \
               "1 90 500 20 5 --step 3" "20 10 0 5 2 --step 60" "20 -1 1000 5 2" \
               "0 10 1000 5 2" "20 10 1000 5 2 --step 0"; do
    typed=$batch
    [ "$lc" = ru_RU.UTF-8 ] && typed=${batch//./,}
    # shellcheck disable=SC2086
    compare "$lc" --batch out.csv $typed
  done
  for convert in "40 mass" "40 volume" "96 volume" "50 mole" "900 density" \
                 "0 mass" "100 mass" "101 mass" "700 density" "x mass" "40 litres"; do
    # shellcheck disable=SC2086
    compare "$lc" --convert $convert
  done
  for input in "1000 1 20 15" "1500 10 12 4" "1000 1 0 0" "500 80 5 1" "abc 1 20 15"; do
    typed=$input
    # shellcheck disable=SC2086
    {
      compare "$lc" --chart out.png $typed
      compare "$lc" --chart out.svg $typed
      compare "$lc" --xy-chart out.png $typed
      compare "$lc" --xy-chart out.svg $typed
      compare "$lc" --screenshot out.png $typed
    }
  done
  compare "$lc" --screenshot out.png
  compare "$lc" --info-screenshot out.png
  for wrong in "--help" "--version" "--bogus" "--report 1 2 3" "--csv" "--chart out.bmp 1000 1 20 15" \
               "--study out.csv 1000 1 --trays 1 --trays 2" "--batch -- 20 10 1000 5 2"; do
    # shellcheck disable=SC2086
    compare "$lc" $wrong
  done
done
echo "$cases cases, $differences differ"
[ "$differences" -eq 0 ]
