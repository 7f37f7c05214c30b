#!/usr/bin/env bash
# Installs what building and playing need, then builds the game, its checker, word file and
# sounds into the folder given (default build/). A new folder is configured as Release, without
# the tests and benchmarks; one that exists keeps what it was configured with.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

scripts/install-deps.sh --play
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target quillow_play
