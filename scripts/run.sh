#!/usr/bin/env bash
# Installs what is needed, builds Rozvahon and starts it. The program keeps
# its data in ~/.local/share/Rozvahon (filled with the delivered tables on
# the first start) unless a folder is given: scripts/run.sh --dir DIR
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/deps.sh"
"$top/scripts/build.sh"
cd "$HOME"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop display found: Rozvahon runs on a virtual X display (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$top/build/app/rozvahon" "$@"
fi
exec "$top/build/app/rozvahon" "$@"
