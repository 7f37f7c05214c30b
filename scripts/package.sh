#!/usr/bin/env bash
# Builds the game and makes its Debian package, quillow_<version>_amd64.deb, in the folder given
# (default build/package/). Install it with: sudo apt install ./build/package/quillow_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/package}")

scripts/build-game.sh dpkg-dev file >/dev/null
cmake --build build -j"$(nproc)" --target quillow_docs >/dev/null
mkdir -p "$out"
(cd build && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/quillow_*.deb
