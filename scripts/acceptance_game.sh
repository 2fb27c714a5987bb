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
program=$build/corvex-novlet
width=1024
height=768

if [[ ! -x $program ]]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j "$(nproc)" --target corvex-novlet
fi

xvfb_pid=
program_pid=
work=$(mktemp -d)
# A killed process's status must not end the cleanup early (set -e), or the
# X server would outlive the script.
cleanup() {
  if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

free_display() {
  for n in $(seq 70 99); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
      echo "$n"
      return
    fi
  done
  echo "acceptance_game.sh: no free X display number between 70 and 99" >&2
  exit 1
}

x() { DISPLAY=:$display xdotool "$@"; }
shot() { import -display ":$display" -window root "$out/$1.png"; }

# Screen position of a point given in the window's base-size coordinates
# (568 x 405).
screen_x() { echo $((win_x + $1 * win_w / 568)); }
screen_y() { echo $((win_y + $1 * win_h / 405)); }
click_base() {
  x mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1
  sleep 0.4
}

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

start_program() {
  DISPLAY=:$display NOVLET_HOME=$work/home HOME=$work "$program" &
  program_pid=$!
  window=$(x search --sync --name '^Corvex Novlet 1\.0 release 5$' | head -1)
  sleep 2.5  # past the splash
  eval "$(x getwindowgeometry --shell "$window" | sed 's/^/win_/' | tr 'A-Z' 'a-z')"
  win_w=$win_width
  win_h=$win_height
}

mkdir -p "$out"
display=$(free_display)
Xvfb ":$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done

start_program
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
for _ in $(seq 80); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "acceptance_game.sh: the program did not close after Yes" >&2
  exit 1
fi
wait "$program_pid" || true
program_pid=
start_program
shot 11-restored-after-restart
click_button restart
shot 12-restarted
echo "Screenshots in $out"
