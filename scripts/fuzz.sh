#!/usr/bin/env bash
# Builds the word-file fuzz target with clang into build-fuzz/ and runs it for the given number
# of seconds (default 60) from the seed corpus in tests/fuzz/corpus. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -DQUILLOW_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_wordfile

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cd build-fuzz
# A small quarantine, handed back to the system often, keeps a long run's memory flat.
export ASAN_OPTIONS=quarantine_size_mb=32:allocator_release_to_os_interval_ms=500:detect_leaks=1
./tests/fuzz/fuzz_wordfile -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=8192 -print_final_stats=1 "$corpus" ../tests/fuzz/corpus
