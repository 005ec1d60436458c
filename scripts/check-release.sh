#!/usr/bin/env bash
# Checks the README on a fresh Debian release: makes a new root of Debian N (12 or 13) with
# debootstrap, clones the committed tree into it (HEAD: what is not committed is not checked),
# runs the README's two commands there, then makes the Debian package as the README does,
# installs it with apt-get, starts the installed program under Xvfb until its window shows, and
# purges the package. Prints each step's time and a last line with the result.
# Needs root and debootstrap, and the network for Debian's archive; exits 77 (skipped) without
# either. It takes long (the test command builds everything twice): CTest runs it only when asked,
# with `ctest --preset release-check`.
# The root goes to EXISOSI_RELEASE_ROOT (default /var/tmp/exisosi-release-N), made anew each time;
# it is removed when every step passed and kept for a look when one failed. Each step's output
# goes to the log beside it (ROOT.log).
# Usage: scripts/check-release.sh 12|13
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
top=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-}
case "$release" in
12) suite=bookworm ;;
13) suite=trixie ;;
*) echo "usage: $0 12|13" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "skipped: a new Debian root needs root"; exit 77; }
command -v debootstrap >/dev/null || { echo "skipped: debootstrap is missing"; exit 77; }
root=$(realpath -m "${EXISOSI_RELEASE_ROOT:-/var/tmp/exisosi-release-$release}")
mirror=${EXISOSI_RELEASE_MIRROR:-http://deb.debian.org/debian}
log=$root.log
# A folder is emptied only when this script made it (it leaves a mark there) or it is empty.
mark=$root/.exisosi-release-root
if [ -n "$(ls -A "$root" 2>/dev/null)" ] && [ ! -f "$mark" ]; then
  echo "$root is not empty and not a root this script made: choose another EXISOSI_RELEASE_ROOT" >&2
  exit 1
fi
if findmnt -rn -o TARGET | grep -q "^$root/"; then
  echo "something is still mounted under $root: unmount it first" >&2
  exit 1
fi
rm -rf --one-file-system "$root"
mkdir -p "$root"
touch "$mark"
: >"$log"
echo "release check, Debian $release ($suite), in $root; log $log"

mounts=()
cleanup() {
  local process i
  # What the steps left running in the root (a daemon, a test's X server) would hold the mounts.
  for process in /proc/[0-9]*; do
    if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then
      kill "${process#/proc/}" 2>/dev/null || true
    fi
  done
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
  done
}
trap cleanup EXIT
mount_in_root() { # TARGET MOUNT-ARGUMENTS...
  local target=$root/$1
  shift
  mount "$@" "$target"
  mounts+=("$target")
}

# Runs a shell command in the clone inside the root, with a clean environment, as a user's
# root shell on that system would.
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM=dumb bash -ec "cd /root/exisosi && $1"
}

times=()
started=$SECONDS
step() { # NAME COMMAND...
  local name=$1 begin=$SECONDS
  shift
  echo "== $name" >>"$log"
  if ! "$@" >>"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "release check, Debian $release ($suite): FAILED at '$name' after $((SECONDS - started)) s;" \
      "log $log, root kept at $root"
    exit 1
  fi
  times+=("$name $((SECONDS - begin)) s")
  echo "$name: $((SECONDS - begin)) s"
}

prepare_root() {
  debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$root" "$mirror"
  printf '%s\n' "deb $mirror $suite main" "deb $mirror $suite-updates main" \
    "deb http://deb.debian.org/debian-security $suite-security main" >"$root/etc/apt/sources.list"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount_in_root proc -t proc proc
  mount_in_root sys -t sysfs sys
  mount_in_root dev --bind /dev
  mount --make-private "$root/dev" # what is mounted beneath stays out of the machine's /dev
  mount_in_root dev/pts --bind /dev/pts
  mount_in_root dev/shm -t tmpfs tmpfs
}
# The installed program on a display of its own (the clone's scripts/with-display.sh), until its
# window shows.
start_installed() {
  in_root "command -v exisosi
    bash scripts/with-display.sh -- bash -c 'exisosi & trap \"kill \$!\" EXIT
      timeout 60 xdotool search --sync --onlyvisible --name \"\$1\"' window '^$window_title\$'"
}

step "debootstrap $suite" prepare_root
step "clone of HEAD" git clone -q "$top" "$root/root/exisosi"
step "bash scripts/run.sh" in_root "bash scripts/run.sh"
step "bash scripts/test.sh" in_root "bash scripts/test.sh"
step "cpack -G DEB" in_root "cd build && cpack -G DEB && ls exisosi_*_amd64.deb"
step "apt-get install the package" in_root \
  "DEBIAN_FRONTEND=noninteractive apt-get install -y ./build/exisosi_*_amd64.deb"
step "the installed program's window" start_installed
step "apt-get purge" in_root "apt-get purge -y exisosi && ! command -v exisosi"

cleanup
trap - EXIT
rm -rf --one-file-system "$root"
summary=$(printf '%s, ' "${times[@]}")
echo "release check, Debian $release ($suite): passed in $((SECONDS - started)) s (${summary%, })"
