#!/usr/bin/env bash
# Benchmarks the program against the floors of its design (bench/) and prints one table:
#   start-up to the first painted frame, offscreen and under Xvfb: wall time (hyperfine, the
#   three programs side by side, with warm-up), peak resident memory at that frame, and
#   instructions (callgrind);
#   the refresh (Form_Resize and a render of the whole window) of the diagram, the table and the
#   reminder against an empty render, plus for the diagram the same operations drawn straight
#   (Google Benchmark, repetitions interleaved; instructions of the measured steps under callgrind);
#   what a user's actions cost, each with the repaint the toolkit then does (the same button
#   again, the same zone, a restore after minimising, a month change, a longitude change, a view
#   switch, the diagram copied), in callgrind instructions, the diagram also at QT_SCALE_FACTOR 2;
#   resident memory and heap in use after 10 and after REFRESHES refreshes.
# Builds with the preset "bench" (build-bench/). Not a test: wall times depend on the machine
# and on what else runs on it; the instruction counts hardly do.
# Knobs: RUNS (hyperfine runs of each start-up program, 20), WARMUP (3), REPETITIONS (refresh
# repetitions, 10), REFRESHES (for the memory figures, 10000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

# Everything runs on a display of its own (scripts/with-display.sh, 1024x768) and inside one
# private session bus, so that no program starts a bus of its own. The bus daemon's own
# complaints (it may not raise its file limit) are dropped. Only the start-up under Xvfb is given
# the display.
if [ -z "${EXISOSI_BENCH_BUS:-}" ]; then
  EXISOSI_BENCH_BUS=1 exec scripts/with-display.sh -- dbus-run-session -- bash "$0" "$@" \
    2> >(grep -v 'Failed to set fd limit' >&2)
fi
x_display=${DISPLAY:?}
unset DISPLAY

runs=${RUNS:-20}
warmup=${WARMUP:-3}
repetitions=${REPETITIONS:-10}
refreshes=${REFRESHES:-10000}

cmake --preset bench
cmake --build --preset bench -j"$(nproc)" >/dev/null

build=$PWD/build-bench
bench=$build/bench
program=$bench/exisosi-firstframe
design=("$bench/exisosi-floor" design)
bare=$bench/exisosi-floor

work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime

# The instructions callgrind collected in one run of a command (only the measured steps where
# the program says which they are).
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" --log-file="$work/vg.log" \
    "$@" >"$work/vg.out" || { cat "$work/vg.log" >&2; return 1; }
  sed -n 's/^==[0-9]*== Collected : //p' "$work/vg.log"
}

# The median peak resident memory (kB) at the first frame, over five runs.
peak() {
  for _ in 1 2 3 4 5; do "$@"; done | sed -n 's/^hwm_kb=\([0-9]*\).*/\1/p' | sort -n | sed -n 3p
}

# One row: what, the program's figure, the design floor's, the bare floor's (either may be "-"),
# the decimals to show, the goal.
row() {
  awk -v what="$1" -v a="$2" -v d="$3" -v b="$4" -v n="$5" -v goal="$6" 'BEGIN {
    f = "%." n "f"
    rd = d == "-" ? "" : sprintf("%.3f×", a / d)
    rb = b == "-" ? "" : sprintf("%.3f×", a / b)
    printf "| %s | " f " | %s | %s | %s | %s | %s |\n", what, a, \
      d == "-" ? "" : sprintf(f, d), rd, b == "-" ? "" : sprintf(f, b), rb, goal }'
}

startup() { # LABEL: the three programs on the platform the environment selects
  local label=$1 json=$work/startup-$1.json
  hyperfine -N --style basic --warmup "$warmup" --runs "$runs" --export-json "$json" \
    -n exisosi -n "design floor" -n "bare floor" "$program" "${design[*]}" "$bare" \
    >"$build/bench-startup-$label.txt" 2>&1
  local wall=($(jq -r '.results[].median * 1000' "$json"))
  row "start-up, $label: wall to first frame, median of $runs (ms)" "${wall[@]}" 1 ""
  row "start-up, $label: peak resident at first frame (MB)" \
    "$(peak "$program" | awk '{print $1 / 1024}')" \
    "$(peak "${design[@]}" | awk '{print $1 / 1024}')" \
    "$(peak "$bare" | awk '{print $1 / 1024}')" 1 "≤ 1.02×"
  row "start-up, $label: instructions to first frame (millions)" \
    "$(instructions "$program" | awk '{print $1 / 1e6}')" \
    "$(instructions "${design[@]}" | awk '{print $1 / 1e6}')" \
    "$(instructions "$bare" | awk '{print $1 / 1e6}')" 1 "≤ 1.00×"
}

table=$build/bench-table.md
{
  echo "Machine: $(sed -n 's/^model name[[:space:]]*: *//p' /proc/cpuinfo | head -n1)," \
    "$(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GB," \
    "Debian $(cat /etc/debian_version), Linux $(uname -r)," \
    "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')," \
    "load $(cut -d' ' -f1-3 /proc/loadavg) at the start, $(date -u '+%Y-%m-%d %H:%M UTC')," \
    "commit $(git rev-parse --short HEAD 2>/dev/null || echo '?')$(git diff --quiet HEAD -- \
      2>/dev/null || echo ' with uncommitted changes')"
  echo
  echo "Fonts installed: $(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 'fonts-*' |
    awk '$1 == "ii" {print $2}' | paste -sd' ')"
  echo
  echo "| measure | exisosi | design floor | ratio | bare floor | ratio | goal |"
  echo "|---|---|---|---|---|---|---|"
} | tee "$table"

QT_QPA_PLATFORM=offscreen startup offscreen | tee -a "$table"

DISPLAY=$x_display QT_QPA_PLATFORM=xcb startup Xvfb | tee -a "$table"

export QT_QPA_PLATFORM=offscreen
refresh=$bench/exisosi-bench-refresh
"$refresh" --benchmark_filter='^(refresh|empty|straight)/' \
  --benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_out_format=json \
  --benchmark_out="$work/refresh.json" >"$build/bench-refresh.txt" 2>&1
median() { jq -r --arg n "$1" '.benchmarks[] | select(.run_name == $n and .aggregate_name ==
  "median") | .real_time' "$work/refresh.json"; }
# Under callgrind each benchmark runs a few iterations, counting only the measured steps.
per_step() {
  instructions --collect-atstart=no "$refresh" --benchmark_filter="^$1/" \
    --benchmark_out_format=json --benchmark_out="$work/one.json" >/dev/null 2>&1
  local collected
  collected=$(sed -n 's/^==[0-9]*== Collected : //p' "$work/vg.log")
  jq -r --arg c "$collected" '.benchmarks[0] | ($c | tonumber) / .iterations / 1e6' \
    "$work/one.json"
}
{
  row "refresh, diagram: Form_Resize + render vs empty render + straight drawing, median of \
$repetitions (ms)" "$(median refresh/diagram)" "$(median straight/diagram)" \
    "$(median empty/diagram)" 2 ""
  for view in table reminder; do
    row "refresh, $view: Form_Resize + render vs empty render, median of $repetitions (ms)" \
      "$(median refresh/$view)" "$(median empty/$view)" - 2 ""
  done
  row "refresh, diagram: Form_Resize + render vs empty render + straight drawing \
(instructions, millions)" "$(per_step refresh/diagram)" "$(per_step straight/diagram)" \
    "$(per_step empty/diagram)" 2 "≤ 1.05×"
  for view in table reminder; do
    empty=$(per_step empty/$view)
    row "refresh, $view: Form_Resize + render vs empty render (instructions, millions)" \
      "$(per_step refresh/$view)" "$empty" - 2 "≤ 1.05×"
    row "refresh, $view, the same degrees again: Form_Resize + render vs empty render \
(instructions, millions)" "$(per_step refresh-same/$view)" "$empty" - 2 ""
  done
} | tee -a "$table"

# What the user pays: each action and the repaint the toolkit then does, in instructions
# (millions). The comparison goes in the design floor's column.
{
  for view in diagram table reminder; do
    row "repeated refresh, $view: its button again + repaint" "$(per_step repeat/$view)" - - 2 \
      "≤ 1 M"
  done
  row "repeated refresh, diagram: the same zone picked again + repaint" \
    "$(per_step repeat/zone)" - - 2 "≤ 1 M"
  for view in diagram table; do
    row "repeated refresh, $view: restored after minimising + repaint" \
      "$(per_step restore/$view)" - - 2 "≤ 1 M"
  done
  row "month change: the next month picked, table on show, + repaint vs 9.5 M before" \
    "$(per_step month)" 9.5 - 2 "≤ 0.6×"
  longitude=$(per_step longitude/diagram)
  row "longitude change, diagram: other degrees, its button + repaint" "$longitude" - - 2 ""
  row "longitude change, table: other degrees, its button + repaint" \
    "$(per_step longitude/table)" - - 2 ""
  row "view switch: diagram to table + repaint" "$(per_step switch/table)" - - 2 ""
  row "view switch: table to diagram + repaint" "$(per_step switch/diagram)" - - 2 ""
  row "diagram, longitude change + repaint: scale 2 vs scale 1" \
    "$(QT_SCALE_FACTOR=2 per_step longitude/diagram)" "$longitude" - 2 "≤ 3×"
  row "diagram, Form_Resize + render of the whole window: scale 2 vs scale 1" \
    "$(QT_SCALE_FACTOR=2 per_step refresh/diagram)" "$(per_step refresh/diagram)" - 2 "≤ 3×"
  row "diagram copy (CopyShownView) vs the diagram's longitude change + repaint, scale 1" \
    "$(per_step copy/diagram)" "$longitude" - 2 "≤ 3×"
  row "diagram copy at scale 2 vs the diagram's longitude change + repaint at scale 1" \
    "$(QT_SCALE_FACTOR=2 per_step copy/diagram)" "$longitude" - 2 ""
  # A calendar year: choosing one, and the everyday actions in it against the standard year's.
  row "calendar year: chosen, its Sun computed, and the diagram redrawn" \
    "$(per_step year/choose)" - - 2 "≤ 300 M"
  row "calendar year, longitude change, diagram, vs the standard year's" \
    "$(per_step year/longitude/diagram)" "$longitude" - 2 "≤ 1.2×"
  row "calendar year, longitude change, table, vs the standard year's" \
    "$(per_step year/longitude/table)" "$(per_step longitude/table)" - 2 "≤ 1.2×"
  row "calendar year, zone pick, diagram, vs the standard year's" \
    "$(per_step year/zone)" "$(per_step zone)" - 2 "≤ 1.2×"
  row "calendar year, view switch to the table, vs the standard year's" \
    "$(per_step year/switch/table)" "$(per_step switch/table)" - 2 "≤ 1.2×"
  row "calendar year, view switch to the diagram, vs the standard year's" \
    "$(per_step year/switch/diagram)" "$(per_step switch/diagram)" - 2 "≤ 1.2×"
} | tee -a "$table"

"$refresh" --benchmark_filter='^memory' --refreshes="$refreshes" \
  --benchmark_out_format=json --benchmark_out="$work/memory.json" >"$build/bench-memory.txt" 2>&1
counter() { jq -r ".benchmarks[0].$1" "$work/memory.json"; }
{
  row "memory: resident after $refreshes refreshes vs after 10 (MB)" \
    "$(counter resident_n_kB | awk '{print $1 / 1024}')" \
    "$(counter resident_10_kB | awk '{print $1 / 1024}')" - 2 "flat"
  row "memory: heap in use after $refreshes refreshes vs after 10 (kB)" \
    "$(counter heap_n_kB)" "$(counter heap_10_kB)" - 1 "flat"
} | tee -a "$table"
{
  echo
  echo "Load $(cut -d' ' -f1-3 /proc/loadavg) at the end, $(date -u '+%Y-%m-%d %H:%M UTC')."
} | tee -a "$table"
echo
echo "The table is also in $table; the tools' own reports are beside it (bench-*.txt)."
