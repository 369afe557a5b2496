#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
# (default 60). New inputs go to build/fuzz/corpus/<target>; crashes are kept
# in build/fuzz/artifacts/ and end the run with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUELDA_FUZZ=ON -DQUELDA_SANITIZE=OFF -DQUELDA_BENCH=OFF -DQUELDA_TESTS=OFF >/dev/null
read -r -a targets < "$build/fuzzers.txt"
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

status=0
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    echo "== fuzz_$target for ${seconds}s"
    if ! "$build/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$target-" "$work" "fuzz/corpus/$target" 2>"$build/$target.log"; then
        status=1
        echo "!! fuzz_$target found a failure: see $build/$target.log and $build/artifacts/"
    fi
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$build/$target.log" || true
    grep -E 'ERROR|SUMMARY' "$build/$target.log" | head -3 || true
done
exit $status
