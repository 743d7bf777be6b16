#!/usr/bin/env bash
# Runs a Windows test program under Wine: a private prefix inside the build
# tree, the installed layout staged beside it, Xvfb when there is no display,
# and the prefix's wineserver shut down afterwards.
# Usage: run-under-wine.sh BUILD_DIR TEST_EXE [ARGS...]
# The desktop it runs on, from the environment:
#   LT_WINE_WM   none (default): a bare Xvfb, windows unmanaged;
#                openbox: a window manager on Xvfb, windows managed by it.
#   LT_WINE_DPI  96 (default), 120 or 144: the desktop's logical resolution.
# Each desktop has its own prefix, stage and scratch folder.
set -uo pipefail
build=$(cd "$1" && pwd); shift
exe=$1; shift
wm=${LT_WINE_WM:-none}
dpi=${LT_WINE_DPI:-96}
desktop="$wm-$dpi"

source "$(dirname "$0")/../../tools/wine-env.sh"
export WINEPREFIX="$build/wine-prefix-$desktop"
stage="$build/stage-$desktop"
rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null || exit 1

xvfb_pid= wm_pid=
cleanup() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

managed=N
[ "$wm" = openbox ] && managed=Y
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    [ "$wm" = openbox ] && start_window_manager
fi
make_prefix "$managed" "$dpi"

# The test program finds the installed tree, and a place for its own
# copies of it, through these Windows paths.
scratch="$build/wine-scratch-$desktop"
rm -rf "$scratch" && mkdir -p "$scratch"
export LT_STAGE="$(winpath "$stage")"
export LT_SCRATCH="$(winpath "$scratch")"
export LT_WINE_WM="$wm" LT_WINE_DPI="$dpi"
log="$build/$(basename "$exe" .exe)-$desktop.log"
wine "$exe" "$@" >"$log" 2>&1
rc=$?
cat "$log"
exit $rc
