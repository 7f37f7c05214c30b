# Sourced by the scripts that drive the real game in an X window (the end-to-end test, the
# benchmarks, the screenshot): a private Xvfb and the moves a player makes. The caller defines
# fail() and sets W to the game window's id.

start_xvfb() { # WORK: starts Xvfb on a free display (-noreset: quitting turns no one away)
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$1/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && DISPLAY=":$(cat "$1/display")" xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$1/display")" XDG_RUNTIME_DIR="$1/runtime"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

window_named() { # TITLE -> the id of the visible window of that title, waiting up to 20 s
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
        sleep 0.1
    done
    return 1
}

letter() { # A-Z -> the window coordinates of that letter button's centre
    local i=$(($(printf '%d' "'$1") - 65))
    echo "$((68 + 40 * (i % 13))) $((36 + 32 * (i / 13)))"
}

click() { # X Y in the game window, or a letter button by its letter
    [ $# = 1 ] && set -- $(letter "$1")
    xdotool mousemove --window "$W" "$1" "$2" click 1
}

sign_in() { # NAME [adult]: types it, signs in with Return and chooses the level by its access key
    xdotool windowfocus --sync "$W" # without a window manager, keys go to the focused window
    xdotool type --delay 60 "$1"
    xdotool key Return
    sleep 0.5
    [ "${2:-}" = adult ] && xdotool key alt+a || xdotool key alt+c
    sleep 0.5
}
