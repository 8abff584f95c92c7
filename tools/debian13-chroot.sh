#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command (by default the test command ./test.sh) in a clean clone of
# this repository inside a Debian 13 (trixie) system, as root.
#   tools/debian13-chroot.sh [COMMAND [ARG...]]
# The system is bootstrapped from the Debian mirror with mmdebstrap, with
# the test suite's packages and locales installed by tools/install-deps.sh,
# and kept as a tarball in $QUIBRA_CHROOT_CACHE (/var/cache/quibra-ci): a
# later run unpacks it again as long as install-deps.sh did not change and
# it is younger than $QUIBRA_CHROOT_MAX_AGE days
# (7). Each run unpacks a fresh copy, clones the repository's committed
# history into /root/quibra there, runs the command without the network and
# removes the copy when it ends.
set -euo pipefail
# All of it is read before it runs (a group): an edit meanwhile changes nothing.
{
suite=trixie
mirror=${QUIBRA_CHROOT_MIRROR:-http://deb.debian.org/debian}
cache=${QUIBRA_CHROOT_CACHE:-/var/cache/quibra-ci}
max_age=${QUIBRA_CHROOT_MAX_AGE:-7}
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
[ $# -gt 0 ] || set -- ./test.sh

if [ "$(id -u)" -ne 0 ]; then
  echo "debian13-chroot: must run as root (it mounts and chroots)" >&2
  exit 2
fi
for tool in mmdebstrap zstd; do
  command -v "$tool" >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap zstd
    break
  }
done

stamp() { echo "debian13-chroot: $(date +%T) $*"; }

root=
mounted=()
# Binds the kernel's file systems into $root; each goes on the list that
# cleanup unmounts in reverse.
mount_all() {
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys" && mounted+=("$root/sys")
  mount --bind /dev "$root/dev" && mount --make-private "$root/dev" && mounted+=("$root/dev")
  mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts" &&
    mounted+=("$root/dev/pts")
  mount -t tmpfs -o mode=1777 shm "$root/dev/shm" && mounted+=("$root/dev/shm")
  mount -t tmpfs -o mode=755 run "$root/run" && mounted+=("$root/run")
  cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# Ends what still runs inside $root, unmounts it and removes the copy.
cleanup() {
  local status=$? pid i
  trap - EXIT INT TERM HUP
  [ -n "$root" ] || exit "$status"
  for pass in TERM KILL; do
    for pid in $(ls /proc | grep -x '[0-9]*'); do
      [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -s "$pass" "$pid" 2>/dev/null
    done
    sleep 1
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || status=1
  done
  if grep -q " $root/" /proc/self/mounts; then
    echo "debian13-chroot: still mounted under $root, left in place" >&2
    exit 1
  fi
  rm -rf --one-file-system "$root"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" ${CI:+CI="$CI"} \
    $(env | grep -o '^QUIBRA_[A-Z0-9_]*=.*' | grep -v '^QUIBRA_CHROOT_' || true) "$@"
}

mkdir -p "$cache"
# Made anew when the packages or the way it is made change (image=N).
key=$( (echo "image=1 $suite $mirror" && cat "$repo/tools/install-deps.sh") | sha256sum | cut -c1-16)
tarball=$cache/debian13-$key.tar.zst
exec 9>"$cache/lock"
flock 9
if [ -f "$tarball" ] && [ -z "$(find "$tarball" -mtime "+$max_age")" ]; then
  stamp "using $tarball"
else
  stamp "bootstrapping Debian 13 from $mirror"
  root=$(mktemp -d "$cache/build.XXXXXX")
  mmdebstrap --variant=apt --include=git,locales,ca-certificates --aptopt='Acquire::Retries "3"' \
    --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-include=/usr/share/doc/*/copyright' \
    "$suite" "$root" "deb $mirror $suite main" "deb $mirror $suite-updates main" \
    "deb ${mirror%/debian}/debian-security $suite-security main"
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  mount_all
  cp "$repo/tools/install-deps.sh" "$root/tmp/install-deps.sh"
  stamp "installing the test packages"
  in_root /tmp/install-deps.sh test </dev/null &
  wait $!
  in_root apt-get clean
  rm -f "$root/tmp/install-deps.sh"
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R "${mounted[i]}"; done
  mounted=()
  rm -f "$cache"/debian13-*.tar.zst
  stamp "packing $tarball"
  tar -C "$root" --one-file-system -cf - . | zstd -q -T0 -3 -o "$tarball.part"
  mv "$tarball.part" "$tarball"
  rm -rf --one-file-system "$root"
  root=
  stamp "cached"
fi

# Still under the lock: another run may replace the tarball.
root=$(mktemp -d "${TMPDIR:-/var/tmp}/quibra-debian13.XXXXXX")
stamp "unpacking into $root"
zstd -q -dc "$tarball" | tar -C "$root" -xf -
flock -u 9
mount_all
git clone -q --no-hardlinks "$repo" "$root/root/quibra"
git -C "$root/root/quibra" checkout -q "$(git -C "$repo" rev-parse HEAD)"
stamp "running $* in $root/root/quibra"
# In a network of its own, with only a loopback, unless QUIBRA_CHROOT_NETWORK=1:
# the X servers the tests start listen on abstract sockets, which all systems
# on one network share, and this one cannot see the machine's lock files, so
# it would pick a display the machine's own tests use. Everything the tests
# need is in the cached system.
# In the background: a signal's trap runs at once during wait, while bash
# would hold it until a command in the foreground ends.
if [ "${QUIBRA_CHROOT_NETWORK:-0}" = 1 ]; then
  in_root sh -c 'cd /root/quibra && exec "$@"' sh "$@" </dev/null &
else
  unshare --net bash -c "$(declare -f in_root); root=\$1; shift; ip link set lo up &&
    in_root sh -c 'cd /root/quibra && exec \"\$@\"' sh \"\$@\"" bash "$root" "$@" </dev/null &
fi
wait $!
stamp "done"
exit
}
