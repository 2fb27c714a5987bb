#!/usr/bin/env bash
# Checks that the acceptance runs bring the program up to date before they
# start it, even when a binary from an earlier build is already there: a stale
# binary would pass or fail for code that is no longer in the tree.
set -euo pipefail
cd "$(dirname "$0")/../.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/build"
install -m 755 /dev/null "$work/build/corvex-novlet"
# A cmake that only notes how it was called.
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$work/cmake_calls" >"$work/bin/cmake"
chmod +x "$work/bin/cmake"
touch "$work/cmake_calls"

(
  build=$work/build
  script=acceptance_build_check.sh
  PATH=$work/bin:$PATH
  source scripts/xvfb_session.sh
)
if ! grep -q -- "--build $work/build .*--target corvex-novlet" "$work/cmake_calls"; then
  echo "acceptance_build_check.sh: the acceptance session would run $work/build/corvex-novlet without building it" >&2
  exit 1
fi
echo "acceptance_build_check.sh: the acceptance session builds the program before running it"
