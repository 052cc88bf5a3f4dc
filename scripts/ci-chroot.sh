#!/usr/bin/env bash
# Runs CI (or another command) from a clean clone of this checkout's HEAD in a
# fresh minimal Debian chroot, as a new user's machine would be:
#   bash scripts/ci-chroot.sh bookworm|trixie [COMMAND [FILE...]]
# COMMAND runs in the clone with bash and defaults to "CI=true bash .ci/run";
# each FILE is copied beside the clone, where COMMAND finds it as ../NAME.
# Needs root. The base system comes from the Debian mirror this machine's apt
# uses and is cached in /tmp/ci-chroot-SUITE.tar; the tree is removed after.
set -euo pipefail
suite=${1:?usage: ci-chroot.sh bookworm|trixie [COMMAND [FILE...]]}
command=${2:-CI=true bash .ci/run}
files=("${@:3}")
case "$suite" in bookworm | trixie) ;; *) echo "ci-chroot: unknown suite $suite" >&2; exit 2 ;; esac
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
head=$(git -C "$repo" rev-parse HEAD)
command -v debootstrap >/dev/null || { apt-get install -y -qq debootstrap >/dev/null; }

# The URI apt uses for the archive (KIND=main) or its security updates
# (KIND=security), from one-line .list files and deb822 .sources files alike.
Mirror()
{
    local f files=()
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && files+=("$f")
    done
    awk -v kind="$1" '
        function flush() { if (deb) take(uri, suites); deb = 0; uri = suites = "" }
        function take(uri, suites) {
            if ((kind == "security") == (suites ~ /-security/) && !found) { print uri; found = 1 }
        }
        FNR == 1 { flush() }
        FILENAME ~ /\.sources$/ {
            if (/^[ \t]*$/) { flush(); next }
            if (/^Types:/ && / deb( |$)/) deb = 1
            if (/^URIs:/) uri = $2
            if (/^Suites:/) suites = $0
            next
        }
        /^deb[ \t]/ { sub(/\[[^]]*\][ \t]*/, ""); take($2, $3) }
        END { flush() }
    ' "${files[@]}" /dev/null
}
mirror=$(Mirror main)
security=$(Mirror security)
[ -n "$mirror" ] || { echo "ci-chroot: no Debian mirror in /etc/apt" >&2; exit 1; }

# The base system, made once per suite: unpacking a tar of the fresh tree
# takes seconds where debootstrap takes minutes.
base=/tmp/ci-chroot-$suite.tar
if ! [ -s "$base" ]; then
    fresh=$(mktemp -d /tmp/ci-chroot-base.XXXXXX)
    debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$fresh" "$mirror" >&2
    tar -C "$fresh" -cf "$base.part" .
    rm -rf --one-file-system "$fresh"
    mv "$base.part" "$base"
fi

dir=$(mktemp -d /tmp/ci-chroot-$suite.XXXXXX)
mounts=()
Cleanup()
{
    local pid m i
    # Whatever the run left behind (an Xvfb, a server) holds the mounts.
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$dir" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        m=${mounts[i]}
        umount "$m" 2>/dev/null || umount -l "$m" || true
    done
    # Never remove a tree that still has the host's /dev or /proc mounted in it.
    if grep -q " $dir/" /proc/mounts; then
        echo "ci-chroot: mounts remain under $dir; left in place" >&2
    else
        rm -rf --one-file-system "$dir"
    fi
}
trap Cleanup EXIT
Mount()
{
    local target=$dir$1
    shift
    mount "$@" "$target"
    mounts+=("$target")
}
tar -C "$dir" -xf "$base"
chmod 755 "$dir" # the system's root directory, which apt's and man's own users read through

# What this machine needs to reach its mirror and registries: its resolver,
# its own CA certificates, apt's settings for the mirror, npm's configuration.
cp /etc/resolv.conf "$dir/etc/resolv.conf"
{
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    [ -z "$security" ] || echo "deb $security $suite-security main"
} >"$dir/etc/apt/sources.list"
# Only this machine's own settings: a package's would be a conffile the chroot's
# own copy of that package then asks about.
for f in /etc/apt/apt.conf.d/*; do
    if grep -qE '^[[:space:]]*Acquire::' "$f" && ! dpkg -S "$f" >/dev/null 2>&1; then
        cp "$f" "$dir/etc/apt/apt.conf.d/"
    fi
done
cp /usr/local/share/ca-certificates/*.crt "$dir/usr/local/share/ca-certificates/" 2>/dev/null || true
[ -f /root/.npmrc ] && cp /root/.npmrc "$dir/root/.npmrc"

Mount /proc -t proc proc
Mount /sys -t sysfs sys
Mount /dev --bind /dev
Mount /dev/pts --bind /dev/pts
Mount /dev/shm -t tmpfs shm
Mount /tmp -t tmpfs tmp
git clone -q --no-checkout "$repo" "$dir/root/robot-oxel"
git -C "$dir/root/robot-oxel" checkout -q --detach "$head"
for f in "${files[@]}"; do install -m 644 "$f" "$dir/root/"; done

# ROBOT_OXEL_CHROOT tells .ci/run not to start a chroot inside this one.
env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 TERM=dumb ROBOT_OXEL_CHROOT="$suite" \
    chroot "$dir" /bin/bash -c 'update-ca-certificates >/dev/null 2>&1 && cd /root/robot-oxel && '"$command"
