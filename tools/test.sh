#!/usr/bin/env bash
# Builds both presets and runs every test: the native suite on the simulated
# platform, then the Windows suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
jobs=$(nproc)
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset"
done
# The setup program: packed, then installed, started and removed under Wine.
tools/package.sh >/dev/null
tests/setup/run-setup-test.sh build/windows build/package
