#!/usr/bin/env bash
# Makes the Debian package twice with scripts/package.sh, from fresh build folders at different
# paths, and compares the bytes; checks its files, control fields, hardening, metadata and
# lintian; then unpacks it into a temporary root and plays it as a player with a home of their
# own would: the player's word file is made from the shipped one, a word added in the game lands
# there and not in the package's file, and a second start keeps it.
#
#   test_package.sh SOURCE_DIR
set -euo pipefail
source=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for run in one two; do
    QUILLOW_PACKAGE_BUILD=$work/build-$run "$source/scripts/package.sh" "$work/$run" >/dev/null ||
        fail "scripts/package.sh failed"
done
deb=$(ls "$work"/one/quillow_*_amd64.deb) || fail "no quillow_<version>_amd64.deb"
cmp "$deb" "$work"/two/quillow_*_amd64.deb || fail "two builds of the package differ"

# The files, where Debian and the launcher expect them.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/files"
for f in usr/games/quillow usr/games/quillow-check-words usr/lib/quillow/quillow \
    usr/lib/quillow/quillow-check-words usr/lib/quillow/Dictionary.txt \
    usr/share/applications/org.quillow.Quillow.desktop \
    usr/share/icons/hicolor/scalable/apps/org.quillow.Quillow.svg \
    usr/share/metainfo/org.quillow.Quillow.metainfo.xml usr/share/doc/quillow/copyright \
    usr/share/doc/quillow/changelog.gz usr/share/man/man6/quillow.6.gz \
    usr/share/quillow/sounds/music.wav usr/share/quillow/sounds/goodbye.wav; do
    grep -qx "$f" "$work/files" || fail "$f is not in the package"
done
[ "$(dpkg-deb -f "$deb" Package)" = quillow ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "wrong architecture"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "wrong section"
for lib in libqt6widgets6 libsdl2-2.0-0 libc6 fonts-liberation2; do
    dpkg-deb -f "$deb" Depends | grep -q "$lib" || fail "Depends lacks $lib"
done
lintian "$deb" >"$work/lintian" 2>&1 || true
! grep -E '^(E|W):' "$work/lintian" || fail "lintian reports errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
shipped=$root/usr/lib/quillow/Dictionary.txt
shipped_sum=$(md5sum <"$shipped")
grep -qx "Exec=\"/usr/games/quillow\"" "$root/usr/share/applications/org.quillow.Quillow.desktop" ||
    fail "the desktop entry does not start /usr/games/quillow"
# Debian's hardening (control flow protection is not among Debian 12's flags, and its C runtime
# has none), and metadata that software centres accept.
hardening-check --nocfprotection "$root/usr/lib/quillow/quillow" \
    "$root/usr/lib/quillow/quillow-check-words" >"$work/hardening" ||
    fail "hardening-check: $(grep -v ': yes' "$work/hardening")"
desktop-file-validate "$root/usr/share/applications/org.quillow.Quillow.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.quillow.Quillow.metainfo.xml" \
    >"$work/appstream" || fail "the AppStream metadata does not validate: $(cat "$work/appstream")"

. "$(dirname "$0")/xsession.sh"
start_xvfb "$work"
export HOME=$work/home XDG_DATA_HOME=$work/home/data SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
mine=$XDG_DATA_HOME/quillow/Dictionary.txt

start() {
    "$root/usr/games/quillow" 2>"$work/stderr" &
    game_pid=$!
    W=$(window_named Quillow) || fail "the game window did not appear: $(cat "$work/stderr")"
    xdotool windowfocus --sync "$W" 2>/dev/null || true
}
quit() {
    sleep 0.3
    xdotool key alt+q
    wait "$game_pid" || fail "the game ended with an error"
    game_pid=
}

start
cmp -s "$mine" "$shipped" || fail "the player's word file was not made from the shipped one"
sign_in Zoe child
click 676 292 # ADD WORD TO DICTIONARY
sleep 0.3
click 258 200 # Child Word
click 528 52  # the word box
xdotool type --delay 60 Quokka
xdotool key Return
sleep 0.5
quit
tail -c 8 "$mine" | grep -q Quokka || fail "the added word is not in the player's file"
[ "$(md5sum <"$shipped")" = "$shipped_sum" ] || fail "the package's word file changed"

start # a second start keeps the player's file
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
tail -c 8 "$mine" | grep -q Quokka || fail "a second start lost the player's word"

# A relative XDG_DATA_HOME is no base folder (the XDG rules): the default folder is used.
XDG_DATA_HOME=rel start
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
[ -f "$HOME/.local/share/quillow/Dictionary.txt" ] || fail "a relative XDG_DATA_HOME was not ignored"
[ ! -e "$root/usr/share/quillow/sounds/rel" ] || fail "the word file was made beside the sounds"

# A data folder that cannot be made: the game still starts, with a message that says why.
XDG_DATA_HOME=/proc/quillow "$root/usr/games/quillow" 2>"$work/stderr" &
game_pid=$!
sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "no data folder: the game did not start"
grep -q "could not be made in /proc/quillow" "$work/stderr" || fail "no data folder: no reason given"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

echo "package: $(basename "$deb") passed"
