#!/usr/bin/env bash
# Configures and builds into build/ (or $BRENVIK_BUILD_DIR). Extra arguments go to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRENVIK_BUILD_DIR:-$root/build}
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
[ -f "$build/CMakeCache.txt" ] && generator=()
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" --parallel "$(nproc)"
