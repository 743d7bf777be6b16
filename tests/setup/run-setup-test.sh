#!/usr/bin/env bash
# Runs the setup program's test under Wine: a fresh prefix inside the build
# tree with a stand-in Trazel under Program Files, the packages of
# tools/package.sh, Xvfb when there is no display, and the prefix's
# wineserver shut down afterwards.
# Usage: run-setup-test.sh BUILD_DIR PACKAGE_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
package=$(cd "$2" && pwd)
cmake --build "$build" --target setup_tests -j 2 >/dev/null || exit 1

source "$(dirname "$0")/../../tools/wine-env.sh"
# The shortcut the setup program makes must not become a menu entry of this
# machine's own desktop.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
export WINEPREFIX="$build/setup-prefix"
work="$build/setup-test"
xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

rm -rf "$WINEPREFIX" "$work"
mkdir -p "$work/tree"
[ -z "${DISPLAY:-}" ] && start_xvfb
make_prefix

# Trazel's folder, as an administrator installs it, without the tutorial.
trazel="$WINEPREFIX/drive_c/Program Files/Quarn/TRAZEL"
cmake --install "$build" --prefix "$trazel" --component standin >/dev/null || exit 1
(cd "$work/tree" && cmake -E tar xf "$package"/LearningTrazel-*[0-9].zip) || exit 1

export LT_PACKAGE="$(winpath "$package")"
export LT_PACKAGE_TREE="$(winpath "$work/tree")"
export LT_TRAZEL='C:\Program Files\Quarn\TRAZEL'
log="$work/setup_tests.log"
wine "$build/setup_tests.exe" --gtest_brief=1 >"$log" 2>&1
rc=$?
cat "$log"
exit $rc
