#!/usr/bin/env bash
# Makes the Windows release on Debian 12, as root or as a user with sudo, from a fresh clone:
# installs what it needs from Debian, builds the static Qt for Windows once into a cache outside
# the clone (scripts/windows-qt.sh, about 20 minutes on 2 cores; later runs reuse it) and ERFA
# (scripts/windows-erfa.sh, a minute), builds the
# program with it and checks it, then writes into build-windows/:
#   exisosi.exe                    the program alone (what the zip holds), stripped
#   exisosi-VERSION-setup.exe      the Greek installer, a 64-bit program
#   exisosi-VERSION-windows.zip    the portable copy: the program alone
# Usage: scripts/windows.sh [--test]   --test also runs the unit and window tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
test_too=false
[ "${1:-}" = --test ] && test_too=true

qt=$(bash scripts/windows-qt.sh | tail -n1)
export EXISOSI_WINDOWS_QT=$qt
EXISOSI_WINDOWS_ERFA=$(bash scripts/windows-erfa.sh | tail -n1)
export EXISOSI_WINDOWS_ERFA
out=build-windows
version=$(sed -n 's/^project(exisosi VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)

cmake --preset windows
if $test_too; then
  cmake --build --preset windows -j"$(nproc)"
else
  cmake --build --preset windows -j"$(nproc)" --target exisosi
fi
built=$out/build/app/exisosi.exe
bash scripts/check-windows-exe.sh "$built"
x86_64-w64-mingw32-strip -o "$out/exisosi.exe" "$built"
bash scripts/check-windows-exe.sh --stripped "$out/exisosi.exe"

makensis -V2 -DVERSION="$version" -DEXE="$PWD/$out/exisosi.exe" \
  -DICON="$PWD/packaging/windows/exisosi.ico" -DNOTICES="$PWD/packaging/windows/notices.txt" \
  -DOUTFILE="$PWD/$out/exisosi-$version-setup.exe" \
  packaging/windows/exisosi.nsi
rm -f "$out/exisosi-$version-windows.zip"
# The same bytes on every run of the same build: no times or owners of the file in the zip.
touch -d @0 "$out/exisosi.exe"
(cd "$out" && zip -X -q "exisosi-$version-windows.zip" exisosi.exe)

# Small enough that a school's network does not notice: 14 MB for the program, 6 MB for the
# installer, in MiB as `ls -lh` and Explorer count them (docs/BENCHMARKS.md records both).
size() { stat -c %s "$1"; }
mib=$((1024 * 1024))
exe_size=$(size "$out/exisosi.exe")
setup_size=$(size "$out/exisosi-$version-setup.exe")
echo "exisosi.exe: $exe_size bytes; exisosi-$version-setup.exe: $setup_size bytes"
[ "$exe_size" -le $((14 * mib)) ] || { echo "exisosi.exe is larger than 14 MB" >&2; exit 1; }
[ "$setup_size" -le $((6 * mib)) ] || { echo "the installer is larger than 6 MB" >&2; exit 1; }

if $test_too; then
  export WINEPREFIX=$PWD/$out/wine WINEDEBUG=-all
  [ -d "$WINEPREFIX" ] || bash scripts/wine-run.sh wineboot -i >/dev/null 2>&1
  ctest --preset wine -j"$(nproc)"
fi
echo "Windows release in $out/: exisosi.exe, exisosi-$version-setup.exe, exisosi-$version-windows.zip"
