#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*_fuzz.cpp) with clang and runs each for a
# short while from its committed seeds in fuzz/corpus/<target>/, keeping what it
# learns in build/fuzz/corpus/<target>/. Fails when any target finds a crash;
# the input that caused it is left in build/fuzz/findings/<target>/.
# By default each target makes a fixed number of runs from a fixed seed, so the
# test command gives the same verdict every time on a fresh tree. Longer,
# exploring runs by hand: FUZZ_SECONDS=600 bash scripts/fuzz.sh
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-}
if [[ -n $seconds ]]; then
  budget=(-max_total_time="$seconds")
  budget_text="${seconds} s"
else
  budget=(-seed=1 -runs="${FUZZ_RUNS:-30000}")
  budget_text="${FUZZ_RUNS:-30000} runs from seed 1"
fi
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DNOVLET_FUZZ=ON -DNOVLET_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for source in fuzz/*_fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)"

failed=()
for target in "${targets[@]}"; do
  scratch="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$scratch" "$findings"
  seeds=()
  if [[ -d fuzz/corpus/$target ]]; then
    seeds=("fuzz/corpus/$target")
  fi
  log="$build/$target.log"
  if "$build/fuzz/$target" "${budget[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$scratch" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: no crash in ${budget_text}, ${runs:-?} executions"
  else
    echo "$target: FAILED, see $log and $findings/"
    tail -n 30 "$log"
    failed+=("$target")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "Fuzzing found crashes in: ${failed[*]}"
  exit 1
fi
