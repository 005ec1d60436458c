#!/usr/bin/env bash
# Runs one libFuzzer target as CTest does (tests/fuzz/CMakeLists.txt) and keeps its output, which
# ends in libFuzzer's own statistics (-print_final_stats=1), in LOG as well: scripts/fuzz.sh reads
# its figures there. EXISOSI_FUZZ_SECONDS, when set, overrides the configured run time.
# Usage: run-target.sh LOG SECONDS TARGET [libFuzzer arguments...]
set -uo pipefail
log=$1
seconds=${EXISOSI_FUZZ_SECONDS:-$2}
shift 2
"$@" -max_total_time="$seconds" 2>&1 | tee "$log"
