#!/usr/bin/env bash
# Installs what is needed, builds, and starts the exam simulator on the
# bundled sample banks. Extra arguments go to the program (/S, /F=..., ...).
# The bank tool ulvorane-bank and the resource generator make-exam-resources
# are built with the program, in build/ (see tools/window-build.sh).
set -euo pipefail
source "$(dirname "$0")/window-build.sh"
build_for_window tools/run.sh Ulvorane ulvorane-bank make-exam-resources interface-language
# The program reads its banks from its own folder: give it one holding the
# samples. It gets the bank of the language the window will open in (the
# locale, read the way the program reads it) when that bank is not there
# yet, so a first run opens with that bank loaded and a French run after an
# English one has its French bank; ULVORANE_BANKS=all puts every sample bank
# there and the program asks which one to use. Once an exam has been logged,
# the program opens the bank used last by itself.
run=$build/run
mkdir -p "$run"
cp -f "$build/examsim/ui/Ulvorane" "$run/"
if [ "${ULVORANE_BANKS:-}" = all ]; then
    cp -f "$root"/samples/Questions_*.txt "$run/"
else
    case "$("$build/tools/interface-language")" in
        fr) bank=Questions_Base-Francais.txt ;;
        *) bank=Questions_Basic-English.txt ;;
    esac
    [ -e "$run/$bank" ] || cp "$root/samples/$bank" "$run/"
fi
exec "$run/Ulvorane" "$@"
