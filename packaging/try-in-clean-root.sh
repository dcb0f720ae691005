#!/usr/bin/env bash
# Installs a built package on a clean Debian root and starts the game from its desktop entry,
# as a player's menu would: as an ordinary user with the PATH of a login (which has /usr/games),
# on an X server of its own; leaves a screenshot of the opened case.
# Needs root, debootstrap and the Debian package registry.
#
#   packaging/try-in-clean-root.sh PACKAGE.deb [ROOT, default /tmp/gorvo250-clean-root]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/tmp/gorvo250-clean-root}
# shellcheck source=scripts/debian-root.sh
. "$(dirname "$0")/../scripts/debian-root.sh"

if [ ! -x "$root/usr/bin/apt-get" ]; then debian_root_make "$root"; fi
debian_root_mount "$root"
trap 'debian_root_unmount "$root"' EXIT
# Only what a desktop brings along anyway: an X server, and a launcher of desktop entries.
chroot "$root" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    xvfb xauth xdotool imagemagick dex procps >/dev/null'
cp "$deb" "$root/tmp/gorvo250.deb"
chroot "$root" sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/gorvo250.deb >/dev/null'
chroot "$root" id player >/dev/null 2>&1 || chroot "$root" useradd --create-home player

cat >"$root/tmp/start-from-menu.sh" <<'INNER'
#!/bin/bash
set -euo pipefail
echo "gorvo250 on the PATH: $(command -v gorvo250)"
rm -rf ~/.config/Quillmark
mkdir -p ~/.config/Quillmark
printf '[General]\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\n' >~/.config/Quillmark/Gorvo250.conf
screen_sum() { import -window root rgb:- | md5sum; }
# Waits, up to $1 seconds, for two screenshots in a row to be the same and differ from $2.
wait_for_still_screen_other_than() {
    local deadline=$((SECONDS + $1)) last now
    last=$(screen_sum)
    while ((SECONDS < deadline)); do
        now=$(screen_sum)
        [[ $now == "$last" && $now != "$2" ]] && return 0
        last=$now
    done
    return 1
}
empty=$(screen_sum)
dex /usr/share/applications/gorvo250.desktop &
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Gorvo250$' | head -n 1) || true
[[ -n $window ]] || { echo "no game window"; exit 1; }
xdotool windowfocus --sync "$window"
wait_for_still_screen_other_than 30 "$empty" || { echo "the closed case was never drawn"; exit 1; }
closed=$(screen_sum)
xdotool key 5   # ACL opens the case
wait_for_still_screen_other_than 30 "$closed" || { echo "the case did not open"; exit 1; }
import -window root /tmp/started-from-menu.png
kill "$(xdotool getwindowpid "$window")"
INNER
chmod 755 "$root/tmp/start-from-menu.sh"
# An X server that picks its own display: the chroot's lock files are not the host's, but the
# server claims its sockets, which are shared with the host, atomically.
cp "$(dirname "$0")/../scripts/with-x-server.sh" "$root/tmp/with-x-server.sh"
chmod 755 "$root/tmp/with-x-server.sh"
chroot "$root" su --login player -c '/tmp/with-x-server.sh -s 1024x900x24 /tmp/start-from-menu.sh'
cp "$root/tmp/started-from-menu.png" .
echo "installed and started from the desktop entry; screenshot: started-from-menu.png"
