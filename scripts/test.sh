#!/usr/bin/env bash
# Installs what is needed, builds Rozvahon with warnings as errors and runs
# the whole test suite. Tests run offscreen with the recording platform fake
# and their own temporary program folders and settings homes.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/deps.sh"
"$top/scripts/build.sh" -DROZVAHON_WERROR=ON
export QT_QPA_PLATFORM=offscreen ROZVAHON_FAKE_PLATFORM=1
ctest --test-dir "$top/build" --output-on-failure -j 2 "$@"
