#!/usr/bin/env bash
# Builds Corvex Novlet and starts it. Arguments go to the program ("/s" asks
# the quit question at once, "uninstall" closes a running copy and runs the
# recorded uninstaller).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

bash scripts/build.sh build/release corvex-novlet novlet-tool

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: Corvex Novlet is built (build/release/corvex-novlet), but it is a desktop program" >&2
  echo "run.sh: and this session has no graphical display (DISPLAY is not set)." >&2
  echo "run.sh: Run it from a desktop session, or under Xvfb:  Xvfb :99 & DISPLAY=:99 bash scripts/run.sh" >&2
  echo "run.sh: Meanwhile, a puzzle from the engine: build/release/tools/novlet-tool generate --shape 3x3 --level normal --format grid" >&2
  build/release/tools/novlet-tool generate --shape 3x3 --level normal --format grid >&2
  exit 1
fi

exec build/release/corvex-novlet "$@"
