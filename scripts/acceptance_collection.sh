#!/usr/bin/env bash
# The "My Novlets" page on a virtual X server with real mouse and key events:
# stores two games (one saved from Play & Solve, one added by novlet-tool
# while the program runs), lists them, replays one, exports it, deletes it,
# imports it back, and backs up, deletes and restores. Saves a screenshot of
# each step and checks the collection with novlet-tool at the end:
#   bash scripts/acceptance_collection.sh [output folder]  (default build/acceptance/collection)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/acceptance/collection}
build=${NOVLET_BUILD:-build/release}
script=acceptance_collection.sh
width=1024
height=768
click_pause=0.5
source scripts/xvfb_session.sh
tool=$build/tools/novlet-tool

shot() { import -display ":$display" -window root "$out/$1.png"; }
collection() { "$tool" collection --home "$work/home" --account "$(id -un)" "$@"; }
fail() { echo "$script: $1" >&2; exit 1; }

# The page's buttons in base-size window coordinates: one column at x 497.
button_y() {
  case $1 in
    rename) echo 74 ;; delete) echo 92 ;; import) echo 120 ;; export) echo 138 ;; export-all) echo 156 ;;
    play) echo 184 ;; replay) echo 202 ;; design) echo 220 ;; backup) echo 248 ;; restore) echo 266 ;;
  esac
}
click_button() { click_base 497 "$(button_y "$1")"; }
show_collection() { click_base 68 145; }
# Without a window manager the window must be handed the keyboard.
keys() { x windowfocus --sync "$window" key --delay 80 "$@"; sleep 0.4; }
# The first entry of the list, then Down as often as asked.
select_entry() {
  click_base 200 75
  local downs=$1
  while ((downs-- > 0)); do keys Down; done
}
# Answers the program's own question box with its left button, "Yes".
answer_yes() { click_box 400 150 200 117; }
# Types a path into the desktop's file chooser of that title and accepts it.
choose_file() {
  local chooser
  chooser=$(x search --sync --onlyvisible --name "^$1\$" | head -1)
  sleep 0.5
  shot "$2"
  x windowfocus --sync "$chooser" key ctrl+a type --delay 20 "$3"
  x key Return
  sleep 1
}

mkdir -p "$out"
start_xvfb "${width}x${height}"
start_program
find_main_window 2.5

# The first game: New on Play & Solve, then Save under a name of its own.
click_base 483 74
x mousemove $(($(screen_x 450) + 20)) $(($(screen_y 82) + 12)) click 1
sleep 3
click_base 483 94
click_box 400 150 200 81
name_box=$(x getmouselocation --shell | sed -n 's/^WINDOW=//p')
x windowfocus --sync "$name_box" key ctrl+a type --delay 20 "First game"
x key Return
sleep 0.6
shot 01-first-game-saved
# The second game, stored by the command line while the program runs.
[[ $(collection add --shape 2x3 --level normal --seed 3 --name "Second game") == "Second game" ]] ||
  fail "novlet-tool did not add the second game"

show_collection
shot 02-two-games-listed
select_entry 1
shot 03-second-game-details
click_button replay
shot 04-second-game-replayed

show_collection
select_entry 0
click_button export
choose_file "Export Novlet puzzle" 05-export-chooser "$work/shared.cnf"
[[ -s $work/shared.cnf ]] || fail "Export wrote no file"
click_button delete
shot 06-delete-question
answer_yes
shot 07-first-game-deleted
click_button import
choose_file "Import Novlet puzzle\\(s\\)" 08-import-chooser "$work/shared.cnf"
shot 09-imported

click_button backup
answer_yes
select_entry 1
click_button delete
answer_yes
shot 10-deleted-after-backup
click_button restore
shot 11-restore-question
answer_yes
shot 12-restored

expected=$'Imports First game\nSecond game'
listed=$(collection list)
[[ $listed == "$expected" ]] || fail "the collection holds \"$listed\", not \"$expected\""

click_base 68 335
answer_yes
expect_program_ends "the program did not close after Yes"
echo "Screenshots in $out"
