#!/usr/bin/env bash
# Builds ERFA, the IAU's routines of fundamental astronomy, for 64-bit Windows (MinGW-w64) as a
# static library, from Debian's own erfa source, once, into a cache outside the clone. Prints the
# folder of the installed ERFA (include/erfa.h, lib/liberfa.a) on its last line. Later runs find
# it there and return at once.
# Usage: scripts/windows-erfa.sh        (EXISOSI_CACHE overrides ~/.cache/exisosi)
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

cache=${EXISOSI_CACHE:-$HOME/.cache/exisosi}
# The cross compiler, and what makes the build files: the source carries no configure script.
install_missing g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev autoconf automake \
  libtool make >&2

version=$(apt-cache showsrc erfa 2>/dev/null | sed -n 's/^Version: //p' | head -n1)
[ -n "$version" ] || fail "no source package erfa (a deb-src line is missing?)"
prefix=$cache/erfa-$version-mingw64-static
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/erfa-$version-work
rm -rf "$work"
mkdir -p "$work"
cd "$work"
apt-get source --download-only erfa >&2
mkdir unpacking # dpkg-source copies the tarballs beside the folder it makes
dpkg-source --no-check -x erfa_*.dsc unpacking/erfa-source >&2
cd unpacking/erfa-source
autoreconf -fi >&2
./configure --host=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix --disable-shared \
  --enable-static --prefix="$prefix" >&2
nice -n 10 make -j"$(nproc)" >&2
make install >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
