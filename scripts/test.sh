#!/usr/bin/env bash
# Builds everything and runs every test: the normal build with its tests, the
# packager's build and install, the Debian package, the program on a Wayland
# compositor, each fuzz target for a short while, then everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)

bash scripts/build.sh build/release
ctest --test-dir build/release --output-on-failure -j "$jobs"

bash tests/packaging/install_check.sh
bash tests/packaging/package_check.sh
bash tests/packaging/acceptance_build_check.sh
bash scripts/wayland_smoke.sh

bash scripts/fuzz.sh

bash scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DNOVLET_SANITIZE=ON
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
