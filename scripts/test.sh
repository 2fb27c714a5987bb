#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, each fuzz target
# for a short while, then everything again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

bash scripts/fuzz.sh

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNOVLET_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
