#!/usr/bin/env bash
# Runs lessons' exercises with the stand-in Trazel under Wine on Xvfb and
# saves a PNG of the screen at every page of the steps window:
#   tools/exercise-tour.sh [LESSON ...]   (all nine without arguments)
# The pictures land in build/exercise-tour/exerciseNN-pageKK.png.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target learning-trazel trzframe trazel lesson-tour

tour=$(realpath -m build/exercise-tour)
mkdir -p "$tour"
source tools/wine-env.sh
headless_prefix "$tour"
wine reg add 'HKCR\QuarnTrazelUltor9.20' /f >/dev/null 2>&1
host="$tour/stage"
rm -rf "$host" "$tour/work" && mkdir -p "$tour/work"
cmake --install build/windows --prefix "$host" --component tutorial >/dev/null
cmake --install build/windows --prefix "$host" --component standin >/dev/null

lessons=("$@")
[ ${#lessons[@]} -eq 0 ] && lessons=(3 4 5 6 8 9 13 14 15)
for n in "${lessons[@]}"; do
    caption=$(sed -n "s/^$((700 + n)), \"\\(.*\\)\"\$/\\1/p" res/strings.rc)
    prefix=$(printf '%s/exercise%02d-page' "$tour" "$n")
    rm -f "$prefix"*.png
    wine build/windows/lesson-tour.exe --exercises "$(winpath "$host/TUTOR/learning-trazel.exe")" \
        "$(winpath "$tour/work")" "$caption" "$(winpath "$prefix")"
    # Trazel stays open after the tutorial ends; the next lesson starts afresh.
    wineserver -k 2>/dev/null || true
    for bmp in "$prefix"*.bmp; do
        convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
    done
    echo "lesson $n: $(ls "$prefix"*.png | wc -l) pages in $tour"
done
