#!/bin/sh
# Starts Quillow from the folder of its sounds, which the game looks up by their bare names. The
# install fills in the folders, relative to the prefix this launcher is installed in.
#
# Installed for the whole system, every player gets a word file of their own: on the first start
# the shipped list is copied to $XDG_DATA_HOME/quillow/Dictionary.txt (~/.local/share/quillow/
# by default), and the game plays and adds words there. Installed for one user, the game uses
# the Dictionary.txt beside it.
prefix=$(dirname -- "$(dirname -- "$(readlink -f -- "$0")")")
game="$prefix/@QUILLOW_GAMEDIR@/quillow"
shipped="$prefix/@QUILLOW_GAMEDIR@/Dictionary.txt"
cd "$prefix/@QUILLOW_SOUNDDIR@" || exit 1

if [ "@QUILLOW_WORD_FILE@" != per-player ]; then
    exec "$game" "$@"
fi

# A relative or empty XDG_DATA_HOME or HOME is no base folder (the XDG base-directory rules): a
# relative one would put the word file under the sounds' folder, where this runs.
case "${XDG_DATA_HOME:-}" in
/*) data="$XDG_DATA_HOME/quillow" ;;
*) case "${HOME:-}" in
    /*) data="$HOME/.local/share/quillow" ;;
    *) data= ;;
    esac ;;
esac
words="$data/Dictionary.txt"
problem=
if [ -z "$data" ]; then
    problem="neither XDG_DATA_HOME nor HOME names a folder by its full path"
elif [ -L "$words" ] && [ ! -e "$words" ]; then
    problem="$words is a symbolic link to $(readlink -- "$words"), which does not exist"
elif [ ! -e "$words" ]; then
    # Copied under another name and then linked into place, so that a game started twice at
    # once never sees half a file and neither overwrites the other.
    if ! problem=$({ mkdir -p -- "$data" && cp -- "$shipped" "$words.$$" &&
        { ln -- "$words.$$" "$words" 2>/dev/null || [ -e "$words" ] ||
            ln -- "$words.$$" "$words"; }; } 2>&1); then
        problem=${problem:-it could not be copied there}
    else
        problem=
    fi
    rm -f -- "$words.$$" 2>/dev/null
fi
if [ -n "$problem" ]; then
    notice="Your own word file could not be made${data:+ in $data}: $problem

You can play with the shipped words, but the words you add cannot be kept."
    echo "quillow: $notice" >&2
    exec "$game" --words "$shipped" --notice "$notice" "$@"
fi
exec "$game" --words "$words" "$@"
