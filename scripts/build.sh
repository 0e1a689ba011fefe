#!/usr/bin/env bash
# Configures and builds Rozvahon in build/ (incrementally). Extra arguments
# go to the CMake configure step.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$top/build" -j "$(nproc)"
