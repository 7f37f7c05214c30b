#!/usr/bin/env bash
# The real game in a real X window (Xvfb), on a --words file whose name is not UTF-8: signing in
# with the keyboard, a game won with the mouse, one lost with the keyboard, a word added with
# Alt+A, QUIT with Alt+Q, the sounds as SDL's disk driver recorded them; then, muted, a notice and
# the window manager's close behind a letter typed during a reveal.
#
#   e2e_game.sh QUILLOW FOLDER_WITH_SOUNDS AUDIO_TRACE WM_CLOSE
set -euo pipefail
quillow=$1 sounds=$2 audio_trace=$3 wm_close=$4
. "$(dirname "$0")/../../scripts/session.sh"
begin e2e
start_xvfb
cp "$sounds"/*.wav "$work"
words=$work/$'m\xffine.txt'

start_game() { # [OPTIONS...]
    printf 'Bee\r\n' >"$words"
    (cd "$work" && rm -f audio.raw && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=audio.raw \
        exec "$quillow" --words="$words" "$@" 2>"$work/stderr") &
    game_pid=$!
    keep $game_pid
    W=$(window_named Quillow) || fail "no game window"
    xdotool windowfocus --sync "$W"
}
ended() { # WHAT: the game ends by itself within 10 s, with status 0
    timeout 10 tail --pid="$game_pid" -f /dev/null || fail "$1: the game did not end"
    wait "$game_pid" || fail "$1: the game did not end with status 0"
    game_pid=
}
box() { # TITLE: waits for the message box and answers it with Return
    window_named "$1" >/dev/null || fail "no box \"$1\""
    xdotool key Return
    sleep 2
}

start_game
sign_in Zoe
click B
sleep 0.15
click E # while B's sound and reveal hold the window: it waits its turn
box 'Congratulations! You Won Zoe!'
xdotool type acdfgh
box 'You are a Loser Zoe!'
click 676 292 # ADD WORD TO DICTIONARY, Child Word, the word box
click 258 200
click 528 52
xdotool type --delay 60 Owl
xdotool windowfocus --sync "$W" # without a window manager, the window is active once X says so
xdotool key alt+a               # the panel's button, though ADD WORD TO DICTIONARY shares the key
sleep 0.5
xdotool key alt+q
ended QUIT
[ "$(cat "$words")" = "$(printf 'Bee\r\nOwl\r\n')" ] || fail "the word is not in the --words file"
trace=$("$audio_trace" "$work/audio.raw" "$work"/*.wav)
[ "$(cut -d' ' -f1 <<<"$trace" | xargs)" = "music.wav music.wav music.wav winner.wav $(printf 'no.wav %.0s' {1..6})scream.wav goodbye.wav" ] ||
    fail "played: $(cut -d' ' -f1 <<<"$trace" | xargs)"
awk 'NR == 1 {a = $2} NR == 2 {exit !($2 - a >= 0.85)}' <<<"$trace" ||
    fail "E was handled before B's reveal was over"

start_game --mute --notice "Your own word file could not be made."
sleep 1
box=$(xdotool search --onlyvisible --name '^Quillow$' | grep -vx "$W") || fail "no notice"
xdotool windowfocus --sync "$box" key Return
xdotool windowfocus --sync "$W"
sign_in Zoe
xdotool type be # E waits for B's reveal to end, and the close behind E (close_stress.sh has more)
"$wm_close" "$W"
ended "a close behind a letter"
[ -z "$(tr -d '\0' 2>/dev/null <"$work/audio.raw" | head -c 1)" ] || fail "--mute: the audio device was given sound"
echo "e2e: passed"
