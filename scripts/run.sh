#!/usr/bin/env bash
# Installs what is missing, builds the program alone and opens the window. Without a display the
# window is run on a virtual display (scripts/with-display.sh) until it shows, and a screenshot of
# it is saved.
# It builds the release preset into build/ (warnings shown, not errors: a newer compiler's new
# warning must not stop a user's build), the folder the README's install commands take.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh release --target exisosi
program=build/app/exisosi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
shot=${SCREENSHOT:-$PWD/shots/exisosi.png}
mkdir -p "$(dirname "$shot")"
# The screen is one colour until the window is on it, painted: take screenshots until one shows
# more than a few colours (for up to 30 s), and keep that one.
# shellcheck disable=SC2016 # the script's variables are its own
scripts/with-display.sh -- bash -c '
  shot=$2
  "$1" &
  pid=$!
  trap "kill $pid 2>/dev/null" EXIT
  for _ in $(seq 150); do
    import -window root "$shot" 2>/dev/null && [ "$(identify -format %k "$shot")" -gt 16 ] && exit 0
    kill -0 $pid 2>/dev/null || { echo "the program stopped" >&2; exit 1; }
    sleep 0.2
  done
  echo "the window did not appear within 30 s" >&2
  exit 1' run "$program" "$shot"
echo "No display: ran the window under Xvfb and saved a screenshot to $shot"
