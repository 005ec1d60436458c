#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test. Then builds the
# suite again with clang, AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ (which
# also holds the libFuzzer targets of tests/fuzz) and runs it there with a short run of each fuzz
# target. EXISOSI_SANITIZE_RUN=0 leaves the second half out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
BUILD_DIR=build CMAKE_ARGS="-DEXISOSI_WERROR=ON ${CMAKE_ARGS:-}" scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)" --timeout 300)

[ "${EXISOSI_SANITIZE_RUN:-1}" = 0 ] && exit 0

# The same suite under ASan and UBSan (any finding fails its test), with each fuzz target run
# for EXISOSI_FUZZ_SECONDS (10) over its seeds. The end-to-end tests of tests/e2e (the program
# under Xvfb, its package) are left out here: they ran on the build above, and the time is better
# spent on the rest. The random-use test plays fewer actions and refreshes than above (5 000 and
# 2 000 instead of 20 000 and 10 000), for the same reason.
BUILD_DIR=build-fuzz CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DEXISOSI_FUZZ=ON \
  -DEXISOSI_FUZZ_SECONDS=${EXISOSI_FUZZ_SECONDS:-10}" scripts/build.sh
source tests/fuzz/sanitizer-options.sh
e2e=$(cd build-fuzz/tests/e2e && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p' | paste -sd'|')
(cd build-fuzz && EXISOSI_RANDOM_ACTIONS=${EXISOSI_RANDOM_ACTIONS:-5000} \
  EXISOSI_OBJECT_REFRESHES=${EXISOSI_OBJECT_REFRESHES:-2000} \
  ctest --output-on-failure -j"$(nproc)" --timeout 600 ${e2e:+-E "^($e2e)\$"})
scripts/fuzz.sh --figures
