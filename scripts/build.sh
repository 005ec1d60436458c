#!/usr/bin/env bash
# Configures and builds one of the CMake presets (CMakePresets.json): release (the users' build,
# into build/) by default.
# Usage: scripts/build.sh [PRESET] [cmake --build options...], e.g. scripts/build.sh release --target exisosi
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
shift || true
# The configure step's messages show, such as the one that says a benchmark is left out.
cmake --preset "$preset" ${CMAKE_ARGS:-}
cmake --build --preset "$preset" -j"$(nproc)" "$@"
