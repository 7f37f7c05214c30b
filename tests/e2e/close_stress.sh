#!/usr/bin/env bash
# Closes the real game at every moment a player can, with both cores kept busy by stress-ng: on
# X11 (Xvfb, the window manager's WM_DELETE_WINDOW as wm_close sends it) and on Wayland (a
# headless sway, whose `kill` is the compositor's close), and by SIGTERM and SIGINT. Every run
# must end within 2 s with status 0 (130 after SIGINT) by the game's own path, not killed by the
# signal, and leave the word file whole. The game is played by keyboard alone, so that the same
# moves reach each moment on both window systems.
#
#   close_stress.sh QUILLOW SOUNDS WM_CLOSE [COUNT [PLATFORMS [WAYS [MOMENTS]]]]
#
# COUNT: runs of each moment by each way on each platform (default 20). With COUNT 0 (the test
# suite's), each moment runs once, the platform and the way taking turns from one to the next.
# PLATFORMS: "x11 wayland"; WAYS: "wm term int"; MOMENTS: all of those in moment() below.
set -uo pipefail
quillow=$(realpath "$1") sounds=$(realpath "$2") wm_close=$(realpath "$3") count=${4:-20}
platforms=${5:-x11 wayland} ways=${6:-wm term int}
moments=${7:-sign-in reveal behind-letters winning-sound losing-sound win-box loss-box
    refusal-box error-box notice-box start-up-error start-up-warning panel add}
. "$(dirname "$0")/../../scripts/session.sh"
begin close-stress
chmod 755 "$work"
cp "$sounds"/*.wav "$work"
stress-ng --cpu 2 --timeout 3h >/dev/null 2>&1 &
keep $!

# X11: Xvfb, xdotool, wm_close. The game window is the first, a box before it comes after it.
x11_start() { start_xvfb; }
x11_window() { window_named "$1"; }
x11_type() { xdotool type --delay 30 "$1"; }
x11_keys() { xdotool key --delay 30 "$@"; }
x11_close() { # game|box|box-first: the close of the game window, of the box that comes before
    local first # it, or of that box, then waiting for the game window
    first=$(xdotool search --onlyvisible --name '^Quillow$' | sort -n | head -n 1)
    "$wm_close" "$first"
    [ "$1" != box-first ] || for _ in $(seq 200); do
        xdotool search --onlyvisible --name '^Quillow$' | grep -qvx "$first" && return 0
        sleep 0.1
    done
}

# Wayland: a headless sway (as nobody: it will not run as root), wtype, swaymsg. A box floats,
# the game window is tiled.
wayland_start() {
    local runtime=$work/sway-runtime as=()
    mkdir -m 700 "$runtime"
    printf 'output HEADLESS-1 resolution 1280x800\n' >"$work/sway.conf"
    [ "$(id -u)" = 0 ] && chown nobody:nogroup "$runtime" &&
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
        WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as[@]}" sway -c "$work/sway.conf" \
        >"$work/sway.log" 2>&1 &
    keep $!
    for _ in $(seq 100); do
        [ -S "$runtime/wayland-1" ] && ls "$runtime"/sway-ipc.*.sock >/dev/null 2>&1 && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=$runtime/wayland-1 SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock)
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}
wayland_window() {
    for _ in $(seq 200); do
        swaymsg -t get_tree | grep -q "\"name\": \"$1\"" && return 0
        sleep 0.1
    done
    return 1
}
# Each wtype makes a keyboard of its own: its first key waits for the game to take its keymap.
wayland_type() { wtype -s 200 -d 30 "$1"; }
wayland_keys() {
    local args=()
    for k in "$@"; do
        [[ $k == alt+* ]] && args+=(-M alt -P "${k#alt+}" -p "${k#alt+}" -m alt) || args+=(-k "$k")
    done
    wtype -s 200 "${args[@]}"
}
wayland_close() {
    local game='[app_id="org.quillow.Quillow" tiling]'
    [ "$1" = game ] && swaymsg "$game kill" >/dev/null && return
    swaymsg '[app_id="org.quillow.Quillow"] kill' >/dev/null
    [ "$1" != box-first ] || for _ in $(seq 200); do
        swaymsg "$game nop" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
}

start_game() { # WORDS [OPTIONS...]: starts the game on a word file of those bytes
    printf "$1" >"$work/words.txt"
    cp "$work/words.txt" "$work/before"
    rm -f "$work/pid" "$work/end"
    # The game's end as the system tells it: "exit N", or "signal N" when a signal killed it;
    # with SIGINT as a terminal's Ctrl+C finds it, not ignored as in a shell's background job.
    (cd "$work" && exec perl -e '$SIG{INT} = "DEFAULT"; my $p = fork // die;
        if (!$p) { exec @ARGV; exit 127 } open my $f, ">", "pid"; print $f $p; close $f;
        waitpid($p, 0); open $f, ">", "end.new";
        print $f ($? & 127 ? "signal " . ($? & 127) : "exit " . ($? >> 8)); close $f;
        rename "end.new", "end"' env QT_QPA_PLATFORM="$([ $p = x11 ] && echo xcb || echo wayland)" \
        "$quillow" --mute --words="$work/words.txt" "${@:2}" 2>/dev/null) &
    for _ in $(seq 100); do [ -s "$work/pid" ] && break; sleep 0.05; done
    game=$(cat "$work/pid")
}
main_window() { # waits for the game window and gives it the keyboard
    W=$("${p}_window" Quillow) || fail "$case: no game window"
    [ "$p" = wayland ] || xdotool windowfocus --sync "$W"
}
play() { # a child game of the word file's word: Return signs in, ADULT then has the focus, Tab
    main_window # moves it to CHILD, and the word board has it once the game starts
    "${p}_type" Zoe
    "${p}_keys" Return Tab space
}
box() { "${p}_window" "$1" >/dev/null || fail "$case: no box \"$1\""; }
panel() { "${p}_keys" Tab Tab space; } # from the word board to ADD WORD TO DICTIONARY
add() { # LAST_KEY: a word and its definition in the panel, then the key given
    panel && "${p}_type" Owl && "${p}_keys" Tab && "${p}_type" bird && "${p}_keys" "$1"
}

moment() { # NAME: brings the game to it
    case $1 in
    sign-in) start_game 'Bee\r\n' && main_window ;;
    reveal) start_game 'Bee\r\n' && play && "${p}_type" b && sleep 0.3 ;;
    behind-letters) start_game 'Bee\r\n' && play && "${p}_type" be ;;
    winning-sound) start_game 'Bee\r\n' && play && "${p}_type" b && sleep 2 && "${p}_type" e ;;
    losing-sound) start_game 'Bee\r\n' && play && "${p}_type" acdfg && sleep 3 && "${p}_type" h ;;
    win-box) start_game 'Bee\r\n' && play && "${p}_type" be && box 'Congratulations! You Won Zoe!' ;;
    loss-box) start_game 'Bee\r\n' && play && "${p}_type" acdfgh && box 'You are a Loser Zoe!' ;;
    refusal-box) start_game 'Bee\r\n' && play && panel && "${p}_keys" Return && box 'Word needed to continue' ;;
    error-box) # the word file turned into a folder: the add fails
        start_game 'Bee\r\n' && play && rm "$work/words.txt" && mkdir "$work/words.txt" &&
            add alt+a && box Error ;;
    notice-box) start_game 'Bee\r\n' --notice 'Your own word file could not be made.' && main_window ;;
    start-up-error) start_game 'Bee\r\n*Owl\r\n' && box Quillow ;;
    start-up-warning) start_game '' && main_window ;;
    panel) start_game 'Bee\r\n' && play && panel ;;
    add) # the word file held by another program: the add waits for it
        start_game 'Bee\r\n' && play && (flock "$work/words.txt" sleep 30 &) && add alt+a ;;
    esac
    sleep 0.3
}

close_by() { # WAY
    case $1 in
    wm) case $moment in
        start-up-error) "${p}_close" box ;; # the box's own close: OK, and the game cannot start
        start-up-warning) "${p}_close" box-first && "${p}_close" game ;; # it shows before the window
        *) "${p}_close" game ;;
        esac ;;
    term) kill -TERM "$game" ;;
    int) kill -INT "$game" ;;
    esac
}

check() { # WAY: the game ends within 2 s, cleanly, with the status for that way; the file whole
    local want="exit 0"
    [ "$1" = int ] && want="exit 130"
    [ "$1" = wm ] && [ "$moment" = start-up-error ] && want="exit 2" # the box's own close: OK
    for _ in $(seq 40); do [ -e "$work/end" ] && break; sleep 0.05; done
    [ -e "$work/end" ] || fail "$case: the game did not end within 2 s"
    [ "$(cat "$work/end")" = "$want" ] || fail "$case: $(cat "$work/end"), not $want"
    [ -d "$work/words.txt" ] || cmp -s "$work/before" "$work/words.txt" ||
        cmp -s <(cat "$work/before" && printf '*Owl\r\nbird\r\n') "$work/words.txt" ||
        fail "$case: the word file is not whole: $(od -c "$work/words.txt" | head -n 5)"
}

run() { # PLATFORM WAY RUN: one run of the moment
    p=$1 case="$1, $moment, $2, run $3"
    (moment "$moment" || fail "$case: the moment was not reached"
     close_by "$2" && check "$2") || failed=$((failed + 1))
    [ -e "$work/end" ] || kill -9 "$(cat "$work/pid")" 2>/dev/null
    pkill -f "flock $work"
    rm -rf "$work/words.txt" # a folder after error-box
    runs=$((runs + 1))
}

for p in $platforms; do "${p}_start"; done
runs=0 failed=0 turn=0
for moment in $moments; do
    if [ "$count" = 0 ]; then
        set -- $platforms
        shift $((turn % $#))
        platform=$1
        set -- $ways
        shift $((turn % $#))
        run "$platform" "$1" 1
        turn=$((turn + 1))
        continue
    fi
    for platform in $platforms; do
        for way in $ways; do
            for i in $(seq "$count"); do run "$platform" "$way" "$i"; done
        done
    done
done
echo "close stress: $runs runs on $platforms, $failed failed"
[ "$failed" = 0 ]
