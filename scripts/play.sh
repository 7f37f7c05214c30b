#!/usr/bin/env bash
# Installs what is missing, builds Quillow and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh build
echo "Quillow is built, but the game is not playable yet."
