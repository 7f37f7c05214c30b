#!/usr/bin/env bash
# Plays two whole games with the real quillow binary in a real X window (Xvfb): one won, one
# lost. Clicks with xdotool, reads pixels from screenshots, and checks the order of the sounds
# that SDL's disk audio driver recorded.
#
#   e2e_game.sh QUILLOW_BINARY FOLDER_WITH_SOUNDS AUDIO_TRACE_BINARY WM_CLOSE_BINARY
set -euo pipefail

quillow=$1
sounds=$2
audio_trace=$3
wm_close=$4

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    # E2E_SHOTS=<folder> keeps the screenshots for a look.
    [ -n "${E2E_SHOTS:-}" ] && cp "$work"/*.png "$E2E_SHOTS"/ 2>/dev/null || true
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${E2E_SHOTS:-}" ] && cp "$work"/stderr "$E2E_SHOTS"/ 2>/dev/null; rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

. "$(dirname "$0")/xsession.sh"
start_xvfb "$work"

count_colour() { # FILE X Y WIDTH HEIGHT HEX -> number of pixels of that colour in the rectangle
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage txt:- | grep -ci "#$6" || true
}

colour_at() { # FILE X Y -> hex colour
    convert "$1" -crop "1x1+$2+$3" +repage txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

start_game() { # [OPTIONS...]: starts the binary in a fresh program folder, with the one word "Bee"
    rm -rf "$work/program" "$work/sounds"
    mkdir -p "$work/program" "$work/sounds"
    cp "$quillow" "$work/program/quillow"
    printf 'Bee\r\n' >"$work/program/Dictionary.txt"
    cp "$sounds"/*.wav "$work/sounds/"
    rm -f "$work/audio.raw"
    (cd "$work/sounds" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
        exec "$work/program/quillow" "$@" 2>"$work/stderr") &
    game_pid=$!
    W=$(window_named Quillow) || fail "the game window did not appear"
    xdotool windowfocus --sync "$W" 2>/dev/null || true
}

close_box() { # ID
    xdotool key Return
    window_gone "$1" || fail "the message box did not close"
}

quit_game() {
    sleep 2.5
    click 676 348
    local status=0
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" -eq 0 ] || fail "QUIT ended the program with status $status"
}

sounds_played() { # the names of the sounds in the order they were heard
    "$audio_trace" "$work/audio.raw" "$work"/sounds/*.wav | cut -d' ' -f1 | tr '\n' ' ' |
        sed 's/ $//'
}

seconds_between() { # N M: seconds from the start of the N-th sound heard to the M-th
    "$audio_trace" "$work/audio.raw" "$work"/sounds/*.wav |
        awk -v n="$1" -v m="$2" 'NR == n {a = $2} NR == m {b = $2} END {printf "%.2f", b - a}'
}

# --- a won game ------------------------------------------------------------------------------

start_game
eval "$(xdotool getwindowgeometry --shell "$W")"
[ "${WIDTH}x${HEIGHT}" = "792x424" ] || fail "window is ${WIDTH}x${HEIGHT}, not 792x424"

shoot "$work/signin.png"
# The name box (white) inside the sign-in frame, and the complete figure on the cyan Canvas1.
[ "$(colour_at "$work/signin.png" 452 37)" = "#FFFFFF" ] || fail "no name box where the layout puts it"
[ "$(colour_at "$work/signin.png" 139 187)" = "#C0FFFF" ] || fail "Canvas1 is not shown"
figure=$(count_colour "$work/signin.png" 138 186 501 221 000000)
[ "$figure" -gt 300 ] || fail "Canvas1 shows $figure black pixels, not the whole figure"

sign_in Zoe child
# E is clicked while B's sound and reveal still hold the window: it waits its turn.
guess B 0.15
guess E 0.2
box=$(window_named 'Congratulations! You Won Zoe!') || fail "no win message naming the player"
xdotool windowmove "$box" 0 600
sleep 0.3
shoot "$work/won.png"
for slot in 0 1 2; do
    red=$(count_colour "$work/won.png" $((18 + 302 + 60 * slot)) 106 40 65 C80A0A)
    [ "$red" -gt 20 ] || fail "slot $((slot + 1)) shows no revealed letter"
done
close_box "$box"
quit_game
played=$(sounds_played)
[ "$played" = "music.wav music.wav music.wav winner.wav goodbye.wav" ] ||
    fail "won game played: $played"
# E's first hit follows B's hit only after B's letter has been revealed (0.65 s of pauses).
gap=$(seconds_between 1 2)
awk "BEGIN {exit !($gap >= 0.85)}" || fail "E was handled $gap s after B, before B had finished"

# --- a lost game -----------------------------------------------------------------------------

start_game
sign_in Zoe child
guess ACDFG 0.8
click $(letter H)
box=$(window_named 'You are a Loser Zoe!') || fail "no loss message naming the player"
xdotool windowmove "$box" 0 600
sleep 0.3
shoot "$work/lost.png"
figure=$(count_colour "$work/lost.png" 42 194 285 213 000000)
[ "$figure" -gt 250 ] || fail "Canvas shows $figure black pixels, not the whole figure"
leg=$(count_colour "$work/lost.png" 203 338 3 3 000000)
[ "$leg" -gt 0 ] || fail "the right leg is missing from the figure"
close_box "$box"
quit_game
played=$(sounds_played)
[ "$played" = "no.wav no.wav no.wav no.wav no.wav no.wav scream.wav goodbye.wav" ] ||
    fail "lost game played: $played"

# --- a game played with the keyboard only, on a word file of the player's own ------------------

# Its name is not UTF-8: the game must open the file the system names, byte for byte.
mine=$work/$'m\xffine.txt'
printf 'Bee\r\n' >"$mine"
start_game --words "$mine"
xdotool type --delay 60 Zoe
xdotool key Return
sleep 0.5
xdotool key alt+c
sleep 0.5
# E is typed while B's sound and reveal still hold the window: it waits its turn, once.
xdotool type --delay 150 be
box=$(window_named 'Congratulations! You Won Zoe!') || fail "keyboard: no win message"
close_box "$box"
sleep 0.5
# A word added through the panel goes to the player's file, not the program's.
click 676 292
sleep 0.3
click 258 200
click 528 52
xdotool type --delay 60 Owl
# With no window manager, the window is active again only once the X server says so.
xdotool windowfocus --sync "$W" 2>/dev/null || true
xdotool key alt+a # the panel's button, although ADD WORD TO DICTIONARY shares the key
sleep 0.5
xdotool key alt+q
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "keyboard: Alt+Q ended the program with status $status"
played=$(sounds_played)
[ "$played" = "music.wav music.wav music.wav winner.wav goodbye.wav" ] ||
    fail "keyboard game played: $played"
[ "$(od -c "$mine" | head -1)" = "$(printf 'Bee\r\nOwl\r\n' | od -c | head -1)" ] ||
    fail "the word was not added to the --words file: $(od -c "$mine")"
[ "$(cat "$work/program/Dictionary.txt")" = "$(printf 'Bee\r\n')" ] ||
    fail "the program's word file changed"

# --- the window manager's close button during the sound of the winning guess ---------------------

start_game
sign_in Zoe child
guess B
click $(letter E)
sleep 0.2
"$wm_close" "$W"
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "a close during the winning sound was lost"
wait "$game_pid" || fail "closed during the winning sound: the game ended with an error"
game_pid=
played=$(sounds_played)
[ "$played" = "music.wav music.wav music.wav" ] || fail "closed during the winning sound: played $played"

# --- --mute: the same pace, not a sound -------------------------------------------------------

start_game --mute
sign_in Zoe child
guess Z 0.5
xdotool key alt+q
wait "$game_pid" || fail "--mute: the game ended with an error"
game_pid=
if [ -s "$work/audio.raw" ] && tr -d '\0' <"$work/audio.raw" | head -c 1 | grep -q .; then
    fail "--mute: the audio device was given sound"
fi

echo "e2e: 5 passed, 0 failed"
