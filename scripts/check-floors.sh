#!/usr/bin/env bash
# Fails when a folder includes a header from a floor above it or beside it, or links the library
# of one, and when a floor below ui/ links or includes Qt Widgets, Qt Gui or SDL. The floors,
# each a folder and a library, and what each may stand on (docs/architecture.md draws the same):
#
#   app    -> ui game words shapes base
#   ui     -> game words shapes base      Qt Widgets and SDL stay on this floor and above
#   game   -> words base
#   words  -> base
#   shapes -> base
#   base   -> (nothing of ours)
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."

declare -A may=(
    [app]="ui game words shapes base"
    [ui]="game words shapes base"
    [game]="words base"
    [words]="base"
    [shapes]="base"
    [base]=""
)
library() { [ "$1" = app ] && echo quillow_app || echo "quillow_$1"; }

# Where each of our headers lives.
declare -A home=()
for floor in "${!may[@]}"; do
    for header in "$floor"/*.h; do
        home[$(basename "$header")]=$floor
    done
done

wrong=0
for floor in "${!may[@]}"; do
    for file in "$floor"/*.h "$floor"/*.cpp; do
        while IFS= read -r header; do
            other=${home[$header]:-}
            [ -z "$other" ] || [ "$other" = "$floor" ] && continue
            if [[ " ${may[$floor]} " != *" $other "* ]]; then
                echo "$file: includes $header from $other/, which $floor/ may not stand on" >&2
                wrong=1
            fi
        done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    done
    # The libraries a floor's CMakeLists.txt links.
    for other in "${!may[@]}"; do
        [ "$other" = "$floor" ] && continue
        if grep -qw "$(library "$other")" "$floor/CMakeLists.txt" &&
            [[ " ${may[$floor]} " != *" $other "* ]]; then
            echo "$floor/CMakeLists.txt: links $(library "$other"), which $floor/ may not stand on" >&2
            wrong=1
        fi
    done
done
# Qt's headers by module, as installed.
qt=$(dirname "$(find /usr/include -path '*qt6/QtWidgets/QWidget' -print -quit 2>/dev/null)")/..
for floor in base words shapes game; do
    if grep -qE 'Qt6::(Widgets|Gui)|SDL2' "$floor/CMakeLists.txt"; then
        echo "$floor/CMakeLists.txt: links Qt Widgets, Qt Gui or SDL, which only ui/ and app/ may" >&2
        wrong=1
    fi
    while IFS=: read -r file header; do
        if [[ $header == SDL* ]] || [ -e "$qt/QtWidgets/$header" ] || [ -e "$qt/QtGui/$header" ]; then
            echo "$file: includes $header, of Qt Widgets, Qt Gui or SDL, which only ui/ and app/ may" >&2
            wrong=1
        fi
    done < <(grep -oH '^#include <[^>]*>' "$floor"/*.h "$floor"/*.cpp | sed 's/:#include <\(.*\)>/:\1/')
done
exit "$wrong"
