#!/usr/bin/env bash
# The game as a screen reader knows it: under Xvfb with a session D-Bus and the accessibility
# bus, played by keyboard alone (xdotool), a won child game and a lost adult game, read over
# AT-SPI by tests/e2e/screen_reader.py.
#
#   test_screen_reader.sh QUILLOW SOUNDS
set -euo pipefail
quillow=$(realpath "$1") sounds=$2
. "$(dirname "$0")/../../scripts/session.sh"
begin screen-reader
start_xvfb
start_accessibility_bus
cp "$sounds"/*.wav "$work"
for level in child adult; do
    printf 'Bee\r\n*Cat\r\nA pet\r\n' >"$work/words.txt"
    (cd "$work" && exec "$quillow" --mute --words "$work/words.txt" 2>/dev/null) &
    game=$!
    keep $game
    W=$(window_named Quillow) || fail "no game window"
    xdotool windowfocus --sync "$W"
    /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$level" "$W"
    kill "$game" && wait "$game" || true
done
