#!/usr/bin/env bash
# Builds both presets and runs every test: the native suite on the simulated
# platform, then the Windows suite under Wine on its three desktops; then the
# fuzzed readers, saves killed in the middle, the setup program, and a short
# run of the benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
jobs=$(nproc)
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset"
done
# Every reader of outside input fuzzed for a few seconds, and saves killed in
# the middle under Wine.
tools/fuzz.sh 5
tools/kill-save.sh 10
# The setup program: packed, then installed, started and removed under Wine.
tools/package.sh >/dev/null
tests/setup/run-setup-test.sh build/windows build/package
# The benchmark, once and briefly, so that it keeps working; it never fails
# on a figure (its page goes to build/bench/performance.md).
tools/bench.sh --quick >/dev/null
