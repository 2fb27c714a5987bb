#!/usr/bin/env bash
# The share of puzzles the solver that works as a person does finishes
# without guessing: 1,000 of the program's own puzzles a level and shape
# (Rookie, Normal, Skilled 9 x 9 at least 99%; Expert 9 x 9 and 16 x 16
# measured), and 1,000 of qqwing's "expert" puzzles, which its own logic
# cannot finish (target: at least 90%), with the hardest technique each
# needed. qqwing (the Debian package) serves this comparison only; the script
# installs it with apt-get when it is missing and it can.
#   bash bench/explain_share.sh [count]
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

count=${1:-1000}
build=${NOVLET_BUILD:-build/release}
tool=$build/tools/novlet-tool
bench=$build/bench/novlet_logic_bench
[[ -x $tool && -x $bench ]] || { echo "explain_share.sh: build novlet-tool and novlet_logic_bench first" >&2; exit 1; }

echo "The program's own puzzles, $count each:"
"$bench" --share "$count"

if ! command -v qqwing >/dev/null; then
  { apt-get install -y qqwing || sudo -n apt-get install -y qqwing; } >/dev/null 2>&1 ||
    { echo "qqwing is not installed and could not be; skipping the comparison" >&2; exit 0; }
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
qqwing --generate "$count" --difficulty expert --one-line >"$folder/puzzles.txt"
"$tool" explain --shape 3x3 <"$folder/puzzles.txt" >"$folder/steps.txt"
echo "qqwing --generate $count --difficulty expert --one-line | novlet-tool explain --shape 3x3:"
awk -F'\t' '$1 == "solved" || $1 == "stuck" { total++; solved += $1 == "solved" }
  END { printf "  solved %d of %d (%.1f%%); the hardest technique each needed:\n", solved, total, 100 * solved / total }' \
  "$folder/steps.txt"
awk -F'\t' '$1 == "solved" || $1 == "stuck" { print "    " $1 " " $2 }' "$folder/steps.txt" | sort | uniq -c | sort -nr
echo "  steps used by the solved ones, per technique:"
awk -F'\t' '
  NF == 3 && $1 != "solved" { steps[$1]++ }
  $1 == "solved" { for (t in steps) used[t] += steps[t]; delete steps }
  $1 == "stuck" { delete steps }
  END { for (t in used) printf "    %s %d\n", t, used[t] }' "$folder/steps.txt" | sort -k2,2nr
