#!/usr/bin/env bash
# The real game under Xvfb, on a --words file whose name is not UTF-8, played as a blind player
# would, screen_reader.py checking what a screen reader is told: a child game won and a word
# added, then, muted, an adult game lost and closed with its box open. And the sounds' order.
#
#   e2e_game.sh QUILLOW FOLDER_WITH_SOUNDS
set -euo pipefail
quillow=$1 sounds=$2 here=$(dirname "$0")
. "$here/../../scripts/session.sh"
begin e2e
start_xvfb
start_accessibility_bus
cp "$sounds"/*.wav "$work"
words=$work/$'m\xffine.txt'
printf 'Bee\r\n*Cat\r\nA pet\r\n' >"$words"

play() { # LEVEL [OPTIONS...]: a game read by screen_reader.py, which ends it or leaves a box open
    (cd "$work" && rm -f audio.raw && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw \
        exec "$quillow" --words="$words" "${@:2}" 2>"$work/stderr") &
    game=$!
    keep $game
    W=$(window_named Quillow) || fail "no game window"
    xdotool windowfocus --sync "$W"
    /usr/bin/python3 "$here/screen_reader.py" "$1" "$W" || fail "$1 game"
}
ended() { # WHAT: the game ends by itself within 10 s, with status 0
    timeout 10 tail --pid="$game" -f /dev/null || fail "$1: the game did not end"
    wait "$game" || fail "$1: the game did not end with status 0"
}

play child
ended QUIT
[ "$(cat "$words")" = "$(printf 'Bee\r\n*Cat\r\nA pet\r\n*Owl\r\nbird\r\n')" ] ||
    fail "the word is not in the --words file"
# Only the order of the sounds in the recording: on a busy machine the disk driver loses silence.
# (That E, typed during B's reveal, waited for it shows in the news: B's comes as its reveal ends.)
trace=$(/usr/bin/python3 - "$work/audio.raw" "$work"/*.wav <<'EOF'
import os, sys, wave  # the sounds whose samples stand in the recording, in their order
recording, found = open(sys.argv[1], "rb").read(), []
for name in sys.argv[2:]:
    with wave.open(name) as sound:
        samples = sound.readframes(sound.getnframes())
    at = recording.find(samples)
    while samples and at >= 0:
        found.append((at, os.path.basename(name)))
        at = recording.find(samples, at + len(samples))
print(" ".join(name for at, name in sorted(found)))
EOF
)
[ "$trace" = "no.wav no.wav music.wav music.wav music.wav winner.wav music.wav goodbye.wav" ] || fail "played: $trace"

printf 'Bee\r\n*Cat\r\nA pet\r\n' >"$words"
play adult --mute
/usr/bin/python3 "$here/wm_close.py" "$W"
ended "the window manager's close with the box open"
[ -z "$(tr -d '\0' 2>/dev/null <"$work/audio.raw" | head -c 1)" ] || fail "--mute: the audio device was given sound"
echo "e2e: passed"
