#!/usr/bin/env bash
# Builds the program and its Debian package: build/package/rozvahon_5.6.0_<arch>.deb.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/build.sh" "$@"
cpack --config "$top/build/CPackConfig.cmake" -B "$top/build/package"
ls "$top"/build/package/*.deb
