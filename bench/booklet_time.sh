#!/usr/bin/env bash
# Time to a finished booklet: 100 fresh 9 x 9 puzzles, 4 a page, with their
# solutions, from the command line to the PDF file written. Target: 5 s or less.
#   bash bench/booklet_time.sh [runs]        (default 3)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-3}
build=${NOVLET_BUILD:-build/release}
bash scripts/build.sh "$build" corvex-novlet >/dev/null
program=$build/corvex-novlet
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

times=()
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" --booklet "$folder/booklet.pdf" --shape 3x3 --level normal --count 100 --per-page 4 --solutions \
    --seed "$run" >/dev/null 2>&1
  times+=("$((($(date +%s%N) - start) / 1000000))")
done
printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
  { t[NR] = $1 }
  END { printf "100-puzzle booklet with solutions, %d runs: median %d ms, min %d ms, max %d ms (target <= 5000 ms)\n",
               runs, t[int((NR + 1) / 2)], t[1], t[NR] }'
