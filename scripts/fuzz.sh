#!/usr/bin/env bash
# The long fuzz run: builds the libFuzzer targets (clang, ASan, UBSan) into build-fuzz/ and runs
# each for SECONDS_PER_TARGET seconds (default 600), one after the other, keeping what they learn
# in build-fuzz/tests/fuzz/<target>.run/corpus. Findings are written there as crash-*, leak-*,
# timeout-* or oom-*; the script fails when there is one.
#   scripts/fuzz.sh [target...]      the long run (all three targets by default)
#   scripts/fuzz.sh --figures        only print the figures of the last runs (used by test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(fuzz_read_number fuzz_input fuzz_formstart)
dir=build-fuzz/tests/fuzz

figures() {
  # One line per target from its last log: executions, speed, corpus, findings.
  local found=0
  for t in "${targets[@]}"; do
    local log=$dir/$t.run/last.log
    if [ "${1:-}" = ctest ]; then
      # The short runs under CTest: their output is in CTest's log.
      log=$dir/$t.run/ctest.log
      awk -v t="$t" '$0 ~ "^[0-9]+/[0-9]+ Test: "t"$" {on=1; next} on && /^"?[0-9]+\/[0-9]+ Test: / {on=0} on' \
        build-fuzz/Testing/Temporary/LastTest.log >"$log" 2>/dev/null || true
    fi
    [ -s "$log" ] || { echo "$t: no run logged"; continue; }
    local runs speed added corpus artifacts
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
    added=$(sed -n 's/^stat::new_units_added: *//p' "$log" | tail -n1)
    corpus=$(find "$dir/$t.run/corpus" -type f 2>/dev/null | wc -l)
    artifacts=$(find "$dir/$t.run" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    found=$((found + artifacts))
    echo "$t: ${runs:-?} executions (${speed:-?}/s), ${added:-?} new inputs, corpus $corpus, findings $artifacts"
  done
  return $((found > 0))
}

if [ "${1:-}" = --figures ]; then
  echo "Fuzz figures of this run:"
  figures ctest
  exit $?
fi

[ $# -gt 0 ] && targets=("$@")
seconds=${SECONDS_PER_TARGET:-600}
scripts/deps.sh test
# The sanitize preset's folder, as test.sh's; only the fuzz targets are built here.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)" --target "${targets[@]}"
source tests/fuzz/sanitizer-options.sh
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$PWD/build-fuzz/xdg-runtime
mkdir -p "$XDG_RUNTIME_DIR"
for t in "${targets[@]}"; do
  mkdir -p "$dir/$t.run/corpus"
  extra=()
  [ "$t" = fuzz_formstart ] && extra=(-detect_leaks=0) # see tests/fuzz/CMakeLists.txt
  echo "== $t for $seconds s"
  "$dir/$t" -max_total_time="$seconds" -max_len=4096 -timeout=30 -rss_limit_mb=4096 \
    -print_final_stats=1 "${extra[@]}" -artifact_prefix="$dir/$t.run/" \
    "$dir/$t.run/corpus" "tests/fuzz/seeds/$t" tests/fuzz/seeds/common \
    >"$dir/$t.run/last.log" 2>&1 || true
  grep -E '^(INFO: Loaded|#[0-9]+ *DONE|==[0-9]+==ERROR|SUMMARY|.*: .*\n  on )' "$dir/$t.run/last.log" | tail -n3 || true
done
echo "Fuzz figures:"
figures
