#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested, if any is missing.
# Usage: scripts/deps.sh [run|test]   (default: test, which is a superset of run)
# The same names serve Debian 12 and 13: none carries a version, but for the formatter below.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
what=${1:-test}

# qt6-tools-dev and qt6-l10n-tools compile the toolkit's Greek texts (translations/) at build time.
run_packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libxcb1-dev liberfa-dev
  fonts-liberation2 xvfb xauth imagemagick)
# clang and libclang-rt-dev (its sanitizer and libFuzzer runtimes) follow the release's default
# clang, whatever its version. weston and qt6-wayland run the program under Wayland (tests/e2e).
# fonts-dejavu-core: the face of a system without Liberation Sans (tst_hidpi_dejavu), and the
# one openbox draws its title bar in, which sets the framed window's height in the README picture.
test_packages=("${run_packages[@]}" clang libclang-rt-dev fonts-dejavu-core dbus at-spi2-core
  python3-pyatspi appstream dpkg-dev file valgrind desktop-file-utils openbox x11-utils xclip xdotool
  libbenchmark-dev hyperfine jq poppler-utils lintian weston qt6-wayland)
# The committed code is formatted with clang-format 14 (scripts/check-format.sh): taken where the
# release offers it (Debian 12 does, Debian 13 does not).
formatter=clang-format-14

case "$what" in
run) wanted=("${run_packages[@]}") ;;
test) wanted=("${test_packages[@]}") ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
offered() { apt-cache show --no-all-versions "$1" >/dev/null 2>&1; }
missing_packages() {
  for p in "${wanted[@]}"; do installed "$p" || echo "$p"; done
  if [ "$what" = test ] && ! installed "$formatter" && offered "$formatter"; then echo "$formatter"; fi
}

mapfile -t missing < <(missing_packages)
[ ${#missing[@]} -eq 0 ] && exit 0

"${sudo[@]}" apt-get update -qq
# Asked again with fresh package lists: a new root knows no package before its first update.
mapfile -t missing < <(missing_packages)
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
