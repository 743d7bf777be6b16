#!/usr/bin/env bash
# Runs a Windows test program under Wine: a private prefix inside the build
# tree, the installed layout staged beside it, Xvfb when there is no display,
# and the prefix's wineserver shut down afterwards.
# Usage: run-under-wine.sh BUILD_DIR TEST_EXE [ARGS...]
set -uo pipefail
build=$(cd "$1" && pwd); shift
exe=$1; shift

source "$(dirname "$0")/../../tools/wine-env.sh"
export WINEPREFIX="$build/wine-prefix"
stage="$build/stage"
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null || exit 1

xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

[ -z "${DISPLAY:-}" ] && start_xvfb
make_prefix

# The test program finds the installed tree, and a place for its own
# copies of it, through these Windows paths.
scratch="$build/wine-scratch"
rm -rf "$scratch" && mkdir -p "$scratch"
export LT_STAGE="$(winpath "$stage")"
export LT_SCRATCH="$(winpath "$scratch")"
log="$build/$(basename "$exe" .exe).log"
wine "$exe" "$@" >"$log" 2>&1
rc=$?
cat "$log"
exit $rc
