#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds the CI preset (g++, warnings as errors)
# into build-ci/ and runs every test of its test preset. Then builds the sanitize preset (clang,
# AddressSanitizer, UndefinedBehaviorSanitizer, the libFuzzer targets of tests/fuzz, warnings as
# errors) into build-fuzz/ and runs the suite there with a short run of each fuzz target.
# EXISOSI_SANITIZE_RUN=0 leaves the second half out.
# Tests are chosen by their CTest labels (tests/CMakeLists.txt): the test that installs and
# removes the Debian package (label `system`) runs only under CI (CI=true) or as root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/check-format.sh
scripts/build.sh ci
ctest --preset ci -j"$(nproc)"
if [ "${CI:-}" = true ] || [ "$(id -u)" -eq 0 ]; then
  ctest --preset system
fi

[ "${EXISOSI_SANITIZE_RUN:-1}" = 0 ] && exit 0

# The same suite under ASan and UBSan (any finding fails its test; the options are the sanitize
# test preset's), with each fuzz target run for EXISOSI_FUZZ_SECONDS (10) over its seeds. The
# preset leaves out the tests labelled e2e and package (the program under Xvfb, its
# installation): they ran on the build above, and the time is better spent on the rest. The
# random-use test plays fewer actions and refreshes than above (5 000 and 2 000 instead of
# 20 000 and 10 000), for the same reason.
scripts/build.sh sanitize
EXISOSI_FUZZ_SECONDS=${EXISOSI_FUZZ_SECONDS:-10} \
  EXISOSI_RANDOM_ACTIONS=${EXISOSI_RANDOM_ACTIONS:-5000} \
  EXISOSI_OBJECT_REFRESHES=${EXISOSI_OBJECT_REFRESHES:-2000} \
  ctest --preset sanitize -j"$(nproc)"
scripts/fuzz.sh --figures
