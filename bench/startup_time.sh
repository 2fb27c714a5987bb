#!/usr/bin/env bash
# Start-up time of Corvex Novlet: from the launch of the process to the first
# paint of its main window, on a virtual X server. The splash (2 s by
# design) is left out: NOVLET_STARTUP_PROBE makes the program skip it, print
# the time and close. Target: 300 ms or less.
#   bash bench/startup_time.sh [runs]        (default 10)
# Set NOVLET_BUILD to use a build folder other than build/release.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-10}
program=${NOVLET_BUILD:-build/release}/corvex-novlet
if [[ ! -x $program ]]; then
  echo "startup_time.sh: build the program first (bash scripts/run.sh, or cmake --build ... --target corvex-novlet)" >&2
  exit 1
fi

display=
for n in $(seq 70 99); do
  if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=$n; break; fi
done
[[ -n $display ]] || { echo "startup_time.sh: no free X display number" >&2; exit 1; }

home=$(mktemp -d)
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done

# One unmeasured run fills the file cache, as on a desktop that has the
# program's libraries loaded already.
times=()
for run in $(seq 0 "$runs"); do
  line=$(DISPLAY=:$display NOVLET_HOME=$home HOME=$home NOVLET_STARTUP_PROBE=$(date +%s%N) "$program" 2>/dev/null |
         grep 'main window shown')
  ms=$(sed -E 's/.* shown ([0-9.]+) ms.*/\1/' <<<"$line")
  if ((run > 0)); then times+=("$ms"); fi
done

printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
  { t[NR] = $1; sum += $1 }
  END {
    median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
    printf "start-up to main window shown, %d runs: median %.1f ms, min %.1f ms, max %.1f ms (target <= 300 ms)\n",
           runs, median, t[1], t[NR]
  }'
