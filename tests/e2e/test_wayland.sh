#!/usr/bin/env bash
# The real game as a native Wayland client of a headless compositor (weston): it shows its
# window, titled "Quillow", under the desktop entry's name as its application id, and a logout's
# SIGTERM ends it cleanly. Clicks and pixels are the X11 end-to-end test's.
#
#   test_wayland.sh QUILLOW_BINARY
set -euo pipefail
quillow=$1
work=$(mktemp -d)
weston_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-quillow --idle-time=0 >"$work/weston" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-quillow" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/wayland-quillow" ] || fail "weston did not start: $(cat "$work/weston")"

printf 'Bee\r\n' >"$work/words.txt"
# Under the sanitizers, the Wayland client library's own allocations at exit are no leak of
# the game's (the X11 end-to-end test looks for those).
env -u DISPLAY WAYLAND_DISPLAY=wayland-quillow QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "$quillow" --words "$work/words.txt" 2>"$work/protocol" &
game_pid=$!
# The toplevel's title and application id, then a first frame of its surface.
shown() {
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Quillow")' "$work/protocol" &&
        sed -n '/xdg_toplevel@[0-9]*\.set_app_id("org.quillow.Quillow")/,$p' "$work/protocol" |
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer'
}
for _ in $(seq 200); do
    shown && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
shown || fail "no window titled Quillow with the id org.quillow.Quillow: $(grep -m 5 -E 'set_(title|app_id)|error' "$work/protocol")"

kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "SIGTERM ended the game with status $status"
echo "wayland: passed"
