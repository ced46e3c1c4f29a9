#!/usr/bin/env bash
# Installs what is needed, builds, and starts the diagram puzzle on the
# bundled sample diagrams. Extra arguments go to the program (/Q, /T=..., ...).
# The diagram checker ostrilon-diagrams is built with the program, in build/
# (see tools/window-build.sh).
set -euo pipefail
source "$(dirname "$0")/window-build.sh"
build_for_window tools/run-puzzle.sh Ostrilon ostrilon-diagrams
# The program reads its diagram files from its own folder: give it one
# holding the samples.
run=$build/run-puzzle
mkdir -p "$run"
cp -f "$build/puzzle/ui/Ostrilon" "$run/"
cp -f "$root"/samples/Diagrams*.txt "$run/"
exec "$run/Ostrilon" "$@"
