#!/usr/bin/env bash
# Time of `novlet-tool collection list` as a whole process (start, read,
# sort, print, exit) on the collection of a long-time player: 10,000 puzzles
# of two accounts, 9 x 9 and 16 x 16 records with long undo histories (about
# 40 MB), as in large_collection.h. Target: 150 ms or less.
#   bash bench/collection_list_time.sh [runs]        (default 20)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
build=${NOVLET_BUILD:-build/release}
bash scripts/build.sh "$build" novlet-tool >/dev/null
tool=$build/tools/novlet-tool

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
awk 'BEGIN {
  digits = "0123456789ABCDEF"
  for (i = 0; i < 10000; i++) {
    large = i % 2; n = large ? 16 : 9
    boards = ""
    for (b = 0; b < 3; b++) {
      hex = ""
      for (c = 0; c < n * n; c++) { v = (c * 7 + i + b) % n + 1; hex = hex substr(digits, int(v / 16) + 1, 1) substr(digits, v % 16 + 1, 1) }
      boards = boards "M" (b + 1) "=" hex "\n"
    }
    notes = ""; for (c = 0; c < n * n; c++) notes = notes "|"
    history = ""
    for (s = 0; length(history) < (large ? 4000 : 1000); s++)
      history = history ((s + i) % n + 1) "," ((s * 3 + i) % n + 1) "=" (s % 3 == 0 ? "1,5," : "") "|"
    name = (large ? "bob" : "alice") "@Puzzle number " i
    printf "[%s]\nName=%s\nTc=00B519120000\nL=%d\nO=Corvex\nI=0\nNc=%d\nNr=%d\n%sM4=%s\n", name, name, i % 4, large ? 4 : 3, large ? 4 : 3, boards, notes
    printf "Tpts=000000000000\nTptl=000000000000\nTpt=00000000001C\nTptm=000000000000\nSn=%d\nSp=0\nSh=0\nSe=0\nSr=0\nSa=0\nU=%s\nS=2\n", 150 + i % 50, history
  }
}' >"$home/novlet.dat"
echo "collection: $(($(stat -c %s "$home/novlet.dat") / 1000000)) MB, $("$tool" collection --home "$home" --account alice list | wc -l) puzzles of alice"

# One unmeasured run fills the file cache, as after the program has run.
times=()
for run in $(seq 0 "$runs"); do
  start=$(date +%s%N)
  "$tool" collection --home "$home" --account alice list >/dev/null
  end=$(date +%s%N)
  if ((run > 0)); then times+=("$(((end - start) / 1000))"); fi
done

printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
  { t[NR] = $1 / 1000 }
  END {
    median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "novlet-tool collection list: median %.1f ms, slowest %.1f ms over %d runs (target 150 ms)\n", median, t[NR], runs
  }'
