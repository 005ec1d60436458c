#!/usr/bin/env bash
# Renders the program's icon from its drawings in packaging/icons into the files that are
# committed beside them, so that building and packaging need no SVG renderer:
# - packaging/icons/NxN.png for N = 16, 24, 32, 48, 64, 128, 256, which the install puts in the
#   hicolor theme (16 and 24 from the drawings made for those sizes, the rest from exisosi.svg);
# - packaging/windows/exisosi.ico, the Windows program's icon, of the same PNGs at 16, 24, 32, 48,
#   64 and 256 (256 kept as PNG, as Windows reads it, the rest as bitmaps).
# Run it after changing a drawing and commit what it changes; the same drawings give the same
# files again. rsvg-convert comes with librsvg2-bin, icotool with icoutils.
# Usage: scripts/update-icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in rsvg-convert:librsvg2-bin icotool:icoutils; do
  command -v "${tool%%:*}" >/dev/null || {
    echo "${tool%%:*} is missing (apt-get install ${tool#*:})" >&2
    exit 1
  }
done

icons=packaging/icons
for size in 16 24 32 48 64 128 256; do
  drawing=$icons/exisosi.svg
  [ -f "$icons/exisosi-$size.svg" ] && drawing=$icons/exisosi-$size.svg
  rsvg-convert --width "$size" --height "$size" --output "$icons/${size}x$size.png" "$drawing"
done
icotool --create --output packaging/windows/exisosi.ico \
  "$icons"/{16x16,24x24,32x32,48x48,64x64}.png --raw="$icons/256x256.png"
echo "rendered $(cd "$icons" && echo *x*.png) and packaging/windows/exisosi.ico"
