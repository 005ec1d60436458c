#!/usr/bin/env bash
# Installs what is missing, builds the program alone and opens the window. Without a display the
# window is run under Xvfb until it shows, and a screenshot of it is saved.
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
number=$(mktemp)
# Xvfb picks a free display and writes its number.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$number" 2>/dev/null &
xvfb=$!
program_pid=
trap 'kill $program_pid $xvfb 2>/dev/null || true; rm -f "$number"' EXIT
for _ in $(seq 50); do [ -s "$number" ] && break; sleep 0.1; done
display=:$(head -n1 "$number")
DISPLAY=$display "$program" &
program_pid=$!
# The screen is one colour until the window is on it, painted: take screenshots until one shows
# more than a few colours (for up to 30 s), and keep that one.
for _ in $(seq 150); do
  DISPLAY=$display import -window root "$shot" 2>/dev/null &&
    [ "$(identify -format %k "$shot")" -gt 16 ] && break
  kill -0 "$program_pid" 2>/dev/null || { echo "the program stopped" >&2; exit 1; }
  sleep 0.2
done
[ "$(identify -format %k "$shot" 2>/dev/null || echo 0)" -gt 16 ] || {
  echo "the window did not appear within 30 s" >&2
  exit 1
}
echo "No display: ran the window under Xvfb and saved a screenshot to $shot"
