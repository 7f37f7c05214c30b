#!/bin/sh
# Starts Quillow from the folder of its sounds, which the game looks up by their bare names. The
# game itself, with the word file beside it, lives in lib/quillow of the same prefix.
here=$(dirname "$(readlink -f "$0")")
cd "$here/../share/quillow/sounds" || exit 1
exec "$here/../lib/quillow/quillow" "$@"
