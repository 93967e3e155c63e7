#!/usr/bin/env bash
# Sets the machine up, builds the program and starts it from the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
build=${BRENVIK_BUILD_DIR:-$root/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting under a virtual X server (xvfb-run)." >&2
  exec xvfb-run -a "$build/bin/brenvik" "$@"
fi
exec "$build/bin/brenvik" "$@"
