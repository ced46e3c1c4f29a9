#!/usr/bin/env bash
# Installs what is needed, configures, builds and runs every test; fails when
# ctest finds no test at all.
# Usage: tools/test.sh [build-folder] [extra cmake options...]
# The default folder build/ is configured as tools/run.sh and tools/shots.sh
# configure it; give other options to another folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "$@"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300 --no-tests=error
