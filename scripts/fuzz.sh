#!/usr/bin/env bash
# Fuzzes the word file for the given number of seconds in all (default 60; 0 builds only), from
# the seed corpora in tests/fuzz/corpus, and fails on any finding. The target loads the bytes from
# memory and adds entries made of them, in memory; built plain for volume (build-fuzz-plain/) and
# with AddressSanitizer and UBSan for depth (build-fuzz/), the two side by side for half the
# seconds each; or, given "sanitized", only the second, for all of them (the suite's short run).
#
#   fuzz.sh [SECONDS [sanitized]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60} only=${2:-}

build() { # <folder> <sanitize ON|OFF>
    cmake -S . -B "$1" -DQUILLOW_FUZZ=ON -DQUILLOW_FUZZ_SANITIZE="$2" \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$1" -j"$(nproc)" --target fuzz_wordfile
}
[ -n "$only" ] || build build-fuzz-plain OFF
build build-fuzz ON
[ "$seconds" != 0 ] || exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A small quarantine, handed back to the system often, keeps a sanitized run's memory flat.
export ASAN_OPTIONS=quarantine_size_mb=32:allocator_release_to_os_interval_ms=500:detect_leaks=1

run() { # <binary> <seconds> <name>: new inputs go to a corpus of that name, the seeds stay
    mkdir -p "$work/$3"
    echo "fuzz.sh: $1 for $2 s"
    local status=0
    "$1" -max_total_time="$2" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$work/" "$work/$3" tests/fuzz/corpus/wordfile \
        >"$work/$3.log" 2>&1 || status=$?
    grep -E '^(Done|stat::peak_rss_mb)' "$work/$3.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$work/$3.log"
        return "$status"
    fi
}
if [ -z "$only" ]; then
    seconds=$((seconds / 2))
    run build-fuzz-plain/tests/fuzz/fuzz_wordfile "$seconds" plain >"$work/plain.out" &
fi
status=0
run build-fuzz/tests/fuzz/fuzz_wordfile "$seconds" sanitized || status=$?
if [ -z "$only" ]; then
    wait $! || status=$?
    cat "$work/plain.out"
fi
exit $status
