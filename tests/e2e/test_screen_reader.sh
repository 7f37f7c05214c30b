#!/usr/bin/env bash
# The game as a screen reader knows it: under Xvfb with a session D-Bus and the accessibility
# bus, played by keyboard alone (xdotool), a won child game and a lost adult game, read over
# AT-SPI by tests/e2e/screen_reader.py.
#
#   test_screen_reader.sh QUILLOW SOUNDS
set -euo pipefail
quillow=$(realpath "$1") sounds=$2
work=$(mktemp -d)
xvfb_pid= game=
trap 'kill $game $xvfb_pid $DBUS_SESSION_BUS_PID $bus 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
. "$(dirname "$0")/../../scripts/xsession.sh"
start_xvfb "$work"
cp "$sounds"/*.wav "$work"
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 0.5
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for level in child adult; do
    printf 'Bee\r\n*Cat\r\nA pet\r\n' >"$work/words.txt"
    (cd "$work" && exec "$quillow" --mute --words "$work/words.txt" 2>/dev/null) &
    game=$!
    W=$(window_named Quillow) || fail "no game window"
    xdotool windowfocus --sync "$W"
    /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$level" "$W"
    kill "$game" && wait "$game" || true
done
