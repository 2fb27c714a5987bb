#!/usr/bin/env bash
# Designs a puzzle on the Enter & Design page on a virtual X server with real
# mouse and key events: a new 3 x 3 design, seventeen givens typed in puzzle
# mode, Check Puzzle, Complete in design mode, Save under a name, Print to a
# PDF file, Clipboard, and the hand-over to Play & Solve. Then shows the
# stored design at the three screen sizes. Saves a screenshot of each step
# and the printed page (as PDF and PNG):
#   bash scripts/acceptance_design.sh [output folder]   (default build/acceptance/design)
# Set NOVLET_BUILD to use a build folder other than build/release.
#
# Printing goes through the program's real print path: NOVLET_PRINT_TO_PDF
# names the PDF file that the print dialog would otherwise ask for.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/acceptance/design}
build=${NOVLET_BUILD:-build/release}
script=acceptance_design.sh
width=1024
height=768
click_pause=0.5
source scripts/xvfb_session.sh

mkdir -p "$out"
out=$(cd "$out" && pwd)
pdf=$out/printed.pdf
rm -f "$pdf"
export NOVLET_PRINT_TO_PDF=$pdf

shot() { import -display ":$display" -window root "$out/$1.png"; }

# The page's controls in base-size window coordinates: the grid's cells are
# 27 pixels from (159, 67); the buttons stand in one column at x 483.
click_cell() { click_base $((159 + 27 * ($1 - 1) + 13)) $((67 + 27 * ($2 - 1) + 13)); }
button_y() {
  case $1 in
    new) echo 74 ;; save) echo 94 ;; play) echo 114 ;; print) echo 134 ;; clipboard) echo 154 ;;
    mode) echo 184 ;; check) echo 204 ;; generate) echo 234 ;; puzzle) echo 254 ;; complete) echo 274 ;;
  esac
}
click_button() { click_base 483 "$(button_y "$1")"; }
# Without a window manager the window must be handed the keyboard.
keys() { x windowfocus --sync "$window" key --delay 60 "$@"; sleep 0.2; }

start_design_page() {
  start_program
  find_main_window 2.5  # past the splash
  click_base 68 105
}

start_xvfb "${width}x${height}"
start_design_page
shot 01-no-design
click_button new
# The menu opens under the New button; its first item is the 3 x 3 board.
x mousemove $(($(screen_x 450) + 20)) $(($(screen_y 82) + 12)) click 1
sleep 1
shot 02-new-design

# A puzzle from the newspaper: seventeen givens, typed clue by clue.
puzzle=".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6..."
for i in $(seq 0 80); do
  symbol=${puzzle:$i:1}
  [[ $symbol == . ]] && continue
  click_cell $((i % 9 + 1)) $((i / 9 + 1))
  keys "$symbol"
done
shot 03-typed
click_button check
sleep 1
shot 04-checked
click_button mode
click_button complete
sleep 1
shot 05-completed
click_cell 5 5
shot 06-alternatives

# Save asks for a name in the program's own box, centred on the screen.
click_button save
sleep 0.5
x mousemove $(((width - 400) / 2 + 200)) $(((height - 150) / 2 + 80)) click 1
box=$(x getmouselocation --shell | sed -n 's/^WINDOW=//p')
x windowfocus --sync "$box" key ctrl+a type "Newspaper"
x key Return
sleep 0.6
shot 07-saved

click_button print
sleep 1
[[ -s $pdf ]] || { echo "$script: Print wrote no PDF file" >&2; exit 1; }
pdftoppm -r 60 -png -singlefile "$pdf" "$out/printed"
click_button clipboard
shot 08-printed-and-copied

click_button play
sleep 1.5
shot 09-handed-over

# The design comes back from its last-design section, at every screen size.
click_base 68 335
x mousemove $(((width - 400) / 2 + 200)) $(((height - 150) / 2 + 117)) click 1
expect_program_ends "the program did not close after Yes"
stop_xvfb
for size in 800x600 1024x768 1280x1024; do
  width=${size%x*}
  height=${size#*x}
  start_xvfb "$size"
  start_design_page
  sleep 0.5
  shot "10-design-at-$size"
  click_base 68 335
  x mousemove $(((width - 400) / 2 + 200)) $(((height - 150) / 2 + 117)) click 1
  expect_program_ends "the program did not close after Yes at $size"
  stop_xvfb
done
echo "Screenshots and the printed page in $out"
