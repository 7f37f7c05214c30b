#!/usr/bin/env bash
# Builds the game and makes its Debian package, quillow_<version>_amd64.deb, in the folder given
# (default build/package/). Install it with: sudo apt install ./build/package/quillow_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/package}")

scripts/install-deps.sh --play dpkg-dev file
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLOW_BUILD_TESTS=OFF \
        -DQUILLOW_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build build -j"$(nproc)" --target quillow_play quillow_docs >/dev/null
mkdir -p "$out"
(cd build && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/quillow_*.deb
