#!/usr/bin/env bash
# Every page, the about box and the quit question of the real program in each
# shipped language at 640 x 480 (the smallest size) and 1280 x 1024 (the
# largest) on a virtual X server, and a language chosen on the Options page
# with real mouse and key events, each step saved as a screenshot:
#   bash scripts/acceptance_options.sh [output folder]   (default build/acceptance/options)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/acceptance/options}
build=${NOVLET_BUILD:-build/release}
script=acceptance_options.sh
source scripts/xvfb_session.sh
# The language file lies beside the program in a build folder.
cmake --build "$build" --target novlet_language_file >/dev/null

shot() { import -display ":$display" -window root "$folder/$1.png"; }
account=$(id -un)

# Starts the program with the account's options in the given language.
start_in_language() {
  rm -rf "$work/home"
  mkdir -p "$work/home"
  printf '[%s.Options]\nLngID=%s\n' "$account" "$1" >"$work/home/novlet.ini"
  start_program
  find_main_window 1.5
}

stop_program() {
  kill "$program_pid"
  expect_program_ends "the program did not end when asked to stop"
}

for size in 640x480 1280x1024; do
  width=${size%x*}
  height=${size#*x}
  start_xvfb "$size"
  for language in 44:english 49:german 33:french 31:dutch; do
    folder=$out/$size/${language#*:}
    mkdir -p "$folder"
    start_in_language "${language%%:*}"
    shot 1-play-n-solve
    click_base 68 105
    shot 2-enter-n-design
    click_base 68 145
    shot 3-my-novlets
    click_base 68 185
    shot 4-options
    click_base 513 11
    shot 5-about
    x key Escape
    click_base 68 335
    shot 6-quit-question
    x key Escape
    stop_program
  done

  # The list is sorted (Deutsch, English, Français, Nederlands): one step
  # down from English is French, and every page follows at once.
  folder=$out/$size/chosen-on-the-page
  mkdir -p "$folder"
  start_in_language 44
  click_base 68 185
  click_base 430 247
  x key Down Return
  sleep 0.6
  shot 1-options-in-french
  click_base 68 65
  shot 2-play-n-solve-in-french
  stop_program
  grep -q '^LngID=33' "$work/home/novlet.ini" ||
    { echo "$script: the language chosen on the page was not stored at $size" >&2; exit 1; }
  stop_xvfb
done
echo "Screenshots in $out"
