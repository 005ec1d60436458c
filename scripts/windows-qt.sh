#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source, once, into a
# cache outside the clone. Debian's Qt of the same version serves as the host Qt (moc, rcc, uic).
# Prints the folder of the installed Qt on its last line. Later runs find it there and return at once.
# Usage: scripts/windows-qt.sh          (EXISOSI_CACHE overrides ~/.cache/exisosi)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

cache=${EXISOSI_CACHE:-$HOME/.cache/exisosi}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
# The cross compiler, the host Qt and its tools, Wine to run the result, NSIS to package it.
packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build dpkg-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools wine wine64 nsis zip unzip
  icoutils librsvg2-bin xvfb xauth imagemagick fonts-liberation2 fonts-dejavu-core xdotool xclip)
missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >&2
fi

# The target Qt must be the very version of the host tools.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/^[0-9]*://; s/[+-].*//')
prefix=$cache/qt-$version-mingw64-static
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# apt-get source needs a deb-src line for the release's own archive.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  . /etc/os-release
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$VERSION_CODENAME" | "${sudo[@]}" tee /etc/apt/sources.list.d/exisosi-src.sources >/dev/null
  "${sudo[@]}" apt-get update -qq
fi

work=$cache/qt-$version-work
mkdir -p "$work"
cd "$work"
src=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
if [ -z "$src" ]; then
  # Unpacked aside and moved in whole: a run stopped halfway leaves no half a source tree here.
  apt-get source --download-only qt6-base >&2
  rm -rf unpacking
  mkdir unpacking # dpkg-source copies the tarballs beside the folder it makes
  dpkg-source --no-check -x qt6-base_*.dsc unpacking/qt6-base-source >&2
  mv unpacking/qt6-base-source ./qt6-base-source
  rm -rf unpacking # the tarballs dpkg-source copied
  src=./qt6-base-source
fi
src=$(cd "$src" && pwd)

cat >"$work/mingw64.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# Static and small: DirectWrite draws the text on Windows, so no FreeType; no JPEG, network, SQL,
# XML, D-Bus, ICU or OpenGL (dynamic OpenGL included, which 6.4 builds even without OpenGL and
# then fails on), which the program does not use. Debian's source leaves out wintab, so
# no tablet events; direct2d stays on, since 6.4 builds its DirectWrite engine only with it.
# A build folder left by an earlier run goes on where it stopped.
mkdir -p "$work/build"
cd "$work/build"
cmake -G Ninja "$src" \
  -DCMAKE_TOOLCHAIN_FILE="$work/mingw64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
  -DFEATURE_optimize_size=ON -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_pkg_config=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
  -DFEATURE_system_textmarkdownreader=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_vulkan=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF >&2
nice -n 10 cmake --build . >&2
cmake --install . >&2
touch "$prefix/.complete"
echo "$prefix"
