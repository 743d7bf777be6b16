#!/usr/bin/env bash
# Builds the Windows program and packs the tutorial for learners into
# build/package/: LearningTrazel-VERSION-setup.exe, the setup program, and
# LearningTrazel-VERSION.zip, the same tree to unpack into Trazel's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target learning-trazel
package=$PWD/build/package
# The binaries are stripped once for each package; with the time of the last
# commit as their time stamp, both packages hold the same bytes.
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
rm -rf "$package"
cpack --config build/windows/CPackConfig.cmake -B "$package" >/dev/null
rm -rf "$package/_CPack_Packages"
ls -l "$package"
