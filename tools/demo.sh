#!/usr/bin/env bash
# Runs the tutorial as a learner's machine has it: the installed tree in a
# private Wine prefix. With a display the tutorial opens there and the script
# waits until it ends; without one it runs on Xvfb and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target learning-trazel

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
cmake --install build/windows --prefix "$host" --component tutorial >/dev/null

if [ -z "$xvfb_pid" ]; then
    wine "$host/TUTOR/learning-trazel.exe" "$@"
else
    wine "$host/TUTOR/learning-trazel.exe" "$@" >/dev/null 2>&1 &
    sleep 6
    import -window root "$demo/screen.png"
    echo "No display: the tutorial ran on Xvfb; its first screen is in $demo/screen.png"
fi
