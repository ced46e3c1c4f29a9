#!/usr/bin/env bash
# Installs what is needed, builds, and starts the exam simulator on the
# bundled sample banks. Extra arguments go to the program (/S, /F=..., ...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$build" --target Ulvorane
# The program reads its banks from its own folder: give it one holding the samples.
run=$build/run
mkdir -p "$run"
cp -f "$build/examsim/ui/Ulvorane" "$run/"
cp -f "$root"/samples/Questions_*.txt "$run/"
exec "$run/Ulvorane" "$@"
