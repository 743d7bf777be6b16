#!/usr/bin/env bash
# Fuzzes every reader of outside input: builds the fuzz targets (preset
# "fuzz", build/fuzz) and runs each for SECONDS seconds, starting from its
# seeds in tests/fuzz/NAME and the corpus earlier runs kept in
# build/fuzz/corpus/NAME. Prints one line per target:
#   NAME: N runs, 0 crashes
# or the crash with the input that caused it, and exits non-zero after a crash.
# Usage: tools/fuzz.sh SECONDS [NAME ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: tools/fuzz.sh SECONDS [NAME ...]}
shift
tools/setup.sh
cmake --preset fuzz >/dev/null
build_log=build/fuzz/build.log
cmake --build --preset fuzz -j 2 >"$build_log" 2>&1 || { cat "$build_log"; exit 1; }

names=("$@")
[ ${#names[@]} -gt 0 ] || names=($(ls tests/fuzz/*_fuzz.cpp | sed 's|.*/||; s|_fuzz\.cpp$||'))
crashed=0
for name in "${names[@]}"; do
    run=build/fuzz/run/$name
    corpus=build/fuzz/corpus/$name
    rm -rf "$run" && mkdir -p "$run" "$corpus"
    status=0
    "build/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$run/" "$corpus" "tests/fuzz/$name" >"$run/log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -1)
    crash=$(ls "$run" | grep -E '^(crash|leak|timeout|oom)-' | head -1 || true)
    if [ $status -eq 0 ] && [ -z "$crash" ]; then
        echo "$name: ${runs:-0} runs, 0 crashes"
        continue
    fi
    crashed=1
    echo "$name: ${runs:-?} runs, 1 crash"
    grep -E '^(property broken|SUMMARY|==[0-9]+==ERROR)|runtime error' "$run/log" | head -5 | sed 's/^/    /'
    if [ -n "$crash" ]; then
        echo "    input ($run/$crash):"
        od -An -c "$run/$crash" | head -20 | sed 's/^/    /'
    else
        echo "    see $run/log"
    fi
done
exit $crashed
