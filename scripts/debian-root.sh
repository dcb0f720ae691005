# shellcheck shell=bash
# Making and entering a fresh Debian 12 (bookworm) root with debootstrap; sourced by
# packaging/try-in-clean-root.sh and scripts/try-fresh-clone.sh, which run as root.
#
#   debian_root_make ROOT [PACKAGE...]   a minimal base system (debootstrap's minbase, as small
#                                        as a container's Debian) with the packages named
#   debian_root_mount ROOT               /proc, /sys, /dev, /dev/pts and a /dev/shm of its own
#   debian_root_unmount ROOT             ends what still runs in the root, undoes every mount
#   debian_root_remove ROOT              deletes the root, once nothing is mounted in it
#
# The packages come from the Debian mirror this machine's apt already uses (deb.debian.org
# when none is named); the root gets bookworm, bookworm-updates and, where this machine has
# one, its security mirror, as an installed system has.

# The first URI in this machine's apt sources that serves SUITE (one-line and deb822 files).
host_debian_uri() {
    local suite=$1 file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        awk -v suite="$suite" '{
                line = $0; sub(/\[[^]]*\]/, "", line); split(line, f, " ")
                if (f[1] == "deb" && f[3] == suite) { print f[2]; exit }
            }' "$file"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v suite="$suite" 'BEGIN { RS = ""; FS = "\n" } {
                uri = ""; hit = 0; deb = 0
                for (i = 1; i <= NF; i++) {
                    if ($i ~ /^URIs:/) { split($i, u, " "); uri = u[2] }
                    if ($i ~ /^Types:/ && $i ~ /(^|[ \t])deb([ \t]|$)/) deb = 1
                    if ($i ~ /^Suites:/) { n = split($i, s, " "); for (j = 2; j <= n; j++) if (s[j] == suite) hit = 1 }
                }
                if (deb && hit && uri != "") { print uri; exit }
            }' "$file"
    done
}

debian_root_make() {
    local root=$1; shift
    local include=("$@")
    command -v debootstrap >/dev/null || {
        echo "debian-root: installing debootstrap on this machine"
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
    }
    local mirror security
    mirror=$(host_debian_uri bookworm | head -n 1)
    mirror=${mirror:-http://deb.debian.org/debian}
    security=$(host_debian_uri bookworm-security | head -n 1)
    local packages=()
    [ ${#include[@]} -eq 0 ] || packages=("--include=$(IFS=,; echo "${include[*]}")")
    echo "debian-root: debootstrap bookworm from $mirror into $root"
    mkdir -p "$root"
    chmod 0755 "$root"  # the top of a system: every user passes through it
    debootstrap --variant=minbase "${packages[@]}" bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
        tail -n 20 "$root.debootstrap.log"
        echo "debian-root: debootstrap failed; its output is in $root.debootstrap.log" >&2
        return 1
    }
    rm -f "$root.debootstrap.log"
    {
        echo "deb $mirror bookworm main"
        echo "deb $mirror bookworm-updates main"
        [ -z "$security" ] || echo "deb $security bookworm-security main"
    } >"$root/etc/apt/sources.list"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # As an installed system has it; sudo looks its host name up.
    printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n::1\tlocalhost ip6-localhost ip6-loopback\n' \
        "$(hostname)" >"$root/etc/hosts"
}

debian_root_mount() {
    local root=$1
    mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
    mountpoint -q "$root/sys" || mount -t sysfs -o ro sysfs "$root/sys"
    mountpoint -q "$root/dev" || mount --bind /dev "$root/dev"
    mountpoint -q "$root/dev/pts" || mount --bind /dev/pts "$root/dev/pts"
    # Its own shared memory, not this machine's: what the root leaves there goes with it.
    mountpoint -q "$root/dev/shm" || mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
}

# The processes whose root is ROOT: only what was started inside it.
debian_root_processes() {
    local root link pid
    root=$(realpath "$1")
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}
        pid=${pid%/root}
        if [ "$(readlink "$link" 2>/dev/null)" = "$root" ]; then echo "$pid"; fi
    done
}

debian_root_unmount() {
    local root=$1 pids mounted
    set +e  # run from exit traps: everything is undone, whatever fails on the way
    pids=$(debian_root_processes "$root")
    if [ -n "$pids" ]; then
        # shellcheck disable=SC2086 # one id per word
        kill $pids 2>/dev/null || true
        sleep 1
        pids=$(debian_root_processes "$root")
        # shellcheck disable=SC2086
        [ -z "$pids" ] || kill -KILL $pids 2>/dev/null || true
    fi
    for mounted in dev/shm dev/pts dev sys proc; do
        if mountpoint -q "$root/$mounted"; then
            umount "$root/$mounted" 2>/dev/null || umount --lazy "$root/$mounted"
        fi
    done
}

debian_root_remove() {
    local root
    root=$(realpath "$1")
    # Never while anything is mounted below it: /dev is this machine's own.
    if awk '{ print $2 }' /proc/mounts | grep -q "^$root/"; then
        echo "debian-root: $root still has mounts; not removed" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
