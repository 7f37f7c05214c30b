#!/usr/bin/env bash
# Builds the game in a folder of its own (build-package/, or $QUILLOW_PACKAGE_BUILD) and makes its
# Debian package, quillow_<version>_amd64.deb, in the folder given (default build/package/).
# Install it with: sudo apt install ./build/package/quillow_*.deb
#
# The package is reproducible: the same commit gives the same bytes, whatever folders it is
# built in. Its files carry the time of the last commit (SOURCE_DATE_EPOCH, when not set
# already), and the build maps its folders out of the binaries.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/package}")
build=$(realpath -m "${QUILLOW_PACKAGE_BUILD:-build-package}")

scripts/install-deps.sh --play dpkg-dev file
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
        date -d "$(dpkg-parsechangelog -l packaging/changelog -S Date)" +%s)
    export SOURCE_DATE_EPOCH
fi
scripts/build-game.sh "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target quillow_docs >/dev/null
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/quillow_*.deb
