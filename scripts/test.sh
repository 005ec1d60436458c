#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
BUILD_DIR=build CMAKE_ARGS="-DEXISOSI_WERROR=ON ${CMAKE_ARGS:-}" scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 300
