#!/usr/bin/env bash
# Benchmarks the program against the toolkit's floor (bench/) and prints one table:
#   start-up to the first painted frame, offscreen and under Xvfb: wall time, peak resident
#   memory and instructions (callgrind), exisosi against the bare window, alternating runs;
#   the refresh (Form_Resize and a render of the whole window) against a render with empty
#   pictures, for the diagram, the table and the reminder;
#   resident memory and heap in use after 10 and after many refreshes.
# Builds into build-bench/ (or BUILD_DIR), RelWithDebInfo. Not a test: wall times depend on the
# machine and on what else runs on it; the instruction counts hardly do.
# Knobs: RUNS (plain start-up runs of each program, 10), CALLGRIND_RUNS (3), ROUNDS (refresh
# rounds per view, 60), REFRESHES (for the memory figures, 10000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
build=${BUILD_DIR:-build-bench}
runs=${RUNS:-10}
callgrind_runs=${CALLGRIND_RUNS:-3}
rounds=${ROUNDS:-60}
refreshes=${REFRESHES:-10000}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target exisosi-firstframe exisosi-floor \
  exisosi-bench-startup exisosi-bench-refresh >/dev/null
bench=$PWD/$build/bench

runtime=$(mktemp -d)
chmod 700 "$runtime"
number=$(mktemp)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$runtime" "$number"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime

# Everything runs inside one private session bus, so that no program starts a bus of its own.
# The bus daemon's own complaints (it may not raise its file limit) are dropped.
session() { dbus-run-session -- "$@" 2> >(grep -v 'Failed to set fd limit' >&2); }

table=$build/bench-table.md
{
  echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n1), $(nproc) cores," \
    "$(free -g | awk '/^Mem:/ {print $2}') GB," \
    "Debian $(cat /etc/debian_version), Linux $(uname -r)," \
    "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')," \
    "load $(cut -d' ' -f1-3 /proc/loadavg) at the start, $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo
  echo "| measure | exisosi | baseline | ratio | goal |"
  echo "|---|---|---|---|---|"
} | tee "$table"

QT_QPA_PLATFORM=offscreen session "$bench/exisosi-bench-startup" offscreen "$runs" \
  "$callgrind_runs" "$bench/exisosi-firstframe" "$bench/exisosi-floor" | tee -a "$table"

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$number" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$number" ] && break; sleep 0.1; done
DISPLAY=:$(head -n1 "$number") QT_QPA_PLATFORM=xcb session "$bench/exisosi-bench-startup" Xvfb \
  "$runs" "$callgrind_runs" "$bench/exisosi-firstframe" "$bench/exisosi-floor" | tee -a "$table"

export QT_QPA_PLATFORM=offscreen
session "$bench/exisosi-bench-refresh" "$rounds" | tee -a "$table"
session "$bench/exisosi-bench-refresh" --callgrind | tee -a "$table"
session "$bench/exisosi-bench-refresh" --memory "$refreshes" | tee -a "$table"
echo
echo "The table is also in $table"
