# The throw-away Debian roots of the clean-root proofs (scripts/package-proof,
# scripts/source-build-proof, scripts/make-test-proof); sourced, not run.
#   clean_root_start NAME RELEASE   checks for root and debootstrap, makes $work
#                                   and removes it at exit with all it mounted
#   new_root DIR                    a fresh minbase root of RELEASE in DIR, its
#                                   file systems mounted and its apt lists read
#   in_root DIR CMD...              CMD inside DIR as root, in a clean environment
#   in_root_offline DIR CMD...      the same without a network
#   installed DIR                   "package version" of each installed package
# RELEASE is bookworm (Debian 12) or trixie (Debian 13). Each release's
# debootstrap is kept as a tarball of its own in the cache and reused.
# KEEP=1 keeps the roots, FRESH=1 bootstraps anew, MIRROR=URL,
# CACHE=DIR (default ~/.cache/metrova).

say() { printf '\n== %s\n' "$*"; }
die() { printf '%s: FAILED: %s\n' "${clean_root_name:-${0##*/}}" "$*" >&2; exit 1; }

clean_root_start() {
    clean_root_name=$1 release=$2
    case $release in
        bookworm | trixie) ;;
        *) die "unknown Debian release '$release' (bookworm or trixie)" ;;
    esac
    mirror=${MIRROR:-http://deb.debian.org/debian}
    cache=${CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/metrova}
    tarball=$cache/$release-minbase-amd64.tar.gz
    [ "$(id -u)" -eq 0 ] || die "run as root (debootstrap, chroot and mount need it)"
    # The host needs debootstrap only: everything else runs inside the roots.
    if ! command -v debootstrap >/dev/null; then
        say "installing debootstrap on the host"
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
    fi
    work=$(mktemp -d "/tmp/$clean_root_name.XXXXXX")
    mounted=()
    trap clean_root_end EXIT
    trap 'echo "$clean_root_name: interrupted" >&2; exit 130' INT
    trap 'echo "$clean_root_name: terminated" >&2; exit 143' TERM
}

# Ends what still runs inside a root, unmounts in reverse order, and removes
# the roots only when nothing is mounted below them any more.
clean_root_end() {
    local rc=$? pid i
    trap - EXIT INT TERM
    for pid in /proc/[0-9]*; do
        case $(readlink "$pid/root" 2>/dev/null) in
            "$work"/*) kill -KILL "${pid#/proc/}" 2>/dev/null || true ;;
        esac
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null ||
            echo "$clean_root_name: could not unmount ${mounted[i]}" >&2
    done
    if grep -q " $work/" /proc/self/mounts; then
        echo "$clean_root_name: still mounted under $work, left in place:" >&2
        grep " $work/" /proc/self/mounts >&2
    elif [ "${KEEP:-0}" = 1 ]; then
        echo "$clean_root_name: kept $work"
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$rc"
}

new_root() {
    local root=$1 t0=$SECONDS m
    mkdir -p "$root"
    if [ -s "$tarball" ] && [ "${FRESH:-0}" != 1 ]; then
        tar -xzpf "$tarball" --numeric-owner -C "$root"
        echo "unpacked the cached root $tarball in $((SECONDS - t0)) s"
    else
        echo "debootstrap --variant=minbase $release $root $mirror"
        debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
            { tail -n 20 "$work/debootstrap.log" >&2; die "debootstrap failed"; }
        echo "bootstrapped in $((SECONDS - t0)) s"
        mkdir -p "$cache"
        tar -czpf "$tarball.part" --numeric-owner -C "$root" . && mv "$tarball.part" "$tarball"
        echo "cached as $tarball ($(du -h "$tarball" | cut -f1))"
        FRESH=0 # a second root comes from this one
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # no service starts inside the root
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    for m in proc sys dev dev/pts; do
        case $m in
            proc) mount -t proc proc "$root/proc" ;;
            sys) mount -t sysfs sysfs "$root/sys" ;;
            *) mount --bind "/$m" "$root/$m" ;;
        esac
        mounted+=("$root/$m")
    done
    in_root "$root" apt-get update -q >"$work/update.log" 2>&1 ||
        { cat "$work/update.log" >&2; die "apt-get update failed in the root"; }
    grep -E '^(W|E):' "$work/update.log" || true
    in_root "$root" sh -c '. /etc/os-release; echo "$PRETTY_NAME, $(dpkg-query -W -f=. | wc -c) packages"'
}

# Nothing of the host's environment (DISPLAY above all) leaks in.
in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive "$@"
}

# Without a network, the root's programs see no X server of the host's, not
# even through abstract sockets, and fetch nothing.
in_root_offline() {
    local root=$1
    shift
    unshare --net chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 TERM=dumb "$@"
}

installed() {
    in_root "$1" dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Version}\n' | awk '$1 == "ii" {print $2, $3}' | sort
}
