#!/usr/bin/env bash
# What the game and the checker answer on the terminal: a wrong command line, no display, a file
# name that is not UTF-8, a report that cannot be written.
#
#   test_cli.sh QUILLOW_BINARY CHECKER_BINARY
set -uo pipefail
quillow=$1
check=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0

expect() { # STATUS TEXT COMMAND...: the command ends with STATUS and says TEXT
    local status=$1 text=$2 said got
    shift 2
    said=$("$@" 2>&1)
    got=$?
    # No display is said in one line, and nothing else.
    if [ "$got" != "$status" ] || [[ "$said" != *"$text"* ]] ||
        { [ "$status" = 4 ] && [ "$(wc -l <<<"$said")" != 1 ]; }; then
        echo "FAIL: $* ended $got, saying: $said" >&2
        failed=1
    fi
}
usage="Usage: quillow [--words FILE] [--mute]"
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

expect 64 "$usage" "$quillow" --words ""
expect 64 "$usage" "$quillow" --words=
expect 64 'not an option such as "-h" (a file of that name can be given as "./-h")' \
    "$quillow" --words -h
expect 64 "$usage" "$quillow" --words --version
expect 0 "quillow 1.0.0" "${headless[@]}" "$quillow" --version
expect 4 "needs a graphical desktop, but none answers (neither DISPLAY nor WAYLAND_DISPLAY is set)" \
    "${headless[@]}" "$quillow" --words words.txt
expect 4 "(DISPLAY=:999 WAYLAND_DISPLAY=)" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:999 \
    "$quillow"

name=$'w\xff.txt'
printf 'Cat\r\n\xffOwl\r\nA bird\r\n' >"$name"
expect 1 'w\xff.txt:2: warning: bytes that are not UTF-8' "$check" "$name"
expect 3 "the report could not be written: No space left on device" \
    sh -c '"$0" "$1" >/dev/full' "$check" "$name"
expect 64 "usage: quillow-check-words [FILE]" "$check" --words

[ "$failed" = 0 ] && echo "cli: passed"
exit "$failed"
