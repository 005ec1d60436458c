#!/usr/bin/env bash
# Installs a build folder into a scratch root with `cmake --install` and checks what lands there:
# the program, a desktop entry that starts it, its icon, AppStream metainfo that validates, the
# manual page, the copyright file and the changelog.
# Usage: packaging/check-install.sh BUILD_DIR
set -euo pipefail
# shellcheck source=SCRIPTDIR/../scripts/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
build=${1:?usage: $0 BUILD_DIR}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail_prefix="FAIL: "

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
desktop=$share/applications/org.exisosi.exisosi.desktop
metainfo=$share/metainfo/org.exisosi.exisosi.metainfo.xml
[ -x "$root/usr/bin/exisosi" ] || fail "no program at bin/exisosi"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"
# Hardened as Debian builds its programs: position-independent, relocations resolved at start
# and read-only, and the stack protector linked in (the canary's failure path).
program=$root/usr/bin/exisosi
elf=$(readelf -hldW --dyn-syms "$program")
grep -q 'Type: *DYN' <<<"$elf" || fail "the program is not position-independent"
grep -q GNU_RELRO <<<"$elf" || fail "the program has no RELRO segment"
grep -q BIND_NOW <<<"$elf" || fail "the program is not linked with -z now"
grep -q __stack_chk_fail <<<"$elf" || fail "the program carries no stack protector"

# The desktop entry: valid, Greek name and comment, the menus it belongs to, what it runs.
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "Η εξίσωση του χρόνου" ] || fail "Name is '$(entry Name)'"
entry Comment | grep -q 'ηλιακό ρολόι' || fail "Comment is '$(entry Comment)'"
# One main category (else a menu may list the program twice), and Astronomy beneath it.
mains='AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings'
main=$(entry Categories | tr ';' '\n' | grep -xE "$mains|System|Utility" || true)
[ "$main" = Education ] || fail "main categories are '$main', not Education alone"
entry Categories | tr ';' '\n' | grep -qx Astronomy || fail "not in category Astronomy"
if desktop-file-validate "$desktop" | grep .; then fail "desktop-file-validate has remarks"; fi
[ -x "$root/usr/bin/$(entry Exec)" ] || fail "Exec '$(entry Exec)' is not the installed program"
# The icon the entry names, in the hicolor theme under the application's id: the drawing, with
# no picture embedded in it, and a PNG of each size whose header says the size its folder does.
icon=$(entry Icon)
[ "$icon" = org.exisosi.exisosi ] || fail "Icon is '$icon'"
hicolor=$share/icons/hicolor
svg=$hicolor/scalable/apps/$icon.svg
[ -f "$svg" ] || fail "no scalable icon"
grep -q '<svg ' "$svg" || fail "the scalable icon is not an SVG drawing"
if grep -q '<image' "$svg"; then fail "the scalable icon embeds a picture"; fi
for size in 16 24 32 48 64 128 256; do
  png=$hicolor/${size}x$size/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}x$size icon"
  [ "$(od -An -tx1 -N16 "$png" | tr -d ' \n')" = 89504e470d0a1a0a0000000d49484452 ] ||
    fail "the ${size}x$size icon is not a PNG"
  # The header's first chunk gives the width and height, as 4-byte big-endian numbers.
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs)" = "$size $size" ] ||
    fail "the ${size}x$size icon is $(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs) pixels"
done

# The metainfo: no remark, pedantic ones included, but for two that state facts rather than
# faults, each known to one AppStream version alone:
# - url-homepage-missing (1.0, Debian 13; a warning, which fails the validation): the program
#   has no web page to link to. It is lowered to an info and let through.
# - unknown-tag developer (0.16, Debian 12; an info): <developer> is 1.0's form, which deprecates
#   0.16's <developer_name>; 0.16 only notes the tag it does not know yet.
# And it launches the desktop entry installed beside it, and names its icon.
validate=(appstreamcli validate --pedantic --no-net --no-color)
appstreamcli --version | grep -q 'version: 0\.' || validate+=(--override=url-homepage-missing=info)
validation=$("${validate[@]}" "$metainfo") || fail "appstreamcli rejects the metainfo: $validation"
remarks=$(grep -E '^[EWIP]: ' <<<"$validation" |
  grep -vE '^I: [^:]+:(~|[0-9]+): (url-homepage-missing|unknown-tag developer)$' || true)
[ -z "$remarks" ] || fail "appstreamcli remarks: $validation"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $(basename "$desktop")"
grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "the metainfo names no icon $icon"
# The manual page, the copyright file and the changelog, gzipped where Debian gzips them.
for file in man/man1/exisosi.1.gz doc/exisosi/copyright doc/exisosi/changelog.gz; do
  [ -f "$share/$file" ] || fail "no $file"
done
gzip -t "$share/man/man1/exisosi.1.gz" "$share/doc/exisosi/changelog.gz" || fail "a .gz is broken"
# One version throughout: the build's, the newest release of the metainfo (releases run newest
# first), the changelog's top entry and the manual page's footer.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "the build names no version"
release=$(grep -om1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's newest release is '$release', not $version"
top=$(gzip -dc "$share/doc/exisosi/changelog.gz" | sed -n 1p)
[[ $top == "exisosi ($version) "* ]] || fail "the changelog begins '$top', not with $version"
heading=$(gzip -dc "$share/man/man1/exisosi.1.gz" | grep '^\.TH ')
[[ $heading == *" \"exisosi $version\" "* ]] || fail "the manual page's heading is '$heading'"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  "$share/doc/exisosi/copyright" || fail "the copyright file is not machine-readable (DEP-5)"

echo "install tree checked: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
