#!/usr/bin/env bash
# Makes the README's pictures in docs/ with the tour program: the tutorial
# under Wine on Xvfb with the stand-in Trazel, from start-up to the first
# exercise of lesson 9, and one screen of a lesson.
#   tools/screenshots.sh [LESSON SCREEN]     (lesson 4, screen 9 without arguments)
set -euo pipefail
cd "$(dirname "$0")/.."
lesson=${1:-4}
screen=$(printf '%02d' "${2:-9}")
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target learning-trazel trzframe trazel lesson-tour

shots=$(realpath -m build/screenshots)
mkdir -p "$shots"
source tools/wine-env.sh
headless_prefix "$shots"
wine reg add 'HKCR\QuarnTrazelUltor9.20' /f >/dev/null 2>&1
host="$shots/stage"
rm -rf "$host" "$shots/work" "$shots"/*.bmp && mkdir -p "$shots/work"
cmake --install build/windows --prefix "$host" --component tutorial >/dev/null
cmake --install build/windows --prefix "$host" --component standin >/dev/null
program=$(winpath "$host/TUTOR/learning-trazel.exe")

# A learner who has done lessons 1 to 4 and the exercises of lesson 3: the
# menu shows their markers.
printf '1,1,3,1,0,0,0,0,0,0,0,0,0,0,0\r\n' >"$host/TUTOR/TRAZEL.LRN"
wine build/windows/lesson-tour.exe --start "$program" "$(winpath "$shots/start")"
# Trazel stays open after the tutorial ends; the lesson starts afresh.
wineserver -k 2>/dev/null || true
caption=$(sed -n "s/^$((700 + lesson)), \"\\(.*\\)\"\$/\\1/p" res/strings.rc)
wine build/windows/lesson-tour.exe "$program" "$(winpath "$shots/work")" "$caption" "$(winpath "$shots/lesson")"

# Whole screens lose the empty desktop around the windows.
screen_png() { convert "$1" -bordercolor black -border 1 -trim +repage -strip "$2"; }
screen_png "$shots/start2-intro.bmp" docs/intro.png
screen_png "$shots/start3-lesson-menu.bmp" docs/lesson-menu.png
screen_png "$shots/start4-exercise.bmp" docs/exercise.png
convert "$shots/lesson$screen.bmp" -strip docs/lesson.png
ls -l docs/*.png
