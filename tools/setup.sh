#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine (as
# root), unless it is there already.
set -euo pipefail
packages=(cmake make g++ googletest g++-mingw-w64-x86-64 gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          wine wine64 xvfb xauth imagemagick)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
