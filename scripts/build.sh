#!/usr/bin/env bash
# Configures and builds one of the CMake presets (CMakePresets.json): ci by default.
# Usage: scripts/build.sh [PRESET] [cmake --build options...], e.g. scripts/build.sh ci --target exisosi
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-ci}
shift || true
cmake --preset "$preset" ${CMAKE_ARGS:-} >/dev/null
cmake --build --preset "$preset" -j"$(nproc)" "$@"
