#!/usr/bin/env bash
# Installs what is needed, builds, and starts the exam simulator on the
# bundled sample banks. Extra arguments go to the program (/S, /F=..., ...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$build" --target Ulvorane
# The program reads its banks from its own folder: give it one holding the
# samples. On a first run it gets one bank, in the language of the session
# (LANG), so the window opens with that bank loaded; ULVORANE_BANKS=all puts
# every sample bank there and the program asks which one to use. Once an exam
# has been logged, the program opens the bank used last by itself.
run=$build/run
mkdir -p "$run"
cp -f "$build/examsim/ui/Ulvorane" "$run/"
if [ "${ULVORANE_BANKS:-}" = all ]; then
    cp -f "$root"/samples/Questions_*.txt "$run/"
elif ! ls "$run"/Questions_*.txt >/dev/null 2>&1; then
    case "${LANG:-}" in
        fr*) cp -f "$root/samples/Questions_Base-Francais.txt" "$run/" ;;
        *) cp -f "$root/samples/Questions_Basic-English.txt" "$run/" ;;
    esac
fi
exec "$run/Ulvorane" "$@"
