#!/usr/bin/env bash
# Makes docs/screenshot.png: the real game under Xvfb, part-way through a game of one word.
# Needs a build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/session.sh
begin screenshot
start_xvfb

mkdir -p "$work/program"
cp build/play/quillow "$work/program/"
printf '*Lantern\r\nA portable case that holds a light\r\n' >"$work/program/Dictionary.txt"
(cd "$work" && SDL_AUDIODRIVER=dummy exec "$work/program/quillow" 2>/dev/null) &
keep $!
W=$(window_named Quillow) || fail "the game window did not appear"
sign_in Robin adult
for c in L X A Q N; do
    click "$c"
    sleep 2
done
import -window "$W" "$root/docs/screenshot.png"
echo "wrote docs/screenshot.png"
