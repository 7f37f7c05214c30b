# Sourced by the scripts that run the real game (the end-to-end tests, the benchmarks, the
# screenshot, Orca's speech): a work folder that goes at exit with every process started for it,
# fail(), a private Xvfb and the moves a player makes there, and the benchmarks' arithmetic.

begin() { # NAME: makes $work and, at exit, stops what keep() was given and removes $work
    script_name=$1
    work=$(mktemp -d)
    kept=()
    trap 'kill "${kept[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
}
keep() { kept+=("$@"); } # PID...: stopped at exit
fail() {
    echo "$script_name: FAIL: $*" >&2
    exit 1
}

start_xvfb() { # a private X server (-noreset: quitting turns no one away), as DISPLAY
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    keep $!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

start_accessibility_bus() { # a session D-Bus with the accessibility bus on, for Qt and AT-SPI
    eval "$(dbus-launch --sh-syntax)"
    keep "$DBUS_SESSION_BUS_PID"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    keep $!
    sleep 0.5
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
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

click() { # X Y in the game window $W, or a letter button by its letter
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

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
