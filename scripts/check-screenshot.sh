#!/usr/bin/env bash
# Fails when the committed screenshot docs/exisosi.png no longer matches what the program shows:
# takes a fresh one with scripts/screenshot.sh (EXISOSI_PROGRAM, default build/app/exisosi) and
# counts the pixels that differ.
#
# Tolerance: a pixel differs when one of its channels is off by more than FUZZ (1% of the range,
# about 3 of 255), and the check fails when more than MAX_PIXELS (2) pixels differ.
# - The fuzz absorbs rounding in antialiasing and blending (the title bar's font, the captions'
#   and the dots' edges), where another build of the rendering libraries may move a channel by a
#   step or two; every colour the window draws on purpose differs from its neighbours by far more.
# - The count lets a stray edge pixel or two through, and nothing a person could see: a dot of the
#   diagram is 5 or 6 pixels, so one dot lower by a single pixel already changes 4; one digit of a
#   minute label ("+40min" to "+45min") changes about 50.
# - Two runs on the same machine give 0 differing pixels, even without the fuzz: screenshot.sh
#   waits until the window is still and keeps the text caret's "off" phase.
# On a mismatch the fresh picture and a picture of the differences are kept, and their paths
# printed. After a change that alters the window on purpose, take the screenshot again
# (bash scripts/screenshot.sh) and commit it with the change.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
committed=$top/docs/exisosi.png
FUZZ=1%
MAX_PIXELS=2

[ -f "$committed" ] || {
  echo "check-screenshot: no committed screenshot at $committed" >&2
  exit 1
}
work=$(mktemp -d)
keep=0
trap '[ "$keep" = 1 ] || rm -rf "$work"' EXIT

bash "$top/scripts/screenshot.sh" "$work/fresh.png" >/dev/null

want=$(identify -format '%wx%h' "$committed")
got=$(identify -format '%wx%h' "$work/fresh.png")
if [ "$want" != "$got" ]; then
  keep=1
  echo "check-screenshot: FAIL: the framed window is $got, the committed picture $want" >&2
  echo "check-screenshot: fresh picture kept at $work/fresh.png" >&2
  exit 1
fi

# compare prints the count on standard error and exits 1 when the pictures differ at all.
status=0
count=$(compare -metric AE -fuzz "$FUZZ" "$committed" "$work/fresh.png" "$work/diff.png" 2>&1) ||
  status=$?
[ "$status" -le 1 ] || {
  echo "check-screenshot: compare failed: $count" >&2
  exit 1
}
count=$(awk '{ printf "%d", $1 }' <<<"$count")
if [ "$count" -gt "$MAX_PIXELS" ]; then
  keep=1
  echo "check-screenshot: FAIL: $count pixels differ from docs/exisosi.png" \
    "(fuzz $FUZZ, at most $MAX_PIXELS allowed)" >&2
  echo "check-screenshot: fresh picture $work/fresh.png, differences $work/diff.png" >&2
  exit 1
fi
echo "check-screenshot: $count pixels differ from docs/exisosi.png (fuzz $FUZZ, at most $MAX_PIXELS allowed)"
