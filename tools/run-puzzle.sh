#!/usr/bin/env bash
# Installs what is needed, builds, and starts the diagram puzzle on the
# bundled sample diagrams. Extra arguments go to the program (/Q, /T=..., ...).
# It builds in build/, configured exactly as tools/test.sh configures it (tests
# included), so that neither undoes the other; the diagram checker
# ostrilon-diagrams is built with the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "tools/run-puzzle.sh: no display found (DISPLAY and WAYLAND_DISPLAY are empty); render the windows to PNG instead with tools/shots.sh" >&2
    exit 1
fi

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$build" --target Ostrilon ostrilon-diagrams
# The program reads its diagram files from its own folder: give it one
# holding the samples.
run=$build/run-puzzle
mkdir -p "$run"
cp -f "$build/puzzle/ui/Ostrilon" "$run/"
cp -f "$root"/samples/Diagrams*.txt "$run/"
exec "$run/Ostrilon" "$@"
