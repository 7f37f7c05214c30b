#!/usr/bin/env bash
# Installs what is missing for playing, builds the game (and nothing else) and starts it with the
# shipped words and sounds. The word file, with the words you add, is build/play/Dictionary.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-game.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Quillow is built in build/play/, but there is no display to show it on." >&2
    echo "Start it from a desktop session: cd build/play && ./quillow" >&2
    exit 1
fi
# The sounds are found in the current directory; Dictionary.txt beside the executable.
cd build/play
exec ./quillow "$@"
