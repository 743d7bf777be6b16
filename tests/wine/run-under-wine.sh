#!/usr/bin/env bash
# Runs a Windows test program under Wine: a private prefix inside the build
# tree, the installed layout staged beside it, Xvfb when there is no display,
# and the prefix's wineserver shut down afterwards.
# Usage: run-under-wine.sh BUILD_DIR TEST_EXE [ARGS...]
set -uo pipefail
build=$(cd "$1" && pwd); shift
exe=$1; shift

export WINEPREFIX="$build/wine-prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        break
    done
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot -i >/dev/null 2>&1
    # There is no window manager on Xvfb: Wine draws the frames itself and
    # does not wait for a manager to answer when windows go.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
fi

# The test program finds the installed tree, and a place for its own
# copies of it, through these Windows paths.
scratch="$build/wine-scratch"
rm -rf "$scratch" && mkdir -p "$scratch"
export LT_STAGE="Z:$(echo "$stage" | tr / '\\')"
export LT_SCRATCH="Z:$(echo "$scratch" | tr / '\\')"
log="$build/$(basename "$exe" .exe).log"
wine "$exe" "$@" >"$log" 2>&1
rc=$?
cat "$log"
exit $rc
