#!/usr/bin/env bash
# Plays one Play & Solve game on a virtual X server with real mouse and key
# events: a new 3 x 3 puzzle, a few entries, pencil notes, a hint, a pause,
# the solution, then a close and a restart that brings the game back. Saves
# a screenshot of each step:
#   bash scripts/acceptance_game.sh [output folder]     (default build/acceptance/game)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/acceptance/game}
build=${NOVLET_BUILD:-build/release}
script=acceptance_game.sh
width=1024
height=768
click_pause=0.4
source scripts/xvfb_session.sh

shot() { import -display ":$display" -window root "$out/$1.png"; }

# The page's controls in base-size window coordinates: the grid's cells are
# 27 pixels from (159, 67); the buttons stand in one column at x 483.
click_cell() { click_base $((159 + 27 * ($1 - 1) + 13)) $((67 + 27 * ($2 - 1) + 13)); }
button_y() {
  case $1 in
    new) echo 74 ;; save) echo 94 ;; pause) echo 164 ;; restart) echo 184 ;;
    undo) echo 214 ;; hint) echo 234 ;; errors) echo 254 ;; solution) echo 274 ;;
  esac
}
click_button() { click_base 483 "$(button_y "$1")"; }
# Without a window manager the window must be handed the keyboard.
keys() { x windowfocus --sync "$window" key --delay 80 "$@"; sleep 0.3; }
# Holds Ctrl over a run of keys, as a player writing notes does.
note_keys() {
  x windowfocus --sync "$window" keydown Control_L
  for k in "$@"; do x key "$k"; sleep 0.1; done
  x keyup Control_L
  sleep 0.3
}

start_game() {
  start_program
  find_main_window 2.5  # past the splash
}

mkdir -p "$out"
start_xvfb "${width}x${height}"

start_game
shot 01-no-game
click_button new
shot 02-shape-menu
# The menu opens under the New button; its first item is the 3 x 3 puzzle.
x mousemove $(($(screen_x 450) + 20)) $(($(screen_y 82) + 12)) click 1
sleep 3
shot 03-new-puzzle

# Entries into the cells of the first row and column; givens keep their value.
for cell in "1 1 1" "2 1 2" "3 1 3" "1 2 4" "1 3 5" "2 2 6"; do
  set -- $cell
  click_cell "$1" "$2"
  keys "$3"
done
shot 04-entries
click_cell 5 5
note_keys 1 4 7 9
click_cell 6 5
note_keys 2 3
shot 05-notes
x mousemove "$(screen_x 300)" "$(screen_y 340)"
click_button hint
sleep 2  # the hint flashes for 1.2 s
shot 06-hint
click_button errors
shot 07-errors
click_button pause
shot 08-paused
click_button pause
click_button undo
sleep 1.5
shot 09-continued-and-undone
click_button solution
sleep 1.2
shot 10-solution

# Closing through Quit stores the game; the next start shows it again.
click_base 68 335
x mousemove $(((width - 400) / 2 + 200)) $(((height - 150) / 2 + 117)) click 1
expect_program_ends "the program did not close after Yes"
start_game
shot 11-restored-after-restart
click_button restart
shot 12-restarted
echo "Screenshots in $out"
