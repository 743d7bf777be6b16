#!/usr/bin/env bash
# Measures the tutorial's speed and memory against their floors in one run:
# the Release build under Wine on its own Xvfb with openbox managing the
# windows (start-up against a bare window program, every screen of every
# lesson, key delivery against SendInput and a marker, memory and GDI and
# USER objects), and the native lesson_bench in Release. Prints one table
# and writes it, with the date, the machine and how loaded it was, to
# docs/performance.md. Nothing here fails on a figure.
#   tools/bench.sh            the full run (a few minutes)
#   tools/bench.sh --quick    a short run that keeps the benchmark working;
#                             its page goes to build/bench/performance.md
set -euo pipefail
cd "$(dirname "$0")/.."
# A quick run takes the native benchmark from the native preset's tree (the
# test command has built it), so that it adds no Release build of its own.
if [ "${1:-}" = --quick ]; then
    rounds=1 starts=3 pairs=3 exercises=one repetitions=2 min_time=0.01 page=build/bench/performance.md
    native_build=build/native native_kind="Debug with sanitizers, quick run: not a figure to compare"
else
    rounds=3 starts=15 pairs=15 exercises=all repetitions=5 min_time=0.5 page=docs/performance.md
    native_build=build/native-release native_kind="Release"
fi
tools/setup.sh
work=$PWD/build/bench
mkdir -p "$work"

# The windows preset is a Release build; the native benchmark gets a Release
# tree of its own, without the sanitizers of the native preset.
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target perf-bench >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
if [ "$native_build" = build/native-release ]; then
    cmake -S . -B "$native_build" -DCMAKE_BUILD_TYPE=Release -DLT_SANITIZE=OFF >/dev/null
else
    cmake --preset native >/dev/null
fi
cmake --build "$native_build" -j 2 --target lesson_bench >>"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }

# How busy the machine is: load averages, other people's compilers, and the
# share of CPU time not idle over the run (this run's own work included).
cpu_times() { awk '/^cpu / { idle = $5 + $6; total = 0; for (i = 2; i <= NF; i++) total += $i; print idle, total }' /proc/stat; }
compilers() { ps -eo comm= | grep -cE '^(cc1plus|cc1|ld|collect2|clang.*|x86_64-w64-mingw32.*)$' || true; }
load_before=$(cut -d' ' -f1 /proc/loadavg) compilers_before=$(compilers)
read -r idle_before total_before < <(cpu_times)

source tools/wine-env.sh
export WINEPREFIX=$work/prefix
xvfb_pid= wm_pid=
cleanup() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    true
}
trap cleanup EXIT
unset DISPLAY
start_xvfb
start_window_manager
make_prefix Y 96
rm -rf "$work/stage"
cmake --install build/windows --prefix "$work/stage" >/dev/null
# LT_BENCH_OTHER=FILE.exe: another build of the tutorial, started in turn
# with the tutorial and the bare window from the same folder, to compare
# builds while profiling.
if [ -n "${LT_BENCH_OTHER:-}" ]; then
    cp "$LT_BENCH_OTHER" "$work/stage/TUTOR/"
    export LT_BENCH_OTHER=$(basename "$LT_BENCH_OTHER")
fi

rows=$work/wine-rows.md
rm -f "$rows"
status=0
wine build/windows/perf-bench.exe "$(winpath "$work/stage")" "$(winpath "$PWD/build/windows/bare-window.exe")" \
    "$(winpath "$PWD/build/windows/bench-floor-hook.dll")" "$(winpath "$rows")" \
    "$rounds" "$starts" "$pairs" "$exercises" >"$work/wine.log" 2>&1 || status=$?
if [ $status -ne 0 ] || [ ! -s "$rows" ]; then
    grep -v '^[0-9a-f]*:\(err\|fixme\|warn\)' "$work/wine.log" || true
    echo "bench: the measurement under Wine did not complete" >&2
    exit 1
fi
cleanup
trap - EXIT

# LT_BENCH_ONLY (start, keys, lessons, native; see perf_bench.cpp) measures
# only some parts, for quicker looks while profiling.
rm -f "$work/native.csv"
if [ -z "${LT_BENCH_ONLY:-}" ] || [[ "$LT_BENCH_ONLY" == *native* ]]; then
    "$native_build/lesson_bench" --benchmark_repetitions="$repetitions" --benchmark_min_time="$min_time" \
        --benchmark_report_aggregates_only=true \
        --benchmark_format=csv >"$work/native.csv" 2>/dev/null
fi

read -r idle_after total_after < <(cpu_times)
load_after=$(cut -d' ' -f1 /proc/loadavg) compilers_after=$(compilers)
busy=$(( 100 - 100 * (idle_after - idle_before) / (total_after - total_before) ))

# The native figures: the median of the repetitions, per lesson.
native=$(awk -F, '/_median"?,/ { printf "%s%.2f", sep, 1e6 / $7; u = u sep sprintf("%.1f", $NF); sep = ", " }
                 END { print ""; print u }' "$work/native.csv" 2>/dev/null || true)
native_us=$(echo "$native" | sed -n 1p) native_updates=$(echo "$native" | sed -n 2p)

machine="$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(nproc) CPUs, $(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo) RAM; Linux $(uname -r); $(wine --version); Xvfb 1280×1024 at 96 DPI with openbox"
mkdir -p "$(dirname "$page")"
{
    echo "# Performance"
    echo
    echo "Measured by \`tools/bench.sh$( [ "$page" = docs/performance.md ] || echo ' --quick')\` on $(date -u '+%Y-%m-%d %H:%M UTC'), on $machine."
    echo
    echo "Machine load: 1-minute load average $load_before before the run and $load_after after it; $compilers_before compiler processes of other builds running at the start and $compilers_after at the end; the CPUs were ${busy} % busy over the run, this run's own work included."
    echo
    echo "| What | Learning Trazel | Floor (same run) | Ratio | Goal | Met |"
    echo "|---|---|---|---|---|---|"
    grep '^|' "$rows"
    if [ -n "$native_us" ]; then
        echo "| Native \`lesson_bench\` ($native_kind, simulated platform), µs per press, lessons 1–15 | $native_us | | | | |"
        echo "| Native \`lesson_bench\`: control changes per press, lessons 1–15 | $native_updates | | | | |"
    fi
    echo
    echo "How each figure is taken:"
    echo
    echo "- Start: the time from CreateProcess to the window being visible, the tutorial with Trazel's stand-in already open (so it asks nothing) and the bare window program (tools/bench/bare_window.cpp, one window of the intro's size) alternately, and the bare window once more flashing a window of the logo's size first, as the tutorial's start-up must; each is ended once its window is in front and painted."
    echo "- Continue and Go Back: the button is pressed with BM_CLICK sent to it, which returns once the tutorial has handled the click; then the painting still pending in the lesson window and its children is asked for with RedrawWindow (RDW_UPDATENOW, RDW_ALLCHILDREN), which returns once the tutorial has painted all of it. Every screen of every lesson forward, then back to the first. The floors are the bare window's button pressed the same way: once repainting a slide-sized area, once also moving, resizing and retitling a caption box (a child window with a label in it), as about one screen in six does."
    echo "- Keys: the tutorial's own key sender (src/platform/win32/key_sender.cpp) types \"{ESC 20}\" into the stand-in's design window and returns once its hook reports that Trazel took every key; the floor sends the same inputs and one marker key with SendInput, and a hook that does nothing else (tools/bench/floor_hook.cpp) signals when Trazel takes the marker; its hook is set before and removed after the time."
    echo "- Memory: the peak working set of the process (GetProcessMemoryInfo) with the intro in front; at the lesson menu the working set and the GDI and USER objects, before the first round and after each round of all fifteen lessons and the exercises of the nine that have them. Fonts and brushes are made on first use and kept for the program's life, so the first round may add some; later rounds must add none."
    grep '^- ' "$rows"
    echo
    echo "Where the time goes, and what lies beneath the figures above their goals: [where-the-time-goes.md](where-the-time-goes.md)."
} >"$page.tmp"
mv "$page.tmp" "$page"
cat "$page"
