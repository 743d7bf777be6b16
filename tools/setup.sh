#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine (as
# root), unless it is there already. Packages are installed without their
# recommendations, so every package anything here needs is named: Wine's own
# fonts (MS Sans Serif, Small Fonts) come from fonts-wine, which Wine only
# recommends. openbox is the window manager of the Wine suite's learner's
# desktop; nsis makes the setup program (tools/package.sh); clang-14 with its
# sanitizer and libFuzzer runtimes (libclang-rt-14-dev) builds the fuzz
# targets, and llvm-14 brings the symbolizer their crash reports use; the
# storyboard labels its sheets in DejaVu Sans (fonts-dejavu-core).
set -euo pipefail
packages=(cmake make g++ googletest g++-mingw-w64-x86-64 gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          wine wine64 fonts-wine xvfb xauth openbox imagemagick fonts-dejavu-core nsis
          clang-14 libclang-rt-14-dev llvm-14)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
