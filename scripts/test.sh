#!/usr/bin/env bash
# Sets the machine up, builds everything with warnings as errors and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" -DBRENVIK_WERROR=ON -DBRENVIK_BUILD_TESTS=ON -DBRENVIK_BUILD_UI=ON
build=${BRENVIK_BUILD_DIR:-$root/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
