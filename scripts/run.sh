#!/usr/bin/env bash
# Builds Corvex Novlet and shows it: for now a freshly generated puzzle printed
# by novlet-tool, until the game window lands.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$(nproc)" --target novlet-tool
build/release/tools/novlet-tool generate --shape 3x3 --level normal --format grid --solution "$@"
