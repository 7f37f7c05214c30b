#!/usr/bin/env bash
# What the game and the checker answer on the terminal: a wrong command line, no display or sound,
# a report that cannot be written, hostile files refused at once, never waited for.
#
#   test_cli.sh QUILLOW CHECKER
set -uo pipefail
. "$(dirname "$0")/../../scripts/session.sh"
begin cli
cd "$work"
failed=0
expect() { # STATUS TEXT COMMAND...: the command ends with STATUS and says TEXT
    local status=$1 text=$2 said
    said=$("${@:3}" 2>&1)
    if [ $? != "$status" ] || [[ "$said" != *"$text"* ]] || { [ "$status" = 4 ] && [ "$(wc -l <<<"$said")" != 1 ]; }; then
        echo "FAIL: ${*:3} said: $said" >&2
        failed=1
        return 1
    fi
}
usage="Usage: quillow [--words FILE] [--mute]"
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect 64 "quillow: --words needs the name of a word file" "$1" --words=
expect 64 'not an option such as "-h" (a file of that name can be given as "./-h")' "$1" --words -h
expect 64 "$usage" "$1" --words --version
# A wrong command line is told as such first, with or without a desktop.
expect 64 "Missing value after '--words'" "${headless[@]}" "$1" --words
expect 64 "Unknown option 'bogus'" "${headless[@]}" "$1" --bogus
expect 64 'unexpected "b"' "${headless[@]}" "$1" --words a b
expect 0 "quillow 1.0.0" "${headless[@]}" "$1" --version
expect 0 "--words <FILE>" "${headless[@]}" "$1" --help
expect 4 "needs a graphical desktop, but none answers (neither DISPLAY nor WAYLAND_DISPLAY is set)" \
    "${headless[@]}" "$1" --words words.txt
expect 4 "(DISPLAY=:999 WAYLAND_DISPLAY=)" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:999 "$1"
# A display that takes the connection and never answers: told after 10 s; SIGTERM ends it before.
perl -MIO::Socket::INET -e '$s = IO::Socket::INET->new(LocalAddr => "127.0.0.1", Listen => 5) or exit 1;
    open F, ">x11.new"; print F $s->sockport - 6000; close F; rename "x11.new", "x11"; sleep 60' &
perl -MIO::Socket::UNIX -e '$s = IO::Socket::UNIX->new(Local => "mute-wayland", Listen => 5); sleep 60' &
for _ in $(seq 100); do [ -s x11 ] && [ -S mute-wayland ] && break; sleep 0.05; done
x11=127.0.0.1:$(cat x11)
expect 4 "(DISPLAY=$x11 WAYLAND_DISPLAY=)" \
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$x11 timeout --foreground 20 "$1" &
x11_told=$!
expect 4 "WAYLAND_DISPLAY=$PWD/mute-wayland)" env -u DISPLAY QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY="$PWD/mute-wayland" timeout --foreground 20 "$1" &
wayland_told=$!
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$x11 "$1" 2>/dev/null &
sleep 1
kill -TERM $!
wait $! || { echo "FAIL: SIGTERM while the display does not answer: status $?" >&2; failed=1; }
wait $x11_told || failed=1
wait $wayland_told || failed=1
kill %1 %2
printf 'Cat\r\n\xffOwl\r\nA bird\r\n' >$'w\xff.txt'
# timeout --foreground: the SIGCONT it sends a process group cancels LeakSanitizer's SIGSTOP.
expect 124 "invalid style override" timeout --foreground 2 env QT_QPA_PLATFORM=offscreen "$1" -style none --words $'w\xff.txt'
expect 124 "quillow: no sound device: " timeout --foreground 2 env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIOFILE=no/such/folder "$1" --words $'w\xff.txt'
expect 124 "quillow: no sound: " timeout --foreground 2 env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=no-such-driver \
    "$1" --words $'w\xff.txt'
expect 1 'w\xff.txt:2: warning: bytes that are not UTF-8' "$2" $'w\xff.txt'
expect 3 "the report could not be written: No space left on device" sh -c '"$0" "$1" >/dev/full' "$2" $'w\xff.txt'
expect 3 "the report could not be written: Bad file descriptor" sh -c '"$0" "$1" >&-' "$2" $'w\xff.txt'
# A standard stream closed at the start is /dev/null, so that no file opened later takes its place.
expect 2 "/dev/stderr: Not a regular file: it is a device" sh -c '"$0" /dev/stderr 2>&-' "$2"
# A file whose size the system gives as 0 is read to its end.
{ "$2" /proc/self/status || true; } | grep -Eq '\([0-9]{3,} characters\) has more than 13' ||
    { echo "FAIL: /proc/self/status was not read to its end" >&2; failed=1; }
expect 64 "usage: quillow-check-words [FILE]" "$2" --words
expect 64 "usage: quillow-check-words [FILE]" "$2" one two
expect 0 "Exit status: 0 when nothing was found" "$2" --help
mkfifo fifo
perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => "socket", Listen => 1)'
{ printf '*Owl\r\n%8388595s\r\nCat\r\n' ''; } >8MiB
cat 8MiB - <<<"" >more
for f in fifo:"a named pipe" socket:"a socket" /dev/zero:"a device"; do
    expect 2 "Not a regular file: it is ${f#*:}" timeout --foreground 10 "$2" "${f%%:*}"
done
expect 2 ": Is a directory" "$2" .
expect 2 "The file is larger than 8 MiB, the most it may hold" "$2" more
expect 0 "1 adult words, 1 child words; 0 findings" "$2" 8MiB
# One word of 8 MB costs a few times its size, not a string per character (not sanitized builds).
{ printf 'Cat%d\r\n' $(seq 1000); printf '%8000000s\r\n' '' | tr ' ' x; } >long-word
[[ $(ldd "$2") == *libasan* ]] || expect 1 "(8000000 characters)" prlimit --as=300000000 "$2" long-word
[ $failed = 0 ] && echo "cli: passed"
exit $failed
