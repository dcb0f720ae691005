#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6-dev libgl-dev
    libsdl2-dev libsdl2-mixer-dev
    libpng-dev libjpeg-dev zlib1g-dev
    libgtest-dev libgmock-dev
    xvfb xauth xdotool x11-utils imagemagick
    valgrind
    fonts-liberation fonts-dejavu-core
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
