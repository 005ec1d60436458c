#!/usr/bin/env bash
# Writes everything the window shows, copies and prints for eight places into files whose bytes
# are the same exactly when the outputs are: a dump of one version of the code to hold against a
# dump of another, e.g. before and after a change that should change nothing the user sees.
# The places and views are the table at the top of tests/support/dump_outputs.cpp (also written
# to OUT_DIR/cases.txt). For each, at device pixel ratios 1, 1.5 and 2, in OUT_DIR/CASE/dpr-R/:
#   window.png                      the window as drawn
#   clipboard-formats.txt           the formats a copy puts on the clipboard, then one file each:
#   clipboard.txt, .html, .png      text/plain, text/html and the picture, where the copy has them
#   printed.txt                     whether the view on show and the year card printed
#   view.*, year-card.*             each printout (A4, in the orientation it is printed in), from
#                                   its PDF: .txt (pdftotext -layout), .images.txt (pdfimages
#                                   -list), .info.txt (page count and size), -page-N.png (72 dpi)
# and OUT_DIR/MANIFEST, the sha256sum of every other file.
#
# Usage: scripts/dump-outputs.sh BUILD_DIR OUT_DIR
#          builds the target dump_outputs in BUILD_DIR (configured already, with the tests) and
#          dumps into OUT_DIR, which must be new or empty
#        scripts/dump-outputs.sh --compare DIR_A DIR_B
#          names the files that differ between two dumps; fails if any does
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

usage() {
  echo "usage: $0 BUILD_DIR OUT_DIR | --compare DIR_A DIR_B" >&2
  exit 2
}

if [ "${1:-}" = --compare ]; then
  [ $# -eq 3 ] || usage
  a=$2 b=$3
  [ -d "$a" ] || fail "no dump at $a"
  [ -d "$b" ] || fail "no dump at $b"
  if differences=$(diff -rq "$a" "$b"); then
    echo "dump-outputs: identical: $a and $b ($(find "$a" -type f | wc -l) files)"
    exit 0
  fi
  echo "$differences"
  echo "dump-outputs: DIFFERENT: $(echo "$differences" | wc -l) files differ between $a and $b"
  exit 1
fi

[ $# -eq 2 ] || usage
build=$1 out=$2
[ -f "$build/CMakeCache.txt" ] || fail "$build is no configured build folder"
if [ -e "$out" ] && [ -n "$(ls -A "$out")" ]; then fail "$out is not empty"; fi
for tool in pdftotext pdfimages pdfinfo pdftoppm sha256sum; do
  command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/deps.sh test installs it)"
done

cmake --build "$build" --target dump_outputs >/dev/null
driver=$build/tests/support/dump_outputs
[ -x "$driver" ] || fail "no driver at $driver"
mkdir -p "$out"
out=$(cd "$out" && pwd)

# Qt's offscreen platform, with nothing from the caller's environment that changes the window's
# density, style or fonts' resolution.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
unset QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_AUTO_SCREEN_SCALE_FACTOR \
  QT_SCALE_FACTOR_ROUNDING_POLICY QT_FONT_DPI QT_USE_PHYSICAL_DPI QT_STYLE_OVERRIDE \
  QT_QPA_PLATFORMTHEME
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime LC_ALL=C.UTF-8
for ratio in 1 1.5 2; do
  QT_SCALE_FACTOR=$ratio "$driver" "$out"
done

# A PDF's bytes carry the moment it was made: what it prints stands in for it.
pdfs=0
while IFS= read -r -d '' pdf; do
  base=${pdf%.pdf}
  pdftotext -layout "$pdf" "$base.txt"
  pdfimages -list "$pdf" >"$base.images.txt"
  pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  pdfinfo -f 1 -l "$pages" "$pdf" | grep -E '^(Pages|Page +[0-9]+ size):' >"$base.info.txt"
  pdftoppm -r 72 -png "$pdf" "$base-page"
  rm "$pdf"
  pdfs=$((pdfs + 1))
done < <(find "$out" -name '*.pdf' -print0)

(cd "$out" && find . -type f ! -name MANIFEST -print0 | LC_ALL=C sort -z | xargs -0 sha256sum) \
  >"$out/MANIFEST"
files=$(($(wc -l <"$out/MANIFEST") + 1))
echo "dump-outputs: $files files ($pdfs printouts) in $out; MANIFEST $(sha256sum "$out/MANIFEST" |
  cut -c1-16)"
