#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested, if any is missing.
# Usage: scripts/deps.sh [run|test]   (default: test, which is a superset of run)
set -euo pipefail
what=${1:-test}

run_packages=(cmake g++ make qt6-base-dev libgl-dev libxcb1-dev fonts-liberation2 xvfb xauth imagemagick)
test_packages=("${run_packages[@]}" clang libclang-rt-14-dev clang-format-14 dbus at-spi2-core
  python3-pyatspi appstream dpkg-dev file valgrind desktop-file-utils openbox x11-utils xclip xdotool
  libbenchmark-dev hyperfine jq poppler-utils lintian)

case "$what" in
run) wanted=("${run_packages[@]}") ;;
test) wanted=("${test_packages[@]}") ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
