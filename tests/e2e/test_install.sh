#!/usr/bin/env bash
# Installs the build into a temporary prefix: everything where the launcher, game and desktop
# expect it, a clean word file that a reinstall keeps, the game started in its sounds' folder.
#
#   test_install.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../../scripts/session.sh"
begin install
prefix=$work
cmake --install "$1" --prefix "$prefix" >/dev/null
for f in share/quillow/sounds/{music,no,scream,winner,goodbye}.wav share/icons/hicolor/scalable/apps/org.quillow.Quillow.svg; do
    [ -e "$prefix/$f" ] || fail "$f is missing"
done
grep -qx "Exec=\"$prefix/bin/quillow\"" "$prefix/share/applications/org.quillow.Quillow.desktop" || fail "Exec"
"$prefix/bin/quillow-check-words" >/dev/null || fail "the installed word file is not clean"
printf 'Quokka\r\n' >>"$prefix/lib/quillow/Dictionary.txt"
cmake --install "$1" --prefix "$prefix" >/dev/null
tail -c 8 "$prefix/lib/quillow/Dictionary.txt" | grep -q Quokka || fail "a reinstall lost the player's words"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$prefix" "$prefix/bin/quillow" >/dev/null 2>&1 &
keep $!
for _ in $(seq 100); do [ "$(readlink "/proc/$!/exe")" = "$prefix/lib/quillow/quillow" ] && break; sleep 0.1; done
[ "$(readlink "/proc/$!/exe")" = "$prefix/lib/quillow/quillow" ] || fail "the launcher did not start the game"
[ "$(readlink "/proc/$!/cwd")" = "$prefix/share/quillow/sounds" ] || fail "not in its sounds' folder"
echo "install: passed"
