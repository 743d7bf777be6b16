#!/usr/bin/env bash
# Checks that the source folders use only the layers below them (README,
# "Layers"): every #include "folder/..." of a file under src/ or standin/
# must name a folder its own folder may use, and only the Win32 platform
# includes <windows.h>. Prints each include that breaks the rule.
set -uo pipefail
cd "$(dirname "$0")/.."

# Folder, then the folders it may include from (itself included).
allowed() {
    case $1 in
    app | menu | lessons | exercises) echo "app menu lessons exercises host pictures forms platform" ;;
    host) echo "host forms platform" ;;
    pictures) echo "pictures forms" ;;
    forms) echo "forms platform" ;;
    platform) echo "platform" ;;
    platform/sim) echo "platform/sim platform forms" ;;
    platform/win32) echo "platform/win32 platform forms pictures" ;;
    standin) echo "standin pictures platform/win32 platform" ;;
    esac
}

# The layer a path (relative to src/, or standin/...) belongs to.
layer() {
    case $1 in
    standin/*) echo standin ;;
    platform/sim/*) echo platform/sim ;;
    platform/win32/*) echo platform/win32 ;;
    */*) echo "${1%%/*}" ;;
    *) echo standin ;; # a file of the stand-in's own folder
    esac
}

broken=0
while IFS= read -r file; do
    case $file in
    src/*) from=$(layer "${file#src/}") ;;
    *) from=standin ;;
    esac
    # The program's entry point starts the tutorial itself.
    [ "$file" = src/platform/win32/winmain.cpp ] && continue
    if [ "$from" != platform/win32 ] && [ "$from" != standin ] && grep -q '#include <windows.h>' "$file"; then
        echo "$file: only the Win32 platform includes <windows.h>"
        broken=1
    fi
    while IFS= read -r included; do
        to=$(layer "$included")
        [ "$from" = standin ] && [[ $included != */* ]] && continue
        if [[ " $(allowed "$from") " != *" $to "* ]]; then
            echo "$file: $from may not use $to ($included)"
            broken=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find src standin -name '*.cpp' -o -name '*.h' | sort)

[ $broken = 0 ] && echo "layers: every include points down"
exit $broken
