#!/usr/bin/env bash
# Runs the tutorial as a learner's machine has it: the installed tree in a
# private Wine prefix. With a display the tutorial opens there and the script
# waits until it ends; without one it runs on Xvfb and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target learning-trazel trzframe trazel lesson-tour

demo=$PWD/build/demo
source tools/wine-env.sh
export WINEPREFIX="$demo/prefix"
host="$WINEPREFIX/drive_c/Quarn/TRAZEL"
mkdir -p "$demo"
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && { wineserver -k 2>/dev/null; kill "$xvfb_pid" 2>/dev/null; }; true; }
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
fi

make_prefix
# A learner's machine: Trazel Ultor installed, the tutorial below its directory.
wine reg add 'HKCR\QuarnTrazelUltor9.20' /f >/dev/null 2>&1
cmake --install build/windows --prefix "$host" --component tutorial >/dev/null
cmake --install build/windows --prefix "$host" --component standin >/dev/null

if [ -z "$xvfb_pid" ]; then
    wine "$host/TUTOR/learning-trazel.exe" "$@"
else
    rm -f "$demo"/screen*.png
    wine build/windows/lesson-tour.exe --start "$(winpath "$host/TUTOR/learning-trazel.exe")" "$(winpath "$demo/screen")"
    for bmp in "$demo"/screen*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"; done
    echo "No display: the tutorial ran on Xvfb; its screens are in $demo:"
    ls "$demo"/screen*.png
fi
