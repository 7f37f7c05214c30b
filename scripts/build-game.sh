#!/usr/bin/env bash
# Installs what building and playing need, then builds the game, its checker, word file and
# sounds into the folder given (default build/). A first build leaves the tests and benchmarks
# out; a build folder that scripts/test.sh made is used as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

scripts/install-deps.sh --play
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLOW_BUILD_TESTS=OFF \
        -DQUILLOW_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target quillow_play
