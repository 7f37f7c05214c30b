#!/usr/bin/env bash
# Installs what is missing, builds Quillow and starts it with the shipped words and sounds.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Quillow is built in build/play/, but there is no display to show it on." >&2
    echo "Start it from a desktop session: cd build/play && ./quillow" >&2
    exit 1
fi
# The sounds are found in the current directory; Dictionary.txt beside the executable.
cd build/play
exec ./quillow
