#!/usr/bin/env bash
# Ends a save of the progress file N times at random moments, under Wine, and
# checks after every kill that TRAZEL.LRN holds exactly the old or the new
# content and that what the cut-short saves leave does not pile up. Builds
# kill-save.exe in the windows preset and runs it in a private prefix
# (build/windows/kill-save/prefix; Xvfb when there is no display).
# Prints "N kills: N old-or-new, 0 damaged"; exits non-zero otherwise.
# Usage: tools/kill-save.sh N
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:?usage: tools/kill-save.sh N}
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target kill-save >/dev/null

source tools/wine-env.sh
work=$PWD/build/windows/kill-save
export WINEPREFIX=$work/prefix
xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    true
}
trap cleanup EXIT
[ -z "${DISPLAY:-}" ] && start_xvfb
make_prefix

rm -rf "$work/dir" && mkdir -p "$work/dir"
status=0
wine build/windows/kill-save.exe "$(winpath "$work/dir")" "$kills" >"$work/log" 2>&1 || status=$?
grep -v '^[0-9a-f]*:\(err\|fixme\|warn\)' "$work/log" || true
exit $status
