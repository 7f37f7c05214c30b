#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that everything stands where the
# launcher, the game and the desktop expect it.
#
#   test_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/quillow bin/quillow-check-words lib/quillow/quillow lib/quillow/quillow-check-words \
    lib/quillow/Dictionary.txt share/applications/org.quillow.Quillow.desktop \
    share/icons/hicolor/scalable/apps/org.quillow.Quillow.svg \
    share/metainfo/org.quillow.Quillow.metainfo.xml; do
    [ -e "$prefix/$f" ] || fail "$f is missing"
done
for s in music no scream winner goodbye; do
    [ -f "$prefix/share/quillow/sounds/$s.wav" ] || fail "$s.wav is missing"
done
[ -x "$prefix/bin/quillow" ] || fail "the launcher is not executable"

desktop-file-validate "$prefix/share/applications/org.quillow.Quillow.desktop" ||
    fail "the desktop entry does not validate"
grep -qx "Exec=\"$prefix/bin/quillow\"" "$prefix/share/applications/org.quillow.Quillow.desktop" ||
    fail "the desktop entry does not start the launcher"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quillow.Quillow.metainfo.xml" >/dev/null ||
    fail "the AppStream metadata does not validate"

# The checker finds the installed word file beside itself, and it is clean.
"$prefix/bin/quillow-check-words" >/dev/null || fail "the installed word file is not clean"

# A reinstall keeps the words the player added.
printf 'Quokka\r\n' >>"$prefix/lib/quillow/Dictionary.txt"
cmake --install "$build" --prefix "$prefix" >/dev/null
tail -c 8 "$prefix/lib/quillow/Dictionary.txt" | grep -q Quokka || fail "a reinstall lost the player's words"

# The launcher starts the game itself, in the sounds' folder.
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$prefix" \
    "$prefix/bin/quillow" >/dev/null 2>&1 &
game_pid=$!
for _ in $(seq 50); do
    [ "$(readlink "/proc/$game_pid/exe" 2>/dev/null)" = "$prefix/lib/quillow/quillow" ] && break
    sleep 0.1
done
[ "$(readlink "/proc/$game_pid/exe")" = "$prefix/lib/quillow/quillow" ] || fail "the launcher did not start the game"
[ "$(readlink "/proc/$game_pid/cwd")" = "$prefix/share/quillow/sounds" ] || fail "the game does not run in its sounds' folder"
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the installed game did not keep running"

# A signal ends it (at logout, say), like any other program.
kill "$game_pid"
for _ in $(seq 30); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game does not end on SIGTERM"
game_pid=

echo "install: 1 passed, 0 failed"
