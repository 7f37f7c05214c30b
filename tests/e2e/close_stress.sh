#!/usr/bin/env bash
# Closes the real game at every moment a player can, with both cores kept busy by stress-ng: on
# X11 (Xvfb, the window manager's WM_DELETE_WINDOW as wm_close sends it) and on Wayland (a
# headless sway, whose `kill` is the compositor's close), and by SIGTERM and SIGINT. Every run
# must end within 2 s with status 0 (130 after SIGINT), by the game's own clean path and not by a
# signal, leaving the word file whole. The game is played by keyboard only, so that the same
# moves reach each moment on both window systems.
#
#   close_stress.sh QUILLOW SOUNDS WM_CLOSE [COUNT [PLATFORMS [WAYS [MOMENTS]]]]
#
# COUNT: runs of each moment, way and platform (default 20). With COUNT 0 (the test suite's), each
# moment is closed once on each platform, the way taking turns from one moment to the next.
# PLATFORMS: "x11 wayland"; WAYS: "wm term int"; MOMENTS: all of those below.
set -uo pipefail
quillow=$(realpath "$1") sounds=$2 wm_close=$(realpath "$3") count=${4:-20}
platforms=${5:-x11 wayland} ways=${6:-wm term int}
moments=${7:-sign-in reveal behind-letters winning-sound losing-sound win-box loss-box
    refusal-box error-box notice-box start-up-error start-up-warning panel add}
work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid= sway_pid= stress_pid= game=
cleanup() {
    kill $stress_pid $xvfb_pid $sway_pid 2>/dev/null
    [ -n "$game" ] && kill -9 "$game" 2>/dev/null
    pkill -f "flock $work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/stderr" ] && sed 's/^/  the game said: /' "$work/stderr" >&2
    exit 1
}
cp "$sounds"/*.wav "$work"
stress-ng --cpu 2 --timeout 3h >/dev/null 2>&1 &
stress_pid=$!

# --- X11: Xvfb, xdotool, wm_close ---------------------------------------------------------------
x11_start() {
    . "$(dirname "$0")/../../scripts/xsession.sh"
    start_xvfb "$work"
}
x11_window() { # TITLE: the id of the first visible window of that title, waiting up to 20 s
    window_named "$1"
}
x11_type() { xdotool type --delay 30 "$1"; }
x11_keys() { xdotool key --delay 30 "$@"; }
x11_focus() { xdotool windowfocus --sync "$1"; }
x11_close() { # game|box|box-first: the window manager's close of the game window, of the box
    # that comes before it, or of that box, then waiting for the game window
    local first
    first=$(xdotool search --onlyvisible --name '^Quillow$' | sort -n | head -n 1)
    "$wm_close" "$first"
    [ "$1" = box-first ] || return 0
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name '^Quillow$' | grep -qvx "$first" && return 0
        sleep 0.1
    done
    return 1
}

# --- Wayland: a headless sway (it will not run as root: as nobody then), wtype, swaymsg -------
wayland_start() {
    local runtime=$work/sway-runtime as=()
    mkdir -m 700 "$runtime"
    printf 'output HEADLESS-1 resolution 1280x800\n' >"$work/sway.conf"
    if [ "$(id -u)" = 0 ]; then
        chown nobody:nogroup "$runtime"
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
        WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as[@]}" sway -c "$work/sway.conf" \
        >"$work/sway.log" 2>&1 &
    sway_pid=$!
    for _ in $(seq 100); do
        [ -S "$runtime/wayland-1" ] && ls "$runtime"/sway-ipc.*.sock >/dev/null 2>&1 && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=$runtime/wayland-1 SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock)
    export QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=$work/runtime
    unset DISPLAY
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}
wayland_window() { # TITLE: waits up to 20 s for a window of that title
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
        case $k in
        alt+*) args+=(-M alt -P "${k#alt+}" -p "${k#alt+}" -m alt) ;;
        *) args+=(-k "$k") ;;
        esac
    done
    wtype -s 200 "${args[@]}"
}
wayland_focus() { :; }
wayland_close() { # game|box|box-first: the compositor's close of the game window (a box floats,
    # the game window is tiled), of the box that comes before it, or of that box, then waiting for
    # the game window
    if [ "$1" = game ]; then
        swaymsg '[app_id="org.quillow.Quillow" tiling] kill' >/dev/null
        return
    fi
    swaymsg '[app_id="org.quillow.Quillow"] kill' >/dev/null
    [ "$1" = box-first ] || return 0
    for _ in $(seq 200); do
        swaymsg '[app_id="org.quillow.Quillow" tiling] nop' >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# --- one run ------------------------------------------------------------------------------------
start_game() { # WORDS [OPTIONS...]: starts the game on a word file of those bytes
    printf "$1" >"$work/words.txt"
    cp "$work/words.txt" "$work/before"
    rm -f "$work/pid" "$work/end" "$work/stderr"
    # The game's end as the system tells it: "exit N", or "signal N" when a signal killed it.
    # SIGINT as a terminal's Ctrl+C finds it, not ignored as in a shell's background job.
    (cd "$work" && exec perl -e 'my $p = fork // die; $SIG{INT} = "DEFAULT"; if (!$p) { exec @ARGV; exit 127 }
        open my $f, ">", "pid"; print $f $p; close $f; waitpid($p, 0);
        open $f, ">", "end.new"; print $f ($? & 127 ? "signal " . ($? & 127) : "exit " . ($? >> 8));
        close $f; rename "end.new", "end"' "$quillow" --mute --words="$work/words.txt" "${@:2}" \
        2>>"$work/stderr") &
    for _ in $(seq 100); do [ -s "$work/pid" ] && break; sleep 0.05; done
    game=$(cat "$work/pid")
}
main_window() { # waits for the game window and gives it the keyboard
    W=$("${p}_window" Quillow) || fail "$case: no game window"
    "${p}_focus" "$W"
}
play() { # from sign-in to a child game of the word file's word
    main_window
    "${p}_type" Zoe
    "${p}_keys" Return Tab space # Return signs in; ADULT then has the focus, Tab moves it to CHILD
}
box() { "${p}_window" "$1" >/dev/null || fail "$case: no box \"$1\""; }

moment() { # NAME: brings the game to it
    case $1 in
    sign-in) start_game 'Bee\r\n' && main_window ;;
    reveal) start_game 'Bee\r\n' && play && "${p}_type" b && sleep 0.3 ;;
    behind-letters) start_game 'Bee\r\n' && play && "${p}_type" be ;;
    winning-sound) start_game 'Bee\r\n' && play && "${p}_type" b && sleep 2 && "${p}_type" e && sleep 0.1 ;;
    losing-sound) start_game 'Bee\r\n' && play && "${p}_type" acdfg && sleep 3 && "${p}_type" h && sleep 0.1 ;;
    win-box) start_game 'Bee\r\n' && play && "${p}_type" be && box 'Congratulations! You Won Zoe!' ;;
    loss-box) start_game 'Bee\r\n' && play && "${p}_type" acdfgh && box 'You are a Loser Zoe!' ;;
    refusal-box) # the panel (ADD WORD TO DICTIONARY has the focus), then an empty word added
        start_game 'Bee\r\n' && play && "${p}_keys" space Return && box 'Word needed to continue' ;;
    error-box) # the word file turned into a folder: the add fails
        start_game 'Bee\r\n' && play && rm "$work/words.txt" && mkdir "$work/words.txt" &&
            "${p}_keys" space && "${p}_type" Owl && "${p}_keys" Tab && "${p}_type" bird &&
            "${p}_keys" alt+a && box Error ;;
    notice-box) start_game 'Bee\r\n' --notice 'Your own word file could not be made.' &&
        main_window && sleep 0.5 ;;
    start-up-error) start_game 'Bee\r\n*Owl\r\n' && box Quillow ;;
    start-up-warning) start_game '' && main_window && sleep 0.5 ;;
    panel) start_game 'Bee\r\n' && play && "${p}_keys" space && sleep 0.3 ;;
    add) # the word file held by another program: the add waits for it
        start_game 'Bee\r\n' && play && "${p}_keys" space && "${p}_type" Owl && "${p}_keys" Tab &&
            "${p}_type" bird && (flock "$work/words.txt" sleep 30 &) && sleep 0.2 &&
            "${p}_keys" alt+a && sleep 0.5 ;;
    esac
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
    local want="exit 0" end
    [ "$1" = int ] && want="exit 130"
    [ "$1" = wm ] && [ "$moment" = start-up-error ] && want="exit 2" # the box's own close: OK
    for _ in $(seq 40); do [ -e "$work/end" ] && break; sleep 0.05; done
    [ -e "$work/end" ] || { kill -9 "$game"; fail "$case: the game did not end within 2 s"; }
    end=$(cat "$work/end")
    [ "$end" = "$want" ] || fail "$case: $end, not $want"
    [ -d "$work/words.txt" ] || cmp -s "$work/before" "$work/words.txt" ||
        cmp -s <(cat "$work/before" && printf '*Owl\r\nbird\r\n') "$work/words.txt" ||
        fail "$case: the word file is not whole: $(od -c "$work/words.txt" | head -n 5)"
}

runs=0 failed=0
for p in $platforms; do
    "${p}_start"
    turn=0
    for moment in $moments; do
        if [ "$count" = 0 ]; then
            set -- $ways
            shift $((turn % $#))
            these=$1 n=1
            turn=$((turn + 1))
        else
            these=$ways n=$count
        fi
        for way in $these; do
            for i in $(seq "$n"); do
                case="$p, $moment, $way, run $i"
                ( # a run that fails is told, and the next one goes on
                    moment "$moment" || fail "$case: the moment was not reached"
                    close_by "$way"
                    check "$way"
                ) || failed=$((failed + 1))
                game=$(cat "$work/pid" 2>/dev/null)
                [ -e "$work/end" ] || kill -9 "$game" 2>/dev/null
                pkill -f "flock $work"
                rm -rf "$work/words.txt" # a folder after error-box
                runs=$((runs + 1))
            done
        done
    done
done
game=
echo "close stress: $runs runs on $platforms, $failed failed"
[ "$failed" = 0 ]
