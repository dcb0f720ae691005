#!/usr/bin/env bash
# Does what a newcomer does on a fresh Debian 12 machine: makes a bookworm root with debootstrap
# (a minimal base system, git and sudo only), clones this repository into it as an ordinary user
# who may use sudo, and runs ./test.sh there to the end, both builds. What is cloned is the
# committed HEAD of the checkout this script is in, never its working tree. Prints how long each
# step took and ends with the suite's last lines. Not part of CI: it takes about as long as
# ./test.sh itself, plus the downloads. Needs root (debootstrap, chroot, mounts).
#
#   scripts/try-fresh-clone.sh [--keep] [ROOT, default a new folder under /var/tmp]
#
# --keep leaves the root (and the clone's build folders in it) for a look afterwards; without
# it the root is deleted at the end. The full output of ./test.sh is kept as
# /var/tmp/gorvo250-fresh-clone.log.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
# shellcheck source=scripts/debian-root.sh
. "$here/debian-root.sh"

keep=no
if [ "${1:-}" = --keep ]; then keep=yes; shift; fi
[ "$(id -u)" -eq 0 ] || { echo "try-fresh-clone: run as root (debootstrap, chroot, mounts)" >&2; exit 2; }
root=${1:-$(mktemp -d /var/tmp/gorvo250-fresh-clone.XXXXXX)}
log=/var/tmp/gorvo250-fresh-clone.log
user=player

started=$SECONDS
elapsed() {
    local s=$((SECONDS - ${1:-$started}))
    printf '%d:%02d:%02d' $((s / 3600)) $((s / 60 % 60)) $((s % 60))
}

# shellcheck disable=SC2317 # run by the trap
cleanup() {
    debian_root_unmount "$root"
    rm -f "$root.bundle"
    if [ "$keep" = yes ]; then echo "try-fresh-clone: the root stays in $root"; else debian_root_remove "$root"; fi
}
trap cleanup EXIT
# Stopped by hand: the root is cleaned up all the same.
trap 'echo "try-fresh-clone: stopped after $(elapsed)"; exit 130' INT
trap 'echo "try-fresh-clone: stopped after $(elapsed)"; exit 143' TERM

if [ -e "$root/usr/bin/apt-get" ]; then
    echo "try-fresh-clone: $root already holds a system; name a new folder" >&2
    trap - EXIT
    exit 2
fi
step=$SECONDS
debian_root_make "$root" git sudo
echo "try-fresh-clone: base system made in $(elapsed "$step")"

# The person: an account of their own, allowed to use sudo (without a password here, since
# nobody is there to type it).
chroot "$root" useradd --create-home --shell /bin/bash "$user"
echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
chmod 0440 "$root/etc/sudoers.d/$user"
debian_root_mount "$root"

# The commit, as a clone from a bundle of it: the branch it is on, if any, comes along by name.
commit=$(git -C "$repo" rev-parse HEAD)
branch=$(git -C "$repo" symbolic-ref -q --short HEAD || true)
refs=(HEAD)
[ -z "$branch" ] || refs+=("refs/heads/$branch")
git -C "$repo" bundle create "$root.bundle" "${refs[@]}" 2>/dev/null
install -m 0644 "$root.bundle" "$root/tmp/gorvo250.bundle"
echo "try-fresh-clone: cloning ${branch:-HEAD} at ${commit:0:12}; the suite's output goes to $log"

as_user() {
    chroot --userspec="$user:$user" "$root" /usr/bin/env -i HOME="/home/$user" USER="$user" \
        LOGNAME="$user" SHELL=/bin/bash PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
        TERM="${TERM:-dumb}" /bin/bash -c "cd && $1"
}
as_user "git clone -q /tmp/gorvo250.bundle gorvo250 && git -C gorvo250 log --oneline -1"

step=$SECONDS
status=0
as_user "cd gorvo250 && ./test.sh" </dev/null >"$log" 2>&1 || status=$?
echo "try-fresh-clone: ./test.sh ended with status $status after $(elapsed "$step")" \
    "(all together $(elapsed))"
echo "try-fresh-clone: the suite's summaries:"
grep -E '^[0-9]+% tests passed|^Total Test time' "$log" | sed 's/^/    /' || true
echo "try-fresh-clone: the last lines of ./test.sh:"
tail -n 15 "$log"
exit "$status"
