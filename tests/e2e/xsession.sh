# Sourced by the scripts that drive the real game in an X window: a private Xvfb display and
# the moves a player makes. The caller defines fail() and sets W to the game window's id.

start_xvfb() { # WORK_DIR: starts Xvfb on a free display; sets DISPLAY and xvfb_pid
    # -noreset: the server would otherwise reset, and turn clients away, whenever the game quits.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    [ -s "$1/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$1/display")"
    # The display number comes a moment before the server takes connections.
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export XDG_RUNTIME_DIR="$1/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

window_named() { # NAME -> id of the visible window with exactly that title (waits up to 20 s)
    local name=$1 id=
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

window_gone() { # ID -> waits until the window is no longer viewable
    for _ in $(seq 100); do
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
        xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.1
    done
    return 1
}

click() { # X Y in the game window's coordinates
    xdotool mousemove --window "$W" "$1" "$2" click 1
}

shoot() { # FILE: a picture of the game window alone
    import -window "$W" "$1"
}

letter() { # A-Z -> the window coordinates of that letter button's centre
    local i=$(($(printf '%d' "'$1") - 65))
    echo "$((68 + 40 * (i % 13))) $((36 + 32 * (i / 13)))"
}

sign_in() { # NAME adult|child: types the name, signs in and chooses the level
    click 452 37
    xdotool type --delay 60 "$1"
    click 392 96
    sleep 0.5
    if [ "$2" = adult ]; then click 288 96; else click 464 96; fi
    sleep 0.5
}

guess() { # LETTERS [SECONDS]: clicks each letter button, waiting for its sounds and reveal
    local c
    for c in $(echo "$1" | grep -o .); do
        click $(letter "$c")
        sleep "${2:-1.2}"
    done
}
