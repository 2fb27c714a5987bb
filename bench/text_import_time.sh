#!/usr/bin/env bash
# A whole `novlet-tool collection import-text` of 10,000 one-line 9 x 9
# puzzles: read, checked with the search, stored. Targets: 20 s or less and
# memory below 200 MB.
#   bash bench/text_import_time.sh
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${NOVLET_BUILD:-build/release}
bash scripts/build.sh "$build" novlet-tool >/dev/null
tool=$build/tools/novlet-tool
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

"$tool" generate --shape 3x3 --level expert --count 10000 --seed 11 --format line >"$folder/puzzles.txt"
/usr/bin/time -f "%e %M" -o "$folder/usage" \
  "$tool" collection --home "$folder/home" --account bench import-text "$folder/puzzles.txt" >"$folder/out"
read -r seconds kilobytes <"$folder/usage"
echo "import-text of 10,000 puzzles: $(cat "$folder/out"); ${seconds} s (target <= 20 s), peak memory $((kilobytes / 1024)) MB (target < 200 MB)"
