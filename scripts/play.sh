#!/usr/bin/env bash
# Installs what is missing for playing, builds the game (and nothing else) and starts it with the
# shipped words and sounds. The word file, with the words you add, is build/play/Dictionary.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --play
# A first build leaves the tests and benchmarks out; a build folder that scripts/test.sh made is
# used as it is.
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILLOW_BUILD_TESTS=OFF \
        -DQUILLOW_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build build -j"$(nproc)" --target quillow_play
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Quillow is built in build/play/, but there is no display to show it on." >&2
    echo "Start it from a desktop session: cd build/play && ./quillow" >&2
    exit 1
fi
# The sounds are found in the current directory; Dictionary.txt beside the executable.
cd build/play
exec ./quillow "$@"
