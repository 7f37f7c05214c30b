#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building, playing and testing Quillow need;
# with --play only those that building and playing need. Further packages may be named as
# arguments. Does nothing when they are all present.
set -euo pipefail

# What building and playing the game needs.
packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools
    libsdl2-dev libxcb1-dev
    fonts-liberation2 fonts-dejavu-core
)
# What the tests, the benchmarks and the package need on top.
if [ "${1:-}" = --play ]; then
    shift
else
    packages+=(
        xvfb xauth xdotool x11-apps imagemagick
        libbenchmark-dev clang-format
        desktop-file-utils appstream
        clang libclang-rt-14-dev
        dpkg-dev file lintian devscripts
        qt6-wayland
        stress-ng sway wtype acl
        at-spi2-core python3-pyatspi python3-gi gir1.2-atspi-2.0 dbus-x11 python3-xlib
    )
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        sudo=(sudo)
    else
        echo "Please run as root, or install these packages: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
