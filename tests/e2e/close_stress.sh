#!/usr/bin/env bash
# Closes the real game at every moment a player can, both cores kept busy by stress-ng: on X11
# (Xvfb; WM_DELETE_WINDOW as wm_close.py sends it) and Wayland (a headless sway's `kill`), and by
# SIGTERM and SIGINT. Every run must end within 2 s with status 0 (130 after SIGINT) by the
# game's own path and leave the word file whole. The game is played by keyboard alone.
#
#   close_stress.sh QUILLOW SOUNDS [COUNT [PLATFORMS [WAYS [MOMENTS]]]]
#
# COUNT: runs of each moment by each way on each platform (default 20); 0 (the suite's): each
# moment once, the platform and the way taking turns. PLATFORMS: "x11 wayland"; WAYS: "wm term
# int"; MOMENTS: those of moment() below.
set -uo pipefail
quillow=$(realpath "$1") sounds=$(realpath "$2") count=${3:-20}
wm_close=$(realpath "$(dirname "$0")/wm_close.py")
platforms=(${4:-x11 wayland}) ways=(${5:-wm term int})
moments=${6:-sign-in reveal behind-letters win-box losing-sound winning-sound loss-box refusal-box
    error-box start-up-error notice-box panel start-up-warning add}
. "$(dirname "$0")/../../scripts/session.sh"
begin close-stress
chmod 755 "$work"
cp "$sounds"/*.wav "$work"
stress-ng --cpu 2 --timeout 3h >/dev/null 2>&1 &
keep $!

start_wayland() { # a headless sway, as nobody: it will not run as root
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
window() { # TITLE: waits for a window of that title
    for _ in $(seq 200); do
        # Read whole: grep -q would end the pipe early and pipefail take that for a miss.
        if [ "$p" = x11 ]; then [ -n "$(xdotool search --onlyvisible --name "^$1\$")" ]; else
            [[ $(swaymsg -t get_tree) == *"\"name\": \"$1\""* ]]; fi && return 0
        sleep 0.1
    done
    return 1
}
typed() { # TEXT. On Wayland each wtype is a new keyboard: its first key waits for the keymap.
    [ "$p" = x11 ] && xdotool type --delay 30 "$1" || wtype -s 200 -d 30 "$1"
}
keys() { # KEY...
    [ "$p" = x11 ] && { xdotool key --delay 30 "$@"; return; }
    local args=()
    for k in "$@"; do
        [[ $k == alt+* ]] && args+=(-M alt -P "${k#alt+}" -p "${k#alt+}" -m alt) || args+=(-k "$k")
    done
    wtype -s 200 "${args[@]}"
}
close() { # game|box: the close of the game window, or of the message box over it (on X11 the
    local ids # last window titled Quillow, on Wayland the floating one), by the window system.
    if [ "$p" = x11 ]; then
        ids=$(xdotool search --onlyvisible --name '^Quillow$' | sort -n)
        /usr/bin/python3 "$wm_close" "$([ "$1" = game ] && head -n 1 <<<"$ids" || tail -n 1 <<<"$ids")"
    else
        swaymsg "[app_id=\"org.quillow.Quillow\" $([ "$1" = game ] && echo tiling || echo floating)] kill" >/dev/null
    fi
}
windows() { # 1|2: waits until the game window stands alone, or a box titled Quillow is over it
    local n
    for _ in $(seq 200); do
        if [ "$p" = x11 ]; then n=$(xdotool search --onlyvisible --name '^Quillow$' | wc -l)
        elif swaymsg '[app_id="org.quillow.Quillow" floating] nop' >/dev/null 2>&1; then n=2
        else n=1; fi
        [ "$n" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

start_game() { # WORDS [OPTIONS...]: the game on a word file of those bytes. Its end as the
    printf "$1" >"$work/words.txt" # system tells it, "exit N" or "signal N", is written to $work/end;
    cp "$work/words.txt" "$work/before" # SIGINT is not ignored, as a terminal's Ctrl+C finds it.
    rm -f "$work/pid" "$work/end"
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
    window Quillow || fail "$case: no game window"
    [ "$p" = wayland ] ||
        xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Quillow$' | head -n 1)"
}
box() { window "$1" || fail "$case: no box \"$1\""; }
# A child game of the word file's word: Return signs in, ADULT then has the focus, Tab moves it
# to CHILD, and the word board has it once the game starts; two Tabs on, ADD WORD TO DICTIONARY.
play() { main_window && typed Zoe && keys Return Tab space; }
panel() { keys Tab Tab space; }
add() { panel && typed Owl && keys Tab && typed bird && keys alt+a; }

moment() { # NAME: brings the game to it
    case $1 in
    sign-in) start_game 'Bee\r\n' && main_window ;;
    reveal) start_game 'Bee\r\n' && play && typed b && sleep 0.3 ;;
    behind-letters) start_game 'Bee\r\n' && play && typed be ;;
    winning-sound) start_game 'Bee\r\n' && play && typed b && sleep 2 && typed e ;;
    losing-sound) start_game 'Bee\r\n' && play && typed acdfg && sleep 3 && typed h ;;
    win-box) start_game 'Bee\r\n' && play && typed be && box 'Congratulations! You Won Zoe!' ;;
    loss-box) start_game 'Bee\r\n' && play && typed acdfgh && box 'You are a Loser Zoe!' ;;
    refusal-box) start_game 'Bee\r\n' && play && panel && keys Return && box 'Word needed to continue' ;;
    error-box) # the word file turned into a folder: the add fails
        start_game 'Bee\r\n' && play && rm "$work/words.txt" && mkdir "$work/words.txt" && add &&
            box Error ;;
    notice-box) start_game 'Bee\r\n' --notice 'Your own word file could not be made.' && main_window &&
        windows 2 ;;
    start-up-error) start_game 'Bee\r\n*Owl\r\n' && box Quillow ;;
    start-up-warning) start_game '' && main_window && windows 2 ;;
    panel) start_game 'Bee\r\n' && play && panel ;;
    add) # the word file held by another program: the add waits for it
        start_game 'Bee\r\n' && play && (flock "$work/words.txt" sleep 30 &) && add ;;
    esac
    sleep 0.3
}

run() { # WAY: one run of the moment, closed that way. The game ends within 2 s with the status
    local want="exit 0" # for that way, and the word file is whole.
    (moment "$moment" || fail "$case: the moment was not reached"
     case $1-$moment in
     wm-start-up-error) close box && want="exit 2" ;; # the box's own close: OK, it cannot start
     wm-start-up-warning) close box && windows 1 && close game ;; # the box's close answers it
     wm-*) close game ;;
     term-*) kill -TERM "$game" ;;
     int-*) kill -INT "$game" && want="exit 130" ;;
     esac
     for _ in $(seq 40); do [ -e "$work/end" ] && break; sleep 0.05; done
     [ -e "$work/end" ] || fail "$case: the game did not end within 2 s"
     [ "$(cat "$work/end")" = "$want" ] || fail "$case: $(cat "$work/end"), not $want"
     [ -d "$work/words.txt" ] || cmp -s "$work/before" "$work/words.txt" ||
         cmp -s <(cat "$work/before" && printf '*Owl\r\nbird\r\n') "$work/words.txt" ||
         fail "$case: the word file is not whole: $(od -c "$work/words.txt" | head -n 5)"
    ) || failed=$((failed + 1))
    [ -e "$work/end" ] || kill -9 "$(cat "$work/pid")" 2>/dev/null
    pkill -f "flock $work"
    rm -rf "$work/words.txt" # a folder after error-box
    runs=$((runs + 1))
}

[[ " ${platforms[*]} " == *" x11 "* ]] && start_xvfb
[[ " ${platforms[*]} " == *" wayland "* ]] && start_wayland
runs=0 failed=0 turn=0
for moment in $moments; do
    for p in "${platforms[@]}"; do
        for way in "${ways[@]}"; do
            for i in $(seq "$count"); do case="$p, $moment, $way, run $i" && run "$way"; done
        done
    done
    if [ "$count" = 0 ]; then
        p=${platforms[turn % ${#platforms[@]}]} way=${ways[turn % ${#ways[@]}]}
        case="$p, $moment, $way" && run "$way"
        turn=$((turn + 1))
    fi
done
echo "close stress: $runs runs on ${platforms[*]}, $failed failed"
[ "$failed" = 0 ]
