#!/usr/bin/env bash
# The real game as a native Wayland client of a headless compositor (weston): it shows a window
# titled "Quillow" under the desktop entry's name as its application id, and a logout's SIGTERM
# ends it cleanly. (The sanitizers' leak check is off: the Wayland library keeps memory at exit.)
#
#   test_wayland.sh QUILLOW
set -euo pipefail
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-quillow QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1
weston --backend=headless-backend.so --socket=$WAYLAND_DISPLAY --idle-time=0 >/dev/null 2>&1 &
printf 'Bee\r\n' >"$work/words.txt"
for _ in $(seq 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
env -u DISPLAY ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" SDL_AUDIODRIVER=dummy \
    "$1" --words "$work/words.txt" 2>"$work/protocol" &
game=$!
shown() { # the title, then the application id, then a frame
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Quillow")' "$work/protocol" &&
        sed -n '/xdg_toplevel@[0-9]*\.set_app_id("org.quillow.Quillow")/,$p' "$work/protocol" |
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer'
}
for _ in $(seq 200); do shown && break; sleep 0.1; done
shown || { echo "FAIL: no window titled Quillow with the id org.quillow.Quillow" >&2; exit 1; }
kill -TERM "$game"
timeout 10 tail --pid="$game" -f /dev/null && wait "$game" ||
    { echo "FAIL: SIGTERM did not end the game cleanly within 10 s" >&2; exit 1; }
echo "wayland: passed"
