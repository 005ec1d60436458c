#!/usr/bin/env bash
# Installs a build folder into a scratch root with `cmake --install` and checks what lands there:
# the program, a desktop entry that starts it, and AppStream metainfo that validates.
# Usage: packaging/check-install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
desktop=$share/applications/org.exisosi.exisosi.desktop
metainfo=$share/metainfo/org.exisosi.exisosi.metainfo.xml
[ -x "$root/usr/bin/exisosi" ] || fail "no program at bin/exisosi"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"

# The desktop entry: valid, Greek name and comment, the menus it belongs to, what it runs.
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "Η εξίσωση του χρόνου" ] || fail "Name is '$(entry Name)'"
entry Comment | grep -q 'ηλιακό ρολόι' || fail "Comment is '$(entry Comment)'"
for category in Education Science; do
  entry Categories | tr ';' '\n' | grep -qx "$category" || fail "not in category $category"
done
[ -x "$root/usr/bin/$(entry Exec)" ] || fail "Exec '$(entry Exec)' is not the installed program"
# The window keeps the toolkit's own icon, so the menu shows a generic one from the theme.
[ "$(entry Icon)" = "application-x-executable" ] || fail "Icon is '$(entry Icon)'"

# The metainfo: no errors (nor warnings), and it launches the desktop entry installed beside it.
appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $(basename "$desktop")"
echo "install tree checked: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
