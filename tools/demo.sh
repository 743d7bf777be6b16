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
export WINEPREFIX="$demo/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
host="$WINEPREFIX/drive_c/Quarn/TRAZEL"
mkdir -p "$demo"
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && { wineserver -k 2>/dev/null; kill "$xvfb_pid" 2>/dev/null; }; true; }
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 141 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        break
    done
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix (once)..."
    wine wineboot -i >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
fi
cmake --install build/windows --prefix "$host" --component tutorial >/dev/null

if [ -z "$xvfb_pid" ]; then
    wine "$host/TUTOR/learning-trazel.exe" "$@"
else
    wine "$host/TUTOR/learning-trazel.exe" "$@" >/dev/null 2>&1 &
    sleep 6
    import -window root "$demo/screen.png"
    echo "No display: the tutorial ran on Xvfb; its first screen is in $demo/screen.png"
fi
