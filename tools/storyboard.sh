#!/usr/bin/env bash
# Plays lessons with the tour and writes one contact sheet per lesson, for
# reviewing a lesson at a glance: every screen at full size, numbered, with
# its caption as the learner reads it.
#   tools/storyboard.sh [LESSON ...]     (all fifteen without arguments)
# The sheets land in build/storyboard/lessonNN.png; the screens they are
# made of stay in build/storyboard/screens/.
set -euo pipefail
cd "$(dirname "$0")/.."
board=build/storyboard
lessons=("$@")
[ ${#lessons[@]} -eq 0 ] && lessons=($(seq 1 15))

LT_TOUR_DIR="$board/screens" tools/tour.sh "${lessons[@]}"

for n in "${lessons[@]}"; do
    title=$(sed -n "s/^$((31 + n)), \"\\(.*\\)\"\$/\\1/p" res/strings.rc)
    screens=("$board"/screens/$(printf 'lesson%02d' "$n")-screen*.png)
    labelled=()
    for i in "${!screens[@]}"; do
        labelled+=(-label "Screen $((i + 1)) of ${#screens[@]}" "${screens[$i]}")
    done
    sheet=$(printf '%s/lesson%02d.png' "$board" "$n")
    montage -font DejaVu-Sans -pointsize 16 -title "$title" "${labelled[@]}" \
        -tile 3x -geometry +12+12 -background '#d8d8d8' "$sheet"
    echo "lesson $n: $sheet (${#screens[@]} screens)"
done
