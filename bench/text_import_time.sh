#!/usr/bin/env bash
# A whole `novlet-tool collection import-text` of 100,000 one-line 9 x 9
# puzzles: read, checked with the exact count, stored. Targets: 10 s or less
# and a peak memory of 150 MB or less. The puzzles are 10,000 generated ones,
# each also written with its values relabelled nine ways (still puzzles of
# one solution, and all different).
#   bash bench/text_import_time.sh
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${NOVLET_BUILD:-build/release}
bash scripts/build.sh "$build" novlet-tool >/dev/null
tool=$build/tools/novlet-tool
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

"$tool" generate --shape 3x3 --level expert --count 10000 --seed 11 --format line >"$folder/generated.txt"
for shift in 0 1 2 3 4 5 6 7 8 9; do
  awk -v shift="$shift" '{
    line = ""
    for (i = 1; i <= length($0); i++) {
      c = substr($0, i, 1)
      line = line (c ~ /[1-9]/ ? (c + shift - 1) % 9 + 1 : c)
    }
    print line
  }' "$folder/generated.txt"
done >"$folder/puzzles.txt"
/usr/bin/time -f "%e %M" -o "$folder/usage" \
  "$tool" collection --home "$folder/home" --account bench import-text "$folder/puzzles.txt" >"$folder/out" 2>/dev/null
read -r seconds kilobytes <"$folder/usage"
echo "import-text of 100,000 puzzles: $(cat "$folder/out"); ${seconds} s (target <= 10 s), peak memory $((kilobytes / 1024)) MB (target <= 150 MB)"
