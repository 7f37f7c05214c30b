#!/usr/bin/env bash
# Makes the Debian package from the suite's build (when Release, as scripts/build.sh makes it) and
# a new folder elsewhere, and compares the bytes; checks its files, control fields, hardening,
# metadata and lintian; starts it as players with homes of their own, odd ones among them.
#
#   test_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../../scripts/session.sh"
begin package

first=$work/build-one
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$2/CMakeCache.txt" && first=$2
QUILLOW_PACKAGE_BUILD=$first "$1/scripts/package.sh" "$work/one" >/dev/null
QUILLOW_PACKAGE_BUILD=$work/build-two "$1/scripts/package.sh" "$work/two" >/dev/null
deb=$(ls "$work"/one/quillow_1.0.0_amd64.deb)
cmp "$deb" "$work"/two/*.deb || fail "two builds of the package differ"
# The libraries' public ABI only: no tie to one build of Qt.
dpkg-deb -f "$deb" Package Architecture Section Depends | tr '\n' ' ' |
    grep -q "^Package: quillow Architecture: amd64 Section: games Depends: .*fonts-liberation2.*libqt6widgets6.*libsdl2" ||
    fail "control fields: $(dpkg-deb -f "$deb")"
! dpkg-deb -f "$deb" Depends | grep -q qt6-base-abi || fail "the package is tied to one build of Qt"
lintian "$deb" >"$work/lintian" 2>&1 || true
! grep -E '^(E|W):' "$work/lintian" || fail "lintian reports errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
for f in games/quillow-check-words share/man/man6/quillow.6.gz share/doc/quillow/copyright \
    share/doc/quillow/changelog.gz share/quillow/sounds/goodbye.wav; do
    [ -e "$root/usr/$f" ] || fail "/usr/$f is not in the package"
done
# Debian 12's flags have no control-flow protection (its C runtime has none either).
hardening-check --nocfprotection "$root"/usr/lib/quillow/quillow* | grep -v ': yes' | grep -v '^/' |
    grep -v 'Stack clash\|Control flow' && fail "hardening-check"
desktop-file-validate "$root/usr/share/applications/org.quillow.Quillow.desktop" || fail "desktop entry"
grep -qx 'Exec="/usr/games/quillow"' "$root/usr/share/applications/org.quillow.Quillow.desktop" || fail "Exec"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.quillow.Quillow.metainfo.xml" >/dev/null ||
    fail "AppStream metadata"

export HOME=$work/home QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$work
words() { # XDG_DATA_HOME [HOME]: the word file the game started with them is given, and what it said
    env -u XDG_DATA_HOME ${1:+XDG_DATA_HOME=$1} HOME="${2-$HOME}" "$root/usr/games/quillow" \
        2>"$work/stderr" &
    for _ in $(seq 100); do tr '\0' '\n' <"/proc/$!/cmdline" | grep -qx -- --words && break; sleep 0.1; done
    tr '\0' '\n' <"/proc/$!/cmdline" | grep -A1 -x -- --words | tail -n 1
    kill $! # a logout: the game ends as if its window was closed
    wait $! || fail "SIGTERM ended the game with an error"
}
shipped=$root/usr/lib/quillow/Dictionary.txt
[ "$(words "$HOME/data")" = "$HOME/data/quillow/Dictionary.txt" ] || fail "not the player's word file"
cmp "$HOME/data/quillow/Dictionary.txt" "$shipped" || fail "not the shipped words"
[ "$(words relative)" = "$HOME/.local/share/quillow/Dictionary.txt" ] || fail "a relative XDG_DATA_HOME was used"
[ "$(words /proc/quillow)" = "$shipped" ] || fail "no data folder: not the shipped file"
grep -q "could not be made in /proc/quillow" "$work/stderr" || fail "no data folder: no reason given"
mkdir -p "$HOME/gone/quillow" && ln -s "$HOME/nowhere/words.txt" "$HOME/gone/quillow/Dictionary.txt"
[ "$(words "$HOME/gone")" = "$shipped" ] || fail "a link to nothing: not the shipped file"
grep -q "Dictionary.txt is a symbolic link to $HOME/nowhere/words.txt, which does not exist" "$work/stderr" ||
    fail "a link to nothing: $(cat "$work/stderr")"
# A relative HOME (under the sounds' folder, where the launcher runs), an empty one or an option.
for home in rel -x ''; do
    [ "$(words '' "$home")" = "$shipped" ] || fail "HOME=\"$home\": not the shipped file"
    grep -q "neither XDG_DATA_HOME nor HOME names a folder by its full path" "$work/stderr" ||
        fail "HOME=\"$home\": $(cat "$work/stderr")"
done
sounds=$root/usr/share/quillow/sounds
[ ! -e "$sounds/rel" ] && [ ! -e "$sounds/-x" ] && [ ! -e /.local/share/quillow ] ||
    fail "a folder was made for a relative or empty HOME"
echo "package: passed"
