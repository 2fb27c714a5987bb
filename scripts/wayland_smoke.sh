#!/usr/bin/env bash
# Starts the program on a headless Weston compositor, as on a Wayland desktop
# session, waits until the compositor shows its main window, then closes it as
# a second start with "uninstall" does and checks that it ends cleanly, its
# settings saved:
#   bash scripts/wayland_smoke.sh
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${NOVLET_BUILD:-build/release}
bash scripts/setup.sh
bash scripts/build.sh "$build" corvex-novlet
program=$build/corvex-novlet
# The close hand-over also starts the uninstaller recorded beside the program;
# a build folder has none, and this run must not find one.
if [[ -e $build/corvex-novlet-uninstall ]]; then
  echo "wayland_smoke.sh: $build holds an uninstall script, which the close hand-over would run" >&2
  exit 1
fi

weston_pid=
program_pid=
# mktemp makes it 0700, as a runtime folder must be.
work=$(mktemp -d)
cleanup() {
  for pid in $program_pid $weston_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "wayland_smoke.sh: $*" >&2
  for log in program.log weston.log; do
    [[ -s $work/$log ]] && { echo "--- last lines of $log" >&2; tail -n 15 "$work/$log" >&2; }
  done
  exit 1
}

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=novlet QT_QPA_PLATFORM=wayland
export NOVLET_HOME=$work/home HOME=$work
unset DISPLAY
# The protocol log is how the compositor tells what the program did.
weston --backend=headless-backend.so --socket=novlet --no-config --idle-time=0 \
  --log="$work/weston.log" --logger-scopes=log,proto >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 50); do [[ -S $XDG_RUNTIME_DIR/novlet ]] && break; sleep 0.1; done
[[ -S $XDG_RUNTIME_DIR/novlet ]] || fail "Weston did not start"

# The main window is shown once the compositor puts the surface of the
# toplevel titled like the main window onto its output (past the splash,
# which has a title of its own).
main_window_shown() {
  awk -v title='set_title("Corvex Novlet 1.0 release 5' '
    / rq [^ ]*\.get_xdg_surface\(/ { s = $0; sub(/.*new id /, "", s); split(s, id, /[,) ]+/); surface[id[1]] = id[2] }
    / rq [^ ]*\.get_toplevel\(/ {
      s = $0; sub(/.* rq /, "", s); owner = s; sub(/\..*/, "", owner)
      sub(/.*new id /, "", s); sub(/\).*/, "", s); toplevel[s] = surface[owner]
    }
    index($0, title) { s = $0; sub(/.* rq /, "", s); sub(/\..*/, "", s); main = toplevel[s] }
    main != "" && index($0, " ev " main ".enter(") { found = 1; exit }
    END { exit !found }' "$work/weston.log"
}

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 150); do
  main_window_shown && break
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its main window was shown"
  sleep 0.1
done
main_window_shown || fail "the compositor never showed the main window"
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the program ended right after showing its main window"

timeout 10 "$program" uninstall || fail "the second start with \"uninstall\" did not hand the close over"
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not close when asked by a second start"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 0)) || fail "the program ended with status $status"
[[ -f $NOVLET_HOME/novlet.ini ]] || fail "the program closed without saving its settings"
echo "wayland_smoke.sh: the program started, showed its main window on Weston and closed cleanly"
