#!/usr/bin/env bash
# Measures, with the real game under Xvfb, the time from a letter click to the first sample of
# its sound reaching the audio device: for the first click that sounds after start-up and for a
# later one. Twice: through SDL's disk driver writing into a FIFO, and through a PulseAudio
# daemon started here with a null sink, whose monitor parec records, as a player hears it.
# Every figure is the median of RUNS runs (default 5). Called by scripts/bench.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-5}

. scripts/session.sh
begin bench-sound
start_xvfb

start_pulse() {
    export XDG_RUNTIME_DIR=$work/pulse HOME=$work/pulse
    mkdir -p "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        -L "module-null-sink sink_name=bench rate=44100" \
        -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
        >"$work/pulse.log" 2>&1 &
    keep $!
    export PULSE_SERVER=unix:$work/pulse/native
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return; sleep 0.1; done
    fail "PulseAudio did not start: $(cat "$work/pulse.log")"
}

# one_run disk|pulse: prints "<first click ms> <later click ms>"
one_run() {
    local onsets=$work/onsets game t1 t2
    rm -rf "$work/program" && mkdir "$work/program"
    cp build/play/quillow build/play/*.wav "$work/program/"
    printf 'Bee\r\n' >"$work/program/Dictionary.txt"
    : >"$onsets"
    if [ "$1" = disk ]; then
        rm -f "$work/audio.fifo" && mkfifo "$work/audio.fifo"
        build/bench/sound_onset "$work/audio.fifo" >"$onsets" &
        keep $!
        (cd "$work/program" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.fifo" \
            LD_PRELOAD="$root/build/bench/libunbuffered_fopen.so" exec ./quillow 2>/dev/null) &
    else
        parec -d bench.monitor --raw --format=s16le --rate=44100 --channels=1 \
            --latency-msec=2 2>/dev/null | build/bench/sound_onset >"$onsets" &
        keep $!
        (cd "$work/program" && SDL_AUDIODRIVER=pulseaudio exec ./quillow 2>/dev/null) &
    fi
    game=$!
    keep "$game"
    W=$(window_named Quillow) || fail "the game window did not appear"
    xdotool windowfocus --sync "$W" 2>/dev/null || true
    sign_in Zoe
    xdotool mousemove --window "$W" $(letter B)
    sleep 0.3
    t1=$(now_ms)
    xdotool click 1
    sleep 1.5
    xdotool mousemove --window "$W" $(letter E)
    sleep 0.3
    t2=$(now_ms)
    xdotool click 1
    sleep 1.5
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    sleep 0.2
    awk -v t1="$t1" -v t2="$t2" '
        $1 >= t1 && !a {a = $1 - t1}
        $1 >= t2 && !b {b = $1 - t2}
        END {printf "%.1f %.1f\n", a, b}' "$onsets"
}

for driver in disk pulse; do
    [ "$driver" = pulse ] && start_pulse
    : >"$work/result-$driver"
    for _ in $(seq "$runs"); do one_run "$driver" >>"$work/result-$driver"; done
    first=$(cut -d" " -f1 "$work/result-$driver" | median)
    later=$(cut -d" " -f2 "$work/result-$driver" | median)
    name="SDL disk driver"
    [ "$driver" = pulse ] && name="PulseAudio (null sink monitor)"
    printf '%-32s first click %6s ms, later click %6s ms  (runs: %s)\n' "$name" "$first" "$later" \
        "$(tr "\n" ";" <"$work/result-$driver" | sed 's/;$//')"
done
