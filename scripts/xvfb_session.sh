# Sourced by the acceptance scripts: brings the program up to date (a stale
# binary would pass or fail for code that is no longer there), runs it on a
# private virtual X server, and cleans up whatever happens.
# The caller sets `build` and `script` before sourcing; it gets `program`,
# `work`, `display`, `win_x`, `win_y`, `win_w`, `win_h`, `window` and the
# functions below.

bash scripts/setup.sh
# With no session bus given, a program on X would start one of its own
# (dbus-x11's autolaunch) that outlives it; only the accessibility run brings
# a bus, and its own.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
bash scripts/build.sh "$build" corvex-novlet
program=$build/corvex-novlet

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

# A virtual X server of the given size (WxH) on a display number it picks
# itself, so that runs side by side never take each other's. Without
# -noreset the server resets whenever its last client leaves, and a program
# started at that moment cannot connect: the restarts below do just that.
start_xvfb() {
  rm -f "$work/display"
  Xvfb -displayfd 1 -screen 0 "$1x24" -nolisten tcp -noreset >"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  display=$(head -1 "$work/display")
  [[ -n $display ]] || { echo "$script: Xvfb did not start" >&2; exit 1; }
}

stop_xvfb() {
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

x() { DISPLAY=:$display xdotool "$@"; }

# Starts the program on the virtual display; its files stay in the session's
# own folder, so a restart finds the game the last run left.
start_program() {
  DISPLAY=:$display NOVLET_HOME=$work/home HOME=$work "$program" "$@" &
  program_pid=$!
}

# Waits for the main window past the splash and reads where it stands.
find_main_window() {
  window=$(x search --sync --name '^Corvex Novlet 1\.0 release 5$' | head -1)
  sleep "${1:-2.5}"
  eval "$(x getwindowgeometry --shell "$window" | sed 's/^/win_/' | tr 'A-Z' 'a-z')"
  win_w=$win_width
  win_h=$win_height
}

# Waits for the program to end by itself; fails the script when it does not.
expect_program_ends() {
  for _ in $(seq 80); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program_pid" 2>/dev/null; then
    echo "$script: $1" >&2
    exit 1
  fi
  wait "$program_pid" || true
  program_pid=
}

# Screen position of a point given in the window's base-size coordinates
# (568 x 405).
screen_x() { echo $((win_x + $1 * win_w / 568)); }
screen_y() { echo $((win_y + $1 * win_h / 405)); }
click_base() {
  x mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1
  sleep "${click_pause:-0.6}"
}

# Clicks a point of a box of the given size centred on the screen.
click_box() {
  x mousemove $(((width - $1) / 2 + $3)) $(((height - $2) / 2 + $4)) click 1
  sleep 0.6
}
