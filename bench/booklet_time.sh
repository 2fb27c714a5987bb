#!/usr/bin/env bash
# Time to a finished booklet, from the command line to the PDF file written,
# fresh puzzles included: 100 9 x 9 puzzles, 4 a page, with the answer key
# (target: 1 s or less), and 20 16 x 16 puzzles, 1 a page, with the answer
# key (target: 2 s or less).
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

measure() {
  local label=$1 target=$2
  shift 2
  local times=() summary=""
  for run in $(seq "$runs"); do
    local start
    start=$(date +%s%N)
    summary=$("$program" --booklet "$folder/booklet.pdf" "$@" --solutions --seed "$run")
    times+=("$((($(date +%s%N) - start) / 1000000))")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" -v label="$label" -v target="$target" -v summary="${summary#*: }" '
    { t[NR] = $1 }
    END { printf "%s, %d runs: median %d ms, min %d ms, max %d ms (target <= %d ms); %s\n",
                 label, runs, t[int((NR + 1) / 2)], t[1], t[NR], target, summary }'
}

measure "100 9 x 9 puzzles, 4 a page" 1000 --shape 3x3 --level normal --count 100 --per-page 4
measure "20 16 x 16 puzzles, 1 a page" 2000 --shape 4x4 --level normal --count 20 --per-page 1
