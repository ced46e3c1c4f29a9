#!/usr/bin/env bash
# Installs what is needed, builds, and starts the exam simulator on the
# bundled sample banks. Extra arguments go to the program (/S, /F=..., ...).
# It builds in build/, configured exactly as tools/test.sh configures it (tests
# included), so that neither undoes the other; the bank tool ulvorane-bank
# and the resource generator make-exam-resources are built with the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "tools/run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are empty); render the windows to PNG instead with tools/shots.sh" >&2
    exit 1
fi

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$build" --target Ulvorane ulvorane-bank make-exam-resources interface-language
# The program reads its banks from its own folder: give it one holding the
# samples. On a first run it gets one bank, in the language the window will
# open in (the locale, read the way the program reads it), so the window
# opens with that bank loaded; ULVORANE_BANKS=all puts every sample bank
# there and the program asks which one to use. Once an exam has been logged,
# the program opens the bank used last by itself.
run=$build/run
mkdir -p "$run"
cp -f "$build/examsim/ui/Ulvorane" "$run/"
if [ "${ULVORANE_BANKS:-}" = all ]; then
    cp -f "$root"/samples/Questions_*.txt "$run/"
elif ! ls "$run"/Questions_*.txt >/dev/null 2>&1; then
    case "$("$build/tools/interface-language")" in
        fr) cp -f "$root/samples/Questions_Base-Francais.txt" "$run/" ;;
        *) cp -f "$root/samples/Questions_Basic-English.txt" "$run/" ;;
    esac
fi
exec "$run/Ulvorane" "$@"
