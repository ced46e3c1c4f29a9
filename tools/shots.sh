#!/usr/bin/env bash
# Installs what is needed, builds the picture programs in build/ (configured
# as tools/test.sh configures it) and renders both programs' windows and the
# toolkit's message boxes to PNG files, without a display.
# Usage: tools/shots.sh [output-folder]   (default /tmp/shots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
out=${1:-/tmp/shots}

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target examsim_ui_shots puzzle_shots toolkit_gui_shots
program() { find "$build" -type f -name "$1" -perm -u+x | head -n 1; }
export QT_QPA_PLATFORM=offscreen
"$(program examsim_ui_shots)" "$root/samples" "$out/exam"
"$(program puzzle_shots)" "$out/puzzle"
"$(program toolkit_gui_shots)" "$out/toolkit"
echo "pictures in $out/exam, $out/puzzle and $out/toolkit"
