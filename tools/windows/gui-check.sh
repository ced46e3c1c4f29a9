#!/usr/bin/env bash
# Starts both Windows programs under Wine on the samples, each in its own
# window (Qt's windows platform, on an Xvfb screen), keeps a picture of each
# window and ends the program: Ulvorane in English and in French, in the
# normal and the simplified layout (/S); Ostrilon in English and in French.
# French is chosen as a French candidate's Windows would choose it, from the
# keyboard layout (GetKeyboardLayout, through Qt's input context): Wine
# gives the layout of its locale, here fr_CA (French, Canada: 0C0C). Each
# program runs on a copy of the samples (/P=) in its language: one bank, one
# diagram file, so that it opens on them. Ulvorane is shown twice: with the
# report of the bank read in front, and after OK (<case>-ok.png).
# Fails when a program shows no window within a minute.
#   tools/windows/gui-check.sh PROGRAM_FOLDER OUT_FOLDER [BUILD_WINDOWS]
# PROGRAM_FOLDER holds Ulvorane.exe and Ostrilon.exe with what they need
# beside them (BUILD_WINDOWS/package/Ulvorane after package.sh, or where the
# installer put them); the pictures are OUT_FOLDER/<program>-<case>.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
programs=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
root=$(mkdir -p "${3:-$source/build-windows}" && cd "${3:-$source/build-windows}" && pwd)

screen=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1366x768x24 -fbdir "$screen" -nolisten tcp 3>"$screen/display" 2>/dev/null &
xvfb=$!
export WINEPREFIX=${WINEPREFIX:-$root/wine}
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$screen"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$screen/display" ] && break; sleep 0.2; done
export DISPLAY=:$(cat "$screen/display")
export QT_QPA_PLATFORM=windows
"$here/wine-run.sh" --root="$root" cmd /c exit 0 >/dev/null 2>&1 || true

# shot NAME LANGUAGE PROGRAM [ARGS...]: PROGRAM started in its own copy of the
# samples with the keyboard layout of LANGUAGE (en, fr); NAME.png once its
# window is up.
failed=0
shot() {
    local name=$1 language=$2 program=$3
    shift 3
    local work=$out/work/$name locale=en_CA.UTF-8 banks=(Questions_Basic-English.txt Diagrams_Basic-English.txt)
    [ "$language" = fr ] && locale=fr_CA.UTF-8 banks=(Questions_Base-Francais.txt Diagrams_Base-Francais.txt)
    rm -rf "$work"
    mkdir -p "$work"
    for bank in "${banks[@]}"; do cp "$source/samples/$bank" "$work/"; done
    local started=$SECONDS
    LC_ALL=$locale "$here/wine-run.sh" --root="$root" "$programs/$program.exe" "/P=Z:${work//\//\\}" "$@" \
        >"$out/$name.log" 2>&1 &
    local pid=$!
    local window=""
    while [ $((SECONDS - started)) -lt 60 ] && kill -0 "$pid" 2>/dev/null; do
        # A top-level window of the program at least 300 x 200 (Wine makes
        # small helper windows of its own).
        window=$(xwininfo -root -children 2>/dev/null | grep -i "(\"$program.exe\"" |
                 grep -E ' (([3-9][0-9]{2}|[0-9]{4,})x([2-9][0-9]{2}|[0-9]{4,}))\+' | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 1
    done
    if [ -z "$window" ]; then
        echo "$name: no window of $program within 60 s (log: $out/$name.log)" >&2
        failed=1
    else
        sleep "${GUI_CHECK_SETTLE:-4}"  # painted through
        "$here/xwd2png.py" "$screen/Xvfb_screen0" "$out/$name.png"
        echo "$name: window after $((SECONDS - started)) s:$window"
        if [ "$program" = Ulvorane ]; then
            # The report of the bank read is in front: OK, then the window alone.
            xdotool key Return
            sleep 2
            "$here/xwd2png.py" "$screen/Xvfb_screen0" "$out/$name-ok.png"
        fi
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    # What the program left running in the prefix ends with it.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

shot ulvorane-en en Ulvorane
shot ulvorane-en-simplified en Ulvorane /S
shot ulvorane-fr fr Ulvorane
shot ulvorane-fr-simplified fr Ulvorane /S
shot ostrilon-en en Ostrilon
shot ostrilon-fr fr Ostrilon
exit $failed
