#!/usr/bin/env bash
# Builds Corvex Novlet and starts it. Arguments go to the program ("/s" asks
# the quit question at once, "uninstall" closes a running copy and runs the
# recorded uninstaller).
set -euo pipefail
cd "$(dirname "$0")/.."

# Said before the long build, not after it.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: Corvex Novlet is a desktop program and this session has no graphical display" >&2
  echo "run.sh: (DISPLAY is not set). Run it from a desktop session, or under Xvfb:" >&2
  echo "run.sh:   Xvfb :99 & DISPLAY=:99 bash scripts/run.sh" >&2
  exit 1
fi

bash scripts/setup.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$(nproc)" --target corvex-novlet
exec build/release/corvex-novlet "$@"
