#!/usr/bin/env bash
# Installs what is needed, builds, and starts the diagram puzzle on the
# bundled sample diagrams. Extra arguments go to the program (/Q, /T=..., ...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$build" --target Ostrilon
# The program reads its diagram files from its own folder: give it one
# holding the samples.
run=$build/run-puzzle
mkdir -p "$run"
cp -f "$build/puzzle/ui/Ostrilon" "$run/"
cp -f "$root"/samples/Diagrams*.txt "$run/"
exec "$run/Ostrilon" "$@"
