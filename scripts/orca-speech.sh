#!/usr/bin/env bash
# Plays a won child game and a lost adult game by keyboard alone, with Orca (Debian's screen
# reader) running against the game under Xvfb, and prints what Orca spoke: the SPEECH OUTPUT lines
# of its debug log, the keys it echoed left out. Not part of scripts/test.sh: Orca is slow to
# start and its speech is for a person to read (tests/e2e/e2e_game.sh checks the same
# moments over AT-SPI).
#
#   scripts/orca-speech.sh [BUILD]      (default build/, made by scripts/test.sh or build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
scripts/install-deps.sh orca speech-dispatcher >&2
. scripts/session.sh
begin orca-speech
start_xvfb
start_accessibility_bus
cp "$build"/play/*.wav "$work"

# speech-dispatcher's default, PulseAudio, hangs without a sound server, and Orca with it.
mkdir -p "$work/home/.config/speech-dispatcher" "$work/prefs"
sed 's/^#\? *AudioOutputMethod .*/AudioOutputMethod "alsa"/' /etc/speech-dispatcher/speechd.conf \
    >"$work/home/.config/speech-dispatcher/speechd.conf"
echo 'AudioALSADevice "null"' >>"$work/home/.config/speech-dispatcher/speechd.conf"
# Orca writes its log in blocks: each line as it comes, or the last words of a game are missing.
printf 'import orca.debug\nif orca.debug.debugFile:\n    orca.debug.debugFile.reconfigure(line_buffering=True)\n' \
    >"$work/prefs/orca-customizations.py"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config orca --debug-file="$work/orca.log" \
    --user-prefs="$work/prefs" >/dev/null 2>&1 &
orca=$!
# Idle, Orca does not heed SIGTERM.
trap 'kill -9 $orca; pkill -f speech-dispatcher; kill "${kept[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 150); do grep -q "Screen reader on" "$work/orca.log" 2>/dev/null && break; sleep 0.2; done
grep -q "Screen reader on" "$work/orca.log" || fail "Orca did not start"

play() { # TITLE MOVES...: a game on a fresh word file, then what Orca said of it
    printf 'Bee\r\n*Cat\r\nA pet\r\n' >"$work/words.txt"
    local from
    from=$(($(wc -l <"$work/orca.log") + 1))
    (cd "$work" && exec "$build/play/quillow" --mute --words "$work/words.txt" 2>/dev/null) &
    game=$!
    keep $game
    W=$(window_named Quillow) || fail "no game window"
    xdotool windowfocus --sync "$W"
    sleep 2
    echo "== $1"
    for move in "${@:2}"; do
        case $move in
        window) xdotool windowfocus --sync "$W" ;; # no window manager does it after a box
        \'*) xdotool type --delay 200 "${move#\'}" ;;
        *) xdotool key "$move" ;;
        esac
        sleep 2.5
    done
    kill "$game"
    wait "$game" || true
    tail -n +"$from" "$work/orca.log" | perl -ne "print \"\$1\\n\" if /SPEECH OUTPUT: '(.*?)' ?\{/" |
        grep -vxE "(left |right )?(shift|alt|tab|space|return) ?|.{1,2}"
}
play "a child game" "'Zoe" Return Tab space "'b" "'z" shift+Tab space "'e" Return window \
    alt+a "'Owl" Tab "'bird" alt+a
play "an adult game" "'Zoe" Return space "'bdfghj"
