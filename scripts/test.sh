#!/usr/bin/env bash
# Installs what is missing, builds Quillow and runs every test: the whole suite in build/, the
# same tests and the real game built with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/, and a bounded fuzz run of the word file, sanitized. Exits non-zero on any failure
# or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

passed=0
log=$(mktemp)
trap 'rm -f "$log" "$log.fuzz"' EXIT
# Runs ctest and adds its tests to the count; any failure ends the script.
run_ctest() {
    ctest "$@" --output-on-failure | tee "$log"
    passed=$((passed + $(awk '/tests passed, 0 tests failed out of/ {print $NF}' "$log")))
}

scripts/build.sh build -DQUILLOW_BUILD_TESTS=ON -DQUILLOW_BUILD_BENCHMARKS=ON
run_ctest --test-dir build -j2

scripts/build.sh build-asan -DQUILLOW_SANITIZE=ON -DQUILLOW_BUILD_TESTS=ON \
    -DQUILLOW_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
# A short sanitized fuzz run beside the sanitized suite, whose tests mostly wait for the game;
# built first, so that no compiler runs beside them.
scripts/fuzz.sh 0 sanitized >/dev/null
scripts/fuzz.sh 30 sanitized >"$log.fuzz" 2>&1 &
fuzzing=$!
run_ctest --test-dir build-asan -j2 -E 'install|package|format|close_stress'
wait $fuzzing || { cat "$log.fuzz"; exit 1; }
cat "$log.fuzz"
passed=$((passed + 1))

echo
echo "test.sh: $passed passed, 0 failed"
