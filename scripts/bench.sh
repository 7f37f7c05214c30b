#!/usr/bin/env bash
# Builds Quillow and runs its benchmarks: the word file, word selection, the figure and the
# reveal (Google Benchmark), then the real game's start-up time and peak memory under Xvfb,
# each beside a minimal Qt Widgets program measured in the same run. Not run by the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-15}

# The sound server is for the click-to-sound figure only.
scripts/install-deps.sh pulseaudio pulseaudio-utils
scripts/build.sh build -DQUILLOW_BUILD_TESTS=ON -DQUILLOW_BUILD_BENCHMARKS=ON >/dev/null

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(free -g | awk '/Mem:/ {print $2}') GiB"
echo
echo "== words"
build/bench/bench_words --benchmark_min_time=1
echo
echo "== drawing"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy build/bench/bench_drawing --benchmark_min_time=1

. scripts/session.sh
begin bench
start_xvfb

# measure TITLE COMMAND...: prints "<ms to the window being shown> <peak RSS in KiB>"
measure() {
    local title=$1 start pid shown
    shift
    start=$(now_ms)
    "$@" >/dev/null 2>"$work/stderr" &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail "$title ended before showing its window: $(cat "$work/stderr")"
        sleep 0.002
    done
    shown=$(($(now_ms) - start))
    sleep 0.5
    echo "$shown $(awk '/VmHWM/ {print $2}' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}


echo
echo "== start-up and memory, median of $runs runs each, interleaved"
cd build/play
: >"$work/game" && : >"$work/minimal" && : >"$work/text"
for _ in $(seq "$runs"); do
    measure Quillow ./quillow >>"$work/game"
    measure Minimal "$root/build/bench/minimal_window" >>"$work/minimal"
    measure Minimal "$root/build/bench/minimal_window" --text >>"$work/text"
done
column_median() { cut -d' ' -f"$2" "$1" | median; }
ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
game_ms=$(column_median "$work/game" 1) game_kb=$(column_median "$work/game" 2)
printf '%-32s %12s %14s %18s\n' "" "window shown" "peak memory" "quillow / this"
printf '%-32s %9s ms %10s KiB\n' "quillow" "$game_ms" "$game_kb"
for yardstick in minimal text; do
    ms=$(column_median "$work/$yardstick" 1) kb=$(column_median "$work/$yardstick" 2)
    name="minimal Qt window"
    [ "$yardstick" = text ] && name="minimal Qt window with a label"
    printf '%-32s %9s ms %10s KiB %8s, %s\n' "$name" "$ms" "$kb" "$(ratio "$game_ms" "$ms")" \
        "$(ratio "$game_kb" "$kb")"
done

echo
echo "== click to sound: from a letter click to its first sample at the audio device, median"
"$root/scripts/bench-sound.sh"
