#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Runs apt-get as root, or through sudo.
set -euo pipefail

# What needs each group: the build (./run.sh, ./test.sh, ./bench.sh); the suite's tests of the
# real program on an X server, its private message bus and its valgrind run; the fonts the game
# asks for; the fuzzers of .ci/run (clang with libFuzzer) and its check of the tracked files
# (git); the install tests and the Debian package (CPack's DEB generator reads the executables
# with `file` and dpkg-shlibdeps, the tests unpack it with dpkg-deb and read it with readelf).
packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libxcb-xkb-dev
    libsdl2-dev libsdl2-mixer-dev
    libpng-dev libjpeg-dev zlib1g-dev
    libgtest-dev libgmock-dev
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick dbus-daemon valgrind
    fonts-liberation fonts-dejavu-core
    clang libclang-rt-14-dev git
    desktop-file-utils appstream dpkg-dev file binutils lintian help2man man-db
    libcanberra0 libcanberra-pulse sound-theme-freedesktop
    pulseaudio pulseaudio-utils
    qt6-wayland libwayland-dev libxcb1-dev sway grim wtype weston
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
# Through env: sudo drops the caller's environment, and apt must not stop to ask questions.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
