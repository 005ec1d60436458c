#!/usr/bin/env bash
# The web (WebAssembly) build. Debian 12's emscripten is too old for the toolkit, so everything is
# built inside a Debian 13 root made with debootstrap, with Debian 13's own emscripten and the
# toolkit's source from Debian 13. The root is made and used the same way on Debian 12 and 13
# hosts, so the host itself gets only debootstrap and chromium.
#
# Stages, each cached and skipped when already done:
#   1. the Debian 13 root                    $cache/web-root            (marker .exisosi-root-complete)
#   2. packages and sources inside it        emscripten, cmake, host Qt, qt6-base and erfa sources
#   3. an emsdk-style folder and a writable emscripten cache
#   4. a static Qt for WebAssembly           $root/opt/web/qt-VERSION-wasm (marker .complete)
#   5. ERFA for WebAssembly                  $root/opt/web/erfa-wasm       (marker .complete)
#   6. a throw-away Qt Widgets page, built, served on 127.0.0.1 and shot with headless chromium,
#      once per toolkit build                (marker .exisosi-page-shown in the toolkit's prefix)
#   7. the program, into build-web/ of the clone: the page, the program, the toolkit's loader,
#      the notices and exisosi-VERSION-web.zip
#
# Usage: scripts/web.sh               all stages
#        scripts/web.sh --toolchain   stages 1 to 5 only
# EXISOSI_CACHE overrides ~/.cache/exisosi; EXISOSI_DEBIAN_MIRROR overrides deb.debian.org.
# Needs root: run as root or through sudo (it calls sudo itself when needed).
# shellcheck disable=SC2016 # the single-quoted formats are dpkg-query's own
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cache=${EXISOSI_CACHE:-$HOME/.cache/exisosi}

toolchain_only=0
case "${1:-}" in
'') ;;
--toolchain) toolchain_only=1 ;;
-h | --help) sed -n '2,21p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
*) echo "usage: $0 [--toolchain]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
  # The cache folder is made as the user, so that other scripts sharing it can still write there.
  mkdir -p "$cache"
  exec sudo EXISOSI_CACHE="$cache" ${EXISOSI_DEBIAN_MIRROR:+EXISOSI_DEBIAN_MIRROR="$EXISOSI_DEBIAN_MIRROR"} \
    bash "$0" "$@"
fi

mirror=${EXISOSI_DEBIAN_MIRROR:-http://deb.debian.org/debian}
root=$cache/web-root
# Inside the root. Outside it, each of these is "$root" followed by the same path.
web=/opt/web
emsdk=$web/emsdk
em_cache=$web/em-cache
srcdir=$web/src
erfa_prefix=$web/erfa-wasm
# Heavy steps give way to whatever else the machine is doing.
nice=(nice -n 15)

started=$(date +%s)
say() { printf '== [%s] %s\n' "$(date -u -d "@$(($(date +%s) - started))" +%H:%M:%S)" "$*"; }
die() { echo "web.sh: $*" >&2; exit 1; }

mkdir -p "$cache"
exec 9>"$cache/web.lock"
flock -n 9 || die "another web.sh is running on $cache"

# --- mounts and clean-up ----------------------------------------------------------------------
mounted=() # what this run mounted, in order
server_pid=
scratch=()
cleanup() {
  local rc=$? i
  if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; fi
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null ||
      echo "web.sh: could not unmount ${mounted[i]}" >&2
  done
  for i in "${scratch[@]}"; do rm -rf "$i"; done
  # What a stopped debootstrap left mounted in a root it did not finish.
  if [ -d "$root" ] && [ ! -f "$root/.exisosi-root-complete" ]; then
    unmount_below "$root" || echo "web.sh: something is still mounted below $root" >&2
  fi
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mount_in_root() { # mount_in_root WHERE-INSIDE mount-arguments...
  local where=$root$1
  shift
  mountpoint -q "$where" && return 0
  mkdir -p "$where"
  mount "$@" "$where"
  mounted+=("$where")
}
mount_root() {
  mount_in_root /proc -t proc proc
  mount_in_root /sys -t sysfs sysfs
  mount_in_root /dev --bind /dev
  mount_in_root /dev/pts --bind /dev/pts
  mount_in_root /dev/shm -t tmpfs tmpfs
}
# Unmounts anything still mounted below a folder (a debootstrap that was stopped leaves /proc and
# /sys mounted in its target), deepest first; fails if something stays. A root is never deleted
# with the host's /dev inside it.
unmount_below() {
  local m
  awk -v d="$1" '$5 == d || index($5, d "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r |
    while read -r m; do umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true; done
  ! awk -v d="$1" '$5 == d || index($5, d "/") == 1 { found = 1 } END { exit !found }' /proc/self/mountinfo
}

# Runs a command inside the root with a clean environment set for emscripten. The array, unlike
# the function, can run in the background with $! the command's own process id.
root_cmd=("${nice[@]}" chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive
  EMSDK="$emsdk" EM_CACHE="$em_cache" EM_FROZEN_CACHE=0)
in_root() { "${root_cmd[@]}" "$@"; }

# logged NAME command...: the output is added to $logs/NAME.log, and its end shown on failure.
logs=$cache/web-logs
mkdir -p "$logs"
logged() {
  local log=$logs/$1.log
  shift
  mkdir -p "$logs"
  if ! { echo "== $(date -u +%FT%TZ) $*"; "$@"; } >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    die "failed: $*; the whole output is in $log"
  fi
}

host_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
host_install() {
  local missing=() p
  for p in "$@"; do host_installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing on the host: ${missing[*]}"
  logged host-apt apt-get -o DPkg::Lock::Timeout=600 update
  logged host-apt "${nice[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 \
    install -y --no-install-recommends "${missing[@]}"
}

. /etc/os-release
case "${ID:-}:${VERSION_CODENAME:-}" in
debian:bookworm | debian:trixie) ;;
*) echo "web.sh: made for Debian 12 and 13, this is ${PRETTY_NAME:-unknown}; trying anyway" >&2 ;;
esac

# --- 1. the Debian 13 root --------------------------------------------------------------------
make_root() {
  if [ -f "$root/.exisosi-root-complete" ]; then
    say "Debian 13 root: $root (made before)"
    return 0
  fi
  host_install debootstrap
  if [ -e "$root" ]; then
    say "Debian 13 root: removing a half-made one"
    unmount_below "$root" || die "still mounted below $root"
    rm -rf --one-file-system "$root"
  fi
  say "Debian 13 root: debootstrap into $root"
  logged debootstrap "${nice[@]}" debootstrap --variant=minbase --arch=amd64 trixie "$root" "$mirror"
  unmount_below "$root" || die "still mounted below $root" # debootstrap's own, if it left any
  cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb deb-src
URIs: $mirror
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: ${mirror%/debian}/debian-security
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  rm -f "$root/etc/apt/sources.list"
  # No service starts inside the root.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  touch "$root/.exisosi-root-complete"
  say "Debian 13 root: done"
}

# --- 2. packages and sources ------------------------------------------------------------------
root_packages=(emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-tools-dev
  qt6-l10n-tools dpkg-dev autoconf automake libtool make fonts-liberation2 python3 ca-certificates)
install_root_packages() {
  local missing
  missing=$(in_root dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${root_packages[@]}" 2>/dev/null |
    awk '$1 != "ii" { print $2 }' || true)
  # dpkg-query names no line at all for a package it never heard of.
  if [ -z "$missing" ] && [ "$(in_root dpkg-query -W "${root_packages[@]}" 2>/dev/null | wc -l)" -eq ${#root_packages[@]} ]; then
    say "packages in the root: all there"
    return 0
  fi
  say "packages in the root: installing"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  logged root-apt in_root apt-get update
  logged root-apt in_root dpkg --configure -a # after an install that was stopped
  logged root-apt in_root apt-get install -y --no-install-recommends "${root_packages[@]}"
  in_root apt-get clean
  say "packages in the root: done"
}

# Unpacks the source package $1 into $srcdir/$2, once. Unpacked aside and moved in whole: a run
# stopped halfway leaves no half a source tree.
fetch_source() {
  local package=$1 name=$2 dl=$srcdir/download-$1 orig sum
  if [ -d "$root$srcdir/$name" ]; then
    say "source of $package: there"
    return 0
  fi
  say "source of $package: fetching"
  cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  rm -rf "$root$srcdir/unpacking"
  mkdir -p "$root$dl" "$root$srcdir/unpacking" # dpkg-source copies the tarballs beside its folder
  if in_root sh -c "cd '$dl' && apt-get source --download-only '$package'" >"$logs/source-$package.log" 2>&1; then
    logged "source-$package" in_root sh -c \
      "dpkg-source --no-check -x '$dl'/${package}_*.dsc '$srcdir/unpacking/$name'"
  else
    # A mirror can lack the Debian part of a source package (erfa_2.0.1-1.debian.tar.xz is one).
    # The upstream tarball is then unpacked alone, once its checksum matches the one in the .dsc.
    local origs=("$root$dl/$package"_*.orig.tar.*) dscs=("$root$dl/$package"_*.dsc)
    if ! { [ -f "${origs[0]}" ] && [ -f "${dscs[0]}" ]; }; then
      die "source of $package: not to be had: $(tail -n3 "$logs/source-$package.log")"
    fi
    orig=${origs[0]##*/}
    sum=$(awk -v f="$orig" '/^Checksums-Sha256:/ { in_sums = 1; next } /^[^ ]/ { in_sums = 0 }
      in_sums && $3 == f { print $1 }' "${dscs[0]}")
    echo "$sum  $root$dl/$orig" | sha256sum -c --quiet - ||
      die "source of $package: $orig does not match its .dsc"
    say "source of $package: Debian's part is missing from the mirror, using the upstream $orig"
    mkdir -p "$root$srcdir/unpacking/$name"
    tar -xf "$root$dl/$orig" -C "$root$srcdir/unpacking/$name" --strip-components=1
  fi
  mv "$root$srcdir/unpacking/$name" "$root$srcdir/$name"
  rm -rf "$root$srcdir/unpacking" "$root$dl"
}

# --- 3. what the toolkit's configure looks for ---------------------------------------------------
# The toolkit finds emscripten through an emsdk folder: $EMSDK/.emscripten names the emscripten
# folder under $EMSDK. Debian's emscripten keeps its prebuilt system libraries in a read-only,
# frozen cache; the toolkit needs more of them, which emcc builds into a copy of its own.
make_emsdk() {
  mkdir -p "$root$emsdk/upstream"
  echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$root$emsdk/.emscripten"
  ln -sfn /usr/share/emscripten "$root$emsdk/upstream/emscripten"
  if [ ! -f "$root$em_cache/.exisosi-complete" ]; then
    say "emscripten cache: copying Debian's into $em_cache"
    rm -rf "$root$em_cache" "$root$em_cache.partial"
    cp -a "$root/usr/share/emscripten/cache" "$root$em_cache.partial"
    touch "$root$em_cache.partial/.exisosi-complete"
    mv "$root$em_cache.partial" "$root$em_cache"
  fi
  say "emscripten: $(in_root emcc --version | head -n1)"
}

# --- 4. the toolkit for WebAssembly -------------------------------------------------------------
# build_with_progress NAME BUILD-FOLDER [BUILD-OPTION...]: the build's output goes to
# $logs/NAME.log; every 100th of ninja's steps is shown.
build_with_progress() {
  local log=$logs/$1.log
  mkdir -p "$logs"
  if ! in_root cmake --build "$2" "${@:3}" 2>&1 | tee "$log" |
    awk -F'[][/]' '/^\[[0-9]+\/[0-9]+\]/ && ($2 % 100 == 0 || $2 == $3) { print "   step " $2 " of " $3; fflush() }'; then
    grep -v '^\[[0-9]*/[0-9]*\]' "$log" | tail -n 40 >&2
    die "build failed; the whole output is in $log"
  fi
}

qt_version() { in_root dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/^[0-9]*://; s/[+-].*//'; }
build_qt() {
  local version prefix build options
  version=$(qt_version)
  prefix=$web/qt-$version-wasm
  build=$web/build/qt-$version-wasm
  if [ -f "$root$prefix/.complete" ]; then
    say "Qt $version for WebAssembly: $prefix (built before)"
    return 0
  fi
  # Static and single-threaded, and without what the program does not use: network, SQL, XML and
  # D-Bus. OpenGL stays: 6.8's wasm platform plugin has its backing store and its GL context
  # only with it, and fails to build or link without.
  options=(
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DCMAKE_INSTALL_PREFIX="$prefix"
    -DCMAKE_BUILD_TYPE=MinSizeRel
    -DBUILD_SHARED_LIBS=OFF
    -DFEATURE_thread=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_pkg_config=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  )
  # A build folder left by an earlier run with the same options goes on where it stopped; one
  # configured otherwise starts again, since options dropped from the line stay in its cache.
  if [ "$(cat "$root$build/.exisosi-options" 2>/dev/null)" != "${options[*]}" ]; then
    rm -rf "$root$build"
  fi
  say "Qt $version for WebAssembly: configuring in $build"
  mkdir -p "$root$build"
  echo "${options[*]}" >"$root$build/.exisosi-options"
  logged qt-configure in_root cmake -G Ninja -S "$srcdir/qt6-base-source" -B "$build" "${options[@]}"
  say "Qt $version for WebAssembly: building (about a quarter of an hour on 2 idle cores)"
  build_with_progress qt-build "$build"
  say "Qt $version for WebAssembly: installing into $prefix"
  logged qt-install in_root cmake --install "$build"
  touch "$root$prefix/.complete"
  rm -rf "$root$build" # 0.6 GB that no later run reads
  say "Qt $version for WebAssembly: done"
}

# --- 5. ERFA for WebAssembly --------------------------------------------------------------------
build_erfa() {
  local build=$web/build/erfa
  if [ -f "$root$erfa_prefix/.complete" ]; then
    say "ERFA for WebAssembly: $erfa_prefix (built before)"
    return 0
  fi
  say "ERFA for WebAssembly: building"
  rm -rf "$root$build" "$root$erfa_prefix"
  mkdir -p "$root$web/build"
  cp -a "$root$srcdir/erfa-source" "$root$build"
  logged erfa in_root sh -c "cd '$build' && autoreconf -fi &&
    emconfigure ./configure --host=wasm32-unknown-emscripten --disable-shared --enable-static \
      --prefix='$erfa_prefix' CFLAGS=-Os &&
    emmake make -j\"\$(nproc)\" && emmake make install"
  # Its own tests, compiled to wasm too, run under node: the library computes as it should.
  logged erfa-check in_root sh -c "cd '$build' && emmake make -j\"\$(nproc)\" check LOG_COMPILER=node"
  touch "$root$erfa_prefix/.complete"
  rm -rf "$root$build"
  say "ERFA for WebAssembly: done, its tests pass under node"
}

# --- 6. a throw-away page that proves the toolchain -------------------------------------------
# Once per toolchain: a later run finds its marker and goes on to the program.
hello() {
  local prefix dir out port png=/tmp/web-hello.png i proved
  prefix=$web/qt-$(qt_version)-wasm
  proved=$root$prefix/.exisosi-page-shown
  if [ -f "$proved" ]; then
    say "test page: shown before with this toolchain"
    return 0
  fi
  dir=$(in_root mktemp -d /tmp/web-hello.XXXXXX)
  scratch+=("$root$dir")
  say "test page: building in $dir"
  cat >"$root$dir/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.21)
project(hello LANGUAGES C CXX)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
qt_add_executable(hello main.cpp)
# The face the desktop program uses, so that the page draws Greek with the same letters. Debian 13
# keeps Liberation 2 in liberation/ (fonts-liberation2 only pulls it in), Debian 12 in liberation2/.
find_file(SANS LiberationSans-Regular.ttf REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation)
set_source_files_properties(${SANS} PROPERTIES QT_RESOURCE_ALIAS LiberationSans-Regular.ttf)
qt_add_resources(hello fonts PREFIX /fonts FILES ${SANS})
target_include_directories(hello PRIVATE ${ERFA_PREFIX}/include)
target_link_libraries(hello PRIVATE Qt6::Widgets ${ERFA_PREFIX}/lib/liberfa.a)
EOF
  cat >"$root$dir/main.cpp" <<'EOF'
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <erfa.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    if (id >= 0) {
        QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
        font.setPointSize(14);
        app.setFont(font);
    }

    double mjd0 = 0, mjd = 0;
    const int status = eraCal2jd(2000, 1, 1, &mjd0, &mjd);

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *title = new QLabel(QStringLiteral("Η εξίσωση του χρόνου"));
    QFont big = title->font();
    big.setPointSize(28);
    title->setFont(big);
    layout->addWidget(title);
    layout->addWidget(new QLabel(QStringLiteral("1/1/2000: JD %1 (eraCal2jd %2)")
                                     .arg(mjd0 + mjd, 0, 'f', 1)
                                     .arg(status)));
    layout->addWidget(new QLineEdit(QStringLiteral("Αθήνα")));
    layout->addWidget(new QPushButton(QStringLiteral("Υπολογισμός")));
    layout->addStretch();
    window.resize(640, 360);
    window.show();
    return app.exec();
}
EOF
  # Debian's host Qt turns the automatic plugin linking off, and without it the page has no wasm
  # platform plugin.
  logged hello in_root "$prefix/bin/qt-cmake" -G Ninja -S "$dir" -B "$dir/build" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DERFA_PREFIX="$erfa_prefix"
  logged hello-build in_root cmake --build "$dir/build"
  out=$root$dir/build
  for i in hello.html hello.js hello.wasm qtloader.js; do
    [ -f "$out/$i" ] || die "test page: no $i in $out"
  done
  for i in hello.wasm hello.js qtloader.js; do
    say "test page: $i $(stat -c %s "$out/$i") bytes, $(gzip -9c "$out/$i" | wc -c) with gzip -9"
  done

  host_install chromium
  # Port 0: the server picks a free one and says which.
  "${root_cmd[@]}" python3 -u -m http.server --bind 127.0.0.1 --directory "$dir/build" 0 >"$root$dir/server.log" 2>&1 &
  server_pid=$!
  port=
  for i in $(seq 50); do
    port=$(sed -n 's/.*port \([0-9][0-9]*\).*/\1/p' "$root$dir/server.log" | head -n1)
    [ -n "$port" ] && break
    sleep 0.2
  done
  [ -n "$port" ] || die "test page: the server did not start: $(cat "$root$dir/server.log")"
  say "test page: served on http://127.0.0.1:$port/hello.html, taking $png"
  local profile
  profile=$(mktemp -d)
  scratch+=("$profile")
  rm -f "$png"
  "${nice[@]}" timeout 180 chromium --headless=new --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --window-size=1024,768 --virtual-time-budget=20000 \
    --screenshot="$png" "http://127.0.0.1:$port/hello.html" >"$root$dir/chromium.log" 2>&1 || true
  kill "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  server_pid=
  [ -s "$png" ] || die "test page: chromium made no screenshot: $(tail -n5 "$root$dir/chromium.log")"
  touch "$proved"
  say "test page: $png"
}

# --- 7. the program -----------------------------------------------------------------------------
# The clone is bound into the root at $clone and built in build-web/build with the toolkit's
# qt-cmake. What a static host serves goes to build-web/: the page (its title and loading text in
# Greek), the program's loader and its WebAssembly, the toolkit's loader and the notices; and
# exisosi-VERSION-web.zip holds the same files in a folder of that name.
clone=/mnt/exisosi
served=(exisosi.html exisosi.js exisosi.wasm qtloader.js copyright.txt)
build_program() {
  local prefix version build=$clone/build-web/build out=$top/build-web made name
  prefix=$web/qt-$(qt_version)-wasm
  version=$(sed -n 's/^project(exisosi VERSION \([0-9.]*\) .*/\1/p' "$top/CMakeLists.txt")
  [ -n "$version" ] || die "program: no version in $top/CMakeLists.txt"
  mount_in_root "$clone" --bind "$top"
  mkdir -p "$out"
  say "program $version: configuring in build-web/build"
  # The emscripten toolchain looks for libraries inside its own sysroot: ERFA is named by path.
  logged program-configure in_root "$prefix/bin/qt-cmake" -G Ninja -S "$clone" -B "$build" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
    -DEXISOSI_TESTS=OFF -DEXISOSI_BENCH=OFF \
    -DERFA_INCLUDE_DIR="$erfa_prefix/include" -DERFA_LIBRARY="$erfa_prefix/lib/liberfa.a"
  say "program $version: building"
  build_with_progress program-build "$build" --target exisosi
  made=$out/build/app
  for name in exisosi.html exisosi.js exisosi.wasm qtloader.js; do
    [ -f "$made/$name" ] || die "program: the build made no $name in $made"
  done
  cp "$made/exisosi.js" "$made/exisosi.wasm" "$made/qtloader.js" "$out/"
  # The notices, then the full texts they name, from the root's Debian and the toolkit's source.
  {
    cat "$top/packaging/web/copyright.txt"
    for name in GPL-3 LGPL-3 OFL-1.1 CC-BY-4.0; do
      printf '\n\n==== %s ====\n\n' "$name"
      cat "$root/usr/share/common-licenses/$name"
    done
    printf '\n\n==== Bitstream Vera Font License (DejaVu) ====\n\n'
    cat "$root$srcdir/qt6-base-source/src/3rdparty/wasm/DEJAVU-LICENSE"
  } >"$out/copyright.txt"
  greek_page "$made/exisosi.html" "$out/exisosi.html"
  web_zip "$out/exisosi-$version-web.zip" "exisosi-$version-web"
  # What this run wrote belongs to whoever owns the clone, as the rest of it does.
  chown -R "$(stat -c %u:%g "$top")" "$out"
  for name in exisosi.wasm exisosi.js qtloader.js exisosi.html; do
    say "program: $name $(stat -c %s "$out/$name") bytes," \
      "$(gzip -9c "$out/$name" | wc -c) with gzip -9"
  done
  say "program: $out/exisosi-$version-web.zip, $(stat -c %s "$out/exisosi-$version-web.zip") bytes"
  # What a browser downloads, compressed as a web server sends it, stays within 6 MiB.
  local packed
  packed=$(gzip -9c "$out/exisosi.wasm" | wc -c)
  [ "$packed" -le $((6 * 1024 * 1024)) ] ||
    die "program: exisosi.wasm is $packed bytes with gzip -9, over its 6 MiB (6291456)"
}

# greek_page TEMPLATE OUTPUT: the toolkit's page with its English in Greek, and without the
# toolkit's logo above the loading text. Every replacement must take: a template of another
# toolkit version that words them otherwise fails here rather than showing English.
greek_page() {
  local expr
  sed -f - "$1" >"$2.partial" <<'EOF'
s|<html lang="en-us">|<html lang="el">|
s|<title>exisosi</title>|<title>Η εξίσωση του χρόνου</title>|
/<img src="qtlogo.svg"/d
s|<strong>Qt for WebAssembly: exisosi</strong>|<strong>Η εξίσωση του χρόνου</strong>|
s|JavaScript is disabled\..*application\.|Η σελίδα θέλει JavaScript.|
s|'Loading\.\.\.'|'Φόρτωση…'|
s|'Application exit'|'Το πρόγραμμα τερμάτισε'|
s|` with code \${exitData.code}`|` με κωδικό ${exitData.code}`|
EOF
  for expr in 'lang="el"' '<title>Η εξίσωση του χρόνου</title>' \
    '<strong>Η εξίσωση του χρόνου</strong>' 'θέλει JavaScript' "'Φόρτωση…'" \
    "'Το πρόγραμμα τερμάτισε'" '` με κωδικό '; do
    grep -qF -- "$expr" "$2.partial" || die "program: the page template has changed: no $expr in $2"
  done
  if grep -nE 'Loading|Application exit|with code|Qt for WebAssembly|JavaScript is|qtlogo' \
    "$2.partial"; then
    die "program: English left in the page $2"
  fi
  mv "$2.partial" "$2"
}

# web_zip ZIP FOLDER: the served files in ZIP, inside FOLDER, compressed.
web_zip() {
  (cd "$top/build-web" && python3 - "$1" "$2" "${served[@]}") <<'EOF'
import os, sys, zipfile
archive, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
with zipfile.ZipFile(archive + ".partial", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as out:
    for name in names:
        out.write(name, folder + "/" + name)
os.replace(archive + ".partial", archive)
EOF
}

make_root
mount_root
install_root_packages
fetch_source qt6-base qt6-base-source
fetch_source erfa erfa-source
make_emsdk
build_qt
build_erfa
say "toolchain ready: Qt $root$web/qt-$(qt_version)-wasm, ERFA $root$erfa_prefix"
[ "$toolchain_only" -eq 1 ] && exit 0
hello
build_program
say "done"
