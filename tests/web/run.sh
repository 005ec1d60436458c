#!/usr/bin/env bash
# The web build checked in a real browser against the Linux program (CTest's web_browser, labels
# web, system and release: `ctest --preset release-check -R web_browser`). Makes the web build with
# scripts/web.sh when build-web/ lacks it or is older than the sources (root, and the first time
# the network and about half an hour), then runs tests/web/tst_web.py on an X display of its own
# (scripts/with-display.sh): the Linux program there, the page in Debian's headless chromium.
# Usage: tests/web/run.sh LINUX_PROGRAM [SHOTS_FOLDER]
#   EXISOSI_WEB_BUILD names another folder holding the web build, used as it is.
#   Exit 77 (skipped) when the web build, chromium or a tool is missing and there is no root or
#   sudo to make or install it.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 LINUX_PROGRAM [SHOTS_FOLDER]" >&2; exit 2; }
linux_program=$(realpath "$1")
shots=${2:-}
[ -x "$linux_program" ] || fail "no Linux program at $1"
can_root() { [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null; }
skip() { echo "web-test: $*; skipped" >&2; exit 77; }

web=${EXISOSI_WEB_BUILD:-$top/build-web}
files=(exisosi.html exisosi.js exisosi.wasm qtloader.js)
stale() {
  local f
  for f in "${files[@]}"; do [ -f "$web/$f" ] || return 0; done
  # A source, a resource or a build file changed since the last web build.
  [ -n "$(find "$top/CMakeLists.txt" "$top"/{app,input,model,places,translations,ui,views} \
    -newer "$web/exisosi.wasm" -type f -print -quit)" ]
}
if [ -z "${EXISOSI_WEB_BUILD:-}" ] && stale; then
  can_root || skip "no web build in $web, and no root or sudo to make one"
  echo "web-test: making the web build (scripts/web.sh)"
  bash "$top/scripts/web.sh"
fi
for f in "${files[@]}"; do [ -f "$web/$f" ] || fail "no $f in $web"; done

tools=(chromium:chromium Xvfb:xvfb xdotool:xdotool xwininfo:x11-utils xclip:xclip
  import:imagemagick pdfinfo:poppler-utils pdftotext:poppler-utils)
missing=()
for t in "${tools[@]}"; do command -v "${t%%:*}" >/dev/null || missing+=("${t#*:}"); done
if [ ${#missing[@]} -gt 0 ]; then
  can_root || skip "missing ${missing[*]}, and no root or sudo to install them"
  install_missing "${missing[@]}"
fi

exec bash "$top/scripts/with-display.sh" --screen 1024x768 -- \
  python3 "$top/tests/web/tst_web.py" --linux "$linux_program" --web "$web" \
  ${shots:+--shots "$shots"}
