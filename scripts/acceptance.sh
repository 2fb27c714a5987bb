#!/usr/bin/env bash
# Starts the real program on a virtual X server at 800 x 600, 1024 x 768 and
# 1280 x 1024, walks through its pages and boxes with real mouse and key
# events, starts it with "/s" and a second time, and saves a screenshot of
# each step:
#   bash scripts/acceptance.sh [output folder]     (default build/acceptance)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/acceptance}
build=${NOVLET_BUILD:-build/release}
program=$build/corvex-novlet

if [[ ! -x $program ]]; then
  bash scripts/setup.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j "$(nproc)" --target corvex-novlet
fi

xvfb_pid=
program_pid=
work=$(mktemp -d)
# Stops what this script started, whatever the exit statuses of the ends.
cleanup() {
  if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A virtual X server on a display number it picks itself, so that runs side
# by side never take each other's.
start_xvfb() {
  rm -f "$work/display"
  Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp >"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  display=$(head -1 "$work/display")
  [[ -n $display ]] || { echo "acceptance.sh: Xvfb did not start" >&2; exit 1; }
}

shot() { import -display ":$display" -window root "$folder/$1.png"; }

# Clicks a point given in the window's base-size coordinates (568 x 405).
click_base() {
  local x=$((win_x + $1 * win_w / 568)) y=$((win_y + $2 * win_h / 405))
  DISPLAY=:$display xdotool mousemove "$x" "$y" click 1
  sleep 0.6
}

# Clicks a point of a box of the given size centred on the screen.
click_box() {
  local box_w=$1 box_h=$2
  DISPLAY=:$display xdotool mousemove $(((width - box_w) / 2 + $3)) $(((height - box_h) / 2 + $4)) click 1
  sleep 0.6
}

for size in 800x600 1024x768 1280x1024; do
  width=${size%x*}
  height=${size#*x}
  folder=$out/$size
  mkdir -p "$folder"
  start_xvfb "${width}x${height}"

  rm -rf "$work/home"
  DISPLAY=:$display NOVLET_HOME=$work/home HOME=$work "$program" &
  program_pid=$!
  sleep 1
  shot 01-splash

  window=$(DISPLAY=:$display xdotool search --sync --name '^Corvex Novlet 1\.0 release 5$' | head -1)
  sleep 1.5
  eval "$(DISPLAY=:$display xdotool getwindowgeometry --shell "$window" | sed 's/^/win_/' | tr 'A-Z' 'a-z')"
  win_w=$win_width
  win_h=$win_height
  echo "$size: main window ${win_w} x ${win_h} at ${win_x}, ${win_y}"
  shot 02-play-n-solve
  click_base 68 105
  shot 03-enter-n-design
  click_base 68 145
  shot 04-my-novlets
  click_base 68 185
  shot 05-options
  click_base 68 65
  shot 06-play-n-solve-again
  click_base 513 11
  shot 07-about-box
  DISPLAY=:$display xdotool key Escape
  sleep 0.6
  click_base 68 335
  shot 08-quit-question
  click_box 400 150 320 117
  shot 09-after-no
  # No window manager here to give the window the keyboard.
  DISPLAY=:$display xdotool windowfocus --sync "$window" key Insert
  sleep 0.6
  shot 10-insert-asks-too
  click_box 400 150 200 117
  sleep 0.5
  shot 11-farewell
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program_pid" 2>/dev/null; then
    echo "acceptance.sh: the program did not close after Yes at $size" >&2
    exit 1
  fi
  wait "$program_pid" || true
  program_pid=

  # Started with "/s", the program asks the quit question at once; a second
  # start meanwhile only brings the first forward; Yes ends it.
  DISPLAY=:$display NOVLET_HOME=$work/home HOME=$work "$program" /s &
  program_pid=$!
  sleep 3.5
  shot 12-slash-s-asks
  DISPLAY=:$display NOVLET_HOME=$work/home HOME=$work timeout 10 "$program" ||
    { echo "acceptance.sh: a second start did not hand over at $size" >&2; exit 1; }
  click_box 400 150 200 117
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program_pid" 2>/dev/null; then
    echo "acceptance.sh: the program started with /s did not close after Yes at $size" >&2
    exit 1
  fi
  wait "$program_pid" || true
  program_pid=
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
NOVLET_BUILD=$build bash scripts/acceptance_game.sh "$out/game"
echo "Screenshots in $out"
