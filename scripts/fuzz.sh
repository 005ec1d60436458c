#!/usr/bin/env bash
# The long fuzz run: builds the libFuzzer targets (clang, ASan, UBSan) into build-fuzz/ and runs
# each for SECONDS_PER_TARGET seconds (default 600), one after the other, through CTest (the
# sanitize test preset, label fuzz: the same command and sanitizer options as the short runs of
# test.sh), keeping what they learn in build-fuzz/tests/fuzz/<target>.run/corpus. Findings are
# written there as crash-*, leak-*, timeout-* or oom-*; the script fails when there is one.
#   scripts/fuzz.sh [target...]      the long run (all three targets by default)
#   scripts/fuzz.sh --figures        only print the figures of the last runs (used by test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(fuzz_read_number fuzz_input fuzz_formstart)
dir=build-fuzz/tests/fuzz

# The last value libFuzzer gave for a statistic in a target's output.
stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n1; }

figures() {
  # One line per target from libFuzzer's final statistics (-print_final_stats=1) in the output
  # of its last run, which run-target.sh keeps in <target>.run/last.log.
  local found=0
  for t in "${targets[@]}"; do
    local log=$dir/$t.run/last.log
    [ -s "$log" ] || { echo "$t: no run logged"; continue; }
    local corpus artifacts
    corpus=$(find "$dir/$t.run/corpus" -type f 2>/dev/null | wc -l)
    artifacts=$(find "$dir/$t.run" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    found=$((found + artifacts))
    echo "$t: $(stat number_of_executed_units "$log" || true) executions" \
      "($(stat average_exec_per_sec "$log" || true)/s)," \
      "$(stat new_units_added "$log" || true) new inputs, corpus $corpus, findings $artifacts"
  done
  return $((found > 0))
}

if [ "${1:-}" = --figures ]; then
  echo "Fuzz figures of this run:"
  figures
  exit $?
fi

[ $# -gt 0 ] && targets=("$@")
seconds=${SECONDS_PER_TARGET:-600}
scripts/deps.sh test
# The sanitize preset's folder, as test.sh's; only the fuzz targets are built here.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)" --target "${targets[@]}"
for t in "${targets[@]}"; do
  echo "== $t for $seconds s"
  EXISOSI_FUZZ_SECONDS=$seconds ctest --preset sanitize -L '^fuzz$' -R "^$t\$" \
    --timeout $((seconds + 600)) || true
done
echo "Fuzz figures:"
figures
