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
script=acceptance.sh
source scripts/xvfb_session.sh

shot() { import -display ":$display" -window root "$folder/$1.png"; }

for size in 800x600 1024x768 1280x1024; do
  width=${size%x*}
  height=${size#*x}
  folder=$out/$size
  mkdir -p "$folder"
  start_xvfb "${width}x${height}"

  rm -rf "$work/home"
  start_program
  sleep 1
  shot 01-splash
  find_main_window 1.5
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
  x key Escape
  sleep 0.6
  click_base 68 335
  shot 08-quit-question
  click_box 400 150 320 117
  shot 09-after-no
  # No window manager here to give the window the keyboard.
  x windowfocus --sync "$window" key Insert
  sleep 0.6
  shot 10-insert-asks-too
  click_box 400 150 200 117
  sleep 0.5
  shot 11-farewell
  expect_program_ends "the program did not close after Yes at $size"

  # Started with "/s", the program asks the quit question at once; a second
  # start meanwhile only brings the first forward; Yes ends it.
  start_program /s
  sleep 3.5
  shot 12-slash-s-asks
  DISPLAY=:$display NOVLET_HOME=$work/home HOME=$work timeout 10 "$program" ||
    { echo "acceptance.sh: a second start did not hand over at $size" >&2; exit 1; }
  click_box 400 150 200 117
  expect_program_ends "the program started with /s did not close after Yes at $size"
  stop_xvfb
done
NOVLET_BUILD=$build bash scripts/acceptance_game.sh "$out/game"
NOVLET_BUILD=$build bash scripts/acceptance_a11y.sh "$out/a11y"
NOVLET_BUILD=$build bash scripts/acceptance_design.sh "$out/design"
NOVLET_BUILD=$build bash scripts/acceptance_collection.sh "$out/collection"
NOVLET_BUILD=$build bash scripts/acceptance_options.sh "$out/options"
echo "Screenshots in $out"
