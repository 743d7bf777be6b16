#!/usr/bin/env bash
# Plays lessons under Wine on Xvfb and saves a PNG of every screen:
#   tools/tour.sh [LESSON ...]     (all fifteen without arguments)
# The pictures land in build/tour/lessonNN-screenKK.png. LT_TOUR_BUILD and
# LT_TOUR_DIR name another build tree and picture folder, so that several
# tours can run at once; LT_TOUR_DPI=144 shows a desktop at 150 % (use a
# folder of its own: the prefix keeps the resolution it was made with).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
build=${LT_TOUR_BUILD:-build/windows}
if [ "$build" = build/windows ]; then
    cmake --preset windows >/dev/null
else
    cmake -S . -B "$build" --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target learning-trazel lesson-tour

tour=$(realpath -m "${LT_TOUR_DIR:-build/tour}")
mkdir -p "$tour"
source tools/wine-env.sh
headless_prefix "$tour"
rm -rf "$tour/stage" "$tour/work" && mkdir -p "$tour/work"
cmake --install "$build" --prefix "$tour/stage" --component tutorial >/dev/null

lessons=("$@")
[ ${#lessons[@]} -eq 0 ] && lessons=($(seq 1 15))
for n in "${lessons[@]}"; do
    caption=$(sed -n "s/^$((700 + n)), \"\\(.*\\)\"\$/\\1/p" res/strings.rc)
    prefix=$(printf '%s/lesson%02d-screen' "$tour" "$n")
    rm -f "$prefix"*.png
    wine "$build/lesson-tour.exe" "$(winpath "$tour/stage/TUTOR/learning-trazel.exe")" \
        "$(winpath "$tour/work")" "$caption" "$(winpath "$prefix")"
    for bmp in "$prefix"*.bmp; do
        convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
    done
    echo "lesson $n: $(ls "$prefix"*.png | wc -l) pictures in $tour"
done
