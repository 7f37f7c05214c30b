#!/usr/bin/env bash
# Builds Quillow into build/ (or the folder given as $1); further arguments are CMake options,
# such as -DQUILLOW_BUILD_TESTS=ON. A new folder is configured as Release, the build players get
# from scripts/play.sh and the package; one that exists keeps what it was configured with, but
# for the options given.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
options=("$@")
[ -f "$build_dir/CMakeCache.txt" ] || options=(-DCMAKE_BUILD_TYPE=Release "${options[@]}")
[ ${#options[@]} -eq 0 ] || cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
