#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds the CI preset (g++, warnings as errors)
# and runs every test. Then builds the sanitize preset (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer, the libFuzzer targets of tests/fuzz, warnings as errors) into
# build-fuzz/ and runs the suite there with a short run of each fuzz target.
# EXISOSI_SANITIZE_RUN=0 leaves the second half out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/check-format.sh
scripts/build.sh ci
ctest --preset ci -j"$(nproc)"

[ "${EXISOSI_SANITIZE_RUN:-1}" = 0 ] && exit 0

# The same suite under ASan and UBSan (any finding fails its test), with each fuzz target run
# for EXISOSI_FUZZ_SECONDS (10) over its seeds. The end-to-end tests of tests/e2e (the program
# under Xvfb, its package) are left out here: they ran on the build above, and the time is better
# spent on the rest. The random-use test plays fewer actions and refreshes than above (5 000 and
# 2 000 instead of 20 000 and 10 000), for the same reason.
CMAKE_ARGS="-DEXISOSI_FUZZ_SECONDS=${EXISOSI_FUZZ_SECONDS:-10}" scripts/build.sh sanitize
source tests/fuzz/sanitizer-options.sh
e2e=$(cd build-fuzz/tests/e2e && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p' | paste -sd'|')
EXISOSI_RANDOM_ACTIONS=${EXISOSI_RANDOM_ACTIONS:-5000} \
  EXISOSI_OBJECT_REFRESHES=${EXISOSI_OBJECT_REFRESHES:-2000} \
  ctest --preset sanitize -j"$(nproc)" ${e2e:+-E "^($e2e)\$"}
scripts/fuzz.sh --figures
