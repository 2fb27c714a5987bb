#!/usr/bin/env bash
# Configures a build folder the way the project's scripts and CI build
# (Ninja, warnings as errors, tests and benchmarks included) and builds it:
#   bash scripts/build.sh FOLDER [-DOPTION=VALUE...] [TARGET...]
# Everything is built when no target is named. A new folder gets the default
# build type (RelWithDebInfo); one configured before keeps its own, so a
# sanitizer build handed to the acceptance run stays one.
set -euo pipefail
cd "$(dirname "$0")/.."

folder=$1
shift
options=(-DNOVLET_WERROR=ON -DBUILD_TESTING=ON)
targets=()
for argument in "$@"; do
  case $argument in
    -D*) options+=("$argument") ;;
    *) targets+=(--target "$argument") ;;
  esac
done
if [[ ! -f $folder/CMakeCache.txt ]]; then
  options+=(-G Ninja)
fi

cmake -S . -B "$folder" "${options[@]}" >/dev/null
cmake --build "$folder" -j "$(nproc)" "${targets[@]}"
